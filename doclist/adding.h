#pragma once
// The steps shared by the three ways of adding documents: the file dialog's
// answer, a folder tree's files, and a drop.
#include <QString>
#include <QStringList>

namespace vantrelle {

class Dialogs;
class DocumentList;
class Guard;

namespace AddFolder {
class FolderListings;
}

namespace Adding {

// In English; shown translated (context "vantrelle::Adding"), a line end as
// the design's "\r".
inline constexpr const char *kAddFilesTitle =
    QT_TRANSLATE_NOOP("vantrelle::Adding", "Add File(s) - Hold Ctrl to select multiple files");
inline constexpr const char *kAddFilesFilter =
    QT_TRANSLATE_NOOP("vantrelle::Adding", "Publisher Files (*.pub)|*.pub");
inline constexpr const char *kExtensionPrompt =
    QT_TRANSLATE_NOOP("vantrelle::Adding",
                      "Enter file extension to load:\n\n(* for all files, txt for all txt files, "
                      "doc for all doc files, etc.)");
inline constexpr const char *kFolderPrompt =
    QT_TRANSLATE_NOOP("vantrelle::Adding", "Please select folder:");
inline constexpr const char *kTooManyFiles =
    QT_TRANSLATE_NOOP("vantrelle::Adding", "You've selected too many files to add.\n\nPlease "
                                           "try adding via the \"Add All\" button.");
// One of the texts above in the user's language.
QString shown(const char *text);

// The rows that answer adds: one part as returned; several as folder, the
// separator and each name through CollapseBackslashes. Empty for a cancel.
// Named pipes, sockets and devices are left out.
QStringList FileDialogRows(const QString &returned);

// Appends the files of every folder of a folder set that match the pattern,
// leaving out names starting with "~" and files whose attribute number is
// exactly 34 (hidden and nothing else). A failure on one file is reported on
// the guard's line and the next file follows. With the listings the walk
// recorded, no folder it read is read again.
void AppendFolderSetFiles(DocumentList &list, const QStringList &folderSet, const QString &pattern,
                          Guard &guard, int line,
                          const AddFolder::FolderListings *listings = nullptr);

// True when the dropped path is a directory entry carrying the directory bit.
bool IsDroppedFolder(const QString &path);

// A drop: files appended as supplied (named pipes, sockets and devices left
// out), folders expanded in place with the files of their tree that match the
// pattern (every file for a drop), then the whole list screened.
void DropPaths(DocumentList &list, const QStringList &paths, Dialogs &dialogs,
               const QString &folderPattern = QStringLiteral("*.*"));

// True for NAME_replaced.EXT (or NAME_replaced) with NAME.EXT (NAME) beside
// it: what a run that saves results beside their originals leaves behind.
bool LooksLikeEarlierResult(const QString &path);
// The rows (1-based) from firstNew on that look like earlier results.
QList<int> EarlierResultRows(const DocumentList &list, int firstNew = 1);
// "12 files look like results of an earlier run. Leave them out?"
QString EarlierResultsQuestion(qsizetype count);
// Removes the rows, given in ascending order.
void RemoveRows(DocumentList &list, const QList<int> &rows);

} // namespace Adding
} // namespace vantrelle
