#pragma once
#include <QString>

namespace vantrelle {

inline constexpr char kProductName[] = "Vantrelle";

// The version both programs report ("0.1.0"), the build's project version.
QString productVersion();

// The title every message box without a title of its own shows.
QString applicationTitle();
void setApplicationTitle(const QString &title);

// Shortens a product name by whole words to at most 40 characters. A name
// without a blank is kept whole: there is no word boundary to cut at.
QString shortenedTitle(const QString &productName);

// The folder of the program's own files (pointers, Samples, skin file), without
// a trailing separator: the installed data folder when the executable sits in
// an installed tree (bin/ beside share/vantrelle), otherwise the executable's
// own folder, as in the build tree.
QString programFolder();
QString programFolderFor(const QString &executableFolder);
// Makes programFolder() answer with the given folder (an empty text restores
// the real one), so tests can lay out the files that belong beside the program.
void setProgramFolderForTesting(const QString &folder);

} // namespace vantrelle
