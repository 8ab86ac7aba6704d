#include "app/startup.h"

#include "app/form1.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace vantrelle {

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "vantrelle::Startup", "Finds and replaces text in many publications in one run."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QCoreApplication::translate("vantrelle::Startup",
                                    "Publications to add to the list, and folders whose .pub "
                                    "files (subfolders included) to add."),
        QCoreApplication::translate("vantrelle::Startup", "[FILE|FOLDER...]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.exitCode = 2;
        result.message = QCoreApplication::translate("vantrelle::Startup", "%1\nSee --help.\n")
                             .arg(parser.errorText());
        return result;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        result.exitCode = 0;
        result.message = parser.isSet(help)
                             ? parser.helpText()
                             : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                   QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return result;
    }
    for (const QString &argument : parser.positionalArguments()) {
        const QFileInfo info(argument);
        if (!info.exists()) {
            result.message += QCoreApplication::translate("vantrelle::Startup",
                                                          "No such file or folder, not added: %1\n")
                                  .arg(argument);
            continue;
        }
        result.paths << info.absoluteFilePath();
    }
    return result;
}

bool asksOnlyForText(const QStringList &arguments)
{
    static const QStringList textOnly{QStringLiteral("-h"), QStringLiteral("--help"),
                                      QStringLiteral("-?"), QStringLiteral("--help-all"),
                                      QStringLiteral("-v"), QStringLiteral("--version")};
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const QString &argument) { return textOnly.contains(argument); });
}

void startWindow(Form1 &window, const QStringList &paths)
{
    window.Form_Load();
    window.show();
    if (!paths.isEmpty())
        QTimer::singleShot(0, &window, [&window, paths] { window.OpenPaths(paths); });
}

} // namespace vantrelle
