#include "run/outputpath.h"
#include "tests/support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/files.h"

#include <gtest/gtest.h>

using namespace vantrelle;

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
