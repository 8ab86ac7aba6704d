// PDFs of many results: the stand-in converter's ways of going wrong, each
// reported for its document while the others still get their PDF.
#include "fsutil/outputnames.h"
#include "render/pdfexport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/support/files.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

const QString kStandIn = QStringLiteral(VANTRELLE_SOURCE_DIR "/tests/support/soffice-standin.sh");

struct Export {
    QTemporaryDir dir;
    QTemporaryDir work;
    QList<PdfJob> jobs;

    explicit Export(const QStringList &names)
    {
        for (const QString &name : names) {
            const QString source = dir.filePath(name + QStringLiteral(".pub"));
            test::writeFile(source);
            jobs << PdfJob{source, pdfPathFor(source)};
        }
    }
    void setUp(PdfExport &e) const
    {
        e.setProgram(kStandIn);
        e.setWorkFolder(work.path());
        e.setTimeout(std::chrono::seconds(2));
    }
};

} // namespace

TEST(PdfExport, eachFailureIsReportedForItsDocumentAndTheOthersGetTheirPdf)
{
    const QStringList names = {"a",     "unreadable", "b", "hang",       "c",
                               "crash", "d",          "e", "crash again"};
    struct Want {
        PdfState state;
        const char *says;
    };
    const QList<Want> want = {
        {PdfState::Written, ""},
        {PdfState::Failed, "It said: Error: source file could not be loaded"},
        {PdfState::Written, ""},
        {PdfState::Failed, "did not finish within 2 seconds"},
        {PdfState::Written, ""},
        {PdfState::Failed, "exit code 3"},
        {PdfState::Written, ""},
        {PdfState::Written, ""},
        {PdfState::Failed, "exit code 3"},
    };
    for (const int jobs : {1, 2, 3}) {
        SCOPED_TRACE(jobs);
        Export x(names);
        PdfExport e;
        x.setUp(e);
        e.setJobs(jobs);
        const QList<PdfResult> results = e.run(x.jobs);
        ASSERT_EQ(results.size(), names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(names[i].toStdString());
            EXPECT_EQ(results[i].state, want[i].state) << results[i].message.toStdString();
            EXPECT_TRUE(results[i].message.contains(QString::fromUtf8(want[i].says)))
                << results[i].message.toStdString();
            const QByteArray pdf = test::readFile(x.jobs[i].pdf);
            EXPECT_EQ(pdf.endsWith("%%EOF\n"), want[i].state == PdfState::Written);
        }
        EXPECT_EQ(e.doneCount(), names.size());
        EXPECT_TRUE(QDir(x.work.path()).isEmpty());
    }
}

TEST(PdfExport, aStopKeepsWhatIsWrittenAndLeavesNothingHalfDone)
{
    Export x({"a", "hang", "b"});
    PdfExport e;
    x.setUp(e);
    e.setTimeout(std::chrono::minutes(1));
    QObject::connect(&e, &PdfExport::converting, &e, [&](int index) {
        if (index == 1)
            QTimer::singleShot(200, &e, [&] { e.stop(); });
    });
    const QList<PdfResult> results = e.run(x.jobs);
    EXPECT_EQ(results[0].state, PdfState::Written);
    EXPECT_EQ(results[1].state, PdfState::NotReached);
    EXPECT_EQ(results[2].state, PdfState::NotReached);
    EXPECT_FALSE(QFileInfo::exists(x.jobs[1].pdf));
    EXPECT_FALSE(QFileInfo::exists(x.jobs[2].pdf));
    EXPECT_TRUE(QDir(x.work.path()).isEmpty());
}

TEST(PdfExport, withoutLibreOfficeEveryDocumentSaysWhatToInstall)
{
    Export x({"a", "b"});
    PdfExport e;
    x.setUp(e);
    e.setProgram(x.dir.filePath(QStringLiteral("no-soffice")));
    EXPECT_FALSE(pdfExportMissingHint(x.dir.filePath(QStringLiteral("no-soffice"))).isEmpty());
    for (const PdfResult &r : e.run(x.jobs)) {
        EXPECT_EQ(r.state, PdfState::Failed);
        EXPECT_TRUE(r.message.contains(QStringLiteral("install the package libreoffice-draw")));
    }
}
