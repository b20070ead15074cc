#pragma once
// An opener that keeps the addresses instead of starting a browser.

#include <QStringList>

#include "desktop/shell/url_opener.h"

namespace grahavani::test {

class RecordingOpener final : public UrlOpener {
public:
    void Open(const QUrl& address) override { addresses << address.toString(QUrl::FullyEncoded); }
    QStringList addresses;
};

}  // namespace grahavani::test
