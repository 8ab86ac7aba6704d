#pragma once
// Apache POI's publisher module as an independent reader: PubReader.java run
// with the system's Java in single-file mode. Its output is one "key=value"
// line per item: title, subject, author, keywords, comments, category,
// manager, company, "custom=NAME=VALUE" for each of the user's own
// properties, then "paragraph=" for every paragraph of the text and
// "link=" for every link address, in the file's order.
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantrelle::test {

// Empty when POI can be run; otherwise what to install.
inline QString poiMissing()
{
    static const QStringList jars{"poi", "poi-scratchpad", "commons-collections4", "commons-math3",
                                  "commons-codec"};
    if (QStandardPaths::findExecutable(QStringLiteral("java")).isEmpty())
        return QStringLiteral("Java is not installed (default-jre-headless)");
    for (const QString &j : jars) {
        if (!QFileInfo::exists(QStringLiteral("/usr/share/java/%1.jar").arg(j)))
            return QStringLiteral("Apache POI is not installed (libapache-poi-java)");
    }
    return {};
}

// POI's reading of the publication, or nullopt when POI failed on it.
inline std::optional<QStringList> readWithPoi(const QString &publication)
{
    QStringList classPath;
    for (const char *j :
         {"poi", "poi-scratchpad", "commons-collections4", "commons-math3", "commons-codec"})
        classPath << QStringLiteral("/usr/share/java/%1.jar").arg(QLatin1String(j));
    QProcess java;
    java.start(QStringLiteral("java"),
               {QStringLiteral("-cp"), classPath.join(u':'),
                QStringLiteral(VANTRELLE_SOURCE_DIR "/tests/support/poi/PubReader.java"),
                publication});
    if (!java.waitForFinished(120000) || java.exitStatus() != QProcess::NormalExit ||
        java.exitCode() != 0)
        return std::nullopt;
    QStringList lines = QString::fromUtf8(java.readAllStandardOutput()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The values of one key, in order.
inline QStringList poiValues(const QStringList &lines, const QString &key)
{
    QStringList out;
    for (const QString &l : lines) {
        if (l.startsWith(key + u'='))
            out << l.mid(key.size() + 1);
    }
    return out;
}

} // namespace vantrelle::test
