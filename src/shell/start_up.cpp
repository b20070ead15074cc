#include "shell/start_up.h"

#include <QApplication>
#include <QRandomGenerator>

#include "shell/co_brand.h"
#include "shell/desktop_url_opener.h"
#include "shell/end_program.h"
#include "shell/program_icon.h"
#include "shell/web_links.h"
#include "ui/chart_session.h"
#include "ui/fonts.h"
#include "ui/message_box_sink.h"

namespace grahavani {

int RunDesktopProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("grahavani");
    QApplication::setApplicationDisplayName("Grahavani");
    QApplication::setDesktopFileName("example.grahavani.Grahavani");
    QApplication::setWindowIcon(ProgramIcon());
    // The entry form stays loaded while hidden; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutes();

    MessageBoxSink messages;
    DesktopUrlOpener opener;
    ChartSession session(messages);
    QObject::connect(&session, &ChartSession::exitRequested, &session,
                     [&session] { EndProgram(session); });
    ConnectWebLinks(session, opener);
    session.ShowEntryForm();
    // The global generator is seeded by the system, which serves as the clock seed did.
    CoBrand_Randomize(session.EntryForm(), QRandomGenerator::global()->generateDouble());
    return QApplication::exec();
}

}  // namespace grahavani
