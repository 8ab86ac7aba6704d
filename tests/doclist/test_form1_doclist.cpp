#include "app/form1.h"
#include "doclist/addfolder.h"
#include "doclist/adding.h"
#include "doclist/documentlist.h"
#include "shell/automation.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "tests/doclist/treehelpers.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/commondialog.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vantrelle;
using vantrelle::test::Tree;

namespace {

class Form1Fixture : public ::testing::Test {
protected:
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    Form1 form{Form1Services{dialogs, *settings, automation::Registry::instance()}};

    QStringList rows() const
    {
        QStringList out;
        for (int i = 1; i <= form.ListView1->count(); ++i)
            out << form.ListView1->rowText(i);
        return out;
    }
    QStringList sorted(QStringList l) const
    {
        l.sort();
        return l;
    }
};

} // namespace

TEST(FileDialogAnswer, OneFileAsReturnedSeveralJoinedToTheirFolder)
{
    using namespace Adding;
    EXPECT_EQ(FileDialogRows(""), QStringList());
    EXPECT_EQ(FileDialogRows("/d//a.pub"), QStringList{"/d//a.pub"});
    const QChar nul(0);
    EXPECT_EQ(FileDialogRows(QString("/d/e") + nul + "a.pub" + nul + "b.pub"),
              QStringList({"/d/e/a.pub", "/d/e/b.pub"}));
    // A root folder already ends in the separator: no doubled one.
    EXPECT_EQ(FileDialogRows(QString("/") + nul + "a.pub"), QStringList{"/a.pub"});
}

TEST_F(Form1Fixture, AddFilesAppendsTheChosenFilesThenScreens)
{
    dialogs.openAnswers = {{"/d/a.pub", "/d/b.txt"}, {"/d/one.pub"}};
    form.PushButton3->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Add File(s) - Hold Ctrl to select multiple files");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Publisher Files (*.pub)|*.pub");
    EXPECT_TRUE(dialogs.fileRequests[0].multiSelect);
    EXPECT_EQ(dialogs.fileRequests[0].folder, "");
    EXPECT_EQ(rows(), QStringList({"/d/a.pub", "/d/b.txt"}));
    EXPECT_EQ(dialogs.count("question"), 1);
    form.PushButton3_Click();
    EXPECT_EQ(rows(), QStringList({"/d/a.pub", "/d/b.txt", "/d/one.pub"}));
    // Cancelled: nothing added, but the rows already there are screened again.
    form.PushButton3_Click();
    EXPECT_EQ(dialogs.fileRequests[2].folder, "/d"); // where the last files came from
    EXPECT_EQ(rows().size(), 3);
    EXPECT_EQ(dialogs.count("question"), 3);
    EXPECT_EQ(dialogs.count("error"), 0);
}

TEST_F(Form1Fixture, TooManyFilesForTheDialogAddNothingAndSkipTheScreening)
{
    form.ListView1->append("/x.txt");
    form.CommonDialog1->MaxFileSize = 20;
    dialogs.openAnswers = {{"/d/aaaaaa.pub", "/d/bbbbbb.pub", "/d/cccccc.pub"}};
    form.PushButton3_Click();
    EXPECT_EQ(dialogs.texts("notice"),
              QStringList{"You've selected too many files to add.\r\r"
                          "Please try adding via the \"Add All\" button."});
    EXPECT_EQ(dialogs.count("question"), 0);
    EXPECT_EQ(rows(), QStringList{"/x.txt"});
}

TEST_F(Form1Fixture, CancellingTheExtensionPromptDoesNothingAtAll)
{
    form.ListView1->append("/x.txt");
    dialogs.inputAnswers = {""};
    form.PushButton6->click();
    ASSERT_EQ(dialogs.count("input"), 1);
    EXPECT_EQ(dialogs.shown[0].text, "Enter file extension to load:\r\r(* for all files, txt for "
                                     "all txt files, doc for all doc files, etc.)");
    EXPECT_EQ(dialogs.shown[0].extra, "pub");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(settings->contains(keys::Extension));
}

TEST_F(Form1Fixture, AddFolderAddsTheMatchingFilesOfTheWholeTree)
{
    Tree t;
    t.file("A/top.txt");
    t.file("A/top.pub");
    t.file("A/~lock.txt");
    t.file("A/sub/deep.TXT");
    t.file("A/sub/deeper/last.txt");
    dialogs.inputAnswers = {"txt"};
    dialogs.folderAnswers = {t.path("A")};
    form.PushButton6_Click();
    EXPECT_EQ(settings->get(keys::Extension, ""), "txt");
    EXPECT_EQ(settings->get(keys::LastFolder, ""), t.path("A"));
    EXPECT_EQ(dialogs.texts("folder"), QStringList{"Please select folder:"});
    EXPECT_EQ(rows(), QStringList({t.path("A/top.txt"), t.path("A/sub/deep.TXT"),
                                   t.path("A/sub/deeper/last.txt")}));
    // The screening offers to remove what isn't a publication.
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_TRUE(dialogs.texts("question")[0].contains(t.path("A/sub/deep.TXT") + "\r\n"));
    EXPECT_EQ(form.MousePointer().code(), kPointerDefault);

    // The next add starts from the stored extension and folder.
    dialogs.inputAnswers = {"pub"};
    form.PushButton6_Click();
    ASSERT_EQ(dialogs.shown.size(), 6u);
    EXPECT_EQ(dialogs.shown[3].extra, "txt");
    EXPECT_EQ(dialogs.shown[4].extra, t.path("A"));
}

TEST_F(Form1Fixture, AllFilesLeaveOutTildeNamesAndPlainHiddenFiles)
{
    Tree t;
    t.file("A/a.pub");
    t.file("A/README");
    t.file("A/~$temp.pub");
    t.file("A/.hidden.pub");
    t.file("A/.readonly.pub");
    QFile::setPermissions(t.path("A/.readonly.pub"), QFileDevice::ReadOwner);
    t.file("A/.git/config");
    dialogs.inputAnswers = {"*"};
    dialogs.folderAnswers = {t.path("A")};
    form.PushButton6_Click();
    const QStringList got = rows();
    ASSERT_EQ(got.size(), 4);
    EXPECT_EQ(sorted(got.mid(0, 3)),
              QStringList({t.path("A/.readonly.pub"), t.path("A/README"), t.path("A/a.pub")}));
    EXPECT_EQ(got[3], t.path("A/.git/config"));
}

TEST_F(Form1Fixture, TheWindowIsBusyWhileTheFolderIsWalked)
{
    Tree t;
    t.file("A/x/a.pub");
    t.file("A/a.pub");
    form.ListView1->append("/kept.pub");
    form.ListView1->selectRow(1);
    bool busyDuringWalk = false;
    QTimer::singleShot(0, [&] {
        busyDuringWalk = form.MousePointer().isHourglass();
        form.PushButton2->click();
        QTest::keyClick(form.ListView1, Qt::Key_Delete);
    });
    dialogs.inputAnswers = {"pub"};
    dialogs.folderAnswers = {t.path("A")};
    form.PushButton6_Click();
    EXPECT_TRUE(busyDuringWalk);
    EXPECT_EQ(rows().value(0), "/kept.pub");
    EXPECT_EQ(rows().size(), 3);
    EXPECT_FALSE(form.MousePointer().isHourglass());
}

TEST_F(Form1Fixture, CancellingTheFolderDialogStillScreens)
{
    settings->set(keys::LastFolder, "/earlier");
    form.ListView1->append("/x.doc");
    dialogs.inputAnswers = {"pub"};
    form.PushButton6_Click();
    EXPECT_EQ(dialogs.shown[1].extra, "/earlier");
    EXPECT_EQ(settings->get(keys::LastFolder, ""), "/earlier");
    EXPECT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(rows(), QStringList{"/x.doc"});
}

TEST_F(Form1Fixture, AddingTheSameFolderTwiceListsEveryFileTwice)
{
    Tree t;
    t.file("A/a.pub");
    dialogs.inputAnswers = {"pub", "pub"};
    dialogs.folderAnswers = {t.path("A"), t.path("A")};
    form.PushButton6_Click();
    form.PushButton6_Click();
    EXPECT_EQ(rows(), QStringList({t.path("A/a.pub"), t.path("A/a.pub")}));
}

TEST_F(Form1Fixture, ADropAddsFilesAsSuppliedAndExpandsFoldersInPlace)
{
    Tree t;
    t.file("A/a1.pub");
    t.file("A/sub/a2.txt");
    t.file("A/~skip.pub");
    t.file("B/b1.pub");
    t.file("~alone.pub");
    t.dir("P");
    const QString pipe = t.path("P/pipe.pub"); // left out, dropped itself or in a folder
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(Adding::FileDialogRows(pipe), QStringList());
    dialogs.questionAnswers = {false};
    form.ListView1_OLEDragDrop({t.path("~alone.pub"), t.path("A"), t.path("B"), "/not/there.pub",
                                t.path("A") + "/", pipe, t.path("P")});
    EXPECT_EQ(rows(), QStringList({t.path("~alone.pub"), t.path("A/a1.pub"), t.path("A/sub/a2.txt"),
                                   t.path("B/b1.pub"), "/not/there.pub", t.path("A/a1.pub"),
                                   t.path("A/sub/a2.txt")}));
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.texts("question")[0].count(t.path("A/sub/a2.txt")), 2);
    EXPECT_EQ(form.MousePointer().code(), kPointerDefault);
}

TEST_F(Form1Fixture, AFileListDroppedOnTheListIsAddedOnceTheDropIsOver)
{
    Tree t;
    t.file("F/one.pub");
    t.file("two.pub");
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(t.path("two.pub")), QUrl::fromLocalFile(t.path("F"))});
    // A drop arrives after the drag has entered the list.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.ListView1->viewport(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.ListView1->viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(rows().isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(rows(), QStringList({t.path("two.pub"), t.path("F/one.pub")}));
    EXPECT_EQ(dialogs.count("question"), 0);
}

TEST_F(Form1Fixture, ClearListEmptiesTheListUnlessBusy)
{
    form.PushButton2->click();
    EXPECT_TRUE(dialogs.shown.empty());
    form.ListView1->append("/a.pub");
    form.ListView1->append("/b.pub");
    form.MousePointer().set(kPointerHourglass);
    form.PushButton2_Click();
    EXPECT_EQ(form.ListView1->count(), 2);
    form.MousePointer().set(kPointerDefault);
    form.PushButton2_Click();
    EXPECT_EQ(form.ListView1->count(), 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(FolderSetFiles, RecordedListingsGiveTheSameRowsAsTheDisk)
{
    Tree t;
    t.file("A/a.pub");
    t.file("A/~lock.pub");
    t.file("A/.hidden.pub");
    t.file("A/.readonly.pub");
    QFile::setPermissions(t.path("A/.readonly.pub"), QFileDevice::ReadOwner);
    t.link(t.path("A/a.pub"), "A/.link.pub");
    t.file("A/sub/b.txt");
    t.file(QString::fromUtf8("A/sub/Ärger.pub"));
    test::ScriptedDialogs dialogs;
    Guard guard(dialogs, "test");
    // A dropped "A/" makes the entry "A//": rows still have single separators.
    for (const QString &start : {t.entry("A"), t.entry("A") + "/"}) {
        for (const QString pattern : {"*.*", "*.pub"}) {
            QStringList set{start};
            AddFolder::FolderListings listings;
            AddFolder::GetSubDirectories2016(set, true, dialogs, &listings);
            MemoryDocumentList recorded, fromDisk;
            Adding::AppendFolderSetFiles(recorded, set, pattern, guard, 112, &listings);
            Adding::AppendFolderSetFiles(fromDisk, set, pattern, guard, 112);
            EXPECT_EQ(recorded.rows().toStringList(), fromDisk.rows().toStringList());
            QStringList got = recorded.rows().toStringList();
            got.sort();
            QStringList want{t.path("A/.link.pub"), t.path("A/.readonly.pub"), t.path("A/a.pub"),
                             t.path(QString::fromUtf8("A/sub/Ärger.pub"))};
            if (pattern == "*.*")
                want << t.path("A/sub/b.txt");
            want.sort();
            EXPECT_EQ(got, want) << start.toStdString() << " " << pattern.toStdString();
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}
