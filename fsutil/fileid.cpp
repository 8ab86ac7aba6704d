#include "fsutil/fileid.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <optional>

#ifndef FS_CASEFOLD_FL
#define FS_CASEFOLD_FL 0x40000000
#endif

namespace vantrelle {

namespace {

FileId idOf(const struct stat &st)
{
    return FileId{quint64(st.st_dev), quint64(st.st_ino)};
}

// The kernel's magic numbers (linux/magic.h) of file systems that fold
// letter case; of those that may or may not (FUSE drivers of FAT, exFAT and
// NTFS; ntfs3, which folds only when mounted so; 9p and VirtualBox shares,
// which fold as their host does); and of the rest whose inode numbers belong
// to a lookup, not to a file (GVfs and sshfs through FUSE too).
constexpr unsigned long kMsdos = 0x4d44, kExfat = 0x2011BAB0, kNtfs = 0x5346544e,
                        kCifs = 0xFF534D42, kSmb2 = 0xFE534D42, kSmb = 0x517B;
constexpr unsigned long kFuse = 0x65735546, kNtfs3 = 0x7366746e, k9p = 0x01021997,
                        kVboxsf = 0x786f4256;
constexpr std::array<unsigned long, 10> kNumberedByName = {
    kFuse, kMsdos, kExfat, kNtfs, kNtfs3, kCifs, kSmb2, kSmb, k9p, kVboxsf,
};

QString otherCase(const QString &name)
{
    QString swapped = name;
    for (QChar &c : swapped)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    return swapped;
}

// An existing name in the other letter case: a file there that is the same
// one says the folder folds, no file there says it does not. Nothing when
// the first few names cannot tell (no letters, or both spellings are files).
std::optional<bool> foldsByNames(const QString &folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (int looked = 0; looked < 8 && it.hasNext(); ++looked) {
        const QString path = it.next();
        const QString name = it.fileName();
        const QString swapped = otherCase(name);
        if (swapped == name)
            continue;
        const QString other = folder + QLatin1Char('/') + swapped;
        if (!QFileInfo::exists(other))
            return false;
        if (SameStampAndBytes(path, other) || FileIdOf(path) == FileIdOf(other))
            return true;
    }
    return std::nullopt;
}

// A new empty file looked at in the other letter case, then removed.
std::optional<bool> foldsByProbe(const QString &folder)
{
    const QString name = QStringLiteral(".vantrelle-case-%1-%2.tmp")
                             .arg(::getpid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return std::nullopt;
    ::close(fd);
    struct stat st {};
    const bool folds =
        ::stat(QFile::encodeName(folder + QLatin1Char('/') + otherCase(name)).constData(), &st) ==
        0;
    ::unlink(path.constData());
    return folds;
}

bool foldsByFlag(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    const bool folds = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_CASEFOLD_FL) != 0;
    ::close(fd);
    return folds;
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

bool FolderIgnoresCase(const QString &folder)
{
    struct statfs fs {};
    // Nothing is written in a folder that is not there, whatever its rule.
    if (::statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case kMsdos:
    case kExfat:
    case kNtfs:
    case kCifs:
    case kSmb2:
    case kSmb:
        return true;
    case kFuse:
    case kNtfs3:
    case k9p:
    case kVboxsf:
        if (const std::optional<bool> byNames = foldsByNames(folder))
            return *byNames;
        return foldsByProbe(folder).value_or(true);
    default:
        // ext4, f2fs and tmpfs fold in the folders marked so (chattr +F).
        return foldsByFlag(folder);
    }
}

} // namespace vantrelle
