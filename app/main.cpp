// Vantrelle: find and replace text in many publications in one run.
#include "app/form1.h"
#include "app/shell/dialogs.h"
#include "app/shell/settings.h"
#include "app/startup.h"
#include "pubengine/server.h"
#include "run/automation.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    using namespace vantrelle;
    QCoreApplication::setApplicationName(QStringLiteral("vantrelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRELLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrelle.Vantrelle"));
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    // --help and --version work without a display.
    const std::unique_ptr<QCoreApplication> app =
        asksOnlyForText(raw) ? std::make_unique<QCoreApplication>(argc, argv)
                             : std::make_unique<QApplication>(argc, argv);
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (!commandLine.message.isEmpty())
        std::fputs(commandLine.message.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    SettingsStore settings;
    QtDialogs dialogs;
    automation::Registry &registry = automation::Registry::instance();
    // The native engine stands in for the publishing program's automation server.
    registry.Register(QString::fromLatin1(automation::kPublisherProgId),
                      pubengine::makePublisherServer());
    Form1 window({dialogs, settings, registry});
    dialogs.setOwner(&window);
    startWindow(window, commandLine.paths);
    return QCoreApplication::exec();
}
