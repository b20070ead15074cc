#include <QAction>
#include <QLabel>
#include <QStackedLayout>

#include "shell/co_brand.h"
#include "shell/vendor_pages.h"
#include "shell/web_links.h"
#include "tests/shell/recording_opener.h"
#include "tests/ui/session_fixture.h"

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

TEST_F(WebLinksTest, CoBrandRandomizeBringsTheDrawnLabelToTheFront) {
    // 6u + 1 rounded half to even: 2.5 gives 2 and 5.5 gives 6.
    const struct {
        double u;
        std::optional<BrandLabel> label;
    } draws[] = {
        {0.0, BrandLabel::CoBrand},      {0.05, BrandLabel::CoBrand},
        {0.1, BrandLabel::FullBrand},    {0.25, BrandLabel::FullBrand},
        {0.4, BrandLabel::CoBrand},      {0.5, BrandLabel::FullBrand},
        {0.6, BrandLabel::CoBrand},      {0.75, BrandLabel::FullBrand},
        {0.9, BrandLabel::FullBrand},    {0.95, std::nullopt},
        {0.9999, std::nullopt},
    };
    for (const auto& draw : draws) {
        EXPECT_EQ(BrandLabelForDraw(draw.u), draw.label) << draw.u;
    }

    auto* brands = qobject_cast<QStackedLayout*>(OnForm<QWidget>("fraFullBrand")->layout());
    const auto front = [&] { return brands->currentWidget()->objectName(); };
    CoBrand_Randomize(session.EntryForm(), 0.5);
    EXPECT_EQ(front(), "lblFullBrand");
    CoBrand_Randomize(session.EntryForm(), 0.95);
    EXPECT_EQ(front(), "lblFullBrand") << "7 changes nothing";
    CoBrand_Randomize(session.EntryForm(), 0.0);
    EXPECT_EQ(front(), "lblCobrand");
}

}  // namespace
}  // namespace grahavani::test
