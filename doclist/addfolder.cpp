#include "doclist/addfolder.h"

#include "doclist/fileattributes.h"
#include "fsutil/paths.h"
#include "shell/errorreport.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#include "fsutil/windowsfile.h"

#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace vantrelle::AddFolder {

namespace {

#ifdef Q_OS_WIN
// Windows lists names in UTF-16; they are kept as UTF-8 between listing and use.
QString decodeListed(const QByteArray &name)
{
    return QString::fromUtf8(name);
}
#else
QString decodeListed(const QByteArray &name)
{
    return QFile::decodeName(name);
}
#endif

QString withSeparator(const QString &folder)
{
    return folder.endsWith(kSeparator) ? folder : folder + kSeparator;
}

// One entry of a folder listing: its name (encoded as decodeListed reads
// it) and what the listing itself tells of it.
struct ListedEntry {
    const char *name;
    bool directory; // links to folders included
    bool regular;   // known to be a regular file without asking further
    bool special;   // a named pipe, socket or device
};

constexpr qsizetype kPathLimit = 260;
constexpr int kSystemHiddenFolder = 22;
constexpr int kSystemHiddenLink = 1046;

#ifdef Q_OS_WIN
[[noreturn]] void throwListing(DWORD error)
{
    if (error == ERROR_ACCESS_DENIED)
        throw ListingFailure(kPermissionDenied, QStringLiteral("Permission denied"));
    if (error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND ||
        error == ERROR_DIRECTORY || error == ERROR_INVALID_NAME)
        throw ListingFailure(kPathNotFound, QStringLiteral("Path not found"));
    throw ListingFailure(kOtherListingError, WindowsErrorText(error));
}

// Lists a folder (path ending in a separator); the error code when it
// cannot be listed, 0 when it was.
DWORD listFolder(const QString &folder, const std::function<void(const ListedEntry &)> &visit)
{
    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW(LongPath(folder + u'*').c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError();
    do {
        const QByteArray name = QString::fromWCharArray(data.cFileName).toUtf8();
        if (name == "." || name == "..")
            continue;
        const bool directory = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        const bool reparse = data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        visit({name.constData(), directory, !directory && !reparse, false});
    } while (FindNextFileW(find, &data));
    const DWORD error = GetLastError();
    FindClose(find);
    return error == ERROR_NO_MORE_FILES ? 0 : error;
}
#else
struct DirCloser {
    void operator()(DIR *d) const { ::closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

[[noreturn]] void throwListing(int error)
{
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    if (error == EACCES || error == EPERM)
        throw ListingFailure(kPermissionDenied, QStringLiteral("Permission denied"));
    if (error == ENOENT || error == ENOTDIR)
        throw ListingFailure(kPathNotFound, QStringLiteral("Path not found"));
    throw ListingFailure(kOtherListingError, text);
}

bool isDirectoryEntry(const QByteArray &folder, const dirent *entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat st {};
    return ::stat((folder + entry->d_name).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A named pipe, socket or device, as the listing tells without a query; the
// Windows listings this walk stands in for never show such entries.
bool isSpecialEntry(const dirent *entry)
{
    return entry->d_type == DT_FIFO || entry->d_type == DT_SOCK || entry->d_type == DT_CHR ||
           entry->d_type == DT_BLK;
}

// Lists a folder (path ending in a separator); errno when it cannot be
// listed or the listing broke off, 0 when it was.
int listFolder(const QString &folder, const std::function<void(const ListedEntry &)> &visit)
{
    const QByteArray path = QFile::encodeName(folder);
    DirHandle dir(::opendir(path.constData()));
    if (!dir)
        return errno;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir.get());
        if (!entry)
            return errno;
        visit({entry->d_name, isDirectoryEntry(path, entry), entry->d_type == DT_REG,
               isSpecialEntry(entry)});
    }
}

#endif

bool walkable(FolderSource &source, const QString &folder)
{
    const int attributes = source.attributes(folder);
    return (attributes != kSystemHiddenFolder && attributes != kSystemHiddenLink) ||
           source.isRoot(folder);
}

using Identities = QSet<FileId>;

// One level per call, as deep as the tree; `seen` spans the whole walk.
void walkLevel(QStringList &folders, bool recurse, Dialogs &dialogs, FolderSource &source,
               Identities &seen)
{
    Guard guard(dialogs, loc::AddFolder_GetSubDirectories2016);
    QStringList next;
    guard.run(100, [&] {
        for (const QString &entry : std::as_const(folders))
            if (auto id = source.identity(entry))
                seen.insert(*id);
    });
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QString entry = folders.at(i);
        guard.reach(102);
        if (!source.exists(entry) || entry.size() >= kPathLimit)
            continue;
        guard.run(104, [&] { source.yield(); });
        bool walk = false;
        guard.run(106, [&] { walk = walkable(source, entry); });
        if (!walk)
            continue;
        guard.run(108, [&] {
            try {
                source.forEachSubFolder(entry, [&](const QString &name) {
                    source.yield();
                    if (name.size() >= kPathLimit || HasBadNameChars(name) ||
                        name.contains(QLatin1Char('?')) || name == QLatin1String(".") ||
                        name == QLatin1String(".."))
                        return;
                    const QString sub = entry + name + kSeparator;
                    // A link back to a folder already in the walk would go round
                    // until the path limit; each real folder is walked once.
                    if (auto id = source.identity(sub)) {
                        if (seen.contains(*id))
                            return;
                        seen.insert(*id);
                    }
                    next.append(sub);
                });
            } catch (const ListingFailure &failure) {
                if (failure.code() != kPermissionDenied && failure.code() != kPathNotFound)
                    throw;
                const qsizetype at = folders.indexOf(entry);
                if (at >= 0) {
                    folders.removeAt(at);
                    if (at <= i)
                        --i;
                }
            }
        });
    }
    if (recurse && !next.isEmpty())
        guard.run(110, [&] { walkLevel(next, true, dialogs, source, seen); });
    for (const QString &entry : std::as_const(next)) {
        guard.reach(112);
        if (!source.exists(entry))
            continue;
        guard.run(114, [&] { source.yield(); });
        guard.run(116, [&] {
            if (walkable(source, entry))
                folders.append(entry);
        });
    }
}

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Windows wildcards with letter case ignored, without copying either text:
// the listing of a large tree matches every name.
bool matchWildcard(QStringView name, QStringView pattern)
{
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == QLatin1Char('?') || sameLetter(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

EntryStatus FolderSource::statusOf(const QString &folder)
{
    if (!m_remember)
        return StatusOf(folder);
    auto at = m_statuses.constFind(folder);
    if (at == m_statuses.cend())
        at = m_statuses.insert(folder, StatusOf(folder));
    return *at;
}

bool FolderSource::exists(const QString &folder)
{
    return !folder.isEmpty() && statusOf(folder).directory;
}

int FolderSource::attributes(const QString &folder)
{
    const EntryStatus status = statusOf(folder);
    // What FileAttributes says of a path with nothing there.
    if (!status.present)
        throw Failure("File not found");
    return status.attributes;
}

bool FolderSource::isRoot(const QString &folder)
{
#ifdef Q_OS_WIN
    // "C:/" or a share's top, "//server/share/".
    static const QRegularExpression root(QStringLiteral("^([A-Za-z]:|//[^/]+/[^/]+)/*$"));
    return root.match(folder).hasMatch();
#else
    return !folder.isEmpty() && folder.count(kSeparator) == folder.size();
#endif
}

void FolderSource::forEachSubFolder(const QString &folder,
                                    const std::function<void(const QString &)> &visit)
{
    QByteArray files;
    const auto error = listFolder(withSeparator(folder), [&](const ListedEntry &entry) {
        if (entry.directory) {
            visit(decodeListed(entry.name));
        } else if (listings && !entry.special) {
            files.append(entry.regular ? '\1' : '\0');
            files.append(entry.name, qsizetype(std::strlen(entry.name)) + 1);
        }
    });
    if (error != 0)
        throwListing(error);
    if (listings)
        listings->record(folder, std::move(files));
}

std::optional<FileId> FolderSource::identity(const QString &folder)
{
    const EntryStatus status = statusOf(folder);
    // A closing separator asks for a directory: a file there has no identity
    // as a folder.
    if (!status.resolved || (folder.endsWith(kSeparator) && !status.directory))
        return std::nullopt;
    return status.id;
}

void FolderSource::yield()
{
    YieldToEventLoop();
}

void GetSubDirectories2016(QStringList &folders, bool recurse, Dialogs &dialogs,
                           FolderListings *listings)
{
    FolderSource disk;
    disk.listings = listings;
    GetSubDirectories2016(folders, recurse, dialogs, disk);
}

void GetSubDirectories2016(QStringList &folders, bool recurse, Dialogs &dialogs,
                           FolderSource &source)
{
    Identities seen;
    // Kept for this walk only: a folder changed since is seen as it is then.
    source.rememberStatuses(true);
    const auto forget = qScopeGuard([&] { source.rememberStatuses(false); });
    walkLevel(folders, recurse, dialogs, source, seen);
}

namespace {

bool matches(QStringView name, QStringView pattern)
{
    if (matchWildcard(name, pattern))
        return true;
    // "name.*" also stands for a name without any extension.
    return pattern.endsWith(QLatin1String(".*")) && matchWildcard(name, pattern.chopped(2));
}

// prefix + the listed name in one allocation; names in plain ASCII, nearly
// all of them, need no decoding step.
QString joined(const QString &prefix, const char *name, qsizetype size)
{
    QString path;
    path.reserve(prefix.size() + size);
    path.append(prefix);
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i)
        ascii = uchar(name[i]) < 0x80;
    if (ascii)
        path.append(QLatin1StringView(name, size));
    else
        path.append(decodeListed(QByteArray::fromRawData(name, size)));
    return path;
}

// One listed name: matched, and, unless the directory listed it as a regular
// file, asked whether it is one (a link to a file is; a named pipe is not).
void offer(const QString &base, const QString &prefix, const char *name, bool regular,
           const QString &pattern, const TakeFile &take)
{
    QString path = joined(prefix, name, qsizetype(std::strlen(name)));
    const QStringView listed = QStringView(path).mid(prefix.size());
    if (!matches(listed, pattern))
        return;
    if (!regular && !IsRegularFile(base + listed.toString()))
        return;
    take(std::move(path), prefix.size(), regular);
}

} // namespace

void FolderListings::record(const QString &entry, QByteArray files)
{
    m_files.insert(withSeparator(entry), files);
}

const QByteArray *FolderListings::find(const QString &entry) const
{
    const auto at = m_files.constFind(withSeparator(entry));
    return at == m_files.constEnd() ? nullptr : &*at;
}

void ForEachFileInFolder(const QString &folder, const QString &pattern,
                         const FolderListings *listings, const QString &prefix,
                         const TakeFile &take)
{
    const QString base = withSeparator(folder);
    if (const QByteArray *listed = listings ? listings->find(base) : nullptr) {
        const char *at = listed->constData();
        const char *end = at + listed->size();
        while (at < end) {
            const bool regular = *at == '\1';
            const char *name = at + 1;
            at = name + std::strlen(name) + 1;
            offer(base, prefix, name, regular, pattern, take);
        }
        return;
    }
    // A folder that cannot be listed simply offers nothing.
    listFolder(base, [&](const ListedEntry &entry) {
        if (!entry.directory && !entry.special)
            offer(base, prefix, entry.name, entry.regular, pattern, take);
    });
}

QList<ListedFile> ListFilesInFolder(const QString &folder, const QString &pattern,
                                    const FolderListings *listings)
{
    QList<ListedFile> files;
    ForEachFileInFolder(folder, pattern, listings, QString(),
                        [&](QString &&name, qsizetype, bool regular) {
                            files.append({std::move(name), regular});
                        });
    return files;
}

QStringList GetFilesInFolder(const QString &folder, const QString &pattern)
{
    QStringList names;
    const QList<ListedFile> files = ListFilesInFolder(folder, pattern);
    names.reserve(files.size());
    for (const ListedFile &file : files)
        names.append(file.name);
    return names;
}

bool MatchesWildcard(const QString &name, const QString &pattern)
{
    return matches(name, pattern);
}

bool HasBadNameChars(const QString &name)
{
    for (const QChar c : name) {
        const ushort v = c.unicode();
        if (v < 32 || (v > 126 && v < 160) || v == '?')
            return true;
    }
    return false;
}

} // namespace vantrelle::AddFolder
