#pragma once
// Where a run writes the result of one document, and the checks that keep a
// run from destroying anything it should not: its sources, the other
// documents of the list, and the results it wrote before.
#include "fsutil/fileid.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace vantrelle {

// The chosen folder (or the source's folder) joined with the source's name,
// before the doubled separators are collapsed.
QString JoinOutput(const QString &folder, const QString &source, QChar sep);

// True when writing to output would write to the source itself: the same
// text, or another name of the same file (a link, a bind mount, another
// letter case on a file system that ignores it, "./", doubled separators).
bool OutputIsSource(const QString &source, const QString &output, QChar sep);

// The sibling name used when the output would be the source: the suffix goes
// before the last dot of the file name ("a.b.pub" -> "a.b_replaced.pub"). A
// name without a dot gets the suffix at its end.
QString ReplacedOutputName(const QString &output, const QString &source, QChar sep);

// The whole naming rule, for a destination of the chosen folder (useFolder)
// or of each source's own folder.
QString OutputPathFor(const QString &source, bool useFolder, const QString &folderText, QChar sep);

// Why a result could not be written at output, in plain words; nothing when
// it could. The run deletes what stands at the name first, so the folder must
// exist and let the user add and remove names there, and no folder may have
// the result's name.
std::optional<QString> outputUnwritable(const QString &output);

// The files of a run's documents, each looked up once when the run starts.
class RunSources {
public:
    explicit RunSources(const QStringList &documents);
    // The document of the list that path names, by file identity; nothing
    // when path names none of them (or nothing at all).
    std::optional<QString> documentAt(const QString &path) const;

private:
    QHash<FileId, QString> m_files; // -> the first document naming that file
};

// "The result of a.pub would replace b.pub, which is a document in the list. …"
QString replacesDocumentNotice(const QString &source, const QString &document);

// Remembers the documents of one run and the outputs planned so far, and
// tells when an output must not be written.
class RunOutputGuard {
public:
    explicit RunOutputGuard(const QStringList &documents);

    // A notice for the user when writing output for source would replace
    // another document of the list or an earlier result of this run;
    // nothing when the output may be written.
    std::optional<QString> refusal(const QString &source, const QString &output) const;
    void recordOutput(const QString &source, const QString &output);

    std::shared_ptr<const RunSources> sources() const { return m_sources; }

private:
    // A result is known by its folder's real path and its name, so two
    // spellings of a place not written yet still collide; one that exists
    // already is known by its file too.
    QStringList outputKeys(const QString &output) const;

    std::shared_ptr<const RunSources> m_sources;
    QHash<QString, QString> m_outputs;             // output key -> the source that wrote it
    mutable QHash<QString, QString> m_realFolders; // folder text -> its real path
};

} // namespace vantrelle
