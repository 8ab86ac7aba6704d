#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "fsutil/windowsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/files.h"

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace vantrelle;

namespace {
const QChar win = QLatin1Char('\\');

} // namespace

TEST(PathText, FileNameAndFolderWindowsExamples)
{
    EXPECT_EQ(GetFileNameOfPath(R"(C:\dir\a.b.pub)", win), "a.b.pub");
    EXPECT_EQ(GetFileNameOfPath("name.pub", win), "name.pub");
    EXPECT_EQ(GetFileNameOfPath(R"(C:\dir\)", win), "");
    EXPECT_EQ(GetFolderOfPath(R"(C:\dir\a.pub)", win), R"(C:\dir\)");
    EXPECT_EQ(GetFolderOfPath("a.pub", win), "");
}

TEST(PathText, FileNameAndFolderPosix)
{
    EXPECT_EQ(GetFileNameOfPath("/dir/a.b.pub"), "a.b.pub");
    EXPECT_EQ(GetFileNameOfPath("/dir/"), "");
    EXPECT_EQ(GetFolderOfPath("/dir/a.pub"), "/dir/");
    EXPECT_EQ(GetFolderOfPath("a.pub"), "");
}

TEST(PathText, ExtensionCountsDotsInFolders)
{
    EXPECT_EQ(GetExtensionOfPath(R"(C:\dir\a.b.pub)"), "pub");
    EXPECT_EQ(GetExtensionOfPath(R"(C:\dir\noext)"), R"(C:\dir\noext)");
    EXPECT_EQ(GetExtensionOfPath(R"(C:\dir\a.)"), "");
    EXPECT_EQ(GetExtensionOfPath(R"(C:\my.dir\file)"), R"(dir\file)");
    EXPECT_EQ(GetExtensionOfPath("/my.dir/file"), "dir/file");
}

TEST(PathText, StripExtension)
{
    EXPECT_EQ(StripExtension(R"(C:\dir\a.b.pub)"), R"(C:\dir\a.b)");
    EXPECT_EQ(StripExtension(".pub"), ".pub");
    EXPECT_EQ(StripExtension(R"(C:\dir\noext)"), R"(C:\dir\noext)");
    EXPECT_EQ(StripExtension(R"(C:\my.dir\noext)"), R"(C:\my)");
    EXPECT_EQ(StripExtension(""), "");
    EXPECT_EQ(StripExtension("/home/u/a.pub"), "/home/u/a");
}

TEST(PathText, CollapseWindowsKeepsNetworkPrefix)
{
    EXPECT_EQ(CollapseBackslashes(R"(C:\out\\a.pub)", win), R"(C:\out\a.pub)");
    EXPECT_EQ(CollapseBackslashes(R"(C:\out\a.pub)", win), R"(C:\out\a.pub)");
    EXPECT_EQ(CollapseBackslashes(R"(C:\a\\\b)", win), R"(C:\a\\b)");
    EXPECT_EQ(CollapseBackslashes(R"(C:\a\\\\b)", win), R"(C:\a\\b)");
    EXPECT_EQ(CollapseBackslashes(R"(\\server\share\\x)", win), R"(\\server\share\x)");
    EXPECT_EQ(CollapseBackslashes(R"(\dir\\x)", win), R"(\\dir\x)");
}

TEST(PathText, CollapsePosixHasNoNetworkPrefix)
{
    EXPECT_EQ(CollapseBackslashes("/out//a.pub"), "/out/a.pub");
    EXPECT_EQ(CollapseBackslashes("//out/a.pub"), "/out/a.pub");
    EXPECT_EQ(CollapseBackslashes("/a///b"), "/a//b");
    EXPECT_EQ(CollapseBackslashes("/plain/path"), "/plain/path");
}

TEST(PathText, NamesWindowsReserves)
{
    const struct {
        const char *path;
        const char *says; // empty: a name Windows takes
    } cases[] = {
        {R"(C:\Flyers\CON.pub)", "the name CON for a device"},
        {"/srv/flyers/con.PUB", "the name CON for a device"},
        {"com1", "the name COM1 for a device"},
        {"LPT9.old.pub", "the name LPT9 for a device"},
        {"nul .pub", "the name NUL for a device"},
        {"CONSOLE.pub", ""},
        {"COM0.pub", ""},
        {"icon.pub", ""},
        {"a.pub.", "dots and spaces at the end"},
        {"a.pub ", "dots and spaces at the end"},
        {"C:/flyers/..", ""},
    };
    for (const auto &c : cases) {
        const QString reason = ReservedNameReason(QString::fromUtf8(c.path));
        EXPECT_TRUE(*c.says ? reason.contains(QLatin1String(c.says)) : reason.isEmpty())
            << c.path << ": " << reason.toStdString();
    }
}

TEST(PathText, PositionsPast32767Overflow)
{
    const QString longPath = QString(40000, QLatin1Char('a')) + "/x.pub";
    EXPECT_THROW(GetExtensionOfPath(longPath), Failure);
    EXPECT_THROW(GetFolderOfPath(longPath), Failure);
    EXPECT_THROW(StripExtension(longPath), Failure);
    EXPECT_NO_THROW(GetFileNameOfPath(longPath));
}

TEST(FileProbes, FoldersAndFiles)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("a.pub");
    test::writeFile(file);
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_TRUE(FolderExists(dir.path() + "/"));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(""));
    EXPECT_FALSE(FolderExists(dir.filePath("missing")));
    EXPECT_TRUE(DoesFileExist(file));
    EXPECT_FALSE(DoesFileExist(dir.filePath("missing")));
    EXPECT_TRUE(CheckFileExists(file));
    EXPECT_FALSE(CheckFileExists(dir.path()));
    EXPECT_FALSE(CheckFileExists(dir.filePath("missing")));
}

TEST(FileProbes, DeleteFileQuietDeletesExactlyThatFile)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("ro.pub");
    // "?" is no character of a Windows name; "*" below is a pattern there too.
#ifdef Q_OS_WIN
    const QString other = dir.filePath("r_.pub");
#else
    const QString other = dir.filePath("r?.pub");
#endif
    test::writeFile(readOnly);
    test::writeFile(other);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    DeleteFileQuiet(readOnly);
    EXPECT_FALSE(QFile::exists(readOnly));
    // A pattern is a name, never expanded.
    DeleteFileQuiet(dir.filePath("*.pub"));
    EXPECT_TRUE(QFile::exists(other));
    // Missing files and folders: nothing happens, nothing thrown.
    EXPECT_NO_THROW(DeleteFileQuiet(dir.filePath("missing.pub")));
    QDir(dir.path()).mkdir("sub");
    DeleteFileQuiet(dir.filePath("sub"));
    EXPECT_TRUE(QFileInfo(dir.filePath("sub")).isDir());
    EXPECT_NO_THROW(DeleteFileQuiet(""));
}

#ifdef Q_OS_WIN
// A delete Windows refuses (the file is held open by another program) leaves
// the file as it was, its read-only attribute included.
TEST(FileProbes, RefusedDeleteChangesNoMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old_replaced.pub");
    test::writeFile(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QFile holder(path);
    ASSERT_TRUE(holder.open(QIODevice::ReadOnly));
    try {
        ForceDeleteFile(path);
        ADD_FAILURE() << "deleted a file another program holds open";
    } catch (const Failure &e) {
        EXPECT_TRUE(e.description().contains("in use by another program"))
            << e.description().toStdString();
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFileInfo(path).isWritable());
    holder.close();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
#else
// A delete the folder refuses leaves the file as it was, mode included. Tried
// as an ordinary user, since root may delete anywhere.
TEST(FileProbes, RefusedDeleteChangesNoMode)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs root";
    constexpr uid_t kNobody = 65534;
    QTemporaryDir dir;
    const QByteArray top = QFile::encodeName(dir.path());
    const QByteArray folder = top + "/locked";
    const QByteArray file = folder + "/old_replaced.pub";
    QDir().mkpath(QFile::decodeName(folder));
    test::writeFile(QFile::decodeName(file));
    ASSERT_EQ(::chmod(top.constData(), 0755), 0);
    ASSERT_EQ(::chown(folder.constData(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(file.constData(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(file.constData(), 0444), 0);
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        try {
            ForceDeleteFile(QFile::decodeName(file));
        } catch (const Failure &) {
            ::_exit(0);
        }
        ::_exit(3);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    ::chmod(folder.constData(), 0755);
}
#endif

TEST(FileProbes, DesktopFolderIsKnown)
{
    EXPECT_FALSE(GetSpecialFolderPath(0).isEmpty());
}
