// Vantrelle: find and replace text in many publications in one run.
#include "app/form1.h"
#include "app/startup.h"
#include "fit/fitcheck.h"
#include "pubengine/server.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "shell/language.h"
#include "shell/settings.h"
#include "widgets/qtdialogs.h"

#ifdef _WIN32
#include "run/comserver.h"
#include "wincom/client.h"
#endif

#include <QApplication>

#include <cstdio>
#include <memory>
#include <optional>

int main(int argc, char **argv)
{
    using namespace vantrelle;
    QCoreApplication::setApplicationName(QStringLiteral("vantrelle"));
    QCoreApplication::setApplicationVersion(productVersion());
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
    // The native engine stands in for the publishing program's automation server.
    registry.Register(progId, pubengine::makePublisherServer(fit::makeFitChecker()));
    Form1Services services{dialogs, settings, registry};
#ifdef _WIN32
    // Where the publishing program is installed, the user may have it edit
    // instead, over COM from this (the window's) thread. Qt has put the
    // thread in an apartment already; this keeps it there.
    wincom::Apartment apartment;
    automation::Registry program;
    if (automation::isRegistered(progId)) {
        program.Register(progId, automation::makeComServer(progId));
        services.program = &program;
    }
#endif
    Form1 window(services);
    dialogs.setOwner(&window);
    startWindow(window, commandLine.paths);
    return QCoreApplication::exec();
}
