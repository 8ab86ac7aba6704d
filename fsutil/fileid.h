#pragma once
// File identity: two paths name the same file when both exist and have the
// same device and inode. Every "same file?" question of the program asks here:
// path text cannot tell, since links, bind mounts, hard links and file systems
// that ignore letter case all give one file many spellings.
//
// Some file systems number inodes per lookup rather than per file (FAT and
// exFAT through FUSE give each spelling of a name its own number; SMB shares
// mounted without server inode numbers do the same), so there a different
// number proves nothing, and the questions below fall back on what the file
// holds.
#include <QHashFunctions>
#include <QString>

#include <optional>

namespace vantrelle {

// On Windows: the volume's serial number and the 128-bit file id (ReFS uses
// all of it; NTFS only the low half).
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    quint64 inodeHigh = 0;
    friend bool operator==(const FileId &, const FileId &) = default;
};

inline size_t qHash(const FileId &id, size_t seed = 0) noexcept
{
    return qHashMulti(seed, id.device, id.inode, id.inodeHigh);
}

// The file a path leads to, links followed; nothing when no file is there.
std::optional<FileId> FileIdOf(const QString &path);
#ifdef Q_OS_WIN
// The file behind an open handle (a HANDLE), asked of it alone.
std::optional<FileId> FileIdOfHandle(void *handle);
#else
// The file behind an open descriptor.
std::optional<FileId> FileIdOf(int descriptor);
#endif

// False where device and inode may not tell files apart at path: a file
// system known to number names rather than files, or one where the name in
// another letter case leads to a file too (so names ignore case there).
bool InodesIdentifyFiles(const QString &path);

// True when the names of an existing folder ignore letter case ("Report.pub"
// and "REPORT.pub" are one file there): asked of the folder itself, as a
// USB stick, a network share or a case-folding folder may sit anywhere. A
// folder that is there but cannot tell is taken to ignore it, which at worst
// refuses a result that could have been written.
bool FolderIgnoresCase(const QString &folder);

// Size and modification time: what a file that may be another by another
// name is first compared by, before its bytes.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
std::optional<FileStamp> FileStampOf(const QString &path);
inline size_t qHash(const FileStamp &stamp, size_t seed = 0) noexcept
{
    return qHashMulti(seed, stamp.size, stamp.modifiedNs);
}

// True when two regular files have the same size, time and bytes: where
// inodes prove nothing, such a file is taken to be the other one, so that a
// run never replaces what may be a source.
bool SameStampAndBytes(const QString &a, const QString &b);

// True when both paths exist and name one file: the same identity, or, where
// identity proves nothing, the same real path or (for files) the same size,
// time and bytes. A path that does not exist names no existing file, so it
// is the same as nothing.
bool SameFile(const QString &a, const QString &b);

} // namespace vantrelle
