#include "desktop/shell/start_up.h"

#include <QApplication>
#include <QByteArray>
#include <QDate>
#include <QRandomGenerator>
#include <QSettings>
#include <string>

#include "desktop/shell/co_brand.h"
#include "desktop/shell/desktop_url_opener.h"
#include "desktop/files/qt_common_dialog.h"
#include "desktop/shell/end_program.h"
#include "desktop/shell/program_icon.h"
#include "desktop/shell/single_instance.h"
#include "desktop/shell/start_language.h"
#include "desktop/shell/update_reminder.h"
#include "desktop/shell/web_links.h"
#include "desktop/ui/chart/chart_session.h"
#include "desktop/ui/language/desktop_translator.h"
#include "desktop/ui/language/language_setting.h"
#include "render/fonts.h"
#include "desktop/ui/widgets/message_box_sink.h"

namespace grahavani {

namespace {

Language ChosenStartLanguage(const QSettings& settings) {
    const std::string setting = ReadLanguageSetting(settings);
    const QByteArray language = qgetenv("LANGUAGE");
    const QByteArray lcAll = qgetenv("LC_ALL");
    const QByteArray lcMessages = qgetenv("LC_MESSAGES");
    const QByteArray lang = qgetenv("LANG");
    return StartLanguage(setting, {language.constData(), lcAll.constData(),
                                                 lcMessages.constData(), lang.constData()});
}

}  // namespace

int RunDesktopProgram(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("grahavani");
    QApplication::setDesktopFileName("example.grahavani.Grahavani");
    QApplication::setWindowIcon(ProgramIcon());
    // The entry form stays loaded while hidden; only EndProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutes();
    const QString name = QApplication::applicationName();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, name, name);
    // Before any window, so every text is built in the reader's language.
    InstallDesktopTranslator(ChosenStartLanguage(settings));

    MessageBoxSink messages;
    SingleInstanceLock instance;
    if (!instance.Acquire()) {
        // No window is loaded yet, so ending the program is leaving here.
        messages.ShowInformation(nullptr, QCoreApplication::translate("StartUp", "Application is already running"));
        return 0;
    }

    DesktopUrlOpener opener;
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
