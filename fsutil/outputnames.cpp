#include "fsutil/outputnames.h"

#include "fsutil/fileid.h"
#include "fsutil/paths.h"

#include <QDir>
#include <QFileInfo>

namespace vantrelle {

namespace {

const QString kReplacedSuffix = QStringLiteral("_replaced");

} // namespace

QString JoinOutput(const QString &folder, const QString &source, QChar sep)
{
    return folder + sep + GetFileNameOfPath(source, sep);
}

bool OutputIsSource(const QString &source, const QString &output, QChar sep)
{
    if (CollapseBackslashes(source, sep) == output)
        return true;
    if (sep != kSeparator ||
        GetFileNameOfPath(source, sep).compare(GetFileNameOfPath(output, sep), kNameCase) != 0)
        return false;
    // Two folders are one spelling of a place only if they are one folder;
    // asking that first spares the real-path lookup for every result written
    // elsewhere.
    const QString sourceFolder = GetFolderOfPath(source, sep);
    const QString outputFolder = GetFolderOfPath(output, sep);
    if (!SameFile(sourceFolder, outputFolder))
        return false;
    return QFileInfo(sourceFolder)
               .canonicalFilePath()
               .compare(QFileInfo(outputFolder).canonicalFilePath(), kNameCase) == 0;
}

QString ReplacedOutputName(const QString &output, const QString &source, QChar sep)
{
    if (!GetFileNameOfPath(output, sep).contains(QLatin1Char('.')))
        return output + kReplacedSuffix;
    return StripExtension(output) + kReplacedSuffix + QLatin1Char('.') + GetExtensionOfPath(source);
}

QString OutputPathFor(const QString &source, bool useFolder, const QString &folderText, QChar sep)
{
    const QString folder = useFolder ? folderText : GetFolderOfPath(source, sep);
    QString output = CollapseBackslashes(JoinOutput(folder, source, sep), sep);
    if (OutputIsSource(source, output, sep))
        output = ReplacedOutputName(output, source, sep);
    return output;
}

QString SourceNameOfResult(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    if (!base.endsWith(kReplacedSuffix, kNameCase) || base.size() == kReplacedSuffix.size())
        return {};
    return info.dir().filePath(base.chopped(kReplacedSuffix.size()) +
                               (dot > 0 ? name.mid(dot) : QString()));
}

QString pdfPathFor(const QString &result, const QString &folder)
{
    const QFileInfo info(result);
    const QString dir = folder.isEmpty() ? info.absolutePath() : folder;
    return QDir(dir).filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

QString ResultNames::key(const QString &path) const
{
    const QFileInfo info(path);
    const QString folderText = info.absolutePath();
    Folder folder;
    {
        const std::lock_guard lock(m_mutex);
        if (const auto known = m_folders.constFind(folderText); known != m_folders.constEnd()) {
            folder = known.value();
        } else {
            folder.real = QFileInfo(folderText).canonicalFilePath();
            if (folder.real.isEmpty())
                folder.real = QDir::cleanPath(folderText);
            folder.folds = FolderIgnoresCase(folder.real);
            m_folders.insert(folderText, folder);
        }
    }
    const QString whole = folder.real + QLatin1Char('/') + info.fileName();
    // Where the folder ignores letter case, so may the folders above it as
    // spelled (a mount point typed in other letters): all of it is folded.
    return folder.folds ? whole.toCaseFolded() : whole;
}

} // namespace vantrelle
