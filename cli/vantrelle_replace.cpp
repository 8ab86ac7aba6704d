// vantrelle-replace: find and replace text in one publication from the
// command line, through the same automation server the window program uses.
#include "cli/batchrun.h"
#include "cli/console.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "sets/setslist.h"
#include "shell/language.h"

#include <QCoreApplication>
#ifdef VANTRELLE_FIT_CHECK
#include <QGuiApplication>
#endif
#include <QString>
#include <QStringList>

#include <cstdio>
#include <exception>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace vantrelle;

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;

void printUtf8(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int printText(const QString &source)
{
    const pubengine::Publication pub = pubengine::Publication::open(source);
    QString out;
    for (std::size_t k = 0; k < pub.storyCount(); ++k) {
        if (k > 0)
            out += u'\n';
        const std::u16string_view story = pub.story(k);
        QString text = QString::fromUtf16(story.data(), static_cast<qsizetype>(story.size()));
        for (QChar &c : text) {
            if (c == u'\r' || c == u'\v')
                c = u'\n';
        }
        out += text;
    }
    printUtf8(stdout, out);
    return kOk;
}

int replace(const MatchOptions &matching, bool inLinks, bool inProperties, const QString &source,
            const QString &output, const QStringList &pairs)
{
    // Texts the engine would refuse are a usage error, before anything is opened.
    SetsPairs texts;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        texts.find << pairs[i];
        texts.replace << pairs[i + 1];
    }
    if (const QString refusal = pairsRefusal(texts, {}, EmptyFind::Refused, matching);
        !refusal.isEmpty()) {
        return cli::usageFailed(cli::UsageError(
            QCoreApplication::translate("vantrelle::cli::CliText", "%1 “%2” was not written.")
                .arg(refusal, output)));
    }
    return cli::runOneFile(matching, inLinks, inProperties, source, output, pairs);
}

} // namespace

#ifdef VANTRELLE_FIT_CHECK
namespace {

QtMessageHandler g_qtMessages = nullptr;

// Standard error carries the tool's own lines, which scripts read. Qt's note
// that a session has no runtime folder (cron, a service, root without a
// login) is not one the user can act on: the font database works without it.
void toolMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    g_qtMessages(type, context, text);
}

} // namespace
#endif

static int run(int argc, char **argv)
{
    const cli::ConsoleSetup console;
#ifdef VANTRELLE_FIT_CHECK
    // The fit check measures text with the fonts installed, which needs
    // QtGui's font database; no display is needed for that.
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    g_qtMessages = qInstallMessageHandler(toolMessages);
    const QGuiApplication app(argc, argv);
#else
    // For the user's language; the tool has no other use for it.
    const QCoreApplication app(argc, argv);
#endif
    installTranslations();
    if (const std::optional<int> status = cli::runBatchIfAsked(argc, argv))
        return *status;
    cli::OneFileOptions command;
    try {
        command = cli::parseOneFileOptions(cli::commandArguments(argc, argv));
    } catch (const cli::UsageError &e) {
        return cli::usageFailed(e);
    }
    try {
        if (command.text)
            return printText(command.source);
        return replace(command.matching, command.inLinks, command.inProperties, command.source,
                       command.output, command.pairs);
    } catch (const std::exception &e) {
        printUtf8(stderr, QString::fromUtf8(e.what()) + u'\n');
        return kFailed;
    }
}

int main(int argc, char **argv)
{
    const int status = run(argc, argv);
#ifdef Q_OS_WIN
    // Every file is closed and every result has its name by now. Under Wine
    // the process could hang in its DLLs' detach (in winpthreads, waiting on
    // a condition no thread is left to signal) after the last line was
    // printed, depending on nothing but the command line's length; ending
    // here skips that.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), UINT(status));
#endif
    return status;
}
