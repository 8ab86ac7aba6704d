// The command line through the program's start-up: what it prints and ends
// with, and the files and folders it adds once the window runs.
#include "app/form1.h"
#include "app/startup.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "tests/support/files.h"
#include "tests/support/oddsettings.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/doclistview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

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

// Whatever the user's settings file holds, the window starts: a value its
// setting cannot have gives the default, and one notice names each one reset.
TEST(StartUp, EveryOddStoredValueStartsTheWindowWithOneNotice)
{
    QTemporaryDir config;
    QTemporaryDir programDir;
    setProgramFolderForTesting(programDir.path());
    // The user's own store, in a folder of the test's, edited as a file.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    const QString file = config.filePath(QStringLiteral("Quillorn/Quillorn.ini"));
    QDir().mkpath(QFileInfo(file).path());
    auto start = [](test::ScriptedDialogs &dialogs) {
        test::ServerLog log;
        automation::Registry registry;
        registry.Register(automation::kPublisherProgId,
                          std::make_shared<test::RecordingServer>(log));
        SettingsStore settings;
        auto window = std::make_unique<Form1>(Form1Services{dialogs, settings, registry});
        startWindow(*window, {});
        return std::make_tuple(window->CheckPdf->isChecked(), window->Check2->checkState(),
                               window->Combo3->currentIndex());
    };
    for (const test::OddValue &odd : test::oddValues()) {
        SCOPED_TRACE(odd.what);
        test::writeFile(file, test::iniEverywhere(odd));
        const QStringList reset = test::resetNames(odd);
        test::ScriptedDialogs dialogs;
        const auto [pdf, matchCase, replaceIn] = start(dialogs);
        EXPECT_TRUE(dialogs.texts("error").isEmpty())
            << dialogs.texts("error").join('\n').toStdString();
        EXPECT_EQ(dialogs.texts("notice").filter(QStringLiteral("stored settings")),
                  QStringList{settingsResetNotice(reset)});
        EXPECT_EQ(pdf,
                  !reset.contains("SavePdfs") && settingBool(odd.value.toString()).value_or(false));
        EXPECT_EQ(matchCase, Qt::Unchecked);
        EXPECT_EQ(replaceIn, 0);

        // Reset in the store too: the next start has nothing to say.
        test::ScriptedDialogs again;
        start(again);
        EXPECT_TRUE(again.texts("notice").filter(QStringLiteral("stored settings")).isEmpty());
    }

    // One odd value alone, as a hand-edited file has it: its box unticked, it alone named.
    test::writeFile(file, "[Vantrelle]\nSavePdfs=maybe\n");
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(std::get<0>(start(dialogs)));
    EXPECT_EQ(dialogs.texts("notice").filter(QStringLiteral("stored settings")),
              QStringList{settingsResetNotice({QStringLiteral("SavePdfs")})});
    setProgramFolderForTesting(QString());
}
