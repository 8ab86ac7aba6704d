#include "fsutil/fileid.h"

#include <QFile>

#include <sys/stat.h>

namespace vantrelle {

namespace {

FileId idOf(const struct stat &st)
{
    return FileId{quint64(st.st_dev), quint64(st.st_ino)};
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

} // namespace vantrelle
