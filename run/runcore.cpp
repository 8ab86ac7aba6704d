#include "run/runcore.h"

#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "run/outputpath.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vantrelle {

namespace {

// Keeps a copy of each error report and notice for the document's row.
class CollectingDialogs final : public ForwardingDialogs {
public:
    CollectingDialogs(Dialogs &inner, QStringList &errors)
        : ForwardingDialogs(inner), m_errors(errors)
    {
    }
    bool runErrorReport(const QString &text) override
    {
        m_errors << errorReportDescription(text);
        return m_inner.runErrorReport(text);
    }
    bool runNotice(const QString &text) override
    {
        m_errors << text;
        return m_inner.runNotice(text);
    }

private:
    QStringList &m_errors;
};

// Error reports and notices of a run, each shown until the user asks for no
// more of them: a folder of hundreds of skipped documents is one box.
class RunDialogs final : public ForwardingDialogs {
public:
    using ForwardingDialogs::ForwardingDialogs;
    bool runErrorReport(const QString &text) override
    {
        if (!m_quiet)
            m_quiet = m_inner.runErrorReport(text);
        return m_quiet;
    }
    bool runNotice(const QString &text) override
    {
        if (!m_noticesQuiet)
            m_noticesQuiet = m_inner.runNotice(text);
        return m_noticesQuiet;
    }

private:
    bool m_quiet = false;
    bool m_noticesQuiet = false;
};

} // namespace

SourceStamp SourceStamp::metadataOf(const QString &path)
{
    SourceStamp stamp;
    const QFileInfo info(path);
    if (!info.isFile())
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toUTC();
    return stamp;
}

QStringList RunRequest::finds() const
{
    return tab == 0 ? QStringList{findText} : tab == 1 ? findList : QStringList();
}

MatchOptions RunRequest::matching() const
{
    return {matchCase == kMatchCaseTicked && !keepCase, wholeWord, regex, keepCase};
}

QStringList RunRequest::replacements() const
{
    return tab == 0 ? QStringList{replaceText} : tab == 1 ? replaceList : QStringList();
}

namespace {

template <typename F> qint64 sumOverPairs(const QList<PairResult> &pairs, F value)
{
    qint64 n = 0;
    for (const PairResult &p : pairs)
        n += value(p);
    return n;
}

} // namespace

qint64 DocumentResult::replaced() const
{
    return sumOverPairs(
        pairs, [](const PairResult &p) { return p.replaced + p.inLinks + p.inProperties; });
}

qint64 DocumentResult::left() const
{
    return sumOverPairs(pairs, [](const PairResult &p) { return p.left; });
}

bool DocumentResult::counted() const
{
    return std::all_of(pairs.begin(), pairs.end(), [](const PairResult &p) { return p.counted; });
}

qint64 DocumentResult::changesListed() const
{
    return sumOverPairs(pairs, [](const PairResult &p) { return qint64(p.changes.size()); });
}

void RunReport::add(const DocumentResult &document)
{
    ++documents;
    ++m_outcomes[int(document.outcome)];
    if (document.outcome == Outcome::Written || document.outcome == Outcome::NothingFound)
        m_replaced += document.replaced();
    if (document.outcome == Outcome::Written && !document.counted())
        ++m_uncounted;
}

int RunReport::count(Outcome outcome) const
{
    return m_outcomes[int(outcome)];
}

qint64 RunReport::replaced() const
{
    return m_replaced - leftByTicks;
}

QString RunReport::summary() const
{
    QStringList parts;
    const auto add = [&](Outcome o, const char *words) {
        if (const int n = count(o))
            parts << RunText::tr(words, nullptr, n);
    };
    add(Outcome::Written, preview
                              ? QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln would be written")
                              : QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln written"));
    add(Outcome::NothingFound,
        QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln with nothing to replace"));
    add(Outcome::Failed, preview ? QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln would fail")
                                 : QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln failed"));
    add(Outcome::Skipped, QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln skipped"));
    add(Outcome::NotReached, QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln not reached"));
    const QString documentCount = RunText::tr("%Ln document(s)", nullptr, int(documents));
    const int n = int(std::min<qint64>(replaced(), INT_MAX));
    const QString replacements = preview
                                     ? RunText::tr("%Ln replacement(s) would be made", nullptr, n)
                                     : RunText::tr("%Ln replacement(s)", nullptr, n);
    QString text = parts.isEmpty()
                       ? RunText::tr("%1; %2").arg(documentCount, replacements)
                       : RunText::tr("%1: %2; %3")
                             .arg(documentCount, parts.join(RunText::tr(", ")), replacements);
    if (m_uncounted > 0)
        text = RunText::tr("%1 (and the counts of %Ln document(s) not known)", nullptr,
                           int(m_uncounted))
                   .arg(text);
    return text;
}

QString wordsFor(Words words, const char *text)
{
    return words == Words::Shown ? RunText::tr(text) : QString::fromUtf8(text);
}

QString outcomeText(Outcome outcome, bool preview, Words words)
{
    switch (outcome) {
    case Outcome::Written:
        return wordsFor(words, preview ? QT_TRANSLATE_NOOP("vantrelle::RunText", "would be written")
                                       : QT_TRANSLATE_NOOP("vantrelle::RunText", "written"));
    case Outcome::NothingFound:
        return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "nothing to replace"));
    case Outcome::Failed:
        return wordsFor(words, preview ? QT_TRANSLATE_NOOP("vantrelle::RunText", "would fail")
                                       : QT_TRANSLATE_NOOP("vantrelle::RunText", "failed"));
    case Outcome::Skipped:
        return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "skipped"));
    case Outcome::NotReached:
        break;
    }
    return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "not reached"));
}

namespace {

// Where the result of source goes: the one output named, or the naming rule.
QString outputFor(const QString &source, const QString &output, bool useFolder,
                  const QString &folder)
{
    return output.isEmpty() ? OutputPathFor(source, useFolder, folder, kSeparator) : output;
}

} // namespace

OutputPlan::OutputPlan(const RunRequest &request)
    : m_request(request), m_sources(std::make_shared<const RunSources>(request.documents)),
      m_names(std::make_shared<const ResultNames>()),
      m_refused(refusedOutputs(*m_sources, *m_names,
                               [this](const QString &source) { return pathFor(source); })),
      m_written(std::make_shared<WrittenResults>(
          m_names, request.documents.size(),
          // The plan's own naming, by value: a worker may still ask it.
          [sources = m_sources, useFolder = request.useFolder, folder = request.folder,
           output = request.output](qsizetype i) {
              return outputFor(sources->document(i), output, useFolder, folder);
          }))
{
}

QString OutputPlan::pathFor(const QString &source) const
{
    return outputFor(source, m_request.output, m_request.useFolder, m_request.folder);
}

PlannedOutput OutputPlan::at(qsizetype i) const
{
    PlannedOutput planned;
    planned.path = pathFor(m_request.documents[i]);
    if (const auto refused = m_refused.constFind(i); refused != m_refused.constEnd())
        planned.refusal = refused.value().text(*m_sources, i, planned.path);
    planned.sources = m_sources;
    planned.written = m_written;
    planned.index = i;
    return planned;
}

DocumentResult processDocument(const RunRequest &request, const QString &source,
                               const PlannedOutput &output, Dialogs &dialogs,
                               automation::Registry &registry)
{
    QElapsedTimer timer;
    timer.start();
    DocumentResult result;
    result.source = source;
    result.matching = request.matching();
    std::optional<QString> refusal = output.refusal;
    // Whatever spelling reached it, a source is never replaced by a result:
    // looked at again here, as the list's files may have changed since the
    // plan.
    if (!refusal && output.sources) {
        if (const std::optional<qsizetype> document = output.sources->documentAt(output.path))
            refusal =
                replacesDocumentNotice(source, output.path, output.sources->document(*document));
    }
    if (refusal) {
        result.outcome = Outcome::Skipped;
        result.errors << *refusal;
        dialogs.runNotice(*refusal);
        return result;
    }
    result.output = output.path;
    std::optional<ReviewedDocument> reviewed;
    if (request.review) {
        QString why;
        try {
            reviewed = request.review->find(source);
            if (!reviewed)
                why = RunText::tr("it is not in the review");
        } catch (const Failure &e) {
            why = e.description();
        }
        // The size and time here; the digest on the very bytes the engine edits.
        if (reviewed) {
            SourceStamp now = SourceStamp::metadataOf(source);
            now.sha256 = reviewed->stamp.sha256;
            if (now != reviewed->stamp)
                why = RunText::tr(kChangedSinceReview);
        }
        if (!why.isEmpty()) {
            const QString notice = RunText::tr("“%1” was not written: %2.").arg(source, why);
            result.outcome = Outcome::Skipped;
            result.output.clear();
            result.errors << notice;
            dialogs.runNotice(notice);
            return result;
        }
    }
    if (request.forReview)
        result.stamp = SourceStamp::metadataOf(source);

    CollectingDialogs collecting(dialogs, result.errors);
    Guard guard(collecting, loc::Form1_Pushbutton7_Click);
    // A result the user may not write fails this document with the reason,
    // as Count says it would; it is no fault of the program to report. The
    // document is still counted, so its row tells what was not written.
    std::optional<QString> unwritable;
    if (!request.preview)
        unwritable = outputUnwritable(output.path);
    EditorContext editor{collecting,
                               registry,
                               request.matchCase,
                               request.wholeWord,
                               request.regex,
                               request.keepCase,
                               request.preview || unwritable.has_value(),
                               request.inLinks,
                               request.inProperties,
                               request.forReview,
                               reviewed ? &reviewed->pairs : nullptr,
                               [&]() -> std::optional<QString> {
                                   const std::optional<qsizetype> earlier =
                                       output.written ? output.written->claim(output.index,
                                                                              output.path)
                                                      : std::nullopt;
                                   if (!earlier)
                                       return std::nullopt;
                                   return replacesResultNotice(
                                       source, output.path, output.sources->document(*earlier));
                               },
                               request.fitCheck,
                               request.fitStrict,
                               std::nullopt};
    if (reviewed)
        editor.sourceDigest = reviewed->stamp.sha256;
    else if (request.forReview)
        editor.sourceDigest = QByteArray();
    // An older result is not deleted first: the new one takes its name by a
    // rename once it is whole and checked, so a failed edit leaves the older
    // one as it was, and nothing is gone before its replacement exists.
    EditResult edit;
    bool edited = false;
    if (guard.test(140, [&] { return request.tab == 0; })) {
        guard.run(142, [&] {
            edited = true;
            edit = Publisher1::ReplaceByFileXY(editor, source, request.findText,
                                               request.replaceText, output.path);
        });
    } else if (guard.test(144, [&] { return request.tab == 1; })) {
        guard.run(146, [&] {
            edited = true;
            edit = Publisher1::ReplaceByFileXYCombo(editor, source, request.findList,
                                                    request.replaceList, output.path);
        });
    }

    if (output.written && !request.preview)
        output.written->settle(output.index, output.path, edit.saved);
    if (edit.refused) {
        result.outcome = Outcome::Skipped;
        result.output.clear();
        result.errors << *edit.refused;
        dialogs.runNotice(*edit.refused);
        result.milliseconds = timer.elapsed();
        return result;
    }

    const QStringList finds = request.finds();
    const QStringList replacements = request.replacements();
    for (qsizetype i = 0; i < finds.size(); ++i) {
        PairResult pair;
        pair.find = finds[i];
        pair.replacement = replacements.value(i);
        pair.searchedLinks = request.inLinks;
        pair.searchedProperties = request.inProperties;
        if (i < edit.counts.size()) {
            pair.applied = true;
            pair.counted = edit.counted;
            pair.found = edit.found.value(i);
            pair.replaced = edit.counts[i].replaced;
            pair.inLinks = edit.counts[i].inLinks;
            pair.inProperties = edit.counts[i].inProperties;
            pair.left = edit.counts[i].left;
            pair.leftReason = edit.counts[i].leftReason;
            pair.changes = std::move(edit.counts[i].changes);
        }
        result.pairs << pair;
    }
    result.fit = std::move(edit.fit);
    result.fitChecked = edit.fitChecked;
    if (request.forReview)
        result.stamp.sha256 = edit.sourceDigest;
    bool done = edited && !edit.failed && (edit.saved || request.preview);
    if (unwritable) {
        result.errors << *unwritable;
        done = false;
    }
    // Count tells what the run would meet: a result it could not write.
    if (done && request.preview) {
        if (const std::optional<QString> why = outputUnwritable(output.path)) {
            result.errors << *why;
            done = false;
        }
    }
    if (!done) {
        result.outcome = Outcome::Failed;
        if (!request.preview)
            result.output.clear();
    } else if (edit.counted) {
        result.outcome = result.replaced() > 0 ? Outcome::Written : Outcome::NothingFound;
    } else {
        // A server that cannot count tells only whether anything was found.
        const bool found = std::any_of(result.pairs.begin(), result.pairs.end(),
                                       [](const PairResult &p) { return p.found; });
        result.outcome = found ? Outcome::Written : Outcome::NothingFound;
    }
    result.milliseconds = timer.elapsed();
    return result;
}

namespace {

// Where the loop's results come from, in list order: the calling thread
// editing each document when asked, or workers that run ahead of it.
class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    // No document is begun after this; those begun are finished.
    virtual void stop() = 0;
    // The result of document i, or nothing once the run has stopped before it.
    virtual std::optional<DocumentResult> next(qsizetype i, RunObserver &observer) = 0;
};

class InlineSource final : public DocumentSource {
public:
    InlineSource(const RunRequest &request, const OutputPlan &plan, Dialogs &dialogs,
                 automation::Registry &registry)
        : m_request(request), m_plan(plan), m_dialogs(dialogs), m_registry(registry)
    {
    }
    void stop() override { m_stopped = true; }
    std::optional<DocumentResult> next(qsizetype i, RunObserver &) override
    {
        if (m_stopped)
            return std::nullopt;
        return processDocument(m_request, m_request.documents[i], m_plan.at(i), m_dialogs,
                               m_registry);
    }

private:
    const RunRequest &m_request;
    const OutputPlan &m_plan;
    Dialogs &m_dialogs;
    automation::Registry &m_registry;
    bool m_stopped = false;
};

// The documents handed to workers one at a time in list order, so those begun
// are always the first ones of the list; each result taken back in list
// order. Workers share the request, the plan and the registry, all read only;
// each editor instance is a fresh engine.
class ParallelSource final : public DocumentSource {
public:
    ParallelSource(const RunRequest &request, const OutputPlan &plan,
                   automation::Registry &registry, int jobs)
        : m_request(request), m_plan(plan), m_registry(registry), m_lead(2 * qsizetype(jobs) + 2)
    {
        m_pool.setMaxThreadCount(jobs);
        m_workers = int(std::min<qsizetype>(jobs, request.documents.size()));
        for (int w = 0; w < m_workers; ++w)
            m_pool.start([this] { work(); });
    }
    ~ParallelSource() override
    {
        {
            // Only when the caller gave up taking results: nothing more is begun.
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
            m_abandoned = true;
            m_room.notify_all();
        }
        m_pool.waitForDone();
    }
    ParallelSource(const ParallelSource &) = delete;
    ParallelSource &operator=(const ParallelSource &) = delete;

    void stop() override { m_stopped = true; }
    std::optional<DocumentResult> next(qsizetype i, RunObserver &observer) override
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (const auto ready = m_done.find(i); ready != m_done.end()) {
                DocumentResult result = std::move(ready->second);
                m_done.erase(ready);
                m_taken = i + 1;
                m_room.notify_all();
                return result;
            }
            if (m_workers == 0)
                return std::nullopt;
            if (!m_changed.wait_for(lock, std::chrono::milliseconds(100),
                                    [&] { return m_workers == 0 || m_done.count(i) > 0; })) {
                lock.unlock();
                if (observer.stopRequested())
                    stop();
                observer.waiting();
                lock.lock();
            }
        }
    }

private:
    void work()
    {
        SilentDialogs dialogs;
        while (!m_stopped) {
            const qsizetype i = m_next.fetch_add(1);
            if (i >= m_request.documents.size())
                break;
            {
                // Results wait for the caller in memory: only a few may.
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [&] { return i < m_taken + m_lead || m_abandoned; });
                // A document taken is edited even after a stop, so that those
                // edited are always the first ones of the list.
                if (m_abandoned)
                    break;
            }
            DocumentResult result;
            try {
                result = processDocument(m_request, m_request.documents[i], m_plan.at(i), dialogs,
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
    const OutputPlan &m_plan;
    automation::Registry &m_registry;
    std::atomic<bool> m_stopped{false};
    bool m_abandoned = false;
    std::atomic<qsizetype> m_next{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::condition_variable m_room;
    // Results done but not yet taken: a few, however long the list.
    std::map<qsizetype, DocumentResult> m_done;
    qsizetype m_taken = 0;
    const qsizetype m_lead;
    int m_workers = 0;
    QThreadPool m_pool;
};

} // namespace

namespace {

// Each document allocates and frees buffers of a publication's size. By
// default the allocator maps those above 128 KB afresh and trims freed
// memory at once, so every document faults its pages in again (about 80
// faults a document, a fifth of the tool's CPU); kept, they are reused.
void keepDocumentBuffers()
{
#ifdef __GLIBC__
    static const bool once = [] {
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        mallopt(M_TRIM_THRESHOLD, 32 << 20);
        return true;
    }();
    Q_UNUSED(once);
#endif
}

} // namespace

RunReport runDocuments(const RunRequest &request, Dialogs &dialogs, automation::Registry &registry,
                       RunObserver &observer, int jobs)
{
    keepDocumentBuffers();
    RunReport report;
    report.preview = request.preview;
    report.started = QDateTime::currentDateTime();
    RunDialogs runDialogs(dialogs);
    Guard guard(runDialogs, loc::Form1_Pushbutton7_Click);

    const qsizetype n = request.documents.size();
    guard.reach(112);
    const OutputPlan plan(request);
    std::unique_ptr<DocumentSource> documents;
    if (jobs > 0)
        documents = std::make_unique<ParallelSource>(request, plan, registry, jobs);
    else
        documents = std::make_unique<InlineSource>(request, plan, runDialogs, registry);
    qsizetype i = 0;
    for (; i < n; ++i) {
        const QString &source = request.documents[i];
        if (observer.stopRequested())
            documents->stop();
        guard.run(114, [&] { observer.busy(); });
        guard.reach(116);
        guard.run(118, [&] {
            observer.progressValue(int(std::floor(double(i + 1) / double(n) * 100.0)));
        });
        guard.run(120, [&] {
            observer.progressText(RunText::tr("Processing: %1").arg(GetFileNameOfPath(source)));
        });
        guard.run(122, [&] { observer.yield(); });
        // The window may have been closed while it yielded.
        if (observer.stopRequested())
            documents->stop();
        std::optional<DocumentResult> result = documents->next(i, observer);
        if (!result)
            break;
        report.add(*result);
        observer.documentFinished(int(i), *result);
        guard.run(148, [&] { observer.busy(); });
    }
    documents.reset();
    for (; i < n; ++i) {
        DocumentResult notReached;
        notReached.source = request.documents[i];
        notReached.matching = request.matching();
        report.add(notReached);
        observer.documentFinished(int(i), notReached);
    }
    guard.reach(150);
    guard.run(152, [&] { observer.idle(); });
    guard.run(154, [&] { observer.progressValue(0); });
    guard.run(156, [&] { observer.progressText(QString()); });
    report.ended = QDateTime::currentDateTime();
    return report;
}

} // namespace vantrelle
