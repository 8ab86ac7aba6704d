// File identity on Windows: the volume serial number and the file id the
// file system keeps, asked of an open handle, so that every spelling of a
// file (letter case, a subst drive, a second share name, 8.3 short names)
// gives one identity.
#include "fsutil/fileid.h"
#include "fsutil/windowsfile.h"

#include <QCryptographicHash>

#include <cstring>

#include <windows.h>

namespace vantrelle {

namespace {

std::optional<FileId> idOfHandle(HANDLE handle)
{
    FILE_ID_INFO info{};
    if (GetFileInformationByHandleEx(handle, FileIdInfo, &info, sizeof info)) {
        FileId id;
        id.device = info.VolumeSerialNumber;
        std::memcpy(&id.inode, info.FileId.Identifier, sizeof id.inode);
        std::memcpy(&id.inodeHigh, info.FileId.Identifier + sizeof id.inode, sizeof id.inodeHigh);
        return id;
    }
    // Before Windows 8 (and on some network file systems) only the 64-bit id.
    BY_HANDLE_FILE_INFORMATION old{};
    if (!GetFileInformationByHandle(handle, &old))
        return std::nullopt;
    FileId id;
    id.device = old.dwVolumeSerialNumber;
    id.inode = (quint64(old.nFileIndexHigh) << 32) | old.nFileIndexLow;
    return id;
}

} // namespace

std::optional<FileId> FileIdOf(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
#ifdef VANTRELLE_BROKEN_PATH_IDENTITY
    // A deliberate fault for tools/test-windows.sh --broken: identity from
    // the path's text, which the tests must catch.
    const QByteArray digest = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    FileId id;
    std::memcpy(&id.inode, digest.constData(), sizeof id.inode);
    return ReservedNameReason(path).isEmpty() &&
                   GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES
               ? std::optional<FileId>(id)
               : std::nullopt;
#else
    // Only the attributes are read; every sharing mode is allowed, so a
    // document another program holds open still has its identity. A folder
    // opens only with backup semantics.
    const HANDLE handle = CreateFileW(LongPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<FileId> id;
    if (GetFileType(handle) == FILE_TYPE_DISK)
        id = idOfHandle(handle);
    CloseHandle(handle);
    return id;
#endif
}

bool InodesIdentifyFiles(const QString &)
{
    // Windows resolves every spelling of a name (letter case, short names)
    // before it answers, and a volume's file ids are the file system's own.
    return true;
}

std::optional<FileStamp> FileStampOf(const QString &path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const quint64 written =
        (quint64(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    // 100-nanosecond ticks; only equality is ever asked.
    return FileStamp{qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow),
                     qint64(written) * 100};
}

std::optional<FileId> FileIdOfHandle(void *handle)
{
    return idOfHandle(handle);
}

// Names ignore letter case on Windows unless the folder is marked
// case-sensitive (fsutil.exe file setCaseSensitiveInfo, as for folders shared
// with Linux programs), which only the folder tells.
bool FolderIgnoresCase(const QString &folder)
{
    const HANDLE handle = CreateFileW(LongPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    // Nothing is written in a folder that is not there, whatever its rule.
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    FILE_CASE_SENSITIVE_INFO info{};
    // Before Windows 10 (and on FAT, exFAT and most shares) the question has
    // no answer, and names ignore letter case.
    const bool asked =
        GetFileInformationByHandleEx(handle, FileCaseSensitiveInfo, &info, sizeof info) != 0;
    CloseHandle(handle);
    // The flag set where the folder compares names as spelled.
    constexpr ULONG kCaseSensitiveDir = 0x00000001;
    return !asked || (info.Flags & kCaseSensitiveDir) == 0;
}

} // namespace vantrelle
