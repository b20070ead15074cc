#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "desktop/shell/frm_about.h"
#include "desktop/shell/vendor_pages.h"
#include "tests/desktop/shell/recording_opener.h"

namespace grahavani::test {
namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    QLabel* Label(const char* name) { return about.findChild<QLabel*>(name); }
    RecordingOpener opener;
    frmAbout about{opener};
};

TEST_F(AboutBoxTest, ShowsNameVersionAndTheSiteAddress) {
    EXPECT_EQ(about.windowTitle(), "Grahavani 2.05");
    EXPECT_EQ(Label("Label2")->text(), "Grahavani 2.05");
    EXPECT_FALSE(Label("picIcon")->pixmap().isNull());
    EXPECT_TRUE(Label("Label1")->text().endsWith(
        "Thus, Grahavani Software creates ready made birth charts which can be used for "
        "further analysis."));
    EXPECT_EQ(Label("lblHomePage")->accessibleName(),
              "Click here to visit https://www.grahavani.example");
}

TEST_F(AboutBoxTest, LinksOpenTheirPagesAndOkCloses) {
    emit Label("lblCoBrand")->linkActivated("#");
    emit Label("lblHomePage")->linkActivated("#");
    EXPECT_EQ(opener.addresses,
              (QStringList{VendorPageAddress(VendorPage::FullyBranded).toString(),
                           VendorPageAddress(VendorPage::HomePage).toString()}));
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace grahavani::test
