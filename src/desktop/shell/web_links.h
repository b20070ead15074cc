#pragma once
// Gives the windows' web commands their effect: vendor pages, the about box and the
// coordinate search all end in the browser through one opener.

namespace grahavani {

class ChartSession;
class UrlOpener;

void ConnectWebLinks(ChartSession& session, UrlOpener& opener);

}  // namespace grahavani
