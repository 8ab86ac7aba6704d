#include "apptitle.h"

#include <QCoreApplication>

namespace vantrelle {

namespace {
QString &titleStorage()
{
    static QString title = QString::fromLatin1(kProductName);
    return title;
}
} // namespace

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

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace vantrelle
