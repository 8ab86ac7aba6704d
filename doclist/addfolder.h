#pragma once
// The folder walk: a chosen or dropped folder becomes a folder set (the folder,
// then its subfolders level by level, every entry ending in the separator),
// and each folder of the set yields the file names that match a pattern.
#include "doclist/fileattributes.h"
#include "fsutil/failure.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace vantrelle {

class Dialogs;

namespace AddFolder {

// Error numbers of a listing that fails; the walk drops the first two quietly.
enum ListingError { kPermissionDenied = 70, kPathNotFound = 76, kOtherListingError = 0 };

class ListingFailure : public Failure {
public:
    ListingFailure(int code, const QString &description) : Failure(description), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// A file name as a directory listing gave it: regular is true when the
// directory listed it as a regular file (so it exists and is no folder
// without a further query).
struct ListedFile {
    QString name;
    bool regular = false;
};

// The files (every entry that is no folder, in listing order) of each folder
// the walk read, keyed by the folder's entry in the set, so that adding the
// files of a tree reads each directory once. Names stay as the directory gave
// them until they are used: a large tree's names cost one block per folder.
class FolderListings {
public:
    // One folder's files: for each, a byte that is 1 for a regular file, the
    // name's bytes and a closing 0.
    void record(const QString &entry, QByteArray files);
    // Nothing when the walk didn't read the folder through to its end.
    const QByteArray *find(const QString &entry) const;

private:
    QHash<QString, QByteArray> m_files;
};

// What the walk asks of the file system. The disk is the real one; tests
// derive from it to stand in for folders this platform can't produce (a
// system folder, one that root can't read).
class FolderSource {
public:
    virtual ~FolderSource() = default;
    virtual bool exists(const QString &folder);
    virtual int attributes(const QString &folder);
    virtual bool isRoot(const QString &folder);
    // Calls visit with each direct subfolder's name in listing order; throws
    // ListingFailure when the folder can't be listed (after the names already
    // visited).
    virtual void forEachSubFolder(const QString &folder,
                                  const std::function<void(const QString &)> &visit);
    // The real directory behind a path (device and inode), so that a link
    // back up the tree is not walked again; nothing when it can't be told.
    virtual std::optional<FileId> identity(const QString &folder);
    // Lets pending window events run.
    virtual void yield();

    // While on (during a walk), the disk's answer on each folder is kept and
    // given again; turning it either way drops what was kept.
    void rememberStatuses(bool remember)
    {
        m_remember = remember;
        m_statuses.clear();
    }

    // When set, the disk listing records each folder's files here as it
    // passes over them.
    FolderListings *listings = nullptr;

private:
    // The walk asks of each folder whether it exists, its attributes and its
    // identity, some of them again at every level above it: one status query
    // answers them all for the rest of the walk.
    EntryStatus statusOf(const QString &folder);

    QHash<QString, EntryStatus> m_statuses;
    bool m_remember = false;
};

// Completes the folder set in place: appends every subfolder, level by level
// (all levels when recurse is true). System-hidden folders (22, 1046) other
// than a root are left out with everything under them, unreadable folders are
// removed without a message, and no real directory is walked twice.
void GetSubDirectories2016(QStringList &folders, bool recurse, Dialogs &dialogs,
                           FolderListings *listings = nullptr);
void GetSubDirectories2016(QStringList &folders, bool recurse, Dialogs &dialogs,
                           FolderSource &source);

// Names (without the folder) of the files in one folder that match a wildcard
// pattern ("*" any run, "?" one character, letter case ignored; a pattern
// ending in ".*" also matches names without a dot, so "*.*" is every file).
// Hidden files are included, folders are not, in the file system's order.
QStringList GetFilesInFolder(const QString &folder, const QString &pattern);

// GetFilesInFolder with what the listing already told about each name; with
// listings, a folder the walk already read is not read again.
QList<ListedFile> ListFilesInFolder(const QString &folder, const QString &pattern,
                                    const FolderListings *listings = nullptr);

// The same files one at a time, each as prefix + name (path), with where the
// name starts in it and whether the directory listed it as a regular file;
// building the row's path straight from the listing saves a copy per file.
using TakeFile = std::function<void(QString &&path, qsizetype nameAt, bool regular)>;
void ForEachFileInFolder(const QString &folder, const QString &pattern,
                         const FolderListings *listings, const QString &prefix,
                         const TakeFile &take);

// True when a folder name holds a control character (below 32 or 127 to 159)
// or "?". Names are Unicode on this platform, so any other character is fine.
bool HasBadNameChars(const QString &name);

bool MatchesWildcard(const QString &name, const QString &pattern);

} // namespace AddFolder
} // namespace vantrelle
