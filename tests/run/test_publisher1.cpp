#include "run/publisher1.h"
#include "shell/automation.h"
#include "tests/support/qtprinters.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

struct EditorFixture : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::ServerLog log;
    automation::Registry registry;
    EditorContext context{dialogs, registry, 0, false, false, false};

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

QStringList pairCalls(const QString &find, const QString &replace, const char *matchCase)
{
    return {"Clear()",
            "FindText(" + find + ")",
            "ReplaceWithText(" + replace + ")",
            "ReplaceScope(2)",
            QStringLiteral("MatchCase(%1)").arg(matchCase),
            "MatchWholeWord(false)",
            "Execute()"};
}

const QStringList kOpen = {"Create()", "Open(/in/a.pub,false,true,1)"};
const QStringList kFind = {"ActiveDocument()", "Find()"};

} // namespace

TEST_F(EditorFixture, CallSequenceForEveryBoxValue)
{
    // Only the ticked box (1) means match case; grayed (2) does not.
    const struct {
        int box;
        const char *matchCase;
    } rows[] = {{0, "false"}, {1, "true"}, {2, "false"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.box);
        context.matchCase = row.box;
        log.calls.clear();
        const EditResult single =
            Publisher1::ReplaceByFileXY(context, "/in/a.pub", "a", "b", "/out/a.pub");
        const QStringList end = {"ActiveDocument()", "SaveAs(/out/a.pub,1,true)", "Quit()"};
        EXPECT_EQ(log.calls, kOpen + kFind + pairCalls("a", "b", row.matchCase) + end);
        EXPECT_TRUE(single.saved);

        log.calls.clear();
        Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a", "x"}, {"b", "y"}, "/o.pub");
        const QStringList setsEnd = {"ActiveDocument()", "SaveAs(/o.pub,1,true)", "Quit()"};
        EXPECT_EQ(log.calls, kOpen + kFind + pairCalls("a", "b", row.matchCase) + kFind +
                                 pairCalls("x", "y", row.matchCase) + setsEnd);
    }
    EXPECT_EQ(dialogs.count("error"), 0);
}

TEST_F(EditorFixture, AServerWithoutRegularExpressionsFailsTheStepAndSavesNothing)
{
    context.wholeWord = true;
    context.regex = true;
    const EditResult r = Publisher1::ReplaceByFileXY(context, "/in/a.pub", "a+", "b", "/o.pub");
    EXPECT_TRUE(log.calls.contains("MatchWholeWord(true)"));
    EXPECT_FALSE(log.calls.contains("Execute()"));
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(errorLines(), QStringList{"120"});
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith("This publishing program cannot read"));
}

TEST_F(EditorFixture, EmptySetsStillOpenSaveAndQuit)
{
    Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {}, {}, "/o.pub");
    const QStringList end = {"ActiveDocument()", "SaveAs(/o.pub,1,true)", "Quit()"};
    EXPECT_EQ(log.calls, kOpen + end);
}

TEST_F(EditorFixture, OneFailureOneReportNothingSavedAndAlwaysQuit)
{
    const struct {
        QSet<QString> failing;
        bool createFails;
        QStringList lines;
        QStringList lastCalls;
        bool saved = false;
    } rows[] = {
        // A publication that cannot be opened: its own report, then only Quit.
        {{"Open"}, false, {"102"}, {"Open(/in/a.pub,false,true,1)", "Quit()"}},
        {{}, true, {"100"}, {"Create()"}},
        {{"Clear"}, false, {"108"}, {"Clear()", "Quit()"}},
        // The engine fails Execute when it had to leave occurrences: no result.
        {{"Execute"}, false, {"124"}, {"Execute()", "Quit()"}},
        {{"SaveAs"}, false, {"128"}, {"SaveAs(/o.pub,1,true)", "Quit()"}},
        // A result saved whole stands even when the instance will not quit.
        {{"Quit"}, false, {"130"}, {"SaveAs(/o.pub,1,true)", "Quit()"}, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.lines.join(",").toStdString());
        log.calls.clear();
        log.failing = row.failing;
        log.createFails = row.createFails;
        dialogs.shown.clear();
        const EditResult result = Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a", "b"},
                                                                   {"c", "d"}, "/o.pub");
        EXPECT_EQ(errorLines(), row.lines);
        EXPECT_EQ(log.calls.mid(log.calls.size() - row.lastCalls.size()), row.lastCalls);
        EXPECT_EQ(result.failed, !row.saved);
        EXPECT_EQ(result.saved, row.saved);
    }
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(
        "Quit failed\r\nin Hobmarrow2021/08/31.Publisher1.ReplaceByFileXYCombo at line 130"));
}

TEST_F(EditorFixture, CountsOfEveryPairAndAPreviewThatNeverSaves)
{
    log.counts = {{3, 0, {}, {}},
                  {0, 2, "because it would remove all the text of a hyperlink", {}}};
    context.preview = true;
    const EditResult result =
        Publisher1::ReplaceByFileXYCombo(context, "/in/a.pub", {"a", "b"}, {"c", "d"}, "/o.pub");
    ASSERT_EQ(result.counts.size(), 2);
    EXPECT_EQ(result.counts[0].replaced, 3);
    EXPECT_EQ(result.counts[1].left, 2);
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(log.calls.join(",").contains("SaveAs"));
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
              QStringList(2, QString::fromLatin1(kPublisherOpenQuestion)
                                 .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
    EXPECT_EQ(dialogs.shown[0].extra, "no");

    log.failing = {"name"};
    EXPECT_FALSE(Publisher1::IsPublisherRunning(registry));
}
