#include "outputpath.h"

#include "fsutil/paths.h"

#include <QDir>
#include <QFileInfo>

namespace vantrelle {

namespace {

// An identity for a path: the canonical path of an existing file (links
// resolved), or the canonical folder and the name of a file not written yet,
// so that a result keeps its identity once it exists.
QString fileKey(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    if (!folder.isEmpty())
        return folder + QLatin1Char('/') + info.fileName();
    return QDir::cleanPath(info.absoluteFilePath());
}

} // namespace

QString JoinOutput(const QString &folder, const QString &source, QChar sep)
{
    return folder + sep + GetFileNameOfPath(source, sep);
}

bool NamesSameFile(const QString &a, const QString &b)
{
    return fileKey(a) == fileKey(b);
}

bool OutputIsSource(const QString &source, const QString &output, QChar sep)
{
    if (CollapseBackslashes(source, sep) == output)
        return true;
    return sep == kSeparator && NamesSameFile(source, output);
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

RunOutputGuard::RunOutputGuard(const QStringList &documents) : m_documents(documents)
{
    for (const QString &d : documents)
        m_documentKeys.insert(fileKey(d));
}

std::optional<QString> RunOutputGuard::refusal(const QString &source, const QString &output) const
{
    const QString key = fileKey(output);
    if (m_documentKeys.contains(key)) {
        QString document = output;
        for (const QString &d : m_documents)
            if (fileKey(d) == key)
                document = d;
        return QStringLiteral("The result of %1 would replace %2, which is a document in the "
                              "list. %1 was not processed.")
            .arg(source, document);
    }
    const auto earlier = m_outputs.constFind(key);
    if (earlier != m_outputs.constEnd())
        return QStringLiteral("The result of %1 would replace %2, the result of %3 written in "
                              "this run. %1 was not processed.")
            .arg(source, output, earlier.value());
    return std::nullopt;
}

void RunOutputGuard::recordOutput(const QString &source, const QString &output)
{
    m_outputs.insert(fileKey(output), source);
}

} // namespace vantrelle
