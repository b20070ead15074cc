#include "desktop/shell/desktop_url_opener.h"

#include <QDesktopServices>

namespace grahavani {

void DesktopUrlOpener::Open(const QUrl& address) {
    // Without a browser nothing opens, and the user is not told.
    QDesktopServices::openUrl(address);
}

}  // namespace grahavani
