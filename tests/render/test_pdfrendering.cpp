// Pages drawn by LibreOffice: a real one when installed, stand-ins for the
// ways it goes wrong (missing, hanging, failing, stopped).
#include "pubengine/publication.h"
#include "render/pdfrendering.h"
#include "samples/samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "tests/support/files.h"

#include "tests/support/corpus.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

struct Drawn {
    bool ok = false;
    QByteArray pdf;
    QString message;
};

Drawn draw(PdfRendering &r, const QString &publication, int waitMs = 120000,
           const std::function<void()> &meanwhile = {})
{
    QSignalSpy spy(&r, &PdfRendering::finished);
    r.start(publication);
    if (meanwhile)
        meanwhile();
    if (spy.isEmpty() && !spy.wait(waitMs))
        return {false, {}, QStringLiteral("no finished() signal")};
    EXPECT_EQ(spy.size(), 1);
    const QList<QVariant> args = spy.takeFirst();
    return {args[0].toBool(), args[1].toByteArray(), args[2].toString()};
}

int pageCount(const QByteArray &pdf)
{
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument doc;
    doc.load(&buffer);
    return doc.status() == QPdfDocument::Status::Ready ? doc.pageCount() : -1;
}

// Alive means running or sleeping: a killed process waiting to be reaped is gone.
bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.mid(close + 2, 1) != "Z" && line.mid(close + 2, 1) != "X";
}

QString standIn(const QString &folder, const QByteArray &body)
{
    const QString path = folder + QStringLiteral("/soffice");
    test::writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(PdfRendering, aPublicationBeforeAndAfterAReplacementHasTheSamePages)
{
    VANTRELLE_REQUIRE_CORPUS();
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP(std::string("LibreOffice is not installed (package ") + kLibreOfficePackage + ")");
    QTemporaryDir dir;
    const QString source = QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample2.pub");
    const QString output = dir.filePath(QStringLiteral("Sample2 “after”.pub"));
    auto pub = pubengine::Publication::open(source);
    ASSERT_GT(
        pub.replaceAll(QStringLiteral("the"), QStringLiteral("THE, IN CAPITALS,"), false).replaced,
        0u);
    pub.saveAs(output);

    QTemporaryDir work;
    PdfRendering r;
    r.setWorkFolder(work.path());
    const Drawn before = draw(r, source);
    const Drawn after = draw(r, output);
    ASSERT_TRUE(before.ok) << before.message.toStdString();
    ASSERT_TRUE(after.ok) << after.message.toStdString();
    EXPECT_GT(pageCount(before.pdf), 0);
    EXPECT_EQ(pageCount(before.pdf), pageCount(after.pdf));
    EXPECT_TRUE(QDir(work.path()).isEmpty());
    // Nothing lands beside the user's file (LibreOffice's lock file).
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Each sample is drawn page for page, no page blank, before and after the
// replacement a new user tries first.
TEST(PdfRendering, everySampleIsDrawnWithItsPagesBeforeAndAfterAReplacement)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP(std::string("LibreOffice is not installed (package ") + kLibreOfficePackage + ")");
    QTemporaryDir dir;
    PdfRendering r;
    for (const samples::Sample &s : samples::all()) {
        SCOPED_TRACE(s.fileName.toStdString());
        const QString source = QStringLiteral(VANTRELLE_SAMPLES_DIR "/") + s.fileName;
        auto pub = pubengine::Publication::open(source);
        ASSERT_GT(pub.replaceAll(QStringLiteral("2026"), QStringLiteral("2027"), true).replaced,
                  0u);
        pub.saveAs(dir.filePath(s.fileName));
        for (const QString &path : {source, dir.filePath(s.fileName)}) {
            const Drawn d = draw(r, path);
            ASSERT_TRUE(d.ok) << d.message.toStdString();
            QBuffer buffer;
            buffer.setData(d.pdf);
            buffer.open(QIODevice::ReadOnly);
            QPdfDocument doc;
            doc.load(&buffer);
            ASSERT_EQ(doc.pageCount(), int(s.document.pages.size()));
            for (int page = 0; page < doc.pageCount(); ++page) {
                const QImage image = doc.render(page, QSize(200, 283));
                int inked = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        inked += qGray(image.pixel(x, y)) < 160;
                EXPECT_GT(inked, 50) << "page " << page << " of " << path.toStdString();
            }
        }
    }
}

TEST(PdfRendering, everyWayItFailsSaysWhyAndLeavesNothing)
{
    enum class Then { Wait, Stop };
    struct Case {
        const char *name;
        QByteArray script; // empty: no program at all
        Then then;
        const char *says;
    } cases[] = {
        {"missing", {}, Then::Wait, "install the package libreoffice-draw"},
        {"hanging",
         "echo $$ > \"$(dirname \"$0\")/pids\"; sleep 300 & echo $! >> \"$(dirname \"$0\")/pids\"; "
         "wait\n",
         Then::Wait, "did not finish drawing “Letterhead.pub” within 3 seconds"},
        {"stopped",
         "echo $$ > \"$(dirname \"$0\")/pids\"; sleep 300 & echo $! >> \"$(dirname \"$0\")/pids\"; "
         "wait\n",
         Then::Stop, "was stopped"},
        {"failing", "echo 'Error: source file could not be loaded' >&2; exit 1\n", Then::Wait,
         "could not draw “Letterhead.pub” (exit code 1). It said: Error: source file could not be "
         "loaded"},
        {"no pdf", "exit 0\n", Then::Wait, "could not draw “Letterhead.pub”"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir bin;
        QTemporaryDir work;
        PdfRendering r;
        r.setProgram(c.script.isEmpty() ? bin.filePath(QStringLiteral("soffice"))
                                        : standIn(bin.path(), c.script));
        r.setWorkFolder(work.path());
        r.setTimeout(std::chrono::seconds(3));
        EXPECT_EQ(r.missingHint().isEmpty(), !c.script.isEmpty());
        const QString pids = bin.filePath(QStringLiteral("pids"));
        const Drawn d =
            draw(r, QStringLiteral(VANTRELLE_SAMPLES_DIR "/Letterhead.pub"), 20000, [&] {
                if (c.then != Then::Stop)
                    return;
                for (int i = 0; i < 100 && test::readFile(pids).count('\n') < 2; ++i)
                    QTest::qWait(100);
                r.stop();
            });
        EXPECT_FALSE(d.ok);
        EXPECT_TRUE(d.pdf.isEmpty());
        EXPECT_TRUE(d.message.contains(QString::fromUtf8(c.says))) << d.message.toStdString();
        EXPECT_FALSE(r.isRunning());
        EXPECT_TRUE(QDir(work.path()).isEmpty());
        const QList<QByteArray> started = test::readFile(pids).split('\n');
        EXPECT_EQ(started.size(), c.script.contains("sleep") ? 3 : 1);
        for (const QByteArray &pid : started) {
            if (pid.isEmpty())
                continue;
            // A killed process takes a moment to go on a busy machine.
            for (int i = 0; i < 50 && alive(pid.toLongLong()); ++i)
                QTest::qWait(100);
            EXPECT_FALSE(alive(pid.toLongLong())) << pid.constData();
        }
    }
}

// The private profile is marked so LibreOffice skips the self-test it would
// otherwise run at every headless start; a copied profile keeps its settings.
TEST(PdfRendering, aPreparedProfileKeepsItsSettingsAndStartsWithoutTheSelfTest)
{
    QTemporaryDir dir;
    const QString copied = dir.filePath(QStringLiteral("copied"));
    QDir().mkpath(copied + QStringLiteral("/user"));
    test::writeFile(copied + QStringLiteral("/user/registrymodifications.xcu"),
                    "<?xml version=\"1.0\"?>\n<oor:items>\n<item oor:path=\"/kept\"/>\n</oor:items>\n");
    for (const QString &profile : {dir.filePath(QStringLiteral("new")), copied}) {
        SCOPED_TRACE(profile.toStdString());
        ASSERT_TRUE(prepareLibreOfficeProfile(profile));
        ASSERT_TRUE(prepareLibreOfficeProfile(profile)); // once is enough
        const QByteArray text =
            test::readFile(profile + QStringLiteral("/user/registrymodifications.xcu"));
        EXPECT_EQ(text.count("ooSetupLastVersion"), 1);
        EXPECT_TRUE(text.trimmed().endsWith("</oor:items>"));
        EXPECT_EQ(text.contains("/kept"), profile == copied);
    }

    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP(std::string("LibreOffice is not installed (package ") + kLibreOfficePackage + ")");
    const QString profile = dir.filePath(QStringLiteral("new"));
    samples::writeAll(dir.path());
    QProcess lo;
    lo.start(QStringLiteral("soffice"),
             {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
              QStringLiteral("--headless"), QStringLiteral("--norestore"),
              QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
              dir.path(), dir.filePath(samples::all().front().fileName)});
    ASSERT_TRUE(lo.waitForFinished(120000));
    EXPECT_FALSE(QDir(dir.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    EXPECT_FALSE(QFile::exists(profile + QStringLiteral("/user/GraphicsRenderTests.log")));
}
