#include "doclist/adding.h"
#include "doclist/documentlist.h"
#include "doclist/screening.h"
#include "tests/support/scripteddialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

QString question(const QStringList &flagged)
{
    return "These files: \r\n\r\n" + flagged.join("\r\n") +
           "\r\n\r\ndo not appear to be in the expected file format because of their file "
           "extension.\r\n\r\nWould you like to remove them from list?";
}

} // namespace

TEST(Screening, ExtensionIsLookedForInsidePub)
{
    for (const char *passes : {"/d/a.pub", "/d/a.PUB", "/d/a.Pub", "/d/a.p", "/d/a.ub", "/d/a.",
                               "C:\\docs\\a.pu", "/d/a.b"})
        EXPECT_TRUE(Main::HasExpectedExtension(passes)) << passes;
    for (const char *flagged : {"/d/a.pubx", "/d/a.txt", "/d/a.doc", "C:\\docs\\readme",
                                "C:\\my.folder\\readme", "/my.folder/readme", "/d/a.pb"})
        EXPECT_FALSE(Main::HasExpectedExtension(flagged)) << flagged;
}

TEST(Screening, NothingToAskAboutShowsNothing)
{
    test::ScriptedDialogs dialogs;
    MemoryDocumentList empty;
    Main::ValidateListFiles(empty, dialogs);
    MemoryDocumentList good({"/d/a.pub", "/d/b.PUB", "/d/c."});
    Main::ValidateListFiles(good, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(good.rows().toStringList(), QStringList({"/d/a.pub", "/d/b.PUB", "/d/c."}));
}

TEST(Screening, YesRemovesTheFlaggedRowsAndKeepsTheOrderOfTheRest)
{
    test::ScriptedDialogs dialogs;
    dialogs.questionAnswers = {true};
    MemoryDocumentList list({"/1.pub", "/2.txt", "/3.pub", "/4.pub", "/5.doc", "/6.pub"});
    Main::ValidateListFiles(list, dialogs);
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.texts("question")[0], question({"/2.txt", "/5.doc"}));
    EXPECT_EQ(dialogs.shown[0].extra, "yes");
    EXPECT_EQ(list.rows().toStringList(), QStringList({"/1.pub", "/3.pub", "/4.pub", "/6.pub"}));
}

TEST(Screening, NoKeepsEverythingAndTheNextScreeningAsksAgain)
{
    test::ScriptedDialogs dialogs;
    const QStringList rows{"/1.pub", "/2.txt", "/3.pub", "/4.pub", "/5.doc", "/6.pub"};
    MemoryDocumentList list(rows);
    Main::ValidateListFiles(list, dialogs);
    Main::ValidateListFiles(list, dialogs);
    EXPECT_EQ(list.rows().toStringList(), rows);
    EXPECT_EQ(dialogs.texts("question"),
              QStringList({question({"/2.txt", "/5.doc"}), question({"/2.txt", "/5.doc"})}));
}

TEST(Screening, DuplicateFlaggedRowsAreEachNamedAndEachRemoved)
{
    test::ScriptedDialogs dialogs;
    dialogs.questionAnswers = {true};
    MemoryDocumentList list({"/x.txt", "/a.pub", "/x.txt"});
    Main::ValidateListFiles(list, dialogs);
    EXPECT_EQ(dialogs.texts("question")[0], question({"/x.txt", "/x.txt"}));
    EXPECT_EQ(list.rows().toStringList(), QStringList{"/a.pub"});
}

TEST(Screening, AVeryLongQuestionReachesTheDialogsWhole)
{
    // Thousands of rows, as after dropping a large mixed folder; the dialogs
    // show such a question in a scrollable box, but the text is never cut.
    test::ScriptedDialogs dialogs;
    QStringList flagged;
    MemoryDocumentList list;
    for (int i = 0; i < 3000; ++i) {
        flagged << QString("/big/folder/file%1.txt").arg(i);
        list.append(flagged.last());
        list.append(QString("/big/folder/file%1.pub").arg(i));
    }
    Main::ValidateListFiles(list, dialogs);
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.texts("question")[0], question(flagged));
    EXPECT_EQ(list.count(), 6000);
}

TEST(Screening, ARowTooLongForTheExtensionIsReportedAndFlagged)
{
    test::ScriptedDialogs dialogs;
    dialogs.questionAnswers = {true};
    const QString huge = "/" + QString(40000, QChar('a')) + ".pub";
    MemoryDocumentList list({"/a.pub", huge});
    Main::ValidateListFiles(list, dialogs);
    ASSERT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(
        "Overflow\r\nin Hobmarrow2021/08/31.Main.ValidateListFiles at line "));
    EXPECT_EQ(list.rows().toStringList(), QStringList{"/a.pub"});
}

TEST(EarlierResults, OnlyAResultBesideItsOriginalLooksLikeOne)
{
    QTemporaryDir dir;
    for (const char *name : {"a.pub", "a_replaced.pub", "a_replaced_replaced.pub", "b_replaced.pub",
                             "c", "c_replaced", "x.y.pub", "x.y_replaced.pub", "_replaced.pub"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    const struct {
        const char *name;
        bool result;
    } rows[] = {
        {"a.pub", false},          {"a_replaced.pub", true}, {"a_replaced_replaced.pub", true},
        {"b_replaced.pub", false}, {"c_replaced", true},     {"x.y_replaced.pub", true},
        {"_replaced.pub", false},
    };
    MemoryDocumentList list;
    for (const auto &row : rows) {
        EXPECT_EQ(Adding::LooksLikeEarlierResult(dir.filePath(row.name)), row.result) << row.name;
        list.append(dir.filePath(row.name));
    }
    EXPECT_EQ(Adding::EarlierResultRows(list, 3), (QList<int>{3, 5, 6}));
    Adding::RemoveRows(list, Adding::EarlierResultRows(list));
    EXPECT_EQ(list.count(), 3);
}
