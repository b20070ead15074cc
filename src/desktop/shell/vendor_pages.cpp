#include "desktop/shell/vendor_pages.h"

#include "desktop/shell/url_opener.h"

namespace grahavani {

QString VendorPageKey(VendorPage page) {
    switch (page) {
    case VendorPage::HelpWebPage: return QStringLiteral("help-web-page");
    case VendorPage::HomePage: return QStringLiteral("home-page");
    case VendorPage::DownloadWebPage: return QStringLiteral("download-web-page");
    case VendorPage::CoBrand: return QStringLiteral("co-brand");
    case VendorPage::FullyBranded: return QStringLiteral("fully-branded");
    }
    return QStringLiteral("home-page");
}

QUrl VendorPageAddress(VendorPage page) {
    return QUrl(VendorSiteAddress + "/grahavani-app/ssd.php?page=" + VendorPageKey(page));
}

void OpenVendorPage(UrlOpener& opener, VendorPage page) { opener.Open(VendorPageAddress(page)); }

}  // namespace grahavani
