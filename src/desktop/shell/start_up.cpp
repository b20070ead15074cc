#include "desktop/shell/start_up.h"

#include <QApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QSettings>

#include "desktop/shell/co_brand.h"
#include "desktop/shell/desktop_url_opener.h"
#include "desktop/files/qt_common_dialog.h"
#include "desktop/shell/end_program.h"
#include "desktop/shell/program_icon.h"
#include "desktop/shell/single_instance.h"
#include "desktop/shell/update_reminder.h"
#include "desktop/shell/web_links.h"
#include "desktop/ui/chart/chart_session.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/message_box_sink.h"

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
    ChartSession session(messages, dialogs, settings);
    QObject::connect(&session, &ChartSession::exitRequested, &session,
                     [&session] { EndProgram(session); });
    ConnectWebLinks(session, opener);
    session.ShowEntryForm();
    // The global generator is seeded by the system, which serves as the clock seed did.
    CoBrand_Randomize(session.EntryForm(), QRandomGenerator::global()->generateDouble());
    return QApplication::exec();
}

}  // namespace grahavani
