// The platform-free half of file identity: where identity proves nothing,
// what two files hold decides.
#include "fsutil/fileid.h"

#include <QFile>
#include <QFileInfo>

namespace vantrelle {

bool SameStampAndBytes(const QString &a, const QString &b)
{
    const std::optional<FileStamp> stamp = FileStampOf(a);
    if (!stamp || stamp != FileStampOf(b))
        return false;
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = qint64(64) * 1024;
    for (;;) {
        const QByteArray x = first.read(kChunk);
        const QByteArray y = second.read(kChunk);
        if (x != y)
            return false;
        if (x.isEmpty())
            return !first.error() && !second.error();
    }
}

bool SameFile(const QString &a, const QString &b)
{
    const std::optional<FileId> first = FileIdOf(a);
    const std::optional<FileId> second = FileIdOf(b);
    if (!first || !second)
        return false;
    if (first == second)
        return true;
    if (InodesIdentifyFiles(a) && InodesIdentifyFiles(b))
        return false;
    const QString real = QFileInfo(a).canonicalFilePath();
    return (!real.isEmpty() && real == QFileInfo(b).canonicalFilePath()) ||
           SameStampAndBytes(a, b);
}

} // namespace vantrelle
