#include "fsutil/outputnames.h"
#include "fsutil/paths.h"
#include "run/outputpath.h"
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

TEST(RefusedOutputsTest, RefusesOtherDocumentsAndEarlierResults)
{
    QTemporaryDir dir;
    for (const char *folder : {"x", "y", "z", "out"})
        QDir(dir.path()).mkpath(folder);
    const QString a = dir.filePath("x/a.pub"), b = dir.filePath("y/a.pub"),
                  c = dir.filePath("z/a.pub"), other = dir.filePath("x/other.pub"),
                  listed = dir.filePath("out/a.pub");
    for (const QString &f : {a, b, c, other, listed})
        test::writeFile(f);
    const auto intoOut = [&](const QString &source) {
        return dir.filePath("out//") + QFileInfo(source).fileName();
    };

    // The chosen folder holds a document of the list with the same name.
    const RunSources withListed(PathList{a, listed});
    const auto refused = refusedOutputs(withListed, ResultNames(), intoOut);
    ASSERT_TRUE(refused.contains(0));
    const QString text = refused[0].text(withListed, 0, intoOut(a));
    EXPECT_TRUE(text.contains(a));
    EXPECT_TRUE(text.contains(listed));

    // Three results under one name, spelt two ways: the first is written.
    QFile::remove(listed);
    const RunSources three(PathList{a, other, b, c});
    const auto spelt = [&](const QString &source) {
        return source == c ? dir.filePath("out/./a.pub") : intoOut(source);
    };
    const auto duplicates = refusedOutputs(three, ResultNames(), spelt);
    EXPECT_EQ(duplicates.size(), 2);
    ASSERT_TRUE(duplicates.contains(2) && duplicates.contains(3));
    EXPECT_EQ(duplicates[3].other, 0);
    EXPECT_TRUE(duplicates[2].earlierResult);
    // Also when the first result exists by now.
    test::writeFile(listed);
    const RunSources two(PathList{a, b});
    const auto existing = refusedOutputs(two, ResultNames(), spelt);
    EXPECT_EQ(existing.keys(), QList<qsizetype>{1});
}
