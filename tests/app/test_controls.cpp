// The shell's own controls, the file dialog adapter and the pointer files.
#include "fsutil/failure.h"
#include "shell/apptitle.h"
#include "tests/support/scripteddialogs.h"
#include "widgets/appearance.h"
#include "widgets/commondialog.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrelle;

TEST(CommonDialogAdapter, ReadsBackWhatTheCallersExpect)
{
    test::ScriptedDialogs dialogs;
    CommonDialog dialog(dialogs);
    dialog.FileName = "";
    dialog.DialogTitle = "Add File(s) - Hold Ctrl to select multiple files";
    dialog.Filter = "Publisher Files (*.pub)|*.pub";
    dialog.Flags = 0x280201;
    dialogs.openAnswers = {{"/home/u/one.pub"}, {"/home/u/a.pub", "/home/u/b c.pub"}, {}};

    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName, "/home/u/one.pub");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, dialog.DialogTitle);
    EXPECT_EQ(dialogs.fileRequests[0].filter, dialog.Filter);
    EXPECT_TRUE(dialogs.fileRequests[0].multiSelect);

    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName, QString("/home/u") + QChar(0) + "a.pub" + QChar(0) + "b c.pub");

    dialog.ShowOpen(); // cancelled
    EXPECT_TRUE(dialog.FileName.isEmpty());

    // Without the flag one file only; a save shows the save dialog.
    dialog.Flags = 0;
    dialog.ShowOpen();
    EXPECT_FALSE(dialogs.fileRequests.back().multiSelect);
    dialogs.saveAnswers = {"/home/u/sets.txt"};
    dialog.DialogTitle = "Save";
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName, "/home/u/sets.txt");
    EXPECT_EQ(dialogs.shown.back().kind, "save");
    EXPECT_EQ(dialogs.shown.back().text, "Save");
}

TEST(CommonDialogAdapter, FilesAtTheRootAndTooManyNames)
{
    EXPECT_EQ(commonDialogFileName({"/a.pub", "/b.pub"}),
              QString("/") + QChar(0) + "a.pub" + QChar(0) + "b.pub");

    test::ScriptedDialogs dialogs;
    CommonDialog dialog(dialogs);
    dialog.Flags = kOFNAllowMultiselect;
    dialog.MaxFileSize = 20;
    // "/d" NUL "abcdef.pub" NUL "g.pub" NUL NUL is 21 characters.
    dialogs.openAnswers = {{"/d/abcdef.pub", "/d/g.pub"}};
    try {
        dialog.ShowOpen();
        FAIL() << "no overflow";
    } catch (const CommonDialogError &e) {
        EXPECT_EQ(e.number(), kCdlBufferTooSmall);
    }
    EXPECT_TRUE(dialog.FileName.isEmpty());
    dialog.MaxFileSize = 21;
    dialogs.openAnswers = {{"/d/abcdef.pub", "/d/g.pub"}};
    EXPECT_NO_THROW(dialog.ShowOpen());
}

TEST(Controls, ProgressBarShowsTheProgramsText)
{
    ProgressBar bar;
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 100);
    bar.setText("Processing: 100% sure.pub");
    bar.setValue(40);
    EXPECT_EQ(bar.text(), "Processing: 100% sure.pub");
    EXPECT_EQ(bar.value(), 40);
}

TEST(Controls, TabIndexAndCheckValues)
{
    TabControl tabs;
    tabs.addTab(new QWidget, "a");
    tabs.addTab(new QWidget, "b");
    tabs.setSelectedIndex(1);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_THROW(tabs.setSelectedIndex(2), Failure);
    EXPECT_THROW(tabs.setSelectedIndex(-1), Failure);
    EXPECT_EQ(tabs.selectedIndex(), 1);

    CheckBox box("Match Case");
    for (int v : {2, 1, 0}) {
        setCheckValue(&box, v);
        EXPECT_EQ(checkValue(&box), v);
    }
    EXPECT_THROW(setCheckValue(&box, 3), Failure);
    EXPECT_EQ(checkValue(&box), 0);
    // A click never makes the grayed state.
    box.click();
    EXPECT_EQ(checkValue(&box), 1);
    box.click();
    EXPECT_EQ(checkValue(&box), 0);
}

TEST(Appearance, ShippedPointersLoadWithTheirHotSpots)
{
    const auto hand = loadCursorFile(VANTRELLE_SOURCE_DIR "/app/resources/HAND-M.CUR");
    ASSERT_TRUE(hand.has_value());
    EXPECT_EQ(hand->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand->hotSpot(), QPoint(13, 4)); // the tip of the finger
    const auto drag = loadCursorFile(VANTRELLE_SOURCE_DIR "/app/resources/drag.ico");
    ASSERT_TRUE(drag.has_value());
    EXPECT_EQ(drag->pixmap().size(), QSize(32, 32));
    EXPECT_FALSE(loadCursorFile("/nonexistent/HAND-M.CUR").has_value());
    EXPECT_FALSE(applicationIcon().isNull());
}

TEST(Appearance, FilesAreLookedForInTheProgramFolder)
{
    QTemporaryDir dir;
    setProgramFolderForTesting(dir.path() + "/");
    EXPECT_EQ(programFolder(), dir.path());
    EXPECT_EQ(handCursorPath(), dir.path() + "/HAND-M.CUR");
    EXPECT_EQ(skinFilePath(), dir.path() + "/x/o.cjs");
    setProgramFolderForTesting(QString());
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
}

TEST(Appearance, InstalledTreeKeepsTheProgramFilesInItsDataFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("usr/bin");
    QDir(root.path()).mkpath("usr/share/vantrelle");
    QDir(root.path()).mkpath("build/app");
    const struct {
        const char *executableFolder;
        const char *programFolder;
    } cases[] = {
        {"usr/bin", "usr/share/vantrelle"}, // installed
        {"build/app", "build/app"},         // build tree: files beside the program
    };
    for (const auto &c : cases)
        EXPECT_EQ(programFolderFor(root.filePath(c.executableFolder)),
                  root.filePath(c.programFolder))
            << c.executableFolder;
}
