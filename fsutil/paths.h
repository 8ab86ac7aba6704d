#pragma once
// Path text and file-system probes shared by every subsystem. The text
// functions take the separator as a parameter so that they also serve (and can
// be tested with) Windows-style paths; the program uses "/".
#include <QChar>
#include <QString>

namespace vantrelle {

inline constexpr QChar kSeparator = QLatin1Char('/');
// How the file system compares names: Windows ignores letter case
// ("A.pub" and "a.PUB" are one file), Linux does not.
#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity kNameCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kNameCase = Qt::CaseSensitive;
#endif

// Text after the last separator; the whole text when there is none.
QString GetFileNameOfPath(const QString &path, QChar sep = kSeparator);
// Text up to and including the last separator; empty when there is none.
// Throws "Overflow" when that position lies beyond 32,767.
QString GetFolderOfPath(const QString &path, QChar sep = kSeparator);
// Text after the last dot anywhere in the path; the whole text when there is
// no dot. Throws "Overflow" for a path longer than 32,767 characters.
QString GetExtensionOfPath(const QString &path);
// Text before the last dot when that dot stands at position 2 or later.
QString StripExtension(const QString &path);
// Replaces each pair of separators by one in a single left-to-right pass. With
// the Windows separator a leading run of separators becomes exactly two (a
// network path); POSIX has no such paths, so there a leading pair collapses too.
QString CollapseBackslashes(const QString &path, QChar sep = kSeparator);

bool FolderExists(const QString &path);
bool DoesFileExist(const QString &path);
bool CheckFileExists(const QString &path);
// Lets pending events run once, then deletes exactly that file (also a
// read-only one). Never expands patterns, never removes a folder, never
// changes a mode, never throws.
void DeleteFileQuiet(const QString &path);
// Deletes a file whatever its permission bits (a link itself, never its
// target); throws on failure, leaving everything as it was.
void ForceDeleteFile(const QString &path);
// Folder number 0 is the user's desktop. Empty when the platform has none.
QString GetSpecialFolderPath(int folder);

// Lets pending window events run once (the long loops of the program yield
// through this so the window repaints).
void YieldToEventLoop();

} // namespace vantrelle
