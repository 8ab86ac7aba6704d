// The run core without a window: a request over an in-memory list of paths,
// the recording server, and an observer that keeps what it is told.
#include "run/runcore.h"
#include "tests/support/files.h"
#include "tests/support/qtprinters.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace vantrelle;

namespace {

struct Observed : RunObserver {
    QStringList seen;
    int stopBefore = -1; // document index at which to ask for a stop
    int started = 0;
    void progressValue(int v) override { seen << QString::number(v); }
    void progressText(const QString &t) override { seen << t; }
    bool stopRequested() override { return started == stopBefore; }
    QList<DocumentResult> documents;
    void documentFinished(int, const DocumentResult &d) override
    {
        ++started;
        documents << d;
    }
};

struct RunCore : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::ServerLog log;
    automation::Registry registry;
    QTemporaryDir dir;
    RunRequest request;

    void SetUp() override
    {
        registry.Register(automation::kPublisherProgId,
                          std::make_shared<test::RecordingServer>(log));
        request.findText = "a";
        request.replaceText = "b";
        request.useFolder = false;
    }
    QString add(const QString &name)
    {
        const QString p = dir.filePath(name);
        test::writeFile(p);
        request.documents << p;
        return p;
    }
};

} // namespace

TEST_F(RunCore, EveryOutcomeInListOrder)
{
    add("found.pub");
    add("none.pub");
    add("bad.pub");
    log.counts = {{2, 0, {}, {}}, {0, 0, {}, {}}};
    // The third Open fails: one report, no output, the run goes on.
    int opens = 0;
    log.onCall = [&](const QString &call) {
        if (call.startsWith("Open(") && ++opens == 3)
            log.failing = {"Open"};
    };
    Observed observer;
    const RunReport report = runDocuments(request, dialogs, registry, observer);

    ASSERT_EQ(observer.documents.size(), 3);
    EXPECT_EQ(observer.documents[0].outcome, Outcome::Written);
    EXPECT_EQ(observer.documents[0].replaced(), 2);
    EXPECT_EQ(observer.documents[0].output, dir.filePath("found_replaced.pub"));
    EXPECT_EQ(observer.documents[1].outcome, Outcome::NothingFound);
    EXPECT_EQ(observer.documents[2].outcome, Outcome::Failed);
    EXPECT_EQ(observer.documents[2].output, QString());
    EXPECT_EQ(observer.documents[2].errors.size(), 1);
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(report.summary(), "3 documents: 1 written, 1 with nothing to replace, 1 failed; "
                                "2 replacements");
    EXPECT_EQ(observer.seen,
              (QStringList{"33", "Processing: found.pub", "66", "Processing: none.pub", "100",
                           "Processing: bad.pub", "0", ""}));
}

TEST_F(RunCore, SkippedOutputsAndAStopLeaveTheRestNotReached)
{
    QDir(dir.path()).mkdir("x");
    QDir(dir.path()).mkdir("out");
    add("a.pub");
    add("x/a.pub"); // same output as the first: skipped with a notice
    add("c.pub");
    add("d.pub");
    request.useFolder = true;
    request.folder = dir.filePath("out");
    Observed observer;
    observer.stopBefore = 3;
    const RunReport report = runDocuments(request, dialogs, registry, observer);

    QStringList outcomes;
    for (const DocumentResult &d : observer.documents)
        outcomes << outcomeText(d.outcome, false);
    EXPECT_EQ(outcomes,
              (QStringList{"nothing to replace", "skipped", "nothing to replace", "not reached"}));
    EXPECT_TRUE(observer.documents[1].errors[0].contains(dir.filePath("a.pub")));
    EXPECT_EQ(dialogs.count("notice"), 1);
    EXPECT_EQ(log.calls.filter("SaveAs(").size(), 2);
}

#ifndef Q_OS_WIN // a hard link is made another way there
// What the plan could not foresee: the name of the second result becomes the
// first result's file while the run goes on. Asked again right before the
// save, the second is not written over it.
TEST_F(RunCore, NoResultIsSavedOverOneTheRunWrote)
{
    QDir(dir.path()).mkdir("out");
    add("a.pub");
    add("b.pub");
    request.useFolder = true;
    request.folder = dir.filePath("out");
    const QByteArray a = QFile::encodeName(dir.filePath("out/a.pub"));
    log.onCall = [&](const QString &call) {
        if (call.startsWith("SaveAs(") && call.contains("a.pub")) {
            test::writeFile(QFile::decodeName(a));
            ::link(a.constData(), QFile::encodeName(dir.filePath("out/b.pub")).constData());
        }
    };
    Observed observer;
    runDocuments(request, dialogs, registry, observer);

    ASSERT_EQ(observer.documents.size(), 2);
    EXPECT_EQ(observer.documents[0].outcome, Outcome::NothingFound);
    EXPECT_EQ(observer.documents[1].outcome, Outcome::Skipped);
    EXPECT_TRUE(observer.documents[1].errors.join("").contains("written in this run"));
    EXPECT_EQ(log.calls.filter("SaveAs(").size(), 1);
}
#endif

TEST_F(RunCore, APreviewNeverDeletesOrSaves)
{
    const QString source = add("a.pub");
    test::writeFile(dir.filePath("a_replaced.pub"), "earlier result");
    request.preview = true;
    log.counts = {{5, 1, "why", {}}};
    Observed observer;
    const RunReport report = runDocuments(request, dialogs, registry, observer);
    EXPECT_EQ(test::readFile(dir.filePath("a_replaced.pub")), "earlier result");
    EXPECT_TRUE(log.calls.filter("SaveAs(").isEmpty());
    EXPECT_EQ(observer.documents[0].outcome, Outcome::Written);
    EXPECT_EQ(observer.documents[0].pairs[0].leftReason, "why");
    EXPECT_EQ(report.summary(), "1 document: 1 would be written; 5 replacements would be made");
}

// What a report may promise: a failed document adds nothing to the totals, a
// server that cannot count says so, Count fails where the run would.
TEST_F(RunCore, TotalsCountOnlyWhatIsOrWouldBeWritten)
{
    struct Case {
        const char *name;
        bool counting;
        bool executeResult;
        bool saveFails;
        bool preview;
        bool folderIsTaken; // a folder has the result's name
        const char *outcome;
        const char *summary;
    } cases[] = {
        {"save fails", true, true, true, false, false, "failed",
         "1 document: 1 failed; 0 replacements"},
        {"count where a folder has the name", true, true, false, true, true, "would fail",
         "1 document: 1 would fail; 0 replacements would be made"},
        // No error box: the user's folder, not the program, is at fault.
        {"run where a folder has the name", true, true, false, false, true, "failed",
         "1 document: 1 failed; 0 replacements"},
        {"no counts, found", false, true, false, false, false, "written",
         "1 document: 1 written; 0 replacements (and the counts of 1 document not known)"},
        {"no counts, nothing found", false, false, false, false, false, "nothing to replace",
         "1 document: 1 with nothing to replace; 0 replacements"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        request.documents = {folder.filePath("a.pub")};
        test::writeFile(request.documents[0]);
        if (c.folderIsTaken)
            QDir(folder.path()).mkdir("a_replaced.pub");
        request.preview = c.preview;
        log = {};
        log.counting = c.counting;
        log.executeResult = c.executeResult;
        log.counts = {{3, 0, {}, {}}};
        if (c.saveFails)
            log.failing = {"SaveAs"};
        Observed observer;
        const RunReport report = runDocuments(request, dialogs, registry, observer);
        EXPECT_EQ(outcomeText(observer.documents[0].outcome, c.preview), c.outcome);
        EXPECT_EQ(report.summary(), c.summary);
        EXPECT_EQ(observer.documents[0].errors.join("").contains("a folder has that name"),
                  c.folderIsTaken);
        EXPECT_EQ(dialogs.count("error"), c.saveFails ? 1 : 0);
        dialogs.shown.clear();
        // Counted all the same, for the row's "not written".
        EXPECT_EQ(observer.documents[0].pairs[0].replaced, c.counting ? 3 : 0);
        EXPECT_EQ(log.calls.filter("SaveAs(").isEmpty(), c.preview || c.folderIsTaken);
    }
}
