#include <QAction>
#include <QLabel>

#include "desktop/shell/vendor_pages.h"
#include "desktop/shell/web_links.h"
#include "tests/desktop/shell/recording_opener.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

const QString Help = "https://www.grahavani.example/grahavani-app/ssd.php?page=help-web-page";
const QString Home = "https://www.grahavani.example/grahavani-app/ssd.php?page=home-page";
const QString Download =
    "https://www.grahavani.example/grahavani-app/ssd.php?page=download-web-page";
const QString CoBrand = "https://www.grahavani.example/grahavani-app/ssd.php?page=co-brand";
const QString FullyBranded =
    "https://www.grahavani.example/grahavani-app/ssd.php?page=fully-branded";

TEST(VendorPages, AddressIsSitePathAndPageKey) {
    const std::pair<VendorPage, QString> pages[] = {
        {VendorPage::HelpWebPage, Help},  {VendorPage::HomePage, Home},
        {VendorPage::DownloadWebPage, Download}, {VendorPage::CoBrand, CoBrand},
        {VendorPage::FullyBranded, FullyBranded}};
    for (const auto& [page, address] : pages) {
        EXPECT_EQ(VendorPageAddress(page).toString(QUrl::FullyEncoded), address);
    }
}

class WebLinksTest : public SessionTest {
protected:
    WebLinksTest() { ConnectWebLinks(session, opener); }
    void Follow(QWidget* window, const QString& label) {
        emit Find<QLabel>(window, label)->linkActivated("#");
    }
    void ShowChart() {
        EnterDelhi1947();
        Click("cmdCalculate");
    }
    RecordingOpener opener;
};

TEST_F(WebLinksTest, EntryFormMenusAndLinksOpenTheirPages) {
    const std::pair<const char*, QString> items[] = {
        {"mnuOnline", Help}, {"mnuVisit", Home}, {"mnuUpdate", Download}};
    for (const auto& [item, address] : items) {
        OnForm<QAction>(item)->trigger();
        EXPECT_EQ(opener.addresses.value(opener.addresses.size() - 1), address) << item;
    }
    const std::pair<const char*, QString> links[] = {
        {"Label1", Home}, {"lblCobrand", CoBrand}, {"lblFullBrand", FullyBranded}};
    for (const auto& [label, address] : links) {
        Follow(&session.EntryForm(), label);
        EXPECT_EQ(opener.addresses.value(opener.addresses.size() - 1), address) << label;
    }
    EXPECT_EQ(opener.addresses.size(), 6);
}

TEST_F(WebLinksTest, MainWindowMenusAndToolbarHelpOpenTheirPages) {
    ShowChart();
    const std::pair<const char*, QString> items[] = {
        {"mnuOnline", Help}, {"mnuVisit", Home}, {"mnuUpdate", Download}};
    for (const auto& [item, address] : items) {
        OnMainWindow<QAction>(item)->trigger();
        EXPECT_EQ(opener.addresses.value(opener.addresses.size() - 1), address) << item;
    }
    session.MainWindow()->ToolbarButtonClicked("Help");
    EXPECT_EQ(opener.addresses, (QStringList{Help, Home, Download, Help}));
}

}  // namespace
}  // namespace grahavani::test
