#include "fsutil/fileid.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <sys/vfs.h>

#include <algorithm>
#include <array>

namespace vantrelle {

namespace {

FileId idOf(const struct stat &st)
{
    return FileId{quint64(st.st_dev), quint64(st.st_ino)};
}

// File systems whose inode numbers belong to a lookup, not to a file (the
// kernel's magic numbers, linux/magic.h): FUSE (fusefat, exFAT and NTFS
// drivers, GVfs, sshfs), FAT, exFAT, NTFS, SMB and CIFS, 9p and VirtualBox
// shares.
constexpr std::array<unsigned long, 10> kNumberedByName = {
    0x65735546, // FUSE
    0x4d44,     // MSDOS / vfat
    0x2011BAB0, // exFAT
    0x5346544e, // NTFS
    0x7366746e, // ntfs3
    0xFF534D42, // CIFS
    0xFE534D42, // SMB2
    0x517B,     // SMB
    0x01021997, // 9p
    0x786f4256, // vboxsf
};

QString otherCase(const QString &name)
{
    QString swapped = name;
    for (QChar &c : swapped)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    return swapped;
}

} // namespace

std::optional<FileId> FileIdOf(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return idOf(st);
}

std::optional<FileId> FileIdOf(int descriptor)
{
    struct stat st {};
    if (::fstat(descriptor, &st) != 0)
        return std::nullopt;
    return idOf(st);
}

bool InodesIdentifyFiles(const QString &path)
{
    struct statfs fs {};
    if (::statfs(QFile::encodeName(path).constData(), &fs) != 0)
        return false;
    if (std::find(kNumberedByName.begin(), kNumberedByName.end(),
                  static_cast<unsigned long>(fs.f_type)) != kNumberedByName.end())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString swapped = otherCase(name);
    return swapped == name || !QFileInfo::exists(info.absolutePath() + u'/' + swapped);
}

std::optional<FileStamp> FileStampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

} // namespace vantrelle
