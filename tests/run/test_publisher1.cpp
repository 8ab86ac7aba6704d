#include "run/publisher1.h"
#include "shell/automation.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

struct EditorFixture : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::ServerLog log;
    automation::Registry registry;
    int check2 = 0;
    bool check2Throws = false;
    EditorContext context{dialogs, registry, [this] {
                              if (check2Throws)
                                  throw Failure("Invalid property value");
                              return check2;
                          }};

    EditorFixture()
    {
        registry.Register(automation::kPublisherProgId,
                          std::make_shared<test::RecordingServer>(log));
    }
    QStringList errorLines() const
    {
        QStringList lines;
        for (const auto &t : dialogs.texts("error")) {
            const auto at = t.indexOf("at line ");
            lines << t.mid(at + 8, 3);
        }
        return lines;
    }
};

const QStringList kSettings = {"Clear()", "FindText(a)", "ReplaceWithText(b)", "ReplaceScope(2)"};

} // namespace

TEST_F(EditorFixture, SinglePairCallSequence)
{
    check2 = 1;
    Publisher1::ReplaceByFileXY(context, "/in/a.pub", "a", "b", "/out/a.pub");
    const QStringList expected =
        QStringList{"Create()", "Open(/in/a.pub,false,true,1)", "ActiveDocument()", "Find()"} +
        kSettings + QStringList{"MatchCase(true)",  "MatchWholeWord(false)",     "Execute()",
                                "ActiveDocument()", "SaveAs(/out/a.pub,1,true)", "Quit()"};
    EXPECT_EQ(log.calls, expected);
    EXPECT_EQ(dialogs.count("error"), 0);
}

TEST_F(EditorFixture, SetsApplyEveryPairInOrderAndGrayedIsNotMatchCase)
{
    check2 = 2;
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a", "x"}, {"b", "y"}, "/o.pub");
    const QStringList expected =
        QStringList{"Create()", "Open(/in/a.pub,false,true,1)", "ActiveDocument()", "Find()"} +
        kSettings +
        QStringList{"MatchCase(false)",
                    "MatchWholeWord(false)",
                    "Execute()",
                    "ActiveDocument()",
                    "Find()",
                    "Clear()",
                    "FindText(x)",
                    "ReplaceWithText(y)",
                    "ReplaceScope(2)",
                    "MatchCase(false)",
                    "MatchWholeWord(false)",
                    "Execute()",
                    "ActiveDocument()",
                    "SaveAs(/o.pub,1,true)",
                    "Quit()"};
    EXPECT_EQ(log.calls, expected);
}

TEST_F(EditorFixture, EmptySetsStillOpenSaveAndQuit)
{
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {}, {}, "/o.pub");
    EXPECT_EQ(log.calls, (QStringList{"Create()", "Open(/in/a.pub,false,true,1)",
                                      "ActiveDocument()", "SaveAs(/o.pub,1,true)", "Quit()"}));
}

TEST_F(EditorFixture, FailedOpenIsReportedAndEveryLaterStepStillTried)
{
    log.failing = {"Open", "ActiveDocument"};
    Publisher1::ReplaceByFileXY(context, "/in/a.pub", "a", "b", "/o.pub");
    // 104 fails (no document), then every FindReplace step fails on the missing
    // object, 124 fails on ActiveDocument, and Quit is still called.
    EXPECT_EQ(errorLines(),
              (QStringList{"102", "104", "106", "108", "110", "112", "118", "120", "122", "124"}));
    EXPECT_EQ(log.calls.last(), "Quit()");
    EXPECT_TRUE(dialogs.texts("error")[0].contains(
        "in Hobmarrow2021/08/31.Publisher1.ReplaceByFileXY at line 102"));
}

TEST_F(EditorFixture, NoServerMeansEveryStepReported)
{
    log.createFails = true;
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a"}, {"b"}, "/o.pub");
    const QStringList lines = errorLines();
    EXPECT_EQ(lines.first(), "100");
    EXPECT_EQ(lines.last(), "130");
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith("ActiveX component can't create object\r\n"
                                                     "in Hobmarrow2021/08/31.Publisher1."
                                                     "ReplaceByFileXYCombo at line 100"));
}

TEST_F(EditorFixture, FailureAtTheMatchCaseTestSetsMatchCaseTrue)
{
    check2Throws = true;
    Publisher1::ReplaceByFileXY(context, "/in/a.pub", "a", "b", "/o.pub");
    EXPECT_TRUE(log.calls.contains("MatchCase(true)"));
    EXPECT_EQ(errorLines(), QStringList{"114"});

    log.calls.clear();
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a"}, {"b"}, "/o.pub");
    EXPECT_TRUE(log.calls.contains("MatchCase(true)"));
    EXPECT_EQ(errorLines().last(), "116");
}

TEST_F(EditorFixture, FailuresEachWithTheirOwnLine)
{
    log.failing = {"Execute", "SaveAs"};
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a", "b"}, {"c", "d"}, "/o.pub");
    EXPECT_EQ(errorLines(), (QStringList{"124", "124", "128"}));
    EXPECT_EQ(log.calls.last(), "Quit()");
}

TEST_F(EditorFixture, InstalledCheck)
{
    IsInstalled::CheckPublisherInstalled(dialogs, registry);
    EXPECT_EQ(dialogs.count("notice"), 0);
    EXPECT_EQ(log.calls, QStringList{"Create()"}); // released, never quit

    log.createFails = true;
    IsInstalled::CheckPublisherInstalled(dialogs, registry);
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kNotInstalledNotice});

    automation::Registry empty;
    IsInstalled::CheckPublisherInstalled(dialogs, empty);
    EXPECT_EQ(dialogs.count("notice"), 2);
}

TEST_F(EditorFixture, RunningInstanceWarning)
{
    EXPECT_FALSE(Publisher1::WarnIfPublisherOpen(dialogs, registry));
    EXPECT_EQ(dialogs.count("question"), 0);

    log.running = true;
    log.runningName = "Something Else";
    EXPECT_FALSE(Publisher1::IsPublisherRunning(registry));

    log.runningName = kPublisherRunningName;
    dialogs.questionAnswers = {true, false};
    EXPECT_FALSE(Publisher1::WarnIfPublisherOpen(dialogs, registry));
    EXPECT_TRUE(Publisher1::WarnIfPublisherOpen(dialogs, registry));
    EXPECT_EQ(dialogs.texts("question"),
              (QStringList{kPublisherOpenQuestion, kPublisherOpenQuestion}));
    EXPECT_EQ(dialogs.shown[0].extra, "no");

    log.failing = {"name"};
    EXPECT_FALSE(Publisher1::IsPublisherRunning(registry));
}
