#pragma once
// The replacement run without a window: a request fixed when the run starts,
// the output of every document decided once, and the loop that hands each
// document to the publication editor, tells an observer how it goes and
// collects what happened to every document.
#include "render/pdfexport.h"
#include "run/publisher1.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantrelle {

class Dialogs;

// Everything a run reads from the window, read once at Start: edits made
// while the run yields take effect in the next run.
struct RunRequest {
    QStringList documents;
    // 0: the single pair; 1: the sets; any other tab runs no editor.
    int tab = 0;
    QString findText;
    QString replaceText;
    QStringList findList;
    QStringList replaceList;
    // The "Match Case" box's value (0, 1 or 2).
    int matchCase = 0;
    // True: results go to folder ("Save results to this folder:"); false:
    // beside each source.
    bool useFolder = true;
    QString folder;
    // Count what a run would do, write and delete nothing.
    bool preview = false;

    // The pairs the run applies, in order.
    QStringList finds() const;
    QStringList replacements() const;
};

enum class Outcome {
    Written,      // a result with replacements
    NothingFound, // written unchanged: no pair occurred
    Failed,       // a step was reported; nothing written
    Skipped,      // the output checks refused it; nothing written
    NotReached,   // the run stopped before it
};

struct PairResult {
    QString find;
    QString replacement;
    qint64 replaced = 0;
    qint64 left = 0;
    QString leftReason;
    bool applied = false; // its Execute ran
    // Each occurrence replaced or left, as far as the engine listed them.
    QList<automation::Change> changes;
};

struct DocumentResult {
    QString source;
    // Where the result goes (or would go in a preview); empty when the
    // output checks refused it.
    QString output;
    Outcome outcome = Outcome::NotReached;
    QList<PairResult> pairs;
    // Texts of the reports shown (or held back) for this document, and the
    // notice of the output checks.
    QStringList errors;
    qint64 milliseconds = 0;
    // The result's PDF, when one was asked for.
    PdfResult pdf;

    qint64 replaced() const;
    qint64 left() const;
    // Changes listed over all pairs; fewer than replaced() + left() when the
    // engine stopped listing or cannot list.
    qint64 changesListed() const;
};

struct RunReport {
    bool preview = false;
    QDateTime started;
    QDateTime ended;
    QList<DocumentResult> documents;

    int count(Outcome outcome) const;
    qint64 replaced() const;
    // "12 documents: 10 written, 1 with nothing to replace, 1 failed; 174 replacements"
    QString summary() const;
};

QString outcomeText(Outcome outcome, bool preview);

// What the run tells the one who started it. Every member has a default
// that does nothing, so an observer names only what it shows.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The busy pointer, before each document and after it.
    virtual void busy() {}
    virtual void progressValue(int) {}
    virtual void progressText(const QString &) {}
    // Pending window events run once per document.
    virtual void yield() {}
    // Asked before each document; true ends the run there and leaves the
    // rest not reached.
    virtual bool stopRequested() { return false; }
    virtual void documentFinished(int, const DocumentResult &) {}
    // The pointer and the progress bar back at rest.
    virtual void idle() {}
};

// The output of every document in list order: the path, or nothing with the
// notice saying why it must not be written (it would replace another document
// of the list or a result written earlier in the run).
struct PlannedOutput {
    QString path;
    std::optional<QString> refusal;
};
QList<PlannedOutput> planOutputs(const RunRequest &request);

// One document: the stale result removed (unless previewing), the editor run
// with the request's pairs. Reports go to dialogs.
DocumentResult processDocument(const RunRequest &request, const QString &source,
                               const PlannedOutput &output, Dialogs &dialogs,
                               automation::Registry &registry);

// The loop over every document of the request, in list order, each exactly
// once. Failures are reported through dialogs and never end the run.
RunReport runDocuments(const RunRequest &request, Dialogs &dialogs, automation::Registry &registry,
                       RunObserver &observer);

} // namespace vantrelle
