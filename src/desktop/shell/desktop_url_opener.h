#pragma once
// Opens addresses in the user's default browser through the desktop, never a shell.

#include "desktop/shell/url_opener.h"

namespace grahavani {

class DesktopUrlOpener final : public UrlOpener {
public:
    void Open(const QUrl& address) override;
};

}  // namespace grahavani
