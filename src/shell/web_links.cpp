#include "shell/web_links.h"

#include "shell/coordinate_search.h"
#include "shell/frm_about.h"
#include "shell/vendor_pages.h"
#include "ui/chart_session.h"

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
