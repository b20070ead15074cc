#include "shell/start_up.h"

#include <QApplication>

#include "output/qt_common_dialog.h"
#include "shell/end_program.h"
#include "ui/chart_session.h"
#include "ui/fonts.h"
#include "ui/message_box_sink.h"

namespace grahavani {

int RunDesktopProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("grahavani");
    QApplication::setApplicationDisplayName("Grahavani");
    // The entry form stays loaded while hidden; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutes();

    MessageBoxSink messages;
    QtCommonDialog dialogs;
    ChartSession session(messages, dialogs);
    QObject::connect(&session, &ChartSession::exitRequested, &session,
                     [&session] { EndProgram(session); });
    session.ShowEntryForm();
    return QApplication::exec();
}

}  // namespace grahavani
