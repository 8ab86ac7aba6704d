#include "fsutil/failure.h"
#include "shell/apptitle.h"
#include "shell/errorreport.h"
#include "shell/pairtext.h"
#include "shell/settings.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/qtdialogs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vantrelle;

TEST(ErrorReport, TextIsByteExact)
{
    const QString text = errorReportText("Type mismatch", loc::Form1_Form_Load, 136);
    EXPECT_EQ(text, QString("Type mismatch\r\nin Hobmarrow2021/08/31.Form1.Form_Load at line "
                            "136\r\r") +
                        supportSentence());
    EXPECT_FALSE(text.contains("vantrelle.example"));
}

TEST(ErrorReport, DescriptionComesBackWithoutTheWindowsPlace)
{
    for (const QString &description : {QString("Disk full"), QString("two\r\nlines"), QString()})
        EXPECT_EQ(
            errorReportDescription(errorReportText(description, loc::Form1_Pushbutton7_Click, 142)),
            description);
    EXPECT_EQ(errorReportDescription("a notice"), "a notice");
}

TEST(ErrorReport, GuardReportsEachFailureAndGoesOn)
{
    test::ScriptedDialogs dialogs;
    Guard guard(dialogs, loc::Form1_Pushbutton7_Click);
    QStringList done;
    guard.run(100, [&] { throw Failure("first"); });
    guard.run(102, [&] { done << "102"; });
    guard.run(104, [&] { throw std::runtime_error("second"); });
    guard.reach(106);
    guard.run(106, [&] { throw 42; });
    ASSERT_EQ(dialogs.count("error"), 3);
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(
        "first\r\nin Hobmarrow2021/08/31.Form1.Pushbutton7_Click at line 100\r\r"));
    EXPECT_TRUE(dialogs.texts("error")[1].contains("at line 104"));
    EXPECT_TRUE(dialogs.texts("error")[2].startsWith("Unknown error\r\n"));
    EXPECT_EQ(done, QStringList{"102"});
}

TEST(ErrorReport, FailingTestTakesTheBranch)
{
    test::ScriptedDialogs dialogs;
    Guard guard(dialogs, loc::Form1_Form_Load);
    EXPECT_TRUE(guard.test(102, []() -> bool { throw Failure("x"); }));
    EXPECT_FALSE(guard.test(108, [] { return false; }));
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(guard.lastLine(), 108);
}

TEST(ApplicationTitle, ShortensByWholeWordsButKeepsASingleWord)
{
    EXPECT_EQ(shortenedTitle("Vantrelle"), "Vantrelle");
    EXPECT_EQ(shortenedTitle("Batch Replace Tool"), "Batch Replace");
    EXPECT_EQ(shortenedTitle("A very long product name that goes on and on beyond forty"),
              "A very long product name that goes on");
}

TEST(Settings, ValuesAreTextWithDefaults)
{
    test::TempSettings s;
    EXPECT_EQ(s->get(keys::Extension, "pub"), "pub");
    s->set(keys::OutputFolder, "/tmp/out/");
    s->set(keys::Option1, boolText(false));
    SettingsStore reopened(s->fileName());
    EXPECT_EQ(reopened.get(keys::OutputFolder, ""), "/tmp/out/");
    EXPECT_EQ(reopened.get(keys::Option1, "True"), "False");
    EXPECT_TRUE(reopened.contains(keys::Option1));
    EXPECT_FALSE(reopened.contains(keys::Snapshot));
}

TEST(Settings, Conversions)
{
    EXPECT_EQ(settingToInt("1"), 1);
    EXPECT_EQ(settingToInt(" 0 "), 0);
    EXPECT_THROW(settingToInt("abc"), Failure);
    EXPECT_THROW(settingToInt(""), Failure);
    EXPECT_TRUE(settingToBool("True"));
    EXPECT_FALSE(settingToBool("false"));
    EXPECT_TRUE(settingToBool("1"));
    EXPECT_FALSE(settingToBool("0"));
    EXPECT_THROW(settingToBool("maybe"), Failure);
}

TEST(Settings, AWriteThatCannotLandIsSaidOnceAndTheValueKeptInMemory)
{
    QTemporaryDir dir;
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    // A folder that is a file cannot be made, even by root.
    const QString ini = dir.filePath("file/settings.ini");
    SettingsStore store(ini);
    QStringList said;
    store.onWriteFailure = [&](const QString &text) { said << text; };
    store.set(keys::Check2, "1");
    store.set(keys::TabControl1, "1");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(ini)) << said[0].toStdString();
    EXPECT_TRUE(said[0].contains("cannot be written")) << said[0].toStdString();
    EXPECT_EQ(store.get(keys::Check2), "1");
}

TEST(PairText, NamesTheFirstCharacterAPublicationCannotHold)
{
    using Kind = PairTextFault::Kind;
    const QString smile = QString::fromUtf16(u"\U0001F600");
    const struct {
        QString text;
        PairTextRole role;
        std::optional<Kind> kind;
        qsizetype index;
        qsizetype position;
        const char *code;
    } cases[] = {
        {"", PairTextRole::Find, Kind::Empty, 0, 0, ""},
        {"", PairTextRole::Replace, std::nullopt, 0, 0, ""},
        {"a\tb é", PairTextRole::Find, std::nullopt, 0, 0, ""},
        {smile + "x", PairTextRole::Find, std::nullopt, 0, 0, ""},
        {"ab\ncd\x01", PairTextRole::Find, Kind::Break, 2, 3, "U+000A"},
        {QString(QChar(0x2029)), PairTextRole::Replace, Kind::Break, 0, 1, "U+2029"},
        {QString(QChar(0x85)), PairTextRole::Replace, Kind::Break, 0, 1, "U+0085"},
        {smile + "\x7F", PairTextRole::Replace, Kind::Control, 2, 2, "U+007F"},
        {"x" + QString(QChar(0x9F)), PairTextRole::Find, Kind::Control, 1, 2, "U+009F"},
        {"e" + QString(QChar(0xD800)), PairTextRole::Replace, Kind::Surrogate, 1, 2, "U+D800"},
        {QString(QChar(0xDC00)) + smile, PairTextRole::Find, Kind::Surrogate, 0, 1, "U+DC00"},
        {"a" + QString(QChar(0xFFFE)), PairTextRole::Find, Kind::Noncharacter, 1, 2, "U+FFFE"},
        {QString(QChar(0xFDD0)), PairTextRole::Replace, Kind::Noncharacter, 0, 1, "U+FDD0"},
        {smile + QString::fromUtf16(u"\U0001FFFF"), PairTextRole::Find, Kind::Noncharacter, 2, 2,
         "U+1FFFF"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " " + c.code);
        const std::optional<PairTextFault> fault = pairTextFault(c.text, c.role);
        ASSERT_EQ(fault.has_value(), c.kind.has_value());
        if (!fault)
            continue;
        EXPECT_EQ(fault->kind, *c.kind);
        EXPECT_EQ(fault->index, c.index);
        EXPECT_EQ(fault->position, c.position);
        if (*c.kind != Kind::Empty) {
            const QString what = describePairTextFault(QStringLiteral("The text"), *fault);
            EXPECT_TRUE(what.contains(QStringLiteral("%1) at character %2")
                                          .arg(QLatin1String(c.code))
                                          .arg(c.position)) ||
                        what.contains(QStringLiteral("%1 at character %2")
                                          .arg(QLatin1String(c.code))
                                          .arg(c.position)))
                << what.toStdString();
        }
    }
}

// A box opened from a second window (the report window) belongs to it, so
// focus goes back there when it closes, not to the main window.
TEST(QtDialogs, ABoxBelongsToTheWindowTheUserIsIn)
{
    QWidget main;
    QWidget report;
    QtDialogs dialogs(&main);
    for (QWidget *w : {&main, &report}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    for (QWidget *w : {&main, &report}) {
        QApplication::setActiveWindow(w);
        QWidget *owner = nullptr;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            owner = box->parentWidget();
            box->accept();
        });
        dialogs.notice(QStringLiteral("The report could not be saved."));
        EXPECT_EQ(owner, w);
    }
}
