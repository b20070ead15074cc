#pragma once
// The vendor's web pages: their keys, their addresses, and opening them.

#include <QString>
#include <QUrl>

#include "desktop/ui/widgets/vendor_page.h"

namespace grahavani {

class UrlOpener;

// Scheme and host of every vendor page; the one place the site is named.
inline const QString VendorSiteAddress = QStringLiteral("https://www.grahavani.example");

QString VendorPageKey(VendorPage page);
// The site, "/grahavani-app/ssd.php" and "?page=" with the page's key.
QUrl VendorPageAddress(VendorPage page);
void OpenVendorPage(UrlOpener& opener, VendorPage page);

}  // namespace grahavani
