#include "outputpath.h"

#include "fsutil/paths.h"
#include "fsutil/windowsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

namespace vantrelle {

// The context of the texts below, for their translations.
class OutputText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::OutputText)
};

std::optional<QString> outputUnwritable(const QString &output)
{
    const QFileInfo info(output);
    const QString folder = info.absolutePath();
    const auto cannot = [&](const QString &why) {
        return OutputText::tr("Cannot save as “%1”: %2.")
            .arg(QDir::toNativeSeparators(output), why);
    };
#ifdef Q_OS_WIN
    // Whether Windows lets this user write is up to the folder's access
    // list, which only the write itself asks; the names it refuses are known.
    if (const QString reserved = ReservedNameReason(output); !reserved.isEmpty())
        return cannot(reserved);
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir())
        return cannot(OutputText::tr("the folder %1 does not exist").arg(folder));
    if (info.isDir())
        return cannot(OutputText::tr("a folder has that name"));
    return std::nullopt;
#else
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat folderStatus {};
    if (::stat(folderName.constData(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode))
        return cannot(OutputText::tr("the folder %1 does not exist").arg(folder));
    if (::access(folderName.constData(), W_OK | X_OK) != 0)
        return cannot(OutputText::tr("the folder %1 cannot be written (%2)")
                          .arg(folder, qt_error_string(errno)));
    struct stat own {};
    if (::lstat(QFile::encodeName(output).constData(), &own) != 0)
        return std::nullopt;
    if (S_ISDIR(own.st_mode))
        return cannot(OutputText::tr("a folder has that name"));
    // In a folder such as /tmp only the owner of a name may remove it.
    const uid_t me = ::geteuid();
    if ((folderStatus.st_mode & S_ISVTX) && me != 0 && own.st_uid != me &&
        folderStatus.st_uid != me)
        return cannot(OutputText::tr("another user's file has that name in a folder where only "
                                     "its owner may remove it"));
    return std::nullopt;
#endif
}

HashedIndexes::HashedIndexes(qsizetype expected)
{
    if (expected > 0)
        grow(expected + expected / 4 + 1);
}

void HashedIndexes::grow(qsizetype capacity)
{
    const QList<Slot> old = std::exchange(m_slots, QList<Slot>(capacity));
    for (const Slot &slot : old) {
        if (slot.indexPlusOne == 0)
            continue;
        qsizetype s = slot.hash % m_slots.size();
        while (m_slots[s].indexPlusOne != 0)
            s = (s + 1) % m_slots.size();
        m_slots[s] = slot;
    }
}

void HashedIndexes::insert(size_t hash, qsizetype index)
{
    Q_ASSERT(index >= 0 && index < qsizetype(std::numeric_limits<quint32>::max()));
    // At most four in five slots taken, so a search soon meets an empty one.
    if ((m_count + 1) * 5 > m_slots.size() * 4)
        grow(std::max<qsizetype>(16, m_slots.size() * 2));
    const quint32 h = fold(hash);
    qsizetype s = h % m_slots.size();
    while (m_slots[s].indexPlusOne != 0)
        s = (s + 1) % m_slots.size();
    m_slots[s] = {h, quint32(index + 1)};
    ++m_count;
}

void RunSources::makeTable() const
{
    m_files = HashedIndexes(m_documents.size());
    qsizetype i = 0;
    for (const QString &d : m_documents) {
        // The first of several names of one file wins.
        if (const std::optional<FileId> id = FileIdOf(d)) {
            const auto same = [&](qsizetype j) { return FileIdOf(m_documents.at(j)) == id; };
            if (!m_files.find(qHash(*id), same))
                m_files.insert(qHash(*id), i);
        }
        ++i;
    }
}

void RunSources::makeStampTable() const
{
    m_stamps = HashedIndexes(m_documents.size());
    qsizetype i = 0;
    for (const QString &d : m_documents) {
        if (const std::optional<FileStamp> stamp = FileStampOf(d))
            m_stamps.insert(qHash(*stamp), i);
        ++i;
    }
}

std::optional<qsizetype> RunSources::documentAt(const QString &path) const
{
    const std::optional<FileId> id = FileIdOf(path);
    if (!id)
        return std::nullopt;
    std::call_once(m_made, [this] { makeTable(); });
    if (const std::optional<qsizetype> found = m_files.find(
            qHash(*id), [&](qsizetype i) { return FileIdOf(m_documents.at(i)) == id; }))
        return found;
    if (InodesIdentifyFiles(path))
        return std::nullopt;
    const std::optional<FileStamp> stamp = FileStampOf(path);
    if (!stamp)
        return std::nullopt;
    std::call_once(m_stampsMade, [this] { makeStampTable(); });
    return m_stamps.find(qHash(*stamp),
                         [&](qsizetype i) { return SameStampAndBytes(m_documents.at(i), path); });
}

QString replacesDocumentNotice(const QString &source, const QString &output,
                               const QString &document)
{
    if (document == source || SameFile(document, source))
        return OutputText::tr("The result of %1 would replace %2, which is the same file as the "
                              "document itself, reached by another path (a link, a mount or "
                              "another letter case). %1 was not processed, so that it is not "
                              "lost.")
            .arg(source, output);
    return OutputText::tr("The result of %1 would replace %2, which is a document in the list. "
                          "%1 was not processed.")
        .arg(source, document);
}

QString replacesResultNotice(const QString &source, const QString &output,
                             const QString &earlierSource)
{
    return OutputText::tr("The result of %1 would replace %2, the result of %3 written "
                          "in this run. %1 was not processed.")
        .arg(source, output, earlierSource);
}

namespace {

// The keys of an output: its file where one is there, and its place.
QStringList outputKeys(const ResultNames &names, const QString &output)
{
    QStringList keys;
    if (const std::optional<FileId> id = FileIdOf(output))
        keys << QStringLiteral("file %1 %2 %3").arg(id->device).arg(id->inode).arg(id->inodeHigh);
    keys << QStringLiteral("path ") + names.key(output);
    return keys;
}

quint32 keyHash(const QString &key)
{
    const size_t h = qHash(key);
    return quint32(h ^ (quint64(h) >> 32));
}

} // namespace

QString OutputRefusal::text(const RunSources &sources, qsizetype i, const QString &output) const
{
    const QString source = sources.document(i);
    const QString document = sources.document(other);
    return earlierResult ? replacesResultNotice(source, output, document)
                         : replacesDocumentNotice(source, output, document);
}

QHash<qsizetype, OutputRefusal>
refusedOutputs(const RunSources &sources, const ResultNames &names,
               const std::function<QString(const QString &)> &outputOf)
{
    const auto keysOf = [&](const QString &output) { return outputKeys(names, output); };
    QSet<quint32> shared;
    {
        QList<quint32> hashes;
        hashes.reserve(sources.documents().size());
        for (const QString &source : sources.documents())
            for (const QString &key : keysOf(outputOf(source)))
                hashes << keyHash(key);
        std::sort(hashes.begin(), hashes.end());
        for (qsizetype k = 1; k < hashes.size(); ++k)
            if (hashes[k] == hashes[k - 1])
                shared.insert(hashes[k]);
    }

    QHash<qsizetype, OutputRefusal> refused;
    QHash<QString, qsizetype> written; // the keys that may collide -> the document that took it
    qsizetype i = 0;
    for (const QString &source : sources.documents()) {
        const QString output = outputOf(source);
        std::optional<OutputRefusal> refusal;
        if (const std::optional<qsizetype> document = sources.documentAt(output))
            refusal = OutputRefusal{*document, false};
        QStringList keys = keysOf(output);
        keys.removeIf([&](const QString &key) { return !shared.contains(keyHash(key)); });
        for (qsizetype k = 0; !refusal && k < keys.size(); ++k)
            if (const auto earlier = written.constFind(keys[k]); earlier != written.constEnd())
                refusal = OutputRefusal{earlier.value(), true};
        if (refusal)
            refused.insert(i, *refusal);
        else
            for (const QString &key : std::as_const(keys))
                written.insert(key, i);
        ++i;
    }
    return refused;
}

WrittenResults::WrittenResults(std::shared_ptr<const ResultNames> names, qsizetype documents,
                               std::function<QString(qsizetype)> outputOf)
    : m_names(std::move(names)), m_outputOf(std::move(outputOf)),
      m_states(std::size_t(documents), Free)
{
}

std::optional<qsizetype> WrittenResults::claim(qsizetype index, const QString &path)
{
    const std::lock_guard lock(m_mutex);
    if (const std::optional<FileId> id = FileIdOf(path)) {
        if (const std::optional<qsizetype> earlier = m_byFile.find(qHash(*id), [&](qsizetype j) {
                return m_states[std::size_t(j)] == Written && FileIdOf(m_outputOf(j)) == id;
            }))
            return earlier;
    }
    const QString key = m_names->key(path);
    if (const std::optional<qsizetype> earlier = m_byKey.find(qHash(key), [&](qsizetype j) {
            return j != index && m_states[std::size_t(j)] != Free &&
                   m_names->key(m_outputOf(j)) == key;
        }))
        return earlier;
    if (m_states[std::size_t(index)] == Free) {
        m_byKey.insert(qHash(key), index);
        m_states[std::size_t(index)] = Claimed;
    }
    return std::nullopt;
}

void WrittenResults::settle(qsizetype index, const QString &path, bool written)
{
    const std::lock_guard lock(m_mutex);
    m_states[std::size_t(index)] = written ? Written : Free;
    if (written)
        if (const std::optional<FileId> id = FileIdOf(path))
            m_byFile.insert(qHash(*id), index);
}

} // namespace vantrelle
