#pragma once
// Our web search: the address of a search engine's results for a query, with the
// query percent-encoded so that typed text can only ever be the search words.

#include <QString>
#include <QUrl>

namespace grahavani {

QUrl WebSearchAddress(const QString& query);

}  // namespace grahavani
