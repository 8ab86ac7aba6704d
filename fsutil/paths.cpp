#include "paths.h"

#include "fsutil/failure.h"
#include "fsutil/windowsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vantrelle {

namespace {

constexpr qsizetype kMaxPosition = 32767;

[[noreturn]] void overflow()
{
    throw Failure("Overflow");
}

// One left-to-right pass replacing each pair of separators by one.
QString collapsePairs(QStringView text, QChar sep)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == sep && i + 1 < text.size() && text[i + 1] == sep)
            ++i;
    }
    return out;
}

} // namespace

QString GetFileNameOfPath(const QString &path, QChar sep)
{
    const qsizetype at = path.lastIndexOf(sep);
    return at < 0 ? path : path.mid(at + 1);
}

QString GetFolderOfPath(const QString &path, QChar sep)
{
    const qsizetype at = path.lastIndexOf(sep);
    if (at + 1 > kMaxPosition)
        overflow();
    return at < 0 ? QString() : path.left(at + 1);
}

QString GetExtensionOfPath(const QString &path)
{
    if (path.size() > kMaxPosition)
        overflow();
    const qsizetype at = path.lastIndexOf(QLatin1Char('.'));
    return at < 0 ? path : path.mid(at + 1);
}

QString StripExtension(const QString &path)
{
    if (path.isEmpty())
        return path;
    const qsizetype at = path.lastIndexOf(QLatin1Char('.'));
    if (at + 1 > kMaxPosition)
        overflow();
    return at >= 1 ? path.left(at) : path;
}

QString CollapseBackslashes(const QString &path, QChar sep)
{
    if (path.isEmpty() || path[0] != sep || sep != QLatin1Char('\\'))
        return collapsePairs(path, sep);
    qsizetype j = 1;
    while (j < path.size() && path[j] == sep)
        ++j;
    return QString(2, sep) + collapsePairs(QStringView(path).mid(j), sep);
}

bool FolderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

bool DoesFileExist(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool CheckFileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

void ForceDeleteFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        throw Failure(
            QCoreApplication::translate("vantrelle::FileText", "Permission denied: %1 is a folder")
                .arg(path));
#ifdef Q_OS_WIN
    // As on Linux, a file's read-only attribute does not keep it: Windows
    // refuses to delete such a file, so the attribute is cleared for the
    // delete and put back when the delete fails anyway.
    const std::wstring name = LongPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly)
        SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    if (!DeleteFileW(name.c_str())) {
        const DWORD error = GetLastError();
        if (readOnly)
            SetFileAttributesW(name.c_str(), attributes);
        throw Failure(
            QCoreApplication::translate("vantrelle::FileText", "Permission denied: %1 (%2)")
                .arg(path, WindowsErrorText(error)));
    }
#else
    // Here a file's own mode never decides whether it can be deleted (its
    // folder's does), so the mode is never touched: a delete that fails
    // leaves the file exactly as it was.
    QFile file(path);
    if (!file.remove())
        throw Failure(
            QCoreApplication::translate("vantrelle::FileText", "Permission denied: %1 (%2)")
                .arg(path, file.errorString()));
#endif
}

void DeleteFileQuiet(const QString &path)
{
    YieldToEventLoop();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() && !info.isSymLink())
        return;
    try {
        ForceDeleteFile(path);
    } catch (...) {
        // Quiet by design: a stale output that cannot go is overwritten or reported later.
    }
}

QString GetSpecialFolderPath(int folder)
{
    if (folder != 0)
        return QString();
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void YieldToEventLoop()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace vantrelle
