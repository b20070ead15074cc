#pragma once
// Where web addresses go to be opened, so that tests can record them instead of
// starting a browser.

#include <QUrl>

namespace grahavani {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address on without waiting; a failure to open it is not reported.
    virtual void Open(const QUrl& address) = 0;
};

}  // namespace grahavani
