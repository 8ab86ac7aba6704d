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
constexpr int kUsage = 2;

void printUtf8(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int usage(std::FILE *to, int code)
{
    printUtf8(to,
              QCoreApplication::translate(
                  "vantrelle::cli::CliText",
                  "usage: vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]\n"
                  "                         [--in-links] [--in-properties] SOURCE OUTPUT FIND\n"
                  "                         REPLACE\n"
                  "                         [FIND REPLACE ...]\n"
                  "       vantrelle-replace --text SOURCE\n"
                  "\n"
                  "Replaces every occurrence of each FIND by its REPLACE in the publication "
                  "SOURCE,\npairs in order, and writes the result to OUTPUT; the options are "
                  "those of the batch form\n(vantrelle-replace --help). --text prints "
                  "the text of every story.\nExit status: 0 done, 1 the publication could "
                  "not be read, edited as asked or written,\n2 wrong usage (also a FIND or "
                  "REPLACE a publication cannot hold).\n"));
    return code;
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
        printUtf8(stderr, QCoreApplication::translate("vantrelle::cli::CliText",
                                                      "%1 “%2” was not written.\n")
                              .arg(refusal, output));
        return kUsage;
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
    const QStringList args = cli::commandArguments(argc, argv);
    MatchOptions matching;
    bool inLinks = false;
    bool inProperties = false;
    bool text = false;
    QStringList positional;
    bool options = true;
    for (const QString &a : args) {
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && a == QLatin1String("--match-case")) {
            matching.matchCase = true;
        } else if (options && a == QLatin1String("--whole-word")) {
            matching.wholeWord = true;
        } else if (options && a == QLatin1String("--regex")) {
            matching.regex = true;
        } else if (options && a == QLatin1String("--keep-case")) {
            matching.keepCase = true;
        } else if (options && a == QLatin1String("--in-links")) {
            inLinks = true;
        } else if (options && a == QLatin1String("--in-properties")) {
            inProperties = true;
        } else if (options && a == QLatin1String("--text")) {
            text = true;
        } else if (options && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            return usage(stdout, kOk);
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            printUtf8(stderr, QCoreApplication::translate("vantrelle::cli::CliText",
                                                          "vantrelle-replace: unknown option %1\n")
                                  .arg(a));
            return usage(stderr, kUsage);
        } else {
            positional << a;
        }
    }
    try {
        if (text) {
            if (positional.size() != 1 || matching != MatchOptions{} || inLinks || inProperties)
                return usage(stderr, kUsage);
            return printText(positional[0]);
        }
        if (positional.size() < 4 || positional.size() % 2 != 0)
            return usage(stderr, kUsage);
        return replace(matching, inLinks, inProperties, positional[0], positional[1],
                       positional.mid(2));
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
