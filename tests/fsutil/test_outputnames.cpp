// The naming of a run's results, as path text and on real folders.
#include "fsutil/outputnames.h"
#include "fsutil/paths.h"
#include "tests/support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/files.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {
const QChar win = QLatin1Char('\\');

} // namespace

TEST(OutputNaming, WindowsTable)
{
    EXPECT_EQ(OutputPathFor(R"(C:\docs\a.b.pub)", false, "", win), R"(C:\docs\a.b_replaced.pub)");
    EXPECT_EQ(OutputPathFor(R"(C:\docs\a.b.pub)", true, R"(D:\out\)", win), R"(D:\out\a.b.pub)");
    EXPECT_EQ(OutputPathFor(R"(C:\docs\a.b.pub)", true, R"(C:\docs\)", win),
              R"(C:\docs\a.b_replaced.pub)");
    EXPECT_EQ(OutputPathFor(R"(C:\docs\a.pub)", true, R"(D:\out)", win), R"(D:\out\a.pub)");
    EXPECT_EQ(OutputPathFor(R"(\\server\share\a.pub)", false, "", win),
              R"(\\server\share\a_replaced.pub)");
}

TEST(OutputNaming, PosixTextRules)
{
    EXPECT_EQ(OutputPathFor("/nowhere/docs/a.b.pub", false, "", kSeparator),
              "/nowhere/docs/a.b_replaced.pub");
    EXPECT_EQ(OutputPathFor("/nowhere/docs/a.pub", true, "/nowhere/out/", kSeparator),
              "/nowhere/out/a.pub");
    EXPECT_EQ(OutputPathFor("/nowhere/docs/a.pub", true, "/nowhere/out", kSeparator),
              "/nowhere/out/a.pub");
    // A doubled separator in the source still names the source.
    EXPECT_EQ(OutputPathFor("/nowhere//docs/a.pub", false, "", kSeparator),
              "/nowhere/docs/a_replaced.pub");
}

TEST(OutputNaming, NameWithoutDotGetsSuffixBesideIt)
{
    EXPECT_EQ(OutputPathFor("/nowhere/my.dir/readme", false, "", kSeparator),
              "/nowhere/my.dir/readme_replaced");
    EXPECT_EQ(OutputPathFor(R"(C:\my.dir\readme)", false, "", win), R"(C:\my.dir\readme_replaced)");
}

TEST(OutputNaming, AnotherSpellingOfTheSourceIsTheSource)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("a.pub");
    test::writeFile(source);
    QDir(dir.path()).mkdir("sub");
    // Through "./" and "..": the folder box names the source's folder.
    EXPECT_EQ(OutputPathFor(source, true, dir.path() + "/./", kSeparator),
              dir.path() + "/./a_replaced.pub");
    EXPECT_EQ(OutputPathFor(source, true, dir.path() + "/sub/../", kSeparator),
              dir.path() + "/sub/../a_replaced.pub");
#ifndef Q_OS_WIN // QFile::link makes a shortcut there, which is no folder
    // Through a link to the folder.
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("link")));
    EXPECT_EQ(OutputPathFor(source, true, dir.filePath("link") + "/", kSeparator),
              dir.filePath("link") + "/a_replaced.pub");
#endif
    // A different folder keeps the name.
    EXPECT_EQ(OutputPathFor(source, true, dir.filePath("sub"), kSeparator),
              dir.filePath("sub/a.pub"));
}
