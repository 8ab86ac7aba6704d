// The command line through the program's start-up: what it prints and ends
// with, and the files and folders it adds once the window runs.
#include "app/form1.h"
#include "shell/apptitle.h"
#include "app/startup.h"
#include "widgets/doclistview.h"
#include "shell/automation.h"
#include "tests/support/files.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantrelle;

TEST(CommandLine, OptionsThatEndTheProgramAndPathsThatNameNothing)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    QTemporaryDir dir;
    test::writeFile(dir.filePath("a.pub"));
    const struct {
        QStringList arguments;
        std::optional<int> exitCode;
        QString messageHas;
        QStringList paths;
    } cases[] = {
        {{"--version"}, 0, "9.8.7", {}},
        {{"--help"}, 0, "[FILE|FOLDER...]", {}},
        {{"--frobnicate", dir.filePath("a.pub")}, 2, "frobnicate", {}},
        {{dir.filePath("gone.pub"), dir.filePath("a.pub")},
         std::nullopt,
         "not added: " + dir.filePath("gone.pub"),
         {dir.filePath("a.pub")}},
    };
    for (const auto &c : cases) {
        const CommandLine line = parseCommandLine(QStringList{"vantrelle"} + c.arguments);
        EXPECT_EQ(line.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(line.message.contains(c.messageHas)) << line.message.toStdString();
        EXPECT_EQ(line.paths, c.paths);
    }
}

TEST(CommandLine, FilesAndFoldersReachTheListThroughTheScreening)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("folder/sub");
    for (const char *name :
         {"a.pub", "notes.txt", "folder/b.pub", "folder/skip.txt", "folder/sub/c.pub"})
        test::writeFile(dir.filePath(name));
    test::ScriptedDialogs dialogs;
    dialogs.questionAnswers = {true}; // remove the rows that are no publications
    test::TempSettings settings;
    test::ServerLog log;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, std::make_shared<test::RecordingServer>(log));
    QTemporaryDir programDir;
    setProgramFolderForTesting(programDir.path());

    // A relative name is taken from the folder the program was started in.
    const QString started = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const CommandLine line =
        parseCommandLine({"vantrelle", "a.pub", dir.filePath("notes.txt"), "folder"});
    QDir::setCurrent(started);
    ASSERT_FALSE(line.exitCode.has_value());

    Form1 window({dialogs, *settings, registry});
    startWindow(window, line.paths);
    EXPECT_TRUE(window.isVisible());
    const QStringList expected{dir.filePath("a.pub"), dir.filePath("folder/b.pub"),
                               dir.filePath("folder/sub/c.pub")};
    QTRY_COMPARE_WITH_TIMEOUT(window.ListView1->count(), 3, 5000);
    QStringList rows;
    for (int i = 1; i <= window.ListView1->count(); ++i)
        rows << window.ListView1->rowText(i);
    EXPECT_EQ(rows, expected);
    // Only the file named outright was flagged: the folder gave publications only.
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_TRUE(dialogs.texts("question").front().contains(dir.filePath("notes.txt")));
    EXPECT_FALSE(dialogs.texts("question").front().contains("skip.txt"));
    setProgramFolderForTesting(QString());
}
