#include "desktop/shell/web_links.h"

#include "desktop/shell/coordinate_search.h"
#include "desktop/shell/frm_about.h"
#include "desktop/shell/vendor_pages.h"
#include "desktop/ui/chart/chart_session.h"

namespace grahavani {

void ConnectWebLinks(ChartSession& session, UrlOpener& opener) {
    QObject::connect(&session, &ChartSession::vendorPageRequested, &session,
                     [&opener](VendorPage page) { OpenVendorPage(opener, page); });
    QObject::connect(&session, &ChartSession::aboutRequested, &session,
                     [&opener](QWidget* parent) { ShowAbout(opener, parent); });
    QObject::connect(&session, &ChartSession::coordinateSearchRequested, &session,
                     [&session, &opener] { SearchCoordinates(session.EntryForm(), opener); });
}

}  // namespace grahavani
