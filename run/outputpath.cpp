#include "outputpath.h"

#include "fsutil/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vantrelle {

QString JoinOutput(const QString &folder, const QString &source, QChar sep)
{
    return folder + sep + GetFileNameOfPath(source, sep);
}

bool OutputIsSource(const QString &source, const QString &output, QChar sep)
{
    if (CollapseBackslashes(source, sep) == output)
        return true;
    return sep == kSeparator && SameFile(source, output);
}

QString ReplacedOutputName(const QString &output, const QString &source, QChar sep)
{
    if (!GetFileNameOfPath(output, sep).contains(QLatin1Char('.')))
        return output + QStringLiteral("_replaced");
    return StripExtension(output) + QStringLiteral("_replaced.") + GetExtensionOfPath(source);
}

QString OutputPathFor(const QString &source, bool useFolder, const QString &folderText, QChar sep)
{
    const QString folder = useFolder ? folderText : GetFolderOfPath(source, sep);
    QString output = CollapseBackslashes(JoinOutput(folder, source, sep), sep);
    if (OutputIsSource(source, output, sep))
        output = ReplacedOutputName(output, source, sep);
    return output;
}

std::optional<QString> outputUnwritable(const QString &output)
{
    const QFileInfo info(output);
    const QString folder = info.absolutePath();
    const auto cannot = [&](const QString &why) {
        return QStringLiteral("Cannot save as “%1”: %2.")
            .arg(QDir::toNativeSeparators(output), why);
    };
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat folderStatus {};
    if (::stat(folderName.constData(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode))
        return cannot(QStringLiteral("the folder %1 does not exist").arg(folder));
    if (::access(folderName.constData(), W_OK | X_OK) != 0)
        return cannot(QStringLiteral("the folder %1 cannot be written (%2)")
                          .arg(folder, qt_error_string(errno)));
    struct stat own {};
    if (::lstat(QFile::encodeName(output).constData(), &own) != 0)
        return std::nullopt;
    if (S_ISDIR(own.st_mode))
        return cannot(QStringLiteral("a folder has that name"));
    // In a folder such as /tmp only the owner of a name may remove it.
    const uid_t me = ::geteuid();
    if ((folderStatus.st_mode & S_ISVTX) && me != 0 && own.st_uid != me &&
        folderStatus.st_uid != me)
        return cannot(QStringLiteral("another user's file has that name in a folder where only "
                                     "its owner may remove it"));
    return std::nullopt;
}

RunSources::RunSources(const QStringList &documents)
{
    m_files.reserve(documents.size());
    for (const QString &d : documents) {
        if (const std::optional<FileId> id = FileIdOf(d))
            m_files.insert(*id, d); // the first of several names wins
    }
}

std::optional<QString> RunSources::documentAt(const QString &path) const
{
    const std::optional<FileId> id = FileIdOf(path);
    if (!id)
        return std::nullopt;
    const auto found = m_files.constFind(*id);
    if (found == m_files.constEnd())
        return std::nullopt;
    return found.value();
}

QString replacesDocumentNotice(const QString &source, const QString &document)
{
    return QStringLiteral("The result of %1 would replace %2, which is a document in the list. "
                          "%1 was not processed.")
        .arg(source, document);
}

RunOutputGuard::RunOutputGuard(const QStringList &documents)
    : m_sources(std::make_shared<const RunSources>(documents))
{
}

QStringList RunOutputGuard::outputKeys(const QString &output) const
{
    QStringList keys;
    if (const std::optional<FileId> id = FileIdOf(output))
        keys << QStringLiteral("file %1 %2").arg(id->device).arg(id->inode);
    const QFileInfo info(output);
    const QString folderText = info.absolutePath();
    auto real = m_realFolders.constFind(folderText);
    if (real == m_realFolders.constEnd()) {
        QString canonical = QFileInfo(folderText).canonicalFilePath();
        if (canonical.isEmpty())
            canonical = QDir::cleanPath(folderText);
        real = m_realFolders.insert(folderText, canonical);
    }
    keys << QStringLiteral("path ") + real.value() + QLatin1Char('/') + info.fileName();
    return keys;
}

std::optional<QString> RunOutputGuard::refusal(const QString &source, const QString &output) const
{
    if (const std::optional<QString> document = m_sources->documentAt(output))
        return replacesDocumentNotice(source, *document);
    for (const QString &key : outputKeys(output)) {
        const auto earlier = m_outputs.constFind(key);
        if (earlier != m_outputs.constEnd())
            return QStringLiteral("The result of %1 would replace %2, the result of %3 written "
                                  "in this run. %1 was not processed.")
                .arg(source, output, earlier.value());
    }
    return std::nullopt;
}

void RunOutputGuard::recordOutput(const QString &source, const QString &output)
{
    for (const QString &key : outputKeys(output))
        m_outputs.insert(key, source);
}

} // namespace vantrelle
