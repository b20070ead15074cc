#include "shell/start_up.h"

#include <QApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QSettings>

#include "shell/co_brand.h"
#include "shell/desktop_url_opener.h"
#include "output/qt_common_dialog.h"
#include "shell/end_program.h"
#include "shell/program_icon.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"
#include "shell/web_links.h"
#include "ui/chart_session.h"
#include "ui/fonts.h"
#include "ui/message_box_sink.h"

namespace grahavani {

int RunDesktopProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("grahavani");
    QApplication::setDesktopFileName("example.grahavani.Grahavani");
    QApplication::setWindowIcon(ProgramIcon());
    // The entry form stays loaded while hidden; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutes();

    MessageBoxSink messages;
    SingleInstanceLock instance;
    if (!instance.Acquire()) {
        // No window is loaded yet, so ending the program is leaving here.
        messages.ShowInformation(nullptr, "Application is already running");
        return 0;
    }

    DesktopUrlOpener opener;
    const QString name = QApplication::applicationName();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, name, name);
    UpdateReminder(settings, QDate::currentDate(), messages, opener);

    QtCommonDialog dialogs;
    ChartSession session(messages, dialogs);
    QObject::connect(&session, &ChartSession::exitRequested, &session,
                     [&session] { EndProgram(session); });
    ConnectWebLinks(session, opener);
    session.ShowEntryForm();
    // The global generator is seeded by the system, which serves as the clock seed did.
    CoBrand_Randomize(session.EntryForm(), QRandomGenerator::global()->generateDouble());
    return QApplication::exec();
}

}  // namespace grahavani
