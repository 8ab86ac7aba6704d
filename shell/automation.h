#pragma once
// The automation object model the publication editor talks to. On Windows this
// would be the publishing program's COM server; here a server registers itself
// under a ProgID and the editor only ever sees these interfaces.
#include <QByteArray>
#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace vantrelle::automation {

inline constexpr char kPublisherProgId[] = "Publisher.Application";

// ReplaceScope value for "every occurrence in the publication".
inline constexpr int kReplaceScopeAll = 2;
// SaveAs format value for a publication.
inline constexpr int kFormatPublication = 1;

// Every member may throw a std::exception whose what() is a UTF-8,
// human-readable description of the failure.
class FindReplace {
public:
    virtual ~FindReplace() = default;
    virtual void Clear() = 0;
    virtual void SetFindText(const QString &text) = 0;
    virtual void SetReplaceWithText(const QString &text) = 0;
    virtual void SetReplaceScope(int scope) = 0;
    virtual void SetMatchCase(bool on) = 0;
    virtual void SetMatchWholeWord(bool on) = 0;
    // True when anything was found.
    virtual bool Execute() = 0;
};

// What the last Execute of a FindReplace did, for servers that can tell (the
// native engine can; the publishing program's own server cannot). The editor
// asks a FindReplace for it with dynamic_cast, so the interface above stays
// the object model's own.
// An occurrence with the text around it in its paragraph (about 40
// characters each side, never past the paragraph's or the story's end).
struct ChangeContext {
    QString lead;
    QString text; // the occurrence, or what took its place
    QString trail;
};

// An earlier pair's change, in the same story: its pair, where it starts
// and what more names it (ChosenChange says how).
struct ChangeRef {
    int pair = 0;
    qint64 position = 0;
    QList<qint64> within{};
    bool operator==(const ChangeRef &) const = default;
};

// One occurrence an Execute replaced or left.
struct Change {
    int story = 0;
    // Story-relative, in UTF-16 units of the text before the Execute.
    qint64 position = 0;
    ChangeContext before;
    // The same place in the text after the Execute; for an occurrence left,
    // its own text again.
    ChangeContext after;
    // Empty for a replacement; otherwise why the occurrence was left.
    QString leftReason;
    // Empty in a story; otherwise where else the occurrence was ("link
    // address", "document property Title", "WordArt"), and story and
    // position mean nothing.
    QString place;
    // With position, what names it whatever else a review leaves
    // (ChosenChange), and the earlier change it exists by, when it was
    // found in that change's new text or across its edge.
    QList<qint64> within{};
    std::optional<ChangeRef> dependsOn{};
};

// The most changes a server lists per open document; the counts go on.
inline constexpr qint64 kMaxChangesPerDocument = 1000;

struct ExecuteCounts {
    // In the text of the stories.
    qint64 replaced = 0;
    // Occurrences found but left as they were, and why, in plain words.
    qint64 left = 0;
    QString leftReason;
    // In text order, up to the document's listing limit.
    QList<Change> changes;
    // In link addresses and in document properties, when asked for.
    qint64 inLinks = 0;
    qint64 inProperties = 0;
};

class CountingFindReplace {
public:
    virtual ~CountingFindReplace() = default;
    virtual ExecuteCounts lastCounts() const = 0;
};

// Reading the find text as a regular expression and the replacement with
// references to its groups ($0 to $9, $$ for a dollar sign): the native
// engine's own setting, reached like CountingFindReplace. A server without it
// cannot be asked for regular expressions.
class PatternFindReplace {
public:
    virtual ~PatternFindReplace() = default;
    virtual void SetMatchRegularExpression(bool on) = 0;
    // Any case found, each replacement in the case pattern of what it
    // replaces (MatchOptions::keepCase).
    virtual void SetKeepCase(bool on) = 0;
};

// Where beyond the text of the stories an Execute also replaces, for servers
// that can (the native engine can; the publishing program's own server
// cannot). Asked for with dynamic_cast like CountingFindReplace; Clear turns
// both off.
class PlacesFindReplace {
public:
    virtual ~PlacesFindReplace() = default;
    virtual void SetReplaceInLinkAddresses(bool on) = 0;
    virtual void SetReplaceInDocumentProperties(bool on) = 0;
};

// One occurrence a review decided on: what names it (Change's story,
// position and within) and the text found there, and whether to replace it.
// The position is in the source's story; in text an earlier pair's change
// wrote, it is that change's, and within adds that pair and the offset
// into its new text (again for each change further down).
struct ChosenChange {
    int story = 0;
    qint64 position = 0;
    QString found;
    bool apply = true;
    QList<qint64> within{};
    // For the one who ticks (the engine reads neither): false for a change
    // the engine's rules left, which no tick makes; and the change of an
    // earlier pair whose new text this one was found in, by pair and index
    // among that pair's choices (-1: none).
    bool choosable = true;
    int parentPair = -1;
    qsizetype parentIndex = -1;
};

// Replacing only reviewed occurrences, and listing every occurrence for a
// review, for servers that can (the native engine). Asked for with
// dynamic_cast like CountingFindReplace; Clear forgets the choices.
class ReviewFindReplace {
public:
    virtual ~ReviewFindReplace() = default;
    // Lists every occurrence of the open document, past kMaxChangesPerDocument.
    virtual void SetListEveryChange(bool on) = 0;
    // The next Execute replaces in the stories exactly the occurrences with
    // apply, and fails, changing nothing, when the occurrences it meets are
    // not the ones listed.
    virtual void SetChosenChanges(const QList<ChosenChange> &changes) = 0;
};

// What the fit check found of one story the run made longer: the text no
// longer fits its box (or may not), or it could not be checked.
enum class FitVerdict { Overflows, MayOverflow, CouldNotCheck };

struct FitNote {
    int story = 0;
    int page = 0; // of the box the text runs out of, from 1; 0 when not known
    FitVerdict verdict = FitVerdict::CouldNotCheck;
    // Lines that no longer fit (beyond those that did not fit before); 0
    // when not known.
    int lines = 0;
    // In plain words: "overflows by about 2 lines", "could not check: font
    // Garamond is not available", "Arial has no “Ж”".
    QString reason;
    bool operator==(const FitNote &) const = default;
};

// Whether the stories the edits made longer still fit their boxes, for
// servers that can lay text out (the native engine, when the program gave it
// a fit check). Asked of a Document with dynamic_cast like the others.
class FitCheckingDocument {
public:
    virtual ~FitCheckingDocument() = default;
    // The open publication as edited so far against it as opened; stories
    // that did not grow are not laid out. Empty when all still fit.
    virtual QList<FitNote> CheckFit() = 0;
};

// The SHA-256 of the bytes an Open read, for servers that can tell (the
// native engine), asked for with dynamic_cast like CountingFindReplace: a
// review's check that a source is the one counted is made on the very
// bytes that are then edited.
class DigestingApplication {
public:
    virtual ~DigestingApplication() = default;
    // From now on Open hashes what it reads, and refuses a file whose bytes
    // have another digest (hex) unless sha256 is empty.
    virtual void SetExpectedDigest(const QByteArray &sha256) = 0;
    // The digest (hex) of the bytes the last Open read.
    virtual QByteArray LastDigest() const = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual std::shared_ptr<FindReplace> Find() = 0;
    virtual void SaveAs(const QString &fileName, int format, bool addToRecentFiles) = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual QString name() = 0;
    virtual std::shared_ptr<Document> Open(const QString &fileName, bool readOnly,
                                           bool addToRecentFiles, int saveChanges) = 0;
    virtual std::shared_ptr<Document> ActiveDocument() = 0;
    virtual void Quit() = 0;
};

// What stands behind one ProgID.
class Server {
public:
    virtual ~Server() = default;
    // A fresh instance; throws when none can be made.
    virtual std::shared_ptr<Application> CreateInstance() = 0;
    // The instance already running, or nullptr when there is none.
    virtual std::shared_ptr<Application> RunningInstance() = 0;
};

// Maps ProgIDs to servers. The program registers its servers at start;
// tests register recording doubles on a registry of their own.
class Registry {
public:
    static Registry &instance();

    void Register(const QString &progId, std::shared_ptr<Server> server);

    // Throws "ActiveX component can't create object" when nothing is registered
    // or the server cannot make an instance.
    std::shared_ptr<Application> CreateObject(const QString &progId);
    // Throws the same description when no instance is running.
    std::shared_ptr<Application> GetObject(const QString &progId);

private:
    std::map<QString, std::shared_ptr<Server>> m_servers;
};

} // namespace vantrelle::automation
