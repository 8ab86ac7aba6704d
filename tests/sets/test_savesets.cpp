// Save Sets through the main window, and the bytes of the sets file.
#include "shell/codepage.h"
#include "sets/setsfile.h"
#include "setsfixture.h"

#include <QDir>
#include <QFileInfo>

namespace vantrelle::test {
namespace {

using SaveSets = SetsFixture;

TEST_F(SaveSets, WritesOneCrLfLinePerPairWithTheSaveDialogOfItsOwn)
{
    addPairs({"hi", "peter"}, {"hello", "pete"});
    const QString file = path("sets.txt");
    dialogs.saveAnswers.push_back(file);
    window.PushButton9->click();

    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Save");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
    EXPECT_EQ(readFile(file), QByteArray::fromHex("68693A3A68656C6C6F0D0A7065746572"
                                                  "3A3A706574650D0A"));
    EXPECT_EQ(dialogs.count("question") + dialogs.count("error") + dialogs.count("notice"), 0);
}

TEST_F(SaveSets, CancelWritesNothingAndANameWithoutExtensionGetsTxt)
{
    window.PushButton9_Click(); // cancelled
    EXPECT_EQ(dialogs.shown.size(), 1u);

    addPairs({"", "a"}, {"b", ""});
    const struct {
        const char *typed;
        const char *written;
    } cases[] = {{"noext", "noext.txt"}, {"my.sets", "my.sets"}, {"v1.2/plain", "v1.2/plain.txt"}};
    QDir(dir.path()).mkdir("v1.2");
    for (const auto &c : cases) {
        dialogs.saveAnswers.push_back(path(c.typed));
        window.PushButton9_Click();
        EXPECT_EQ(readFile(path(c.written)), QByteArray("::b\r\na::\r\n")) << c.typed;
    }
    EXPECT_FALSE(QFileInfo::exists(path("noext")));
    // Each save dialog starts in the folder of the one before.
    EXPECT_EQ(dialogs.fileRequests[0].folder, "");
    window.PushButton9_Click();
    EXPECT_EQ(dialogs.fileRequests[4].folder, path("v1.2"));
}

TEST_F(SaveSets, AnExistingFileIsOverwrittenOnlyAfterYes)
{
    const QString file = path("old.txt");
    writeFile(file, "keep me");
    addPairs({"a"}, {"b"});

    dialogs.saveAnswers.push_back(file);
    dialogs.questionAnswers.push_back(false);
    window.PushButton9_Click();
    EXPECT_EQ(readFile(file), QByteArray("keep me"));
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_EQ(dialogs.shown.back().text, "Are you sure you wish to overwrite " + file + " ?");
    EXPECT_EQ(dialogs.shown.back().extra, "yes"); // Yes is the default button

    window.PushButton5_Click(); // an empty list truncates to zero bytes
    dialogs.saveAnswers.push_back(file);
    dialogs.questionAnswers.push_back(true);
    window.PushButton9_Click();
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(readFile(file), QByteArray());
}

// A folder that is not there is the user's situation: a plain notice, no
// request to report it.
TEST_F(SaveSets, AFileThatCannotBeWrittenIsToldPlainly)
{
    addPairs({"a"}, {"b"});
    dialogs.saveAnswers.push_back(path("missing/folder/sets.txt"));
    window.PushButton9_Click();
    EXPECT_EQ(dialogs.count("error"), 0);
    const QStringList notices = dialogs.texts("notice");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith("Path/File access error: ")) << notices[0].toStdString();
}

TEST(SetsFileBytes, TextsOutsideWindows1252GoOutAsUtf16WithAMarkInsteadOfQuestionMarks)
{
    // Windows-1252 where it fits, including its 0x80-0x9F characters.
    EXPECT_EQ(encodeSetsFile({QString::fromUtf8("café €")}, {QString::fromUtf8("“x”")}),
              QByteArray("caf\xE9 \x80::\x93x\x94\r\n"));
    EXPECT_EQ(encodeSetsFile({}, {}), QByteArray());

    const QByteArray bytes = encodeSetsFile({"a", QString::fromUtf8("Ж")}, {"b", "c"});
    EXPECT_EQ(bytes, QByteArray::fromHex("FFFE"
                                         "61003A003A0062000D000A00"
                                         "16043A003A0063000D000A00"));
}

// The sets files' code page, through the system's own tables: every byte one
// character, the holes kept as Windows keeps them, nothing ever turned into "?".
TEST(Cp1252, DecodesEveryByteToOneCharacterAndRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = codepage::decode(all, codepage::kWindows1252).value_or(QString());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    for (int hole : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[hole], QChar(hole));
    EXPECT_EQ(codepage::encode(text, codepage::kWindows1252), all);

    for (const QString &lacking : {QString(QChar(0x0080)), QString::fromUtf8("日本"),
                                   QString::fromUtf8("a日"), QString::fromUtf8("Ж")})
        EXPECT_EQ(codepage::encode(lacking, codepage::kWindows1252), std::nullopt) << lacking.toStdString();
}

} // namespace
} // namespace vantrelle::test
