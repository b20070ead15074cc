#include "desktop/shell/frm_about.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "desktop/shell/program_icon.h"
#include "desktop/shell/vendor_pages.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/link_label.h"

namespace grahavani {

namespace {

QLabel* MakeText(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmAbout::frmAbout(UrlOpener& opener, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("Grahavani 2.05"));
    setFont(VerdanaFont(8.25));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(ProgramIcon().pixmap(64, 64));
    picIcon->setAccessibleName(tr("Grahavani icon"));
    QLabel* Label2 = MakeText(this, "Label2", tr("Grahavani 2.05"));
    Label2->setFont(VerdanaFont(12, true));
    QLabel* Label1 = MakeText(
        this, "Label1",
        tr("Grahavani Software shows your Rashi Chart in both the North Indian and South Indian "
           "versions. This software gives the precise astronomical positions of stars and planets "
           "during the time your birth. Vedic Astrology uses this information to forecast "
           "important incidents and probable opportunities that might arise in your life.\n\n"
           "Thus, Grahavani Software creates ready made birth charts which can be used for "
           "further analysis."));
    QLabel* Label3 = MakeText(
        this, "Label3",
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website."));
    QLabel* lblCoBrand =
        MakeLinkLabel(this, "lblCoBrand", tr("Click here for more details"),
                      [&opener] { OpenVendorPage(opener, VendorPage::FullyBranded); });
    QLabel* lblHomePage =
        MakeLinkLabel(this, "lblHomePage", tr("Click here to visit %1").arg(VendorSiteAddress),
                      [&opener] { OpenVendorPage(opener, VendorPage::HomePage); });
    // GeoNames asks for this credit wherever its data is used.
    QLabel* lblCredits = MakeText(
        this, "lblCredits",
        tr("Places from GeoNames (geonames.org), licensed under CC BY 4.0."));
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(lblCoBrand, 3, 1);
    grid->addWidget(lblHomePage, 4, 1);
    grid->addWidget(lblCredits, 5, 1);
    grid->addWidget(cmdOK, 6, 1, Qt::AlignRight);
    setMinimumWidth(480);
    setTabOrder(cmdOK, lblCoBrand);
    setTabOrder(lblCoBrand, lblHomePage);
}

void ShowAbout(UrlOpener& opener, QWidget* parent) {
    frmAbout box(opener, parent);
    box.exec();
}

}  // namespace grahavani
