#include <QUrlQuery>

#include "desktop/shell/web_links.h"
#include "desktop/shell/web_search.h"
#include "tests/desktop/shell/recording_opener.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

TEST(WebSearch, QueryReachesTheAddressOnlyPercentEncoded) {
    const std::pair<QString, QString> queries[] = {
        {"New Delhi Delhi India Latitude Longitude",
         "https://duckduckgo.com/?q=New%20Delhi%20Delhi%20India%20Latitude%20Longitude"},
        {"A&B=C #1 + 50%", "https://duckduckgo.com/?q=A%26B%3DC%20%231%20%2B%2050%25"},
        {QString::fromUtf8("São Paulo \"x\" <y>"),
         "https://duckduckgo.com/?q=S%C3%A3o%20Paulo%20%22x%22%20%3Cy%3E"},
        {"", "https://duckduckgo.com/?q="},
    };
    for (const auto& [query, address] : queries) {
        const QUrl url = WebSearchAddress(query);
        EXPECT_EQ(url.toString(QUrl::FullyEncoded), address) << query.toStdString();
        EXPECT_EQ(url.host(), "duckduckgo.com");
        EXPECT_FALSE(url.hasFragment());
        EXPECT_EQ(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded), query);
    }
}

class CoordinateSearchTest : public SessionTest {
protected:
    CoordinateSearchTest() { ConnectWebLinks(session, opener); }
    RecordingOpener opener;
};

TEST_F(CoordinateSearchTest, EachEmptyPlaceFieldIsNamedInTurnAndTakesTheFocus) {
    const struct {
        const char* city;
        const char* state;
        const char* country;
        const char* message;
        const char* focus;
    } steps[] = {
        {"", "Delhi", "India", "Please Enter City", "txtCity"},
        {"New Delhi", "", "", "Please Enter State", "txtState"},
        {"New Delhi", "Delhi", "", "Please Enter Country", "txtCountry"},
    };
    for (const auto& step : steps) {
        messages.messages.clear();
        Type("txtCity", step.city);
        Type("txtState", step.state);
        Type("txtCountry", step.country);
        Click("Command1");
        EXPECT_EQ(messages.messages, QStringList{step.message});
        EXPECT_TRUE(OnForm<QLineEdit>(step.focus)->hasFocus()) << step.focus;
    }
    EXPECT_TRUE(opener.addresses.isEmpty());
}

TEST_F(CoordinateSearchTest, PlaceAsTypedIsSearchedForWithItsCoordinates) {
    Type("txtCity", " Port Louis");
    Type("txtState", "A&B");
    Type("txtCountry", "#1");
    Click("Command1");
    EXPECT_TRUE(messages.messages.isEmpty());
    ASSERT_EQ(opener.addresses.size(), 1);
    EXPECT_EQ(opener.addresses[0],
              "https://duckduckgo.com/?q=%20Port%20Louis%20A%26B%20%231%20Latitude%20Longitude");
}

}  // namespace
}  // namespace grahavani::test
