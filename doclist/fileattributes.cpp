#include "doclist/fileattributes.h"

#include "fsutil/failure.h"

#include <QFile>

#include <sys/stat.h>

namespace vantrelle {

namespace {

// "dir/" would make lstat follow a link; the entry itself is wanted.
QByteArray entryName(const QString &path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return QFile::encodeName(p);
}

QString lastName(const QByteArray &path)
{
    const qsizetype at = path.lastIndexOf('/');
    return QFile::decodeName(at < 0 ? path : path.mid(at + 1));
}

} // namespace

namespace {

// With resolved and resolvedTarget the caller also learns whether the path
// leads anywhere once links are followed, and to what, without asking again.
int attributesOf(const QByteArray &name, const struct stat &own, bool *isFile,
                 struct stat *resolvedTarget = nullptr, bool *resolved = nullptr)
{
    int attributes = 0;
    struct stat target = own;
    bool leads = true;
    if (S_ISLNK(own.st_mode)) {
        attributes |= kAttrReparsePoint;
        if (::stat(name.constData(), &target) != 0) {
            target = own;
            leads = false;
        }
    }
    if (resolved)
        *resolved = leads;
    if (resolvedTarget)
        *resolvedTarget = target;
    if (S_ISDIR(target.st_mode))
        attributes |= kAttrDirectory;
    else if (S_ISREG(target.st_mode))
        attributes |= kAttrArchive;
    if (!(target.st_mode & S_IWUSR))
        attributes |= kAttrReadOnly;
    if (lastName(name).startsWith(QLatin1Char('.')) && name != "/")
        attributes |= kAttrHidden;
    if (isFile)
        *isFile = S_ISREG(target.st_mode);
    return attributes;
}

} // namespace

int FileAttributes(const QString &path)
{
    const QByteArray name = entryName(path);
    struct stat own {};
    if (name.isEmpty() || ::lstat(name.constData(), &own) != 0)
        throw Failure("File not found");
    return attributesOf(name, own, nullptr);
}

FileProbe ProbeFile(const QString &path)
{
    FileProbe probe;
    const QByteArray name = entryName(path);
    struct stat own {};
    if (name.isEmpty() || ::lstat(name.constData(), &own) != 0)
        return probe;
    probe.attributes = attributesOf(name, own, &probe.isFile);
    return probe;
}

EntryStatus StatusOf(const QString &path)
{
    EntryStatus status;
    const QByteArray name = entryName(path);
    struct stat own {};
    if (name.isEmpty() || ::lstat(name.constData(), &own) != 0)
        return status;
    status.present = true;
    struct stat target {};
    status.attributes = attributesOf(name, own, nullptr, &target, &status.resolved);
    if (status.resolved) {
        status.directory = S_ISDIR(target.st_mode);
        status.id = FileIdOf(path);
    }
    return status;
}

bool IsRegularFile(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsSpecialFile(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
           !S_ISDIR(st.st_mode);
}

bool EntryExists(const QString &path)
{
    const QByteArray name = entryName(path);
    struct stat own {};
    return !name.isEmpty() && ::lstat(name.constData(), &own) == 0;
}

} // namespace vantrelle
