#include "cli/batchrun.h"

#include "doclist/addfolder.h"
#include "doclist/adding.h"
#include "doclist/documentlist.h"
#include "doclist/screening.h"
#include "fsutil/paths.h"
#include "pubengine/server.h"
#include "run/pdfplan.h"
#include "run/reportformat.h"
#include "shell/automation.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>

#include <unistd.h>

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

// What the window would show, where nothing may be shown: workers collect
// their reports into the document's result and show nothing.
class SilentDialogs : public Dialogs {
public:
    void notice(const QString &) override {}
    bool question(const QString &, bool yesIsDefault) override { return yesIsDefault; }
    void errorReport(const QString &) override {}
    bool runErrorReport(const QString &text) override
    {
        errorReport(text);
        return false;
    }
    QString inputBox(const QString &, const QString &initialText) override { return initialText; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString pickFolder(const QString &, const QString &) override { return {}; }
    void openFolder(const QString &) override {}
};

// Gathering the documents with no one at the screen: messages go to standard
// error and every question gets its default button's answer, the one Enter
// would give. The screening question's default is Yes, so names that don't
// look like publications are left out, and said so.
class ConsoleDialogs final : public SilentDialogs {
public:
    void notice(const QString &text) override { printText(stderr, kTool + text + u'\n'); }
    bool question(const QString &text, bool yesIsDefault) override
    {
        printText(stderr, kTool + text +
                              (yesIsDefault ? QStringLiteral(" Yes (the default).\n")
                                            : QStringLiteral(" No (the default).\n")));
        return yesIsDefault;
    }
    void errorReport(const QString &text) override { notice(text); }
};

// The documents of the sources in the order given: a folder's files as "Add
// All Publisher File(s) In Folder" finds them, a file as it is, then the
// list screened as the window screens it.
QStringList gatherDocuments(const BatchOptions &options, Dialogs &dialogs)
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

// The live line on a terminal: done/total, rate and time left.
class ProgressLine {
public:
    explicit ProgressLine(bool on) : m_on(on) { m_clock.start(); }

    void show(qsizetype done, qsizetype total, const QString &what = QStringLiteral("documents"))
    {
        if (!m_on || (m_shown && m_lastShow.isValid() && m_lastShow.elapsed() < 200))
            return;
        m_lastShow.start();
        m_shown = true;
        const double seconds = double(m_clock.elapsed()) / 1000.0;
        const double rate = seconds > 0 ? double(done) / seconds : 0.0;
        const QLocale english(QLocale::English);
        QString line = QStringLiteral("\r\033[K%1/%2 %3")
                           .arg(english.toString(qint64(done)), english.toString(qint64(total)),
                                what);
        if (done > 0 && rate > 0) {
            const qint64 left = std::llround(double(total - done) / rate);
            line += QStringLiteral(", %1/s, %2:%3 left")
                        .arg(rate, 0, 'f', 1)
                        .arg(left / 60)
                        .arg(left % 60, 2, 10, QLatin1Char('0'));
        }
        printText(stderr, line);
    }
    // Before another message, so it doesn't run into the line.
    void clear()
    {
        if (m_shown)
            printText(stderr, QStringLiteral("\r\033[K"));
        m_shown = false;
        m_lastShow.invalidate();
    }

private:
    bool m_on;
    bool m_shown = false;
    QElapsedTimer m_clock;
    QElapsedTimer m_lastShow;
};

// The documents handed to workers one at a time, in list order, until the
// list ends or a stop signal comes; each result is taken back in list order.
// Workers share the request, the plan and the registry, all read only; each
// editor instance is a fresh engine.
class ParallelRun {
public:
    ParallelRun(const RunRequest &request, const QList<PlannedOutput> &plan, int jobs)
        : m_request(request), m_plan(plan)
    {
        m_registry.Register(QString::fromLatin1(automation::kPublisherProgId),
                            pubengine::makePublisherServer());
        m_pool.setMaxThreadCount(jobs);
        m_workers = int(std::min<qsizetype>(jobs, plan.size()));
        for (int w = 0; w < m_workers; ++w)
            m_pool.start([this] { work(); });
    }
    ~ParallelRun() { m_pool.waitForDone(); }
    ParallelRun(const ParallelRun &) = delete;
    ParallelRun &operator=(const ParallelRun &) = delete;

    // The next result in list order; nothing once no more will come. Calls
    // waiting each time it has waited a while without one.
    template <class F> std::optional<DocumentResult> next(F &&waiting)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (const auto ready = m_done.find(m_taken); ready != m_done.end()) {
                DocumentResult result = std::move(ready->second);
                m_done.erase(ready);
                ++m_taken;
                return result;
            }
            if (m_workers == 0)
                return std::nullopt;
            if (!m_changed.wait_for(lock, std::chrono::milliseconds(100),
                                    [&] { return m_workers == 0 || m_done.count(m_taken) > 0; })) {
                lock.unlock();
                waiting();
                lock.lock();
            }
        }
    }

private:
    void work()
    {
        SilentDialogs dialogs;
        while (!stopRequested()) {
            const qsizetype i = m_next.fetch_add(1);
            if (i >= m_plan.size())
                break;
            DocumentResult result;
            try {
                result = processDocument(m_request, m_request.documents[i], m_plan[i], dialogs,
                                         m_registry);
            } catch (...) {
                result.source = m_request.documents[i];
                result.outcome = Outcome::Failed;
                result.errors << describeCurrentException();
            }
            const std::lock_guard lock(m_mutex);
            m_done.emplace(i, std::move(result));
            m_changed.notify_one();
        }
        const std::lock_guard lock(m_mutex);
        --m_workers;
        m_changed.notify_one();
    }

    const RunRequest &m_request;
    const QList<PlannedOutput> &m_plan;
    automation::Registry m_registry;
    std::atomic<qsizetype> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Results done but not yet taken: a few, however long the list.
    std::map<qsizetype, DocumentResult> m_done;
    qsizetype m_taken = 0;
    int m_workers = 0;
    QThreadPool m_pool;
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
        text += QStringLiteral("  … and %1 more, counted but not listed\n").arg(rest);
    return document.source + QStringLiteral(":\n") + text;
}

bool writeReport(const QString &path, const RunReport &report)
{
    const QByteArray bytes = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                                 ? reportCsv(report)
                                 : reportJson(report);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    printText(stderr, kTool + QStringLiteral("The report %1 could not be written: %2.\n")
                                  .arg(path, file.errorString()));
    return false;
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

// The PDFs of the results written, made on this thread with the event loop
// turning (LibreOffice works in processes of its own); a stop signal ends
// the conversions under way and leaves the rest not reached.
void makePdfs(const BatchOptions &options, RunReport &report, ProgressLine &progress)
{
    const PdfPlan plan = planPdfs(report, options.pdfFolder);
    std::optional<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "vantrelle-replace";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app.emplace(argc, argv);
    const StopSignals stopSignals;
    PdfExport pdfs;
    pdfs.setJobs(options.jobs);
    pdfs.setTimeout(std::chrono::seconds(options.pdfTimeoutSeconds));
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &pdfs, [&] {
        if (stopRequested())
            pdfs.stop();
        progress.show(pdfs.doneCount(), plan.jobs.size(), QStringLiteral("PDFs"));
    });
    watch.start(100);
    applyPdfResults(report, plan, pdfs.run(plan.jobs));
    progress.clear();
    for (const int i : plan.documents) {
        const DocumentResult &d = report.documents[i];
        if (d.pdf.state == PdfState::Failed)
            printText(stderr, kTool + d.source + QStringLiteral(": PDF ") +
                                  pdfOutcomeText(d.pdf) + u'\n');
    }
}

} // namespace

std::optional<int> runBatchIfAsked(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
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
        printText(stderr, kTool + QString::fromUtf8(e.what()) +
                              QStringLiteral("\nTry 'vantrelle-replace --help'.\n"));
        return kExitUsage;
    }
    return runBatch(options);
}

int runBatch(const BatchOptions &options)
{
    ConsoleDialogs console;
    RunRequest request = options.request;
    request.documents = gatherDocuments(options, console);
    const bool terminal = isatty(STDERR_FILENO) == 1;
    const bool toStdout = options.reportPath == QLatin1String("-");
    // With PDFs the lines wait for them, so that each line holds its PDF.
    const bool streamLines = toStdout && !options.pdf;
    const bool colourOut = isatty(fileno(stdout)) != 0;
    if (request.documents.isEmpty() && !options.quiet)
        printText(stderr, kTool + QStringLiteral("No publications were found in the sources "
                                                 "given.\n"));

    RunReport report;
    report.preview = request.preview;
    report.started = QDateTime::currentDateTime();
    const QList<PlannedOutput> plan = planOutputs(request);
    ProgressLine progress(terminal && !options.quiet);
    bool interrupted = false;
    {
        const StopSignals stopSignals;
        ParallelRun run(request, plan, options.jobs);
        bool stopNoticed = false;
        // Said once, so that whoever pressed Ctrl-C knows the run heard it.
        const auto waiting = [&] {
            if (stopRequested() && !stopNoticed && !options.quiet) {
                stopNoticed = true;
                progress.clear();
                printText(stderr, kTool + QStringLiteral("Stopping: the documents being edited "
                                                         "are finished first.\n"));
            }
            progress.show(report.documents.size(), plan.size());
        };
        while (std::optional<DocumentResult> result = run.next(waiting)) {
            const DocumentResult &d = report.documents.emplace_back(std::move(*result));
            if (streamLines)
                printLine(stdout, documentJsonLine(d, request.preview));
            if (options.showChanges)
                printText(stdout, changesText(d, colourOut));
            if (d.outcome == Outcome::Failed || d.outcome == Outcome::Skipped) {
                progress.clear();
                printText(stderr, kTool + d.source + QStringLiteral(": ") +
                                      outcomeText(d.outcome, request.preview) +
                                      QStringLiteral(": ") + firstErrorLine(d) + u'\n');
            }
            waiting();
        }
        interrupted = stopRequested();
    }
    progress.clear();
    for (qsizetype i = report.documents.size(); i < request.documents.size(); ++i) {
        DocumentResult notReached;
        notReached.source = request.documents[i];
        report.documents << notReached;
        if (streamLines)
            printLine(stdout, documentJsonLine(notReached, request.preview));
    }
    if (options.pdf && !interrupted) {
        makePdfs(options, report, progress);
        interrupted = stopRequested();
    }
    if (toStdout && !streamLines)
        for (const DocumentResult &d : std::as_const(report.documents))
            printLine(stdout, documentJsonLine(d, request.preview));
    report.ended = QDateTime::currentDateTime();

    bool reportWritten = true;
    if (!options.reportPath.isEmpty() && !toStdout)
        reportWritten = writeReport(options.reportPath, report);
    if (interrupted && !options.quiet)
        printText(stderr, kTool + QStringLiteral("Interrupted: ") + report.summary() +
                              QStringLiteral(".\n"));
    else if (terminal && !options.quiet)
        printText(stderr, report.summary() + u'\n');

    if (interrupted)
        return kExitInterrupted;
    const bool pdfsDone = std::none_of(
        report.documents.begin(), report.documents.end(),
        [](const DocumentResult &d) { return d.pdf.state == PdfState::Failed; });
    const bool allDone = report.count(Outcome::Failed) == 0 &&
                         report.count(Outcome::Skipped) == 0 && pdfsDone;
    return allDone && reportWritten ? kExitDone : kExitFailed;
}

} // namespace vantrelle::cli
