#pragma once
// File identity: two paths name the same file when both exist and have the
// same device and inode. Every "same file?" question of the program asks here:
// path text cannot tell, since links, bind mounts, hard links and file systems
// that ignore letter case all give one file many spellings.
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
// The file behind an open descriptor (a C runtime one on Windows).
std::optional<FileId> FileIdOf(int descriptor);

// True when both paths exist and name one file. A path that does not exist
// names no existing file, so it is the same as nothing.
inline bool SameFile(const QString &a, const QString &b)
{
    const std::optional<FileId> first = FileIdOf(a);
    return first && first == FileIdOf(b);
}

} // namespace vantrelle
