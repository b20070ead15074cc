#include "render/offscreen_gui.h"

#include <QGuiApplication>

#include <cstdio>

#include "render/fonts.h"

namespace grahavani {

void EnsureOffscreenGui() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "grahavani-chart";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
    });
    static QGuiApplication application(argc, argv);
    RegisterFontSubstitutes();  // the chart drawings ask for Verdana, as on the desktop
}

}  // namespace grahavani
