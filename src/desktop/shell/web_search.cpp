#include "desktop/shell/web_search.h"

namespace grahavani {

namespace {
constexpr char SearchPage[] = "https://duckduckgo.com/?q=";
}  // namespace

QUrl WebSearchAddress(const QString& query) {
    // Everything but letters, digits and "-._~" is escaped, "&", "#", "+" and "%" too.
    return QUrl::fromEncoded(SearchPage + QUrl::toPercentEncoding(query), QUrl::StrictMode);
}

}  // namespace grahavani
