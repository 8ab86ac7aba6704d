// vantrelle-replace --pdf and --pdf-dir, run as a program: with LibreOffice
// itself, with a stand-in that hangs or fails first on PATH, and without one.
#include "tests/support/files.h"
#include "tests/support/pdffiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/support/skip.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

const QString kCorpus = QStringLiteral(VANTRELLE_CORPUS_DIR);

struct Ran {
    int status = -1;
    QByteArray err;
};

// The tool with PATH set to path (unchanged when empty).
Ran runTool(const QStringList &args, const QString &path = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!path.isNull())
        env.insert(QStringLiteral("PATH"), path);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VANTRELLE_REPLACE_TOOL), args);
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

QJsonArray reportRows(const QString &path)
{
    return QJsonDocument::fromJson(test::readFile(path))
        .object()[QStringLiteral("documents")]
        .toArray();
}

struct PdfCli : ::testing::Test {
    QTemporaryDir dir;

    void SetUp() override
    {
        if (!QFile::exists(kCorpus + "/Sample.pub"))
            VANTRELLE_SKIP("corpus not found at " VANTRELLE_CORPUS_DIR);
        QDir(dir.path()).mkpath(QStringLiteral("in"));
        QDir(dir.path()).mkpath(QStringLiteral("out"));
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void copy(const char *corpusName, const QString &to)
    {
        ASSERT_TRUE(QFile::copy(kCorpus + "/" + corpusName, path(to)));
        QFile(path(to)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
};

} // namespace

TEST_F(PdfCli, everyResultGetsAPdfShowingTheReplacement)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP("LibreOffice is not installed");
    copy("Sample.pub", "in/Sample.pub");
    copy("Sample3.pub", "in/Sample3.pub");
    copy("Simple.pub", "in/Simple.pub");
    QDir(dir.path()).mkpath(QStringLiteral("pdfs"));
    const Ran ran =
        runTool({"--pair", "first page", "opening leaf", "--out-dir", path("out"), "--pdf-dir",
                 path("pdfs"), "-j", "2", "--report", path("report.json"), path("in")});
    ASSERT_EQ(ran.status, 0) << ran.err.constData();
    const QJsonArray rows = reportRows(path("report.json"));
    ASSERT_EQ(rows.size(), 3);
    for (const QJsonValue &row : rows) {
        const QJsonObject pdf = row[QStringLiteral("pdf")].toObject();
        const QString name = QFileInfo(row[QStringLiteral("source")].toString()).completeBaseName();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(pdf[QStringLiteral("outcome")].toString(), QStringLiteral("written"));
        EXPECT_EQ(pdf[QStringLiteral("path")].toString(), path("pdfs/" + name + ".pdf"));
        const test::PdfSeen seen = test::readPdf(path("pdfs/" + name + ".pdf"));
        EXPECT_EQ(seen.pages, name == QLatin1String("Simple") ? 1 : 2);
        if (name != QLatin1String("Simple")) {
            EXPECT_TRUE(seen.text.contains(QStringLiteral("opening leaf")));
            EXPECT_FALSE(seen.text.contains(QStringLiteral("first page")));
        }
    }
}

TEST_F(PdfCli, aHungOrFailingConversionIsReportedAndTheOthersStillGetTheirPdf)
{
    for (const char *name : {"a", "hang", "b", "crash", "c"})
        copy("Sample.pub", QStringLiteral("in/%1.pub").arg(name));
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    ASSERT_TRUE(
        QFile::link(QStringLiteral(VANTRELLE_SOURCE_DIR "/tests/support/soffice-standin.sh"),
                    path("bin/soffice")));
    const Ran ran =
        runTool({"--pair", "first", "1st", "--out-dir", path("out"), "--pdf", "--pdf-timeout", "2",
                 "-j", "2", "--report", path("report.json"), path("in")},
                path("bin") + QStringLiteral(":/usr/bin:/bin"));
    EXPECT_EQ(ran.status, 1);
    EXPECT_TRUE(ran.err.contains("hang.pub: PDF failed: LibreOffice did not finish within 2"))
        << ran.err.constData();
    EXPECT_TRUE(ran.err.contains("crash.pub: PDF failed: LibreOffice ended with exit code 3"));
    for (const QJsonValue &row : reportRows(path("report.json"))) {
        const QString name = QFileInfo(row[QStringLiteral("source")].toString()).completeBaseName();
        const bool fails = name == QLatin1String("hang") || name == QLatin1String("crash");
        EXPECT_EQ(row[QStringLiteral("outcome")].toString(), QStringLiteral("written"));
        EXPECT_EQ(row[QStringLiteral("pdf")][QStringLiteral("outcome")].toString(),
                  fails ? QStringLiteral("failed") : QStringLiteral("written"))
            << name.toStdString();
        EXPECT_EQ(QFile::exists(path("out/" + name + ".pdf")), !fails) << name.toStdString();
    }
}

TEST_F(PdfCli, withoutLibreOfficeNothingRunsAndTheToolSaysWhatToInstall)
{
    copy("Sample.pub", "in/Sample.pub");
    QDir(dir.path()).mkpath(QStringLiteral("empty"));
    const Ran ran = runTool(
        {"--pair", "first", "1st", "--out-dir", path("out"), "--pdf", path("in")}, path("empty"));
    EXPECT_EQ(ran.status, 2);
    EXPECT_TRUE(ran.err.contains("install the package libreoffice-draw")) << ran.err.constData();
    EXPECT_TRUE(QDir(path("out")).isEmpty());
}

TEST_F(PdfCli, aPublisher97ResultIsDrawnWithItsReplacementAndListsItsChanges)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    if (!QFile::exists(kCorpus + "/pub97/essai97.pub"))
        GTEST_SKIP() << "Publisher 95 and 97 corpus not found at " << VANTRELLE_CORPUS_DIR;
    copy("pub97/essai97.pub", "in/essai97.pub");
    QDir(dir.path()).mkpath(QStringLiteral("pdfs"));
    const QStringList pair{"--pair", "texte 2", "chapter two", "--pair", "verytight", "vt"};
    const Ran dry = runTool(pair + QStringList{"--dry-run", "--out-dir", path("out"), "--report",
                                               path("dry.json"), path("in")});
    ASSERT_EQ(dry.status, 0) << dry.err.constData();
    const QJsonArray changes = reportRows(path("dry.json"))[0][QStringLiteral("changes")].toArray();
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[1][QStringLiteral("before")][QStringLiteral("text")].toString(), "verytight");
    EXPECT_EQ(changes[1][QStringLiteral("before")][QStringLiteral("trail")].toString(), "loose");
    EXPECT_EQ(changes[1][QStringLiteral("after")][QStringLiteral("text")].toString(), "vt");

    const Ran ran = runTool(pair + QStringList{"--out-dir", path("out"), "--pdf-dir",
                                               path("pdfs"), path("in")});
    ASSERT_EQ(ran.status, 0) << ran.err.constData();
    const test::PdfSeen seen = test::readPdf(path("pdfs/essai97.pdf"));
    EXPECT_EQ(seen.pages, 5); // as LibreOffice draws the source
    EXPECT_TRUE(seen.text.contains(QStringLiteral("chapter two"))) << seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(QStringLiteral("vtloose")));
    EXPECT_FALSE(seen.text.contains(QStringLiteral("texte 2")));
}
