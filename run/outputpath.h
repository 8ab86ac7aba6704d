#pragma once
// Where a run writes the result of one document, and the checks that keep a
// run from destroying anything it should not: its sources, the other
// documents of the list, and the results it wrote before.
#include "fsutil/fileid.h"
#include "fsutil/outputnames.h"
#include "fsutil/pathlist.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace vantrelle {

// Why a result could not be written at output, in plain words; nothing when
// it could. A result takes its name by a rename over whatever stands there,
// so the folder must exist and let the user add and replace names there, and
// no folder may have the result's name.
std::optional<QString> outputUnwritable(const QString &output);

// Document indexes filed under 32-bit hashes of what they stand for, 8 bytes
// an entry, where a QHash of the keys themselves costs ten times as much: a
// run may list 100,000 documents. Hashes may coincide, so every index found
// is a candidate to check.
class HashedIndexes {
public:
    explicit HashedIndexes(qsizetype expected = 0);
    void insert(size_t hash, qsizetype index);
    // Calls found(index) for each index filed under hash, oldest first, until
    // it returns true; returns that index.
    template <typename Found>
    std::optional<qsizetype> find(size_t hash, Found found) const
    {
        if (m_slots.isEmpty())
            return std::nullopt;
        const quint32 h = fold(hash);
        for (qsizetype s = h % m_slots.size();; s = (s + 1) % m_slots.size()) {
            const Slot &slot = m_slots[s];
            if (slot.indexPlusOne == 0)
                return std::nullopt;
            if (slot.hash == h && found(qsizetype(slot.indexPlusOne - 1)))
                return qsizetype(slot.indexPlusOne - 1);
        }
    }

private:
    struct Slot {
        quint32 hash = 0;
        quint32 indexPlusOne = 0; // 0: empty
    };
    static quint32 fold(size_t hash) { return quint32(hash ^ (quint64(hash) >> 32)); }
    void grow(qsizetype capacity);

    QList<Slot> m_slots;
    qsizetype m_count = 0;
};

// The files of a run's documents by identity. Only a name that already
// names a file can be one of them, so the table is made the first time such a
// name is asked about (each document looked up once then): a run into an
// empty folder never needs it. Where inode numbers prove nothing, a second
// table by size and time finds the documents whose bytes a file may share,
// made the first time such a file is met. documentAt() may be called from
// several threads at once.
class RunSources {
public:
    explicit RunSources(const PathList &documents) : m_documents(documents) {}
    // The first document of the list that path names, by file identity (or,
    // where identity proves nothing, by size, time and bytes); nothing when
    // path names none of them (or nothing at all).
    std::optional<qsizetype> documentAt(const QString &path) const;
    QString document(qsizetype index) const { return m_documents.at(index); }
    const PathList &documents() const { return m_documents; }

private:
    void makeTable() const;
    void makeStampTable() const;

    PathList m_documents;
    mutable std::once_flag m_made;
    mutable HashedIndexes m_files; // by file identity
    mutable std::once_flag m_stampsMade;
    mutable HashedIndexes m_stamps; // by size and time
};

// "The result of a.pub would replace b.pub, which is a document in the list. …",
// or, where output is the source itself under another path, says so.
QString replacesDocumentNotice(const QString &source, const QString &output,
                               const QString &document);
// "The result of b.pub would replace out/a.pub, the result of a.pub written in this run. …"
QString replacesResultNotice(const QString &source, const QString &output,
                             const QString &earlierSource);

// Why a document's result must not be written: it would replace another
// document of the list, or the result of an earlier document of the run.
struct OutputRefusal {
    qsizetype other = 0;
    bool earlierResult = false;
    // The notice for the user about document i, whose result would be output.
    QString text(const RunSources &sources, qsizetype i, const QString &output) const;
};

// Every document whose output must not be written, by index, in one look at
// the list in order: an output that names a document of the list, or that
// an earlier document's output already takes. A result is known by its
// key among the run's names (its folder's real path and its name, compared
// as that folder compares names), so two spellings of a place not written
// yet still collide; one that exists already is known by its file too.
// Keys are first counted by hash alone, so only those that occur twice are
// kept whole: a long list costs a few bytes a document for a moment.
QHash<qsizetype, OutputRefusal> refusedOutputs(const RunSources &sources, const ResultNames &names,
                                               const std::function<QString(const QString &)> &outputOf);

// The results of one run, asked right before each result takes its name, so
// that no result replaces one the run wrote, however the plan named them: by
// file identity, and by key among the run's names. Several threads may use it
// at once.
class WrittenResults {
public:
    // outputOf(i): where document i's result goes.
    WrittenResults(std::shared_ptr<const ResultNames> names, qsizetype documents,
                   std::function<QString(qsizetype)> outputOf);
    // Document index is about to write its result at path: the earlier
    // document whose result is there, or nothing, and path is index's then.
    std::optional<qsizetype> claim(qsizetype index, const QString &path);
    // After the write: a name not written is free again.
    void settle(qsizetype index, const QString &path, bool written);

private:
    enum State : quint8 { Free, Claimed, Written };
    std::mutex m_mutex;
    std::shared_ptr<const ResultNames> m_names;
    std::function<QString(qsizetype)> m_outputOf;
    std::vector<State> m_states;
    HashedIndexes m_byKey;
    HashedIndexes m_byFile;
};

} // namespace vantrelle
