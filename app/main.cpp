// Vantrelle: find and replace text in many publications in one run.
#include "app/form1.h"
#include "app/startup.h"
#include "pubengine/server.h"
#include "shell/automation.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "widgets/qtdialogs.h"

#if defined(_WIN32) && !defined(VANTRELLE_ENGINE_ON_WINDOWS)
#define VANTRELLE_OVER_COM
#include "run/comserver.h"
#include "wincom/client.h"
#endif

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
    installTranslations();
    const CommandLine commandLine = parseCommandLine(QCoreApplication::arguments());
    if (!commandLine.message.isEmpty())
        std::fputs(commandLine.message.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
    if (commandLine.exitCode)
        return *commandLine.exitCode;

    SettingsStore settings;
    QtDialogs dialogs;
    automation::Registry &registry = automation::Registry::instance();
    const QString progId = QString::fromLatin1(automation::kPublisherProgId);
#ifdef VANTRELLE_OVER_COM
    // The publishing program itself, over COM, from this (the window's) thread.
    // Qt has put the thread in an apartment already; this keeps it there.
    wincom::Apartment apartment;
    registry.Register(progId, automation::makeComServer(progId));
#else
    // The native engine stands in for the publishing program's automation server.
    registry.Register(progId, pubengine::makePublisherServer());
#endif
    Form1 window({dialogs, settings, registry});
    dialogs.setOwner(&window);
    startWindow(window, commandLine.paths);
    return QCoreApplication::exec();
}
