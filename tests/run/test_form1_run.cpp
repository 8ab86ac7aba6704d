// "Start Replacing" driven on a real window (offscreen) with the dialogs and
// automation doubles, and end to end with the native engine on real files.
#include "app/form1.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/support/files.h"

#include "tests/support/skip.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

const QString kDone = QStringLiteral("Done.");
const QString kNoFiles = QStringLiteral("No files added.");

struct RunFixture : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    test::ServerLog log;
    automation::Registry registry;
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        registry.Register(automation::kPublisherProgId,
                          std::make_shared<test::RecordingServer>(log));
        form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        form->Text3->setText(dir.path() + "/");
        form->Option1->setChecked(true);
        form->Text1->setPlainText("x");
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList saved() const
    {
        QStringList out;
        for (const QString &c : log.calls)
            if (c.startsWith("SaveAs("))
                out << c.mid(7, c.indexOf(',') - 7);
        return out;
    }
};

} // namespace

TEST_F(RunFixture, FolderCheckComesBeforeTheListCheck)
{
    // The notice names the folder: a default folder can be missing too.
    const QString kNoFolder = QStringLiteral("The folder “%1” does not exist. Please select "
                                             "another folder.")
                                  .arg(path("missing/"));
    form->Text3->setText(path("missing/"));
    form->PushButton7_Click();
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kNoFolder});

    form->Text3->setText(dir.path());
    form->PushButton7_Click();
    EXPECT_EQ(dialogs.texts("notice"), (QStringList{kNoFolder, kNoFiles}));

    // With each source's own folder the folder box is not looked at.
    form->Text3->setText(path("missing/"));
    form->Option2->setChecked(true);
    form->PushButton7_Click();
    EXPECT_EQ(dialogs.texts("notice").last(), kNoFiles);
    EXPECT_FALSE(form->runInProgress());
}

TEST_F(RunFixture, ProgressNamesEachDocumentAndEndsAtRest)
{
    QDir(dir.path()).mkdir("in");
    QDir(dir.path()).mkdir("out");
    for (const char *name : {"a.pub", "b.pub", "c.pub"}) {
        test::writeFile(path(QString("in/") + name));
        form->ListView1->append(path(QString("in/") + name));
    }
    form->Text3->setText(path("out/"));
    QStringList progress;
    log.onCall = [&](const QString &call) {
        if (call.startsWith("Open("))
            progress << QString::number(form->ProgressBar1->value()) + " " +
                            form->ProgressBar1->text() + " " +
                            QString::number(form->MousePointer().code());
    };
    form->Text1->setPlainText("find");
    form->Text2->setPlainText("repl");
    form->PushButton7_Click();
    EXPECT_EQ(progress, (QStringList{"33 Processing: a.pub 11", "66 Processing: b.pub 11",
                                     "100 Processing: c.pub 11"}));
    EXPECT_EQ(saved(), (QStringList{path("out/a.pub"), path("out/b.pub"), path("out/c.pub")}));
    EXPECT_TRUE(log.calls.contains("FindText(find)"));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->ProgressBar1->text(), "");
    EXPECT_EQ(form->MousePointer().code(), 0);
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kDone});
}

TEST_F(RunFixture, OneDocumentIsAtOnceAHundredPercent)
{
    test::writeFile(path("a.pub"));
    form->ListView1->append(path("a.pub"));
    form->Option2->setChecked(true);
    int value = -1;
    log.onCall = [&](const QString &call) {
        if (call.startsWith("Open("))
            value = form->ProgressBar1->value();
    };
    form->PushButton7_Click();
    EXPECT_EQ(value, 100);
}

TEST_F(RunFixture, ScreeningThatRemovesEveryRowStillEndsWithDone)
{
    form->ListView1->append(path("notes.txt"));
    form->ListView1->append(path("readme"));
    dialogs.questionAnswers = {true};
    form->PushButton7_Click();
    EXPECT_EQ(form->ListView1->count(), 0);
    EXPECT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kDone});
    EXPECT_TRUE(log.calls.filter("Open(").isEmpty());
}

TEST_F(RunFixture, SetsTabSendsEveryPair)
{
    test::writeFile(path("a.pub"));
    form->ListView1->append(path("a.pub"));
    form->Option2->setChecked(true);
    form->TabControl1->setSelectedIndex(1);
    form->sets().append({{"x", "y"}, {"1", "2"}});
    form->PushButton7_Click();
    EXPECT_TRUE(log.calls.contains("FindText(x)"));
    EXPECT_TRUE(log.calls.contains("ReplaceWithText(2)"));
    EXPECT_EQ(saved(), QStringList{path("a_replaced.pub")});
}

TEST_F(RunFixture, TextsAPublicationCannotHoldStopTheRunBeforeAnythingIsOpened)
{
    test::writeFile(path("a.pub"));
    form->ListView1->append(path("a.pub"));
    form->Option2->setChecked(true);
    const struct {
        int tab;
        QString find, replace;
        const char *says;
    } cases[] = {
        {0, "a\nb", "c",
         "The text in “Find what” holds a line or paragraph break (U+000A) at "
         "character 2"},
        {0, "a", QString("x") + QChar(0xD800), "“Replace with” holds half of a character"},
        {1, "ok", QString("\x01"), "replace text of pair 2 in the sets list (“ok”)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says);
        form->TabControl1->setSelectedIndex(c.tab);
        form->Text1->setPlainText(c.find);
        form->Text2->setPlainText(c.replace);
        form->sets().clear();
        form->sets().append({{"fine", c.find}, {"well", c.replace}});
        dialogs.shown.clear();
        form->PushButton7_Click();
        ASSERT_EQ(dialogs.texts("notice").size(), 1);
        EXPECT_TRUE(dialogs.texts("notice")[0].contains(QString::fromUtf8(c.says)))
            << dialogs.texts("notice")[0].toStdString();
    }
    EXPECT_TRUE(log.calls.isEmpty());
    EXPECT_FALSE(form->runInProgress());
}

TEST_F(RunFixture, StartAndCountWaitForAFolderWalk)
{
    QDir(dir.path()).mkpath("in/sub");
    test::writeFile(path("in/sub/a.pub"));
    dialogs.inputAnswers = {"pub"};
    dialogs.folderAnswers = {path("in")};
    // Pressed while the walk lets the window's events run.
    QTimer::singleShot(0, form.get(), [&] {
        form->PushButton7_Click();
        form->ListView1_CountOccurrences();
    });
    form->PushButton6_Click();
    EXPECT_EQ(dialogs.texts("notice"), QStringList(2, QString::fromLatin1(kBusyAdding)));
    EXPECT_TRUE(log.calls.filter("Open(").isEmpty());
    EXPECT_EQ(form->ListView1->count(), 1);
    form->PushButton7_Click();
    EXPECT_EQ(log.calls.filter("Open(").size(), 1);
}

TEST_F(RunFixture, DeclinedWarningTouchesNothingAndALaterRunStarts)
{
    test::writeFile(path("a.pub"));
    test::writeFile(path("a_replaced.pub"), "stale");
    form->ListView1->append(path("a.pub"));
    log.running = true;
    dialogs.questionAnswers = {false};
    form->PushButton7_Click();
    EXPECT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.count("notice"), 0);
    EXPECT_EQ(test::readFile(path("a_replaced.pub")), "stale");
    EXPECT_TRUE(saved().isEmpty());

    dialogs.questionAnswers = {true};
    form->PushButton7_Click();
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kDone});
    // The older result is never deleted: only the save replaces it (this
    // server's saves write nothing).
    EXPECT_EQ(test::readFile(path("a_replaced.pub")), "stale");
    EXPECT_EQ(saved(), QStringList{path("a_replaced.pub")});
}

TEST_F(RunFixture, SecondPressDuringARunIsIgnored)
{
    test::writeFile(path("a.pub"));
    QDir(dir.path()).mkdir("out");
    form->ListView1->append(path("a.pub"));
    form->Text3->setText(path("out"));
    int nested = 0;
    log.onCall = [&](const QString &call) {
        if (call.startsWith("Open(")) {
            ++nested;
            form->PushButton7_Click();
        }
    };
    form->PushButton7_Click();
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kDone});
}

TEST_F(RunFixture, ClosingTheWindowStopsTheRun)
{
    QDir(dir.path()).mkdir("out");
    for (const char *name : {"a.pub", "b.pub"}) {
        test::writeFile(path(name));
        form->ListView1->append(path(name));
    }
    form->Text3->setText(path("out"));
    form->show();
    log.onCall = [&](const QString &call) {
        if (call.startsWith("Open("))
            form->close();
    };
    form->PushButton7_Click();
    EXPECT_EQ(saved(), QStringList{path("out/a.pub")});
    EXPECT_EQ(dialogs.count("notice"), 0);
    EXPECT_FALSE(form->runInProgress());
}

TEST_F(RunFixture, NeverWritesOverAListedDocumentOrAnEarlierResult)
{
    QDir(dir.path()).mkpath("x");
    QDir(dir.path()).mkpath("y");
    QDir(dir.path()).mkpath("out");
    test::writeFile(path("x/a.pub"), "x");
    test::writeFile(path("y/a.pub"), "y");
    test::writeFile(path("out/b.pub"), "listed");
    QDir(dir.path()).mkpath("z");
    test::writeFile(path("z/b.pub"), "z");
    for (const char *row : {"x/a.pub", "y/a.pub", "out/b.pub", "z/b.pub"})
        form->ListView1->append(path(row));
    form->Text3->setText(path("out/"));
    form->PushButton7_Click();

    // x/a.pub is written; y/a.pub would replace it; out/b.pub gets its own
    // _replaced name; z/b.pub would replace the listed out/b.pub.
    EXPECT_EQ(saved(), (QStringList{path("out/a.pub"), path("out/b_replaced.pub")}));
    const QStringList notices = dialogs.texts("notice");
    ASSERT_EQ(notices.size(), 3);
    EXPECT_TRUE(notices[0].contains(path("y/a.pub")) && notices[0].contains(path("x/a.pub")));
    EXPECT_TRUE(notices[1].contains(path("z/b.pub")) && notices[1].contains(path("out/b.pub")));
    EXPECT_EQ(notices[2], kDone);
    EXPECT_EQ(test::readFile(path("out/b.pub")), "listed");

    // Ticking "Don't show further notices" in the first keeps the second
    // to the report, for this run only.
    for (const int quietAfter : {1, 0}) {
        dialogs.shown.clear();
        dialogs.noticesQuietAfter = quietAfter;
        form->PushButton7_Click();
        EXPECT_EQ(dialogs.count("notice"), quietAfter ? 2 : 3);
    }
}

TEST_F(RunFixture, SourceReachedThroughALinkIsNeverTheOutput)
{
    test::writeFile(path("a.pub"), "source");
    ASSERT_TRUE(QFile::link(dir.path(), path("link")));
    form->ListView1->append(path("a.pub"));
    form->Text3->setText(path("link/"));
    form->PushButton7_Click();
    EXPECT_EQ(saved(), QStringList{path("link/a_replaced.pub")});
    EXPECT_EQ(test::readFile(path("a.pub")), "source");
}

TEST_F(RunFixture, NameWithoutADotGetsASiblingAndNothingElseIsDeleted)
{
    QDir(dir.path()).mkpath("my.dir");
    test::writeFile(path("my.dir/readme"), "source");
    test::writeFile(path("my_replaced.dir"), "bystander");
    form->ListView1->append(path("my.dir/readme"));
    form->Option2->setChecked(true);
    form->PushButton7_Click();
    EXPECT_EQ(saved(), QStringList{path("my.dir/readme_replaced")});
    EXPECT_EQ(test::readFile(path("my_replaced.dir")), "bystander");
    EXPECT_EQ(test::readFile(path("my.dir/readme")), "source");
}

// The whole job with the native engine: three copies of a real publication.
TEST(RunEndToEnd, ThreeCopiesOfARealPublication)
{
    const QString sample = QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub");
    if (!QFile::exists(sample))
        VANTRELLE_SKIP("corpus not found at " VANTRELLE_CORPUS_DIR);
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    Form1 form({dialogs, *settings, registry});
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("in");
    QDir(dir.path()).mkpath("out");
    QByteArray original = test::readFile(sample);
    for (const char *name : {"one.pub", "two.pub", "three.pub"}) {
        test::writeFile(dir.filePath(QString("in/") + name), original);
        form.ListView1->append(dir.filePath(QString("in/") + name));
    }
    form.Text3->setText(dir.filePath("out") + "/");
    form.Option1->setChecked(true);
    form.Text1->setPlainText("second page");
    form.Text2->setPlainText("page two of this publication");
    form.PushButton7_Click();

    EXPECT_EQ(dialogs.texts("notice"), QStringList{kDone});
    EXPECT_EQ(dialogs.count("error"), 0) << dialogs.texts("error").join("\n").toStdString();
    for (const char *name : {"one.pub", "two.pub", "three.pub"}) {
        EXPECT_EQ(test::readFile(dir.filePath(QString("in/") + name)), original);
        const auto result = pubengine::Publication::open(dir.filePath(QString("out/") + name));
        const std::u16string &text = result.quill().text();
        const QString all = QString::fromUtf16(text.data(), qsizetype(text.size()));
        EXPECT_TRUE(all.contains("page two of this publication"));
        EXPECT_FALSE(all.contains("second page"));
    }
}

namespace {

// A program folder of its own, with a Samples folder the test fills.
struct SamplesFixture : RunFixture {
    QTemporaryDir program;
    void SetUp() override
    {
        RunFixture::SetUp();
        setProgramFolderForTesting(program.path());
        QDir(program.path()).mkdir("Samples");
    }
    void TearDown() override { setProgramFolderForTesting(QString()); }
    QString sample(const QString &name) const { return program.path() + "/Samples/" + name; }
};

const QString kSamplesQuestion =
    QStringLiteral("Would you like this software to open the folder where these sample files are "
                   "stored (so that you can view them before working with them)?");

} // namespace

TEST_F(SamplesFixture, RecordedOnceAndAddedWhenPresentAndNotListed)
{
    for (const char *name : {"a.pub", "b.pub", "c.pub"})
        test::writeFile(sample(name));
    form->RecordSampleFiles();
    QStringList recorded = settings->get(keys::Snapshot, "").split('|');
    recorded.sort();
    EXPECT_EQ(recorded, (QStringList{sample("a.pub"), sample("b.pub"), sample("c.pub")}));

    QFile::remove(sample("b.pub"));
    dialogs.questionAnswers = {false, true};
    form->PushButton8_Click();
    EXPECT_EQ(form->ListView1->count(), 2);
    form->PushButton8_Click();
    EXPECT_EQ(form->ListView1->count(), 2);
    EXPECT_EQ(dialogs.texts("question"), (QStringList{kSamplesQuestion, kSamplesQuestion}));
    // Yes opens the samples folder; No opened nothing.
    EXPECT_EQ(dialogs.texts("openFolder"), QStringList{program.path() + "/Samples/"});
}

TEST_F(SamplesFixture, StartUpRecordsOnlyWhileNothingIsRecorded)
{
    form->Form_Load();
    EXPECT_TRUE(settings->contains(keys::Snapshot));
    EXPECT_EQ(settings->get(keys::Snapshot, "x"), "");

    test::writeFile(sample("a.pub"));
    Form1 second({dialogs, *settings, registry});
    second.Form_Load();
    EXPECT_EQ(settings->get(keys::Snapshot, ""), sample("a.pub"));

    test::writeFile(sample("b.pub"));
    Form1 third({dialogs, *settings, registry});
    third.Form_Load();
    EXPECT_EQ(settings->get(keys::Snapshot, ""), sample("a.pub"));
}

TEST_F(SamplesFixture, NothingRecordedAddsNothingButStillAsks)
{
    form->PushButton8_Click();
    EXPECT_EQ(form->ListView1->count(), 0);
    EXPECT_EQ(dialogs.texts("question"), QStringList{kSamplesQuestion});
    EXPECT_EQ(dialogs.count("error"), 0);
}

TEST_F(SamplesFixture, SamplesOfAnotherKindGoThroughTheScreening)
{
    test::writeFile(sample("a.pub"));
    test::writeFile(sample("notes.txt"));
    form->RecordSampleFiles();
    dialogs.questionAnswers = {false, true};
    form->PushButton8_Click();
    EXPECT_EQ(form->ListView1->count(), 1);
    EXPECT_EQ(form->ListView1->rowText(1), sample("a.pub"));
}
