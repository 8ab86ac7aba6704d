#include "apptitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vantrelle {

namespace {
QString &titleStorage()
{
    static QString title = QString::fromLatin1(kProductName);
    return title;
}

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString productVersion()
{
    return QStringLiteral(VANTRELLE_VERSION);
}

QString applicationTitle()
{
    return titleStorage();
}

void setApplicationTitle(const QString &title)
{
    titleStorage() = title;
}

QString shortenedTitle(const QString &productName)
{
    QString text = productName;
    if (!text.contains(QLatin1Char(' ')))
        return text;
    do {
        const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        text.truncate(blank);
    } while (text.size() > 40);
    return text;
}

QString programFolderFor(const QString &executableFolder)
{
#ifdef VANTRELLE_DATA_FROM_BINDIR
    const QString installed = executableFolder + QStringLiteral("/" VANTRELLE_DATA_FROM_BINDIR);
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
#endif
    return executableFolder;
}

QString programFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return programFolderFor(QCoreApplication::applicationDirPath());
}

void setProgramFolderForTesting(const QString &folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    programFolderOverride() = f;
}

} // namespace vantrelle
