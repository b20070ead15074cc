#include "desktop/shell/end_program.h"

#include <QCoreApplication>

#include "desktop/ui/chart/chart_session.h"

namespace grahavani {

void EndProgram(ChartSession& session) {
    session.UnloadForms();
    QCoreApplication::quit();
}

}  // namespace grahavani
