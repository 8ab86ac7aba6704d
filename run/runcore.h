#pragma once
// The replacement run without a window: a request fixed when the run starts,
// the output of every document decided once, and the one loop that hands
// each document to the publication editor (in the calling thread, or to
// worker threads) and tells an observer what happened to each, in list order.
// Nothing of a finished document is kept but the totals, so a run's memory
// does not grow with its list.
#include "render/pdfexport.h"
#include "run/outputpath.h"
#include "run/publisher1.h"
#include "shell/pairtext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vantrelle {

class Dialogs;

// A source as a review saw it: a source whose size, time or bytes differ is
// not the one reviewed.
struct SourceStamp {
    qint64 size = -1;
    QDateTime modified;
    QByteArray sha256; // hex
    bool operator==(const SourceStamp &) const = default;
    // The size and time of the file as it is; the digest is the engine's, of
    // the bytes it reads (EditResult::sourceDigest).
    static SourceStamp metadataOf(const QString &path);
};

// The decisions of a review, by source: the stamp it was reviewed at and, per
// pair, the occurrences of the stories listed then with whether to replace
// each. An occurrence not listed is not replaced.
struct ReviewedDocument {
    SourceStamp stamp;
    QList<QList<automation::ChosenChange>> pairs;
    // A count for a review as the user first sees it: every occurrence in
    // the stories, in the order listed, each to be replaced (run/plan.cpp).
    static ReviewedDocument of(const struct DocumentResult &counted);
};
using Review = QHash<QString, ReviewedDocument>;

// Where a run finds what a review decided for a source: the window's
// decisions in memory, or a plan read again from its file as the run comes
// to each document (run/plan.h). May be asked from several threads at once.
class ReviewSource {
public:
    virtual ~ReviewSource() = default;
    // Nothing for a source not in the review; throws Failure when the
    // decisions can no longer be read.
    virtual std::optional<ReviewedDocument> find(const QString &source) const = 0;
};

class ReviewInMemory final : public ReviewSource {
public:
    explicit ReviewInMemory(Review review) : m_review(std::move(review)) {}
    std::optional<ReviewedDocument> find(const QString &source) const override
    {
        const auto it = m_review.constFind(source);
        return it == m_review.constEnd() ? std::nullopt : std::optional(*it);
    }

private:
    Review m_review;
};

inline constexpr const char *kChangedSinceReview =
    QT_TRANSLATE_NOOP("vantrelle::RunText", "changed since it was reviewed");

// Everything a run reads from the window, read once at Start: edits made
// while the run yields take effect in the next run.
struct RunRequest {
    PathList documents;
    // 0: the single pair; 1: the sets; any other tab runs no editor.
    int tab = 0;
    QString findText;
    QString replaceText;
    QStringList findList;
    QStringList replaceList;
    // The "Match Case" box's value (0, 1 or 2).
    int matchCase = 0;
    // Matches only whole words; each find text a regular expression.
    bool wholeWord = false;
    bool regex = false;
    // "Keep case": any case, each replacement in the case of what it replaces.
    bool keepCase = false;
    // True: results go to folder ("Save results to this folder:"); false:
    // beside each source.
    bool useFolder = true;
    QString folder;
    // Count what a run would do, write and delete nothing.
    bool preview = false;
    // The one-document form: the result's path, in place of the naming from
    // the source and the folder.
    QString output;
    // Also replace in link addresses and document properties.
    bool inLinks = false;
    bool inProperties = false;
    // A count for a review: every change listed (no per-document limit) and
    // each source's stamp taken.
    bool forReview = false;
    // Replace only what a review chose; a source not in it, or changed
    // since, is skipped with the reason.
    std::shared_ptr<const ReviewSource> review;
    // Whether the stories the run makes longer still fit their boxes, told
    // for each document; strict: a document with a story that overflows is
    // not written, and fails.
    bool fitCheck = false;
    bool fitStrict = false;

    // How the find texts match, as the editor applies it.
    MatchOptions matching() const;
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
    // In the text of the stories.
    qint64 replaced = 0;
    qint64 left = 0;
    QString leftReason;
    bool applied = false; // its Execute ran
    // Each occurrence replaced or left, as far as the engine listed them.
    QList<automation::Change> changes;
    // In link addresses and document properties, when the run searched them.
    qint64 inLinks = 0;
    qint64 inProperties = 0;
    bool searchedLinks = false;
    bool searchedProperties = false;
    // False when the server cannot count (the publishing program itself):
    // replaced and left are then not known, only whether anything was found.
    bool counted = true;
    bool found = false;
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
    // How the run matched its find texts, for the reports.
    MatchOptions matching;
    // The result's PDF, when one was asked for.
    PdfResult pdf;
    // The source as counted, in a count for a review.
    SourceStamp stamp;
    // The stories that no longer fit (or may not), or could not be checked.
    QList<automation::FitNote> fit;
    // False when no fit check was made (not asked for, the server cannot
    // tell, or the document was not edited).
    bool fitChecked = false;

    // Everywhere: stories, link addresses and document properties.
    qint64 replaced() const;
    qint64 left() const;
    // False when some pair's counts are not known.
    bool counted() const;
    // Changes listed over all pairs; fewer than replaced() + left() when the
    // engine stopped listing or cannot list.
    qint64 changesListed() const;
};

// The totals of a run; the documents themselves went to the observer.
struct RunReport {
    bool preview = false;
    QDateTime started;
    QDateTime ended;
    qsizetype documents = 0;
    // Replacements of a count that a review's ticks now leave.
    qint64 leftByTicks = 0;

    void add(const DocumentResult &document);
    int count(Outcome outcome) const;
    // Replacements in the results written (or that would be): a failed
    // document's counts wrote nothing.
    qint64 replaced() const;
    // "12 documents: 10 written, 1 with nothing to replace, 1 failed; 174
    // replacements", in the user's language.
    QString summary() const;

private:
    int m_outcomes[5] = {};
    qint64 m_replaced = 0;
    // Written by a server that cannot count (the publishing program).
    qint64 m_uncounted = 0;
};

// The context of the run's texts, for their translations.
class RunText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::RunText)
};

// Whom words are for: files other programs read (CSV, JSON) keep the English
// ones, whatever the user's language; a person reads them in it.
enum class Words { Machine, Shown };

// "written", "nothing to replace", "would fail"...
QString outcomeText(Outcome outcome, bool preview, Words words = Words::Machine);
// The word said in English for a file, or translated for a person; text is
// marked with QT_TRANSLATE_NOOP("vantrelle::RunText", ...).
QString wordsFor(Words words, const char *text);

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
    // rest not reached. Documents that workers have begun are finished.
    virtual bool stopRequested() { return false; }
    // Every document of the list once, in list order, the ones not reached
    // too. The result is not kept after the call.
    virtual void documentFinished(int, const DocumentResult &) {}
    // Now and then while the caller waits for workers.
    virtual void waiting() {}
    // The pointer and the progress bar back at rest.
    virtual void idle() {}
};

// The output of one document: the path, or nothing with the notice saying
// why it must not be written (it would replace another document of the list
// or a result written earlier in the run).
struct PlannedOutput {
    QString path;
    std::optional<QString> refusal;
    // The run's documents by file identity, asked again just before a stale
    // result is deleted.
    std::shared_ptr<const RunSources> sources;
    // The results the run wrote, asked again right before this one takes its
    // name; index is the document's.
    std::shared_ptr<WrittenResults> written = nullptr;
    qsizetype index = -1;
};

// The outputs of a request's documents, decided when the run starts in one
// pass over the list. Only the refusals are kept: a path is named again when
// asked, the same each time, so a long list costs a few bytes a document.
// at() may be called from several threads at once.
class OutputPlan {
public:
    explicit OutputPlan(const RunRequest &request);
    PlannedOutput at(qsizetype i) const;

private:
    QString pathFor(const QString &source) const;

    const RunRequest &m_request;
    std::shared_ptr<const RunSources> m_sources;
    // Each output folder asked once for its letter-case rule.
    std::shared_ptr<const ResultNames> m_names;
    QHash<qsizetype, OutputRefusal> m_refused;
    std::shared_ptr<WrittenResults> m_written;
};

// One document: its output checked against the sources again, the editor run
// with the request's pairs. Reports go to dialogs.
DocumentResult processDocument(const RunRequest &request, const QString &source,
                               const PlannedOutput &output, Dialogs &dialogs,
                               automation::Registry &registry);

// The loop over every document of the request, in list order, each exactly
// once. Failures never end the run. With jobs 0 each document is edited in
// the calling thread, between the observer's yields, and its reports go to
// dialogs; with jobs >= 1 that many worker threads edit the documents, each
// one on its own, their reports kept only in the results, and registry must
// be safe to use from them.
RunReport runDocuments(const RunRequest &request, Dialogs &dialogs, automation::Registry &registry,
                       RunObserver &observer, int jobs = 0);

} // namespace vantrelle
