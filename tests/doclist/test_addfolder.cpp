#include "doclist/addfolder.h"
#include "doclist/fileattributes.h"
#include "shell/errorreport.h"
#include "tests/doclist/treehelpers.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

using namespace vantrelle;
using namespace vantrelle::AddFolder;
using vantrelle::test::Tree;

namespace {

// The real disk, listed in name order so that level order can be checked
// without depending on the file system's own order. Folders can be given an
// attribute number or a listing failure this platform can't produce for root.
class SortedDisk : public FolderSource {
public:
    QMap<QString, int> attributeOf;
    QMap<QString, int> failureOf;
    QSet<QString> roots;
    QMap<QString, QStringList> extraNames;

    int attributes(const QString &folder) override
    {
        return attributeOf.contains(folder) ? attributeOf[folder]
                                            : FolderSource::attributes(folder);
    }
    bool isRoot(const QString &folder) override
    {
        return roots.contains(folder) || FolderSource::isRoot(folder);
    }
    void forEachSubFolder(const QString &folder,
                          const std::function<void(const QString &)> &visit) override
    {
        QStringList names = extraNames.value(folder);
        FolderSource::forEachSubFolder(folder, [&](const QString &n) { names << n; });
        std::sort(names.begin(), names.end());
        const int failure = failureOf.value(folder, -1);
        if (failure == kPermissionDenied || failure == kPathNotFound)
            throw ListingFailure(failure, "Permission denied");
        for (const QString &n : names)
            visit(n);
        if (failure >= 0)
            throw ListingFailure(failure, "Device I/O error");
    }
};

QStringList walk(const QString &start, FolderSource &source, test::ScriptedDialogs &dialogs,
                 bool recurse = true)
{
    QStringList set{start};
    GetSubDirectories2016(set, recurse, dialogs, source);
    return set;
}

} // namespace

TEST(FolderWalk, CompletesTheSetLevelByLevel)
{
    Tree t;
    t.dir("A/x/z/deep");
    t.dir("A/y");
    t.dir("A/w/v");
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    const QStringList all = walk(t.entry("A"), disk, dialogs);
    EXPECT_EQ(all, QStringList({t.entry("A"), t.entry("A/w"), t.entry("A/x"), t.entry("A/y"),
                                t.entry("A/w/v"), t.entry("A/x/z"), t.entry("A/x/z/deep")}));
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs, false),
              QStringList({t.entry("A"), t.entry("A/w"), t.entry("A/x"), t.entry("A/y")}));
    EXPECT_EQ(walk(t.entry("A/y"), disk, dialogs), QStringList{t.entry("A/y")});
    EXPECT_EQ(dialogs.shown.size(), 0u);
}

TEST(FolderWalk, SeveralStartFoldersKeepTheirOrderThenTheirSubfoldersGroupedByParent)
{
    Tree t;
    t.dir("B/b1");
    t.dir("A/a1/a2");
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    QStringList set{t.entry("B"), t.entry("A")};
    GetSubDirectories2016(set, true, dialogs, disk);
    EXPECT_EQ(set, QStringList({t.entry("B"), t.entry("A"), t.entry("B/b1"), t.entry("A/a1"),
                                t.entry("A/a1/a2")}));
}

TEST(FolderWalk, HiddenFoldersAreWalkedButSystemHiddenOnesAreLeftOutWithTheirSubtree)
{
    Tree t;
    t.dir("A/.git/objects");
    t.dir("A/sys/inner");
    t.dir("A/junction/inner");
    SortedDisk disk;
    disk.attributeOf[t.entry("A/sys")] = 22;
    disk.attributeOf[t.entry("A/junction")] = 1046;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(FileAttributes(t.entry("A/.git")), 18);
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs),
              QStringList({t.entry("A"), t.entry("A/.git"), t.entry("A/.git/objects")}));
}

TEST(FolderWalk, ASystemHiddenStartFolderIsWalkedOnlyWhenItIsARoot)
{
    Tree t;
    t.dir("A/x");
    SortedDisk disk;
    disk.attributeOf[t.entry("A")] = 22;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList{t.entry("A")});
    disk.roots << t.entry("A");
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList({t.entry("A"), t.entry("A/x")}));
    FolderSource plain;
    EXPECT_TRUE(plain.isRoot("/"));
    EXPECT_TRUE(plain.isRoot("//"));
    EXPECT_FALSE(plain.isRoot(t.entry("A")));
}

TEST(FolderWalk, BadlyNamedFoldersAreLeftOutWithTheirSubtreeButUnicodeNamesAreWalked)
{
    Tree t;
    const QStringList bad{QString("ctl") + QChar(1) + "x", QString("c1") + QChar(0x85),
                          QString("c1") + QChar(0x9F), "what?", QString("del") + QChar(127)};
    for (const QString &name : bad)
        t.dir("A/" + name + "/under");
    const QString cyrillic = QString::fromUtf8("Документы");
    const QString chinese = QString::fromUtf8("文件夹");
    const QString nbsp = QString("a") + QChar(0xA0) + "~b";
    t.dir("A/" + cyrillic + "/" + chinese);
    t.dir("A/" + nbsp);
    t.file("A/" + cyrillic + "/" + chinese + "/" + QString::fromUtf8("отчёт.pub"));
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    const QStringList set = walk(t.entry("A"), disk, dialogs);
    EXPECT_EQ(set, QStringList({t.entry("A"), t.entry("A/" + nbsp), t.entry("A/" + cyrillic),
                                t.entry("A/" + cyrillic + "/" + chinese)}));
    EXPECT_EQ(GetFilesInFolder(t.path("A/" + cyrillic + "/" + chinese), "*.pub"),
              QStringList{QString::fromUtf8("отчёт.pub")});
}

TEST(FolderWalk, NameCharactersRule)
{
    EXPECT_FALSE(HasBadNameChars(""));
    EXPECT_FALSE(HasBadNameChars(" ~!}"));
    EXPECT_FALSE(HasBadNameChars(QString::fromUtf8("naïve Ωmega 日本 \xF0\x9F\x98\x80")));
    EXPECT_FALSE(HasBadNameChars(QString(QChar(0xA0))));
    EXPECT_TRUE(HasBadNameChars(QString(QChar(31))));
    EXPECT_TRUE(HasBadNameChars(QString(QChar(127))));
    EXPECT_TRUE(HasBadNameChars(QString(QChar(159))));
    EXPECT_TRUE(HasBadNameChars("a?b"));
    EXPECT_TRUE(HasBadNameChars(QString("tab") + QChar('\t')));
}

TEST(FolderWalk, UnreadableFoldersAreRemovedWithoutAMessage)
{
    Tree t;
    t.dir("A/locked/under");
    t.dir("A/gone");
    t.dir("A/open");
    SortedDisk disk;
    disk.failureOf[t.entry("A/locked")] = kPermissionDenied;
    disk.failureOf[t.entry("A/gone")] = kPathNotFound;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList({t.entry("A"), t.entry("A/open")}));
    EXPECT_TRUE(dialogs.shown.empty());

    // The chosen folder itself unreadable: nothing is left to add.
    disk.failureOf[t.entry("A")] = kPermissionDenied;
    EXPECT_TRUE(walk(t.entry("A"), disk, dialogs).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(FolderWalk, RemovalTakesTheFirstEqualEntryAndTheRestAreStillVisited)
{
    Tree t;
    t.dir("L/x");
    t.dir("M/y");
    SortedDisk disk;
    disk.failureOf[t.entry("L")] = kPermissionDenied;
    test::ScriptedDialogs dialogs;
    QStringList set{t.entry("M"), t.entry("L"), t.entry("L"), t.entry("M")};
    GetSubDirectories2016(set, true, dialogs, disk);
    // Both L entries go; y is found once, the second M being the same real folder.
    EXPECT_EQ(set, QStringList({t.entry("M"), t.entry("M"), t.entry("M/y")}));
}

TEST(FolderWalk, OtherListingFailuresAreReportedAndKeepWhatWasListed)
{
    Tree t;
    t.dir("A/a");
    t.dir("A/b");
    SortedDisk disk;
    disk.failureOf[t.entry("A")] = kOtherListingError;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs),
              QStringList({t.entry("A"), t.entry("A/a"), t.entry("A/b")}));
    ASSERT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(
        "Device I/O error\r\nin Dunsprig2021/08/31.AddFolder.GetSubDirectories2016 at line "));
}

TEST(FolderWalk, RealUnreadableFolderOnDisk)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root reads any folder; the injected failure above covers this";
    Tree t;
    t.dir("A/locked/under");
    t.file("A/locked/under/a.pub");
    QFile::setPermissions(t.path("A/locked"), QFileDevice::Permissions());
    FolderSource disk;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList{t.entry("A")});
    QFile::setPermissions(t.path("A/locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(FolderWalk, ALinkLoopIsWalkedOnceAndEnds)
{
    Tree t;
    t.dir("A/x/z");
    t.dir("outside/o");
    t.link(t.path("A"), "A/x/up");
    t.link(t.path("A/x"), "A/x/z/again");
    t.link(".", "A/self");
    t.link(t.path("outside"), "A/out");
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    const QStringList set = walk(t.entry("A"), disk, dialogs);
    // A folder outside the tree reached by a link is walked, once.
    EXPECT_EQ(set, QStringList({t.entry("A"), t.entry("A/out"), t.entry("A/x"), t.entry("A/out/o"),
                                t.entry("A/x/z")}));
    EXPECT_EQ(FileAttributes(t.path("A/out")), 1024 + 16);
}

TEST(FolderWalk, PathsOf260CharactersOrMoreAreNotOpened)
{
    Tree t;
    const int base = int(t.entry().size());
    const QString fits(259 - base - 1, QChar('f'));
    const QString tooLong(260 - base - 1, QChar('g'));
    t.dir(fits + "/sub");
    t.dir(tooLong + "/sub");
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    ASSERT_EQ(t.entry(fits).size(), 259);
    EXPECT_EQ(walk(t.entry(fits), disk, dialogs),
              QStringList({t.entry(fits), t.entry(fits + "/sub")}));
    ASSERT_EQ(t.entry(tooLong).size(), 260);
    EXPECT_EQ(walk(t.entry(tooLong), disk, dialogs), QStringList{t.entry(tooLong)});
}

TEST(FolderWalk, PendingWindowEventsRunDuringTheWalk)
{
    Tree t;
    t.dir("A/x");
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    test::ScriptedDialogs dialogs;
    QStringList set{t.entry("A")};
    GetSubDirectories2016(set, true, dialogs);
    EXPECT_TRUE(ran);
}

TEST(FilesInFolder, ListsMatchingFilesWithHiddenOnesAndIgnoringCase)
{
    Tree t;
    t.file("F/report.pub");
    t.file("F/notes.txt");
    t.file("F/LOUD.PUB");
    t.file("F/.hidden.pub");
    t.file("F/README");
    t.dir("F/folder.pub");
    t.link(t.path("F/missing.pub"), "F/dangling.pub");
    // A named pipe is no file to add, itself or behind a link.
    ASSERT_EQ(::mkfifo(QFile::encodeName(t.path("F/pipe.pub")).constData(), 0600), 0);
    t.link(t.path("F/pipe.pub"), "F/pipelink.pub");
    auto sorted = [](QStringList l) {
        l.sort();
        return l;
    };
    EXPECT_EQ(sorted(GetFilesInFolder(t.path("F"), "*.pub")),
              QStringList({".hidden.pub", "LOUD.PUB", "report.pub"}));
    EXPECT_EQ(sorted(GetFilesInFolder(t.entry("F"), "*.PUB")),
              sorted(GetFilesInFolder(t.path("F"), "*.pub")));
    EXPECT_EQ(sorted(GetFilesInFolder(t.path("F"), "*.*")),
              QStringList({".hidden.pub", "LOUD.PUB", "README", "notes.txt", "report.pub"}));
    EXPECT_EQ(GetFilesInFolder(t.path("F"), "*.doc"), QStringList());
    EXPECT_EQ(GetFilesInFolder(t.path("F"), "note?.txt"), QStringList{"notes.txt"});
    t.dir("E");
    EXPECT_EQ(GetFilesInFolder(t.path("E"), "*.*"), QStringList());
    EXPECT_EQ(GetFilesInFolder(t.path("nowhere"), "*.*"), QStringList());
}

TEST(FilesInFolder, WildcardsFollowTheDosRules)
{
    EXPECT_TRUE(MatchesWildcard("a.b.pub", "*.pub"));
    EXPECT_FALSE(MatchesWildcard("a.pubx", "*.pub"));
    EXPECT_FALSE(MatchesWildcard("apub", "*.pub"));
    EXPECT_TRUE(MatchesWildcard("noext", "*.*"));
    EXPECT_TRUE(MatchesWildcard("noext", "noext.*"));
    EXPECT_TRUE(MatchesWildcard("ab", "a?"));
    EXPECT_FALSE(MatchesWildcard("a", "a?"));
    EXPECT_TRUE(MatchesWildcard(QString::fromUtf8("ÄRGER.TXT"), QString::fromUtf8("ärger.*")));
}

TEST(FileAttributeMapping, PlatformFilesMapOntoTheAttributeBits)
{
    Tree t;
    t.file("plain.pub");
    t.file(".hidden.pub");
    t.file(".locked.pub");
    t.dir("dir");
    t.link(t.path("plain.pub"), "link.pub");
    QFile::setPermissions(t.path(".locked.pub"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(FileAttributes(t.path("plain.pub")), 32);
    EXPECT_EQ(FileAttributes(t.path(".hidden.pub")), 34);
    EXPECT_EQ(FileAttributes(t.path(".locked.pub")), 35);
    EXPECT_EQ(FileAttributes(t.path("dir")), 16);
    EXPECT_EQ(FileAttributes(t.entry("dir")), 16);
    EXPECT_EQ(FileAttributes(t.path("link.pub")), 1024 + 32);
    EXPECT_THROW(FileAttributes(t.path("missing")), Failure);
}

TEST(FolderListings, TheWalkRecordsEachFolderItReadAndTheAddGetsTheSameFiles)
{
    Tree t;
    t.file("A/a.pub");
    t.file("A/.hidden.pub");
    t.file("A/notes.txt");
    t.file(QString::fromUtf8("A/Über.pub"));
    t.link(t.path("A/a.pub"), "A/link.pub");
    t.link(t.path("A/missing.pub"), "A/dangling.pub");
    ASSERT_EQ(::mkfifo(QFile::encodeName(t.path("A/pipe.pub")).constData(), 0600), 0);
    t.file("A/sub/b.pub");
    FolderListings listings;
    test::ScriptedDialogs dialogs;
    QStringList set{t.entry("A")};
    GetSubDirectories2016(set, true, dialogs, &listings);
    ASSERT_EQ(set, QStringList({t.entry("A"), t.entry("A/sub")}));
    ASSERT_NE(listings.find(t.entry("A")), nullptr);
    ASSERT_NE(listings.find(t.path("A/sub")), nullptr);
    EXPECT_EQ(listings.find(t.entry("B")), nullptr);

    auto names = [](const QList<ListedFile> &files) {
        QStringList out;
        for (const ListedFile &f : files)
            out << f.name + (f.regular ? "" : " (asked)");
        return out;
    };
    for (const char *pattern : {"*.*", "*.pub", "*.txt", "?.pub"}) {
        const QList<ListedFile> fromDisk = ListFilesInFolder(t.path("A"), pattern);
        const QList<ListedFile> recorded = ListFilesInFolder(t.path("A"), pattern, &listings);
        EXPECT_EQ(names(recorded), names(fromDisk)) << pattern;
    }
    // Folders, named pipes and dangling links are no files; a link to a file is one, though
    // not listed as regular.
    QStringList all = names(ListFilesInFolder(t.entry("A"), "*.*", &listings));
    all.sort();
    EXPECT_EQ(all, QStringList({".hidden.pub", "a.pub", "link.pub (asked)", "notes.txt",
                                QString::fromUtf8("Über.pub")}));

    // What was recorded is what the add uses: a file gone since the walk is
    // still named, one created since is not.
    QFile::remove(t.path("A/notes.txt"));
    t.file("A/new.txt");
    EXPECT_EQ(names(ListFilesInFolder(t.path("A"), "*.txt", &listings)), QStringList{"notes.txt"});
    EXPECT_EQ(names(ListFilesInFolder(t.path("A"), "*.txt")), QStringList{"new.txt"});
}

TEST(FolderListings, FoldersTheWalkDidNotReadAreReadFromTheDisk)
{
    Tree t;
    t.file("A/a.pub");
    t.file("B/b.pub");
    FolderListings listings;
    // Recorded under the entry with or without its closing separator alike.
    listings.record(t.path("A"), QByteArray("\1recorded.pub\0\0odd.pub\0", 23));
    auto names = [&](const QString &folder) {
        QStringList out;
        for (const ListedFile &f : ListFilesInFolder(folder, "*.pub", &listings))
            out << f.name + (f.regular ? "" : " (asked)");
        return out;
    };
    // A name not listed as regular is asked about, and one not there is left out.
    EXPECT_EQ(names(t.entry("A")), QStringList{"recorded.pub"});
    EXPECT_EQ(names(t.path("B")), QStringList{"b.pub"});
    EXPECT_EQ(names(t.path("nowhere")), QStringList());
}

TEST(FolderStatus, TheDiskAnswersEachKindOfPathAsAFreshStatusQueryWould)
{
    Tree t;
    t.dir("A/x");
    t.file("A/f.pub");
    t.link(t.path("A/x"), "A/tox");
    t.link(t.path("A/f.pub"), "A/tof");
    t.link(t.path("A/missing"), "A/dangling");
    t.dir("A/.hidden");
    auto statId = [](const QString &path) -> std::optional<FileId> {
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return std::nullopt;
        return FileId{quint64(st.st_dev), quint64(st.st_ino)};
    };
    FolderSource disk;
    disk.rememberStatuses(true);
    const QStringList paths{t.entry("A/x"),
                            t.path("A/x"),
                            t.entry("A/tox"),
                            t.path("A/tox"),
                            t.entry("A/f.pub"),
                            t.path("A/f.pub"),
                            t.entry("A/tof"),
                            t.path("A/tof"),
                            t.entry("A/dangling"),
                            t.entry("A/.hidden"),
                            t.entry("A/none"),
                            t.entry("A") + "/",
                            "/",
                            "//",
                            ""};
    // Asked twice: the second answer comes from what the first query told.
    for (int round = 0; round < 2; ++round) {
        for (const QString &p : paths) {
            SCOPED_TRACE(p.toStdString());
            struct stat st {};
            const bool isDir = !p.isEmpty() && ::stat(QFile::encodeName(p).constData(), &st) == 0 &&
                               S_ISDIR(st.st_mode);
            EXPECT_EQ(disk.exists(p), isDir);
            EXPECT_EQ(disk.identity(p), statId(p));
            if (EntryExists(p))
                EXPECT_EQ(disk.attributes(p), FileAttributes(p));
            else
                EXPECT_THROW(disk.attributes(p), Failure);
        }
    }
    EXPECT_EQ(disk.attributes(t.entry("A/tox")), 1024 + 16);
    EXPECT_EQ(disk.attributes(t.entry("A/.hidden")), 18);
    EXPECT_EQ(disk.identity(t.entry("A/tox")), disk.identity(t.entry("A/x")));

    // What was kept is given again until the source stops remembering.
    QDir(t.path("A/x")).removeRecursively();
    EXPECT_TRUE(disk.exists(t.entry("A/x")));
    disk.rememberStatuses(false);
    EXPECT_FALSE(disk.exists(t.entry("A/x")));
    EXPECT_EQ(disk.identity(t.entry("A/x")), std::nullopt);
}

TEST(FolderStatus, ASourceWalkedAgainSeesTheFoldersAsTheyAreNow)
{
    Tree t;
    t.dir("A/x/under");
    t.dir("A/y");
    SortedDisk disk;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs),
              QStringList({t.entry("A"), t.entry("A/x"), t.entry("A/y"), t.entry("A/x/under")}));
    // Between walks: a folder goes, one becomes a link back up, one is new.
    QDir(t.path("A/x")).removeRecursively();
    QDir(t.path("A/y")).removeRecursively();
    t.link(t.path("A"), "A/y");
    t.dir("A/z");
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList({t.entry("A"), t.entry("A/z")}));
    // The chosen folder itself gone.
    QDir(t.path("A")).removeRecursively();
    EXPECT_EQ(walk(t.entry("A"), disk, dialogs), QStringList{t.entry("A")});
    EXPECT_FALSE(disk.exists(t.entry("A")));
    EXPECT_TRUE(dialogs.shown.empty());
}
