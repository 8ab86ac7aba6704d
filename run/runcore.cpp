#include "run/runcore.h"

#include "fsutil/paths.h"
#include "run/outputpath.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace vantrelle {

namespace {

// Keeps a copy of each error report.
class CollectingDialogs final : public ForwardingDialogs {
public:
    CollectingDialogs(Dialogs &inner, QStringList &errors)
        : ForwardingDialogs(inner), m_errors(errors)
    {
    }
    bool runErrorReport(const QString &text) override
    {
        m_errors << text;
        return m_inner.runErrorReport(text);
    }

private:
    QStringList &m_errors;
};

// Error reports of a run, shown until the user asks for no more of them.
class RunDialogs final : public ForwardingDialogs {
public:
    using ForwardingDialogs::ForwardingDialogs;
    bool runErrorReport(const QString &text) override
    {
        if (!m_quiet)
            m_quiet = m_inner.runErrorReport(text);
        return m_quiet;
    }

private:
    bool m_quiet = false;
};

QString plural(qint64 n, const char *one, const char *many)
{
    return QLocale(QLocale::English).toString(n) + QLatin1Char(' ') +
           QString::fromLatin1(n == 1 ? one : many);
}

} // namespace

QStringList RunRequest::finds() const
{
    return tab == 0 ? QStringList{findText} : tab == 1 ? findList : QStringList();
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
    return sumOverPairs(pairs, [](const PairResult &p) { return p.replaced; });
}

qint64 DocumentResult::left() const
{
    return sumOverPairs(pairs, [](const PairResult &p) { return p.left; });
}

qint64 DocumentResult::changesListed() const
{
    return sumOverPairs(pairs, [](const PairResult &p) { return qint64(p.changes.size()); });
}

int RunReport::count(Outcome outcome) const
{
    return int(std::count_if(documents.begin(), documents.end(),
                             [outcome](const DocumentResult &d) { return d.outcome == outcome; }));
}

qint64 RunReport::replaced() const
{
    qint64 n = 0;
    for (const DocumentResult &d : documents)
        n += d.replaced();
    return n;
}

QString RunReport::summary() const
{
    QStringList parts;
    const auto add = [&](Outcome o, const char *words) {
        if (const int n = count(o))
            parts << QLocale(QLocale::English).toString(n) + QLatin1Char(' ') +
                         QString::fromLatin1(words);
    };
    add(Outcome::Written, preview ? "would be written" : "written");
    add(Outcome::NothingFound, "with nothing to replace");
    add(Outcome::Failed, "failed");
    add(Outcome::Skipped, "skipped");
    add(Outcome::NotReached, "not reached");
    QString text = plural(documents.size(), "document", "documents");
    if (!parts.isEmpty())
        text += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    text += QStringLiteral("; ") +
            plural(replaced(), preview ? "replacement would be made" : "replacement",
                   preview ? "replacements would be made" : "replacements");
    QStringList pdfs;
    for (const PdfState state : {PdfState::Written, PdfState::Failed, PdfState::NotReached}) {
        const auto n = std::count_if(documents.begin(), documents.end(),
                                     [&](const DocumentResult &d) { return d.pdf.state == state; });
        if (n > 0)
            pdfs << QLocale(QLocale::English).toString(qint64(n)) + QLatin1Char(' ') +
                        pdfStateText(state);
    }
    if (!pdfs.isEmpty())
        text += QStringLiteral("; PDFs: ") + pdfs.join(QStringLiteral(", "));
    return text;
}

QString outcomeText(Outcome outcome, bool preview)
{
    switch (outcome) {
    case Outcome::Written:
        return preview ? QStringLiteral("would be written") : QStringLiteral("written");
    case Outcome::NothingFound:
        return QStringLiteral("nothing to replace");
    case Outcome::Failed:
        return QStringLiteral("failed");
    case Outcome::Skipped:
        return QStringLiteral("skipped");
    case Outcome::NotReached:
        break;
    }
    return QStringLiteral("not reached");
}

QList<PlannedOutput> planOutputs(const RunRequest &request)
{
    QList<PlannedOutput> plan;
    plan.reserve(request.documents.size());
    RunOutputGuard outputs(request.documents);
    for (const QString &source : request.documents) {
        PlannedOutput planned;
        planned.path = OutputPathFor(source, request.useFolder, request.folder, kSeparator);
        planned.refusal = outputs.refusal(source, planned.path);
        if (!planned.refusal)
            outputs.recordOutput(source, planned.path);
        plan << planned;
    }
    return plan;
}

DocumentResult processDocument(const RunRequest &request, const QString &source,
                               const PlannedOutput &output, Dialogs &dialogs,
                               automation::Registry &registry)
{
    QElapsedTimer timer;
    timer.start();
    DocumentResult result;
    result.source = source;
    if (output.refusal) {
        result.outcome = Outcome::Skipped;
        result.errors << *output.refusal;
        dialogs.notice(*output.refusal);
        return result;
    }
    result.output = output.path;

    CollectingDialogs collecting(dialogs, result.errors);
    Guard guard(collecting, loc::Form1_Pushbutton7_Click);
    const EditorContext editor{collecting, registry, request.matchCase, request.preview};
    // A stale result goes first, so none can pass for this run's.
    if (!request.preview)
        guard.run(138, [&] { DeleteFileQuiet(output.path); });
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

    const QStringList finds = request.finds();
    const QStringList replacements = request.replacements();
    for (qsizetype i = 0; i < finds.size(); ++i) {
        PairResult pair;
        pair.find = finds[i];
        pair.replacement = replacements.value(i);
        if (i < edit.counts.size()) {
            pair.applied = true;
            pair.replaced = edit.counts[i].replaced;
            pair.left = edit.counts[i].left;
            pair.leftReason = edit.counts[i].leftReason;
            pair.changes = std::move(edit.counts[i].changes);
        }
        result.pairs << pair;
    }
    const bool done = edited && !edit.failed && (edit.saved || request.preview);
    if (!done) {
        result.outcome = Outcome::Failed;
        if (!request.preview)
            result.output.clear();
    } else {
        result.outcome = result.replaced() > 0 ? Outcome::Written : Outcome::NothingFound;
    }
    result.milliseconds = timer.elapsed();
    return result;
}

RunReport runDocuments(const RunRequest &request, Dialogs &dialogs, automation::Registry &registry,
                       RunObserver &observer)
{
    RunReport report;
    report.preview = request.preview;
    report.started = QDateTime::currentDateTime();
    RunDialogs runDialogs(dialogs);
    Guard guard(runDialogs, loc::Form1_Pushbutton7_Click);

    const qsizetype n = request.documents.size();
    guard.reach(112);
    const QList<PlannedOutput> plan = planOutputs(request);
    for (qsizetype i = 0; i < n; ++i) {
        const QString &source = request.documents[i];
        if (observer.stopRequested())
            break;
        guard.run(114, [&] { observer.busy(); });
        guard.reach(116);
        guard.run(118, [&] {
            observer.progressValue(int(std::floor(double(i + 1) / double(n) * 100.0)));
        });
        guard.run(120, [&] {
            observer.progressText(QStringLiteral("Processing: ") + GetFileNameOfPath(source));
        });
        guard.run(122, [&] { observer.yield(); });
        // The window may have been closed while it yielded.
        if (observer.stopRequested())
            break;
        report.documents << processDocument(request, source, plan[i], runDialogs, registry);
        observer.documentFinished(int(i), report.documents.last());
        guard.run(148, [&] { observer.busy(); });
    }
    for (qsizetype i = report.documents.size(); i < n; ++i) {
        DocumentResult notReached;
        notReached.source = request.documents[i];
        report.documents << notReached;
    }
    guard.reach(150);
    guard.run(152, [&] { observer.idle(); });
    guard.run(154, [&] { observer.progressValue(0); });
    guard.run(156, [&] { observer.progressText(QStringLiteral("Progress Bar")); });
    report.ended = QDateTime::currentDateTime();
    return report;
}

} // namespace vantrelle
