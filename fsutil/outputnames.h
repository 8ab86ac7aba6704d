#pragma once
// How a run names what it writes, in one place: a result's name (in the
// chosen folder or beside its source, with the _replaced name where it would
// be the source), the inverse that tells an earlier result in a list, a
// result's PDF, and the keys by which two names are one place on the terms of
// the folder that holds them.
#include <QChar>
#include <QHash>
#include <QString>

#include <mutex>

namespace vantrelle {

// The chosen folder (or the source's folder) joined with the source's name,
// before the doubled separators are collapsed.
QString JoinOutput(const QString &folder, const QString &source, QChar sep);

// True when output spells the source's own path: the same text once doubled
// separators are collapsed, or the same real path once links, "./" and ".."
// are resolved. The naming rule asks this; a name that reaches the source
// some other way (a bind mount, another letter case on a file system that
// ignores it, a hard link) is caught by file identity before anything is
// written, and that document is skipped.
bool OutputIsSource(const QString &source, const QString &output, QChar sep);

// The sibling name used when the output would be the source: the suffix goes
// before the last dot of the file name ("a.b.pub" -> "a.b_replaced.pub"). A
// name without a dot gets the suffix at its end.
QString ReplacedOutputName(const QString &output, const QString &source, QChar sep);

// The whole naming rule, for a destination of the chosen folder (useFolder)
// or of each source's own folder.
QString OutputPathFor(const QString &source, bool useFolder, const QString &folderText, QChar sep);

// The inverse of the _replaced name: NAME.EXT beside NAME_replaced.EXT (NAME
// beside NAME_replaced); empty when path's name is not of that form.
QString SourceNameOfResult(const QString &path);

// The PDF of a result: NAME.pdf beside it, or in folder when one is given.
QString pdfPathFor(const QString &result, const QString &folder = {});

// The names of one run's results and PDFs. Each folder is asked once for its
// real path and its letter-case rule; key() may be called from several
// threads at once.
class ResultNames {
public:
    // The folder's real path and the name, letter case folded where that
    // folder ignores it: two paths with one key are one place, whether or not
    // a file stands there yet.
    QString key(const QString &path) const;

private:
    struct Folder {
        QString real;
        bool folds = false;
    };
    mutable std::mutex m_mutex;
    mutable QHash<QString, Folder> m_folders; // folder text -> what it answered
};

} // namespace vantrelle
