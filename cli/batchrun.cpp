#include "cli/batchrun.h"
#include "cli/console.h"

#include "doclist/addfolder.h"
#include "doclist/adding.h"
#include "doclist/documentlist.h"
#include "doclist/screening.h"
#include "fsutil/paths.h"
#include "pubengine/server.h"
#ifdef VANTRELLE_FIT_CHECK
#include "fit/fitcheck.h"
#endif
#include "run/pdfplan.h"
#include "run/publisher1.h"
#include "run/reportformat.h"
#include "shell/automation.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include "run/comserver.h"
#include "wincom/client.h"

#include <windows.h>
#endif

namespace vantrelle::cli {

namespace {

const QString kTool = QStringLiteral("vantrelle-replace: ");

void printLine(std::FILE *to, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
    std::fflush(to);
}

// Message texts use the window's CR LF and lone CR line ends.
void printText(std::FILE *to, QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    printLine(to, text.toUtf8());
}

// Gathering the documents with no one at the screen: messages go to standard
// error and every question gets its default button's answer, the one Enter
// would give. The screening question's default is Yes, so names that don't
// look like publications are left out, and said so.
class ConsoleDialogs final : public SilentDialogs {
public:
    void notice(const QString &text) override { printText(stderr, kTool + text + u'\n'); }
    bool question(const QString &text, bool yesIsDefault) override
    {
        printText(stderr, kTool + (yesIsDefault ? RunText::tr("%1 Yes (the default).\n")
                                                : RunText::tr("%1 No (the default).\n"))
                                      .arg(text));
        return yesIsDefault;
    }
    void errorReport(const QString &text) override { notice(text); }
};

// The documents of the sources in the order given: a folder's files as "Add
// All Publisher File(s) In Folder" finds them, a file as it is, then the
// list screened as the window screens it.
PathList gatherDocuments(const BatchOptions &options, Dialogs &dialogs)
{
    MemoryDocumentList list;
    Guard guard(dialogs, loc::Form1_PushButton6_Click);
    for (const QString &source : options.sources) {
        if (!QFileInfo(source).isDir()) {
            list.append(source);
            continue;
        }
        QStringList folderSet{source + kSeparator};
        AddFolder::FolderListings listings;
        guard.run(110,
                  [&] { AddFolder::GetSubDirectories2016(folderSet, true, dialogs, &listings); });
        Adding::AppendFolderSetFiles(list, folderSet, QStringLiteral("*.") + options.extension,
                                     guard, 112, &listings);
    }
    Main::ValidateListFiles(list, dialogs);
    if (!options.includeResults) {
        const QList<int> results = Adding::EarlierResultRows(list);
        if (!results.isEmpty())
            dialogs.notice(RunText::tr("%n file(s) left out: they look like results of an "
                                       "earlier run (--include-results edits them too).",
                                       nullptr, int(results.size())));
        Adding::RemoveRows(list, results);
    }
    return list.rows();
}

std::atomic<int> g_stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void onStopSignal(int signal)
{
    g_stopSignal.store(signal, std::memory_order_relaxed);
}

bool stopRequested()
{
    return g_stopSignal.load(std::memory_order_relaxed) != 0;
}

#ifdef Q_OS_WIN
std::atomic<bool> g_runOver{false};

// Ctrl+C and Ctrl+Break raise the flag as SIGINT does. Closing the console
// window (or logging off) ends the process once this handler returns, so it
// waits for the run to finish its documents and its report (Windows allows a
// few seconds).
BOOL WINAPI onConsoleEvent(DWORD event)
{
    g_stopSignal.store(SIGINT, std::memory_order_relaxed);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    while (!g_runOver.load())
        Sleep(20);
    return TRUE;
}

// The console's events only raise the flag while a run is on.
class StopSignals {
public:
    StopSignals()
    {
        g_stopSignal.store(0);
        g_runOver.store(false);
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    }
    ~StopSignals()
    {
        g_runOver.store(true);
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;
};
#else
// SIGINT and SIGTERM only raise the flag while a run is on; the defaults
// come back after it.
class StopSignals {
public:
    StopSignals()
    {
        g_stopSignal.store(0);
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    struct sigaction m_oldInt = {};
    struct sigaction m_oldTerm = {};
};
#endif

// The live line on a terminal: done/total, rate and time left.
class ProgressLine {
public:
    explicit ProgressLine(bool on) : m_on(on) { m_clock.start(); }

    void show(qsizetype done, qsizetype total, const QString &what = RunText::tr("documents"))
    {
        if (!m_on || (m_shown && m_lastShow.isValid() && m_lastShow.elapsed() < 200))
            return;
        m_lastShow.start();
        m_shown = true;
        const double seconds = double(m_clock.elapsed()) / 1000.0;
        const double rate = seconds > 0 ? double(done) / seconds : 0.0;
        // Numbers as the user's language writes them (the default locale).
        const QLocale locale;
        QString line =
            QStringLiteral("\r\033[K%1/%2 %3")
                .arg(locale.toString(qint64(done)), locale.toString(qint64(total)), what);
        if (done > 0 && rate > 0) {
            const qint64 left = std::llround(double(total - done) / rate);
            line += RunText::tr(", %1/s, %2:%3 left")
                        .arg(locale.toString(rate, 'f', 1))
                        .arg(left / 60)
                        .arg(left % 60, 2, 10, QLatin1Char('0'));
        }
        printLine(stderr, line.toUtf8());
    }
    // Before another message, so it doesn't run into the line.
    void clear()
    {
        if (m_shown)
            printLine(stderr, QByteArrayLiteral("\r\033[K"));
        m_shown = false;
        m_lastShow.invalidate();
    }

private:
    bool m_on;
    bool m_shown = false;
    QElapsedTimer m_clock;
    QElapsedTimer m_lastShow;
};

// The document's name, then one line per change it lists, and how many more
// were counted than listed.
QString changesText(const DocumentResult &document, bool colour)
{
    qint64 listed = 0;
    QString text;
    for (const PairResult &pair : document.pairs) {
        for (const automation::Change &change : pair.changes) {
            text += QStringLiteral("  ") + formatChange(change, colour) + u'\n';
            ++listed;
        }
    }
    if (text.isEmpty())
        return {};
    const qint64 rest = document.replaced() + document.left() - listed;
    if (rest > 0)
        text += RunText::tr("  … and %1 more, counted but not listed\n").arg(rest);
    return document.source + QStringLiteral(":\n") + text;
}

// The first line of a document's first error: the description, without the
// location the window's box adds.
QString firstErrorLine(const DocumentResult &document)
{
    if (document.errors.isEmpty())
        return {};
    QString text = document.errors.first();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

std::optional<int> runBatchIfAsked(int argc, char **argv)
{
    const QStringList args = commandArguments(argc, argv);
    switch (commandForm(args)) {
    case Form::OneFile:
        return std::nullopt;
    case Form::Help:
        printText(stdout, helpText());
        return kExitDone;
    case Form::Version:
        printText(stdout, versionText());
        return kExitDone;
    case Form::Batch:
        break;
    }
    BatchOptions options;
    try {
        options = parseBatchOptions(args);
    } catch (const UsageError &e) {
        return usageFailed(e);
    }
    return runBatch(options);
}

int usageFailed(const UsageError &error)
{
    printText(stderr, kTool + QString::fromUtf8(error.what()) +
                          RunText::tr("\nTry 'vantrelle-replace --help'.\n"));
    return kExitUsage;
}

namespace {

// The tool's side of a run: the progress line, the stop notice, and each
// document's report line, changes and failure as the document finishes.
class ConsoleRun final : public RunObserver {
public:
    ConsoleRun(const BatchOptions &options, qsizetype total, ReportWriter *report)
        : m_options(options), m_total(total), m_report(report),
          m_progress(isTerminal(stderr) && !options.quiet), m_colour(isTerminal(stdout))
    {
    }
    bool stopRequested() override { return cli::stopRequested(); }
    void yield() override { waiting(); }
    void waiting() override
    {
        // Said once, so that whoever pressed Ctrl-C knows the run heard it.
        if (stopRequested() && !m_stopNoticed && !m_options.quiet) {
            m_stopNoticed = true;
            m_progress.clear();
            printText(stderr, kTool + RunText::tr("Stopping: the documents being edited "
                                                  "are finished first.\n"));
        }
        m_progress.show(m_done, m_total);
    }
    void documentFinished(int index, const DocumentResult &d) override
    {
        m_done = index + 1;
        if (m_options.pdf) {
            // Its line waits for its PDF; the changes are not needed for that.
            m_held.append(d);
        } else if (m_report) {
            m_report->add(d);
        }
        if (m_options.showChanges) {
            // Both may be one terminal: the line goes before the changes. A
            // document without changes costs the console nothing.
            if (const QString changes = changesText(d, m_colour); !changes.isEmpty()) {
                m_progress.clear();
                printText(stdout, changes);
            }
        }
        if (d.outcome == Outcome::Failed || d.outcome == Outcome::Skipped) {
            m_progress.clear();
            printText(stderr, kTool + d.source + QStringLiteral(": ") +
                                  outcomeText(d.outcome, m_options.request.preview, Words::Shown) +
                                  QStringLiteral(": ") + firstErrorLine(d) + u'\n');
        }
        if (d.outcome != Outcome::NotReached)
            waiting();
    }
    void idle() override { m_progress.clear(); }
    DocumentRows &held() { return m_held; }
    ProgressLine &progress() { return m_progress; }

private:
    const BatchOptions &m_options;
    qsizetype m_total;
    qsizetype m_done = 0;
    ReportWriter *m_report;
    ProgressLine m_progress;
    bool m_colour;
    bool m_stopNoticed = false;
    DocumentRows m_held;
};

// The PDFs of the results written, made on this thread with the event loop
// turning (LibreOffice works in processes of its own); a stop signal ends
// the conversions under way and leaves the rest not reached.
void makePdfs(const BatchOptions &options, DocumentRows &documents, ProgressLine &progress)
{
    const PdfPlan plan = planPdfs(documents, options.pdfFolder);
    std::optional<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "vantrelle-replace";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    PdfExport pdfs;
    pdfs.setJobs(options.jobs);
    pdfs.setTimeout(std::chrono::seconds(options.pdfTimeoutSeconds));
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &pdfs, [&] {
        if (stopRequested())
            pdfs.stop();
        progress.show(pdfs.doneCount(), plan.jobs.size(), RunText::tr("PDFs"));
    });
    watch.start(100);
    applyPdfResults(documents, plan, pdfs.run(plan.jobs));
    progress.clear();
    for (const int i : plan.documents) {
        const DocumentResult d = documents.at(i);
        if (d.pdf.state == PdfState::Failed)
            printText(
                stderr,
                kTool +
                    RunText::tr("%1: PDF %2\n").arg(d.source, pdfOutcomeText(d.pdf, Words::Shown)));
    }
}

// The engine's fit check, when the run asks for it and the tool has one.
std::shared_ptr<const pubengine::FitChecker> fitChecker(const RunRequest &request)
{
#ifdef VANTRELLE_FIT_CHECK
    if (request.fitCheck)
        return fit::makeFitChecker();
#else
    Q_UNUSED(request)
#endif
    return nullptr;
}

} // namespace

int runBatch(const BatchOptions &options)
{
    // From the first moment on, so that a stop while the sources are still
    // walked ends with a report too.
    const StopSignals stopSignals;
    ConsoleDialogs console;
    RunRequest request = options.request;
    request.documents = gatherDocuments(options, console);
    if (request.documents.isEmpty() && !options.quiet)
        printText(stderr, kTool + RunText::tr("No publications were found in the sources "
                                              "given.\n"));

    // The report grows in an unnamed file as the documents finish and takes
    // its name when the run ends, stopped or not; a report that cannot be
    // begun is said before anything is edited.
    QSaveFile reportFile(options.reportPath);
    QFile standardOutput;
    std::optional<ReportWriter> report;
    if (options.reportPath == QLatin1String("-")) {
        if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
            return kExitFailed;
        report.emplace(standardOutput, ReportFormat::JsonLines, request.preview);
    } else if (!options.reportPath.isEmpty()) {
        if (!reportFile.open(QIODevice::WriteOnly)) {
            printText(stderr, kTool + RunText::tr("The report %1 cannot be written: %2. "
                                                  "Nothing was edited.\n")
                                          .arg(options.reportPath, reportFile.errorString()));
            return kExitFailed;
        }
        report.emplace(reportFile, reportFormatFor(options.reportPath), request.preview);
    }

    automation::Registry registry;
    const QString progId = QString::fromLatin1(automation::kPublisherProgId);
#ifdef Q_OS_WIN
    // The program's objects live on the thread that made them: one document
    // at a time, on this one.
    std::optional<wincom::Apartment> apartment;
    if (options.program) {
        apartment.emplace();
        registry.Register(progId, automation::makeComServer(progId));
    } else
#endif
        registry.Register(progId, pubengine::makePublisherServer(fitChecker(request)));
    ConsoleRun observer(options, request.documents.size(), report ? &*report : nullptr);
    const RunReport totals =
        runDocuments(request, console, registry, observer, options.program ? 0 : options.jobs);
    bool interrupted = stopRequested();
    QString summary = totals.summary();
    if (options.pdf) {
        if (!interrupted)
            makePdfs(options, observer.held(), observer.progress());
        interrupted = stopRequested();
        if (report)
            for (const DocumentResult &d : std::as_const(observer.held()))
                report->add(d);
        if (const QString pdfs = pdfSummary(observer.held()); !pdfs.isEmpty())
            summary += QStringLiteral("; ") + pdfs;
    }
    bool pdfsDone = true;
    for (const DocumentResult &d : std::as_const(observer.held()))
        pdfsDone = pdfsDone && d.pdf.state != PdfState::Failed;

    bool reportWritten = true;
    if (report) {
        report->finish(totals);
        reportWritten =
            report->ok() && (options.reportPath == QLatin1String("-") || reportFile.commit());
        if (!reportWritten)
            printText(stderr, kTool + RunText::tr("The report %1 could not be written: %2.\n")
                                          .arg(options.reportPath, reportFile.errorString()));
    }
    if (interrupted && !options.quiet)
        printText(stderr, kTool + RunText::tr("Interrupted: %1.\n").arg(summary));
    else if (!options.quiet)
        // Also when standard error is a log: a script's log shows what happened.
        printText(stderr, summary + u'\n');

    if (interrupted)
        return kExitInterrupted;
    const bool allDone =
        totals.count(Outcome::Failed) == 0 && totals.count(Outcome::Skipped) == 0 && pdfsDone;
    return allDone && reportWritten ? kExitDone : kExitFailed;
}

namespace {

// The one document's result, kept for the counts the one-file form prints.
class OneDocument final : public RunObserver {
public:
    void documentFinished(int, const DocumentResult &d) override { result = d; }
    DocumentResult result;
};

} // namespace

int runOneFile(const MatchOptions &matching, bool inLinks, bool inProperties, const QString &source,
               const QString &output, const QStringList &pairs)
{
    RunRequest request;
    request.documents = {source};
    request.output = QDir::cleanPath(QDir::current().absoluteFilePath(output));
    request.tab = 1;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        request.findList << pairs[i];
        request.replaceList << pairs[i + 1];
    }
    request.matchCase = matching.matchCase ? kMatchCaseTicked : 0;
    request.wholeWord = matching.wholeWord;
    request.regex = matching.regex;
    request.keepCase = matching.keepCase;
    request.inLinks = inLinks;
    request.inProperties = inProperties;
    automation::Registry registry;
    registry.Register(QString::fromLatin1(automation::kPublisherProgId),
                      pubengine::makePublisherServer());
    SilentDialogs silent;
    OneDocument one;
    runDocuments(request, silent, registry, one);
    const DocumentResult &d = one.result;
    for (const PairResult &pair : d.pairs) {
        if (pair.applied)
            printText(stdout, pairText(pair, false, Words::Shown) + u'\n');
    }
    if (d.outcome == Outcome::Written || d.outcome == Outcome::NothingFound)
        return kExitDone;
    printText(stderr, RunText::tr("%1\n“%2” was not written.\n").arg(firstErrorLine(d), output));
    return kExitFailed;
}

} // namespace vantrelle::cli
