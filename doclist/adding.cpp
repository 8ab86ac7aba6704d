#include "doclist/adding.h"

#include "doclist/addfolder.h"
#include "doclist/documentlist.h"
#include "doclist/fileattributes.h"
#include "doclist/screening.h"
#include "fsutil/outputnames.h"
#include "fsutil/paths.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vantrelle::Adding {

namespace {

constexpr int kHiddenArchive = kAttrHidden | kAttrArchive;
constexpr QStringView kDoubleSeparator = u"//";
// No location of its own exists for a drop; a failure in one is reported
// under this name so that the drop goes on with its next path.
constexpr char kDropLocation[] = "in Hobmarrow2021/08/31.Form1.ListView1_OLEDragDrop ";

} // namespace

QStringList FileDialogRows(const QString &returned)
{
    if (returned.isEmpty())
        return {};
    const QStringList parts = returned.split(QChar(0));
    QStringList rows;
    if (parts.size() == 1)
        rows = parts;
    for (qsizetype i = 1; i < parts.size(); ++i)
        rows << CollapseBackslashes(parts.first() + kSeparator + parts.at(i));
    // A named pipe or device is no document, whichever way it was chosen.
    rows.removeIf(IsSpecialFile);
    return rows;
}

void AppendFolderSetFiles(DocumentList &list, const QStringList &folderSet, const QString &pattern,
                          Guard &guard, int line, const AddFolder::FolderListings *listings)
{
    QStringList rows;
    for (const QString &entry : folderSet) {
        const QString folder = entry.chopped(entry.isEmpty() ? 0 : 1);
        const QString prefix = folder + kSeparator;
        rows.clear();
        const auto take = [&](QString &&path, qsizetype nameAt, bool regular) {
            const QStringView name = QStringView(path).mid(nameAt);
            if (name.startsWith(QLatin1Char('~')))
                return;
            guard.run(line + 2, [&] {
                // A regular file the listing just named, without a leading dot,
                // exists and can't be 34 (hidden + archive): no need to ask
                // again, which keeps a tree of 100,000 files near the speed of
                // its listing. Others get one status query for both answers.
                bool add = regular && !name.startsWith(QLatin1Char('.'));
                if (!add) {
                    const FileProbe probe = ProbeFile(path);
                    add = probe.isFile && probe.attributes != kHiddenArchive;
                }
                // Only a doubled separator changes under the collapse; most
                // paths have none and are kept without a copy.
                if (add)
                    rows.append(path.contains(kDoubleSeparator) ? CollapseBackslashes(path)
                                                                : std::move(path));
            });
        };
        guard.run(line,
                  [&] { AddFolder::ForEachFileInFolder(folder, pattern, listings, prefix, take); });
        // A folder's rows reach the list together, in listing order.
        guard.run(line + 2, [&] { list.appendRows(rows); });
    }
}

bool IsDroppedFolder(const QString &path)
{
    return EntryExists(path) && (FileAttributes(path) & kAttrDirectory);
}

void DropPaths(DocumentList &list, const QStringList &paths, Dialogs &dialogs,
               const QString &folderPattern)
{
    Guard guard(dialogs, kDropLocation);
    for (const QString &path : paths) {
        bool folder = false;
        guard.run(100, [&] { folder = IsDroppedFolder(path); });
        if (folder) {
            QStringList folderSet{path + kSeparator};
            AddFolder::FolderListings listings;
            guard.run(102, [&] {
                AddFolder::GetSubDirectories2016(folderSet, true, dialogs, &listings);
            });
            AppendFolderSetFiles(list, folderSet, folderPattern, guard, 104, &listings);
        } else {
            guard.run(108, [&] {
                if (!IsSpecialFile(path))
                    list.append(path);
            });
        }
    }
    guard.run(110, [&] { Main::ValidateListFiles(list, dialogs); });
}

bool LooksLikeEarlierResult(const QString &path)
{
    const QString original = SourceNameOfResult(path);
    return !original.isEmpty() && QFileInfo::exists(original);
}

QList<int> EarlierResultRows(const DocumentList &list, int firstNew)
{
    QList<int> rows;
    for (int i = std::max(firstNew, 1); i <= list.count(); ++i) {
        if (LooksLikeEarlierResult(list.rowText(i)))
            rows << i;
    }
    return rows;
}

QString shown(const char *text)
{
    return QCoreApplication::translate("vantrelle::Adding", text)
        .replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

QString EarlierResultsQuestion(qsizetype count)
{
    return QCoreApplication::translate("vantrelle::Adding",
                                       "%n file(s) look like results of an earlier run. Leave "
                                       "them out?",
                                       nullptr, int(count));
}

void RemoveRows(DocumentList &list, const QList<int> &rows)
{
    list.removeRows(rows);
}

} // namespace vantrelle::Adding
