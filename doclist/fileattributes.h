#pragma once
// File attribute numbers as the document code reads them. The walk and the
// add rules compare whole attribute numbers (34, 22, 1046), so this platform's
// files are mapped onto the same bits:
//
//   read-only  1     the owner's write permission bit is clear (a property of
//                    the file, like the attribute, not of who is asking)
//   hidden     2     the name starts with "."
//   system     4     never set here
//   directory 16     the path is a directory (a link to one counts too)
//   archive   32     every regular file (a link to one counts too)
//   reparse 1024     the path itself is a symbolic link
//
// So an ordinary file is 32, an ordinary hidden file ".x" is 34, a read-only
// hidden file is 35, a hidden folder is 18, and 22 or 1046 never occur on
// their own here.
#include "fsutil/fileid.h"

#include <QString>

#include <optional>

namespace vantrelle {

enum FileAttribute {
    kAttrReadOnly = 1,
    kAttrHidden = 2,
    kAttrDirectory = 16,
    kAttrArchive = 32,
    kAttrReparsePoint = 1024,
};

// The attribute number of a path (a trailing separator is ignored). Throws
// "File not found" when nothing is there.
int FileAttributes(const QString &path);

// True when the path names a directory entry of any kind (a dangling link too).
bool EntryExists(const QString &path);

// True when the path, links followed, is a regular file.
bool IsRegularFile(const QString &path);

// True when the path, links followed, is there but is neither a regular file
// nor a folder (a named pipe, a socket, a device). No way of adding takes
// such a path, as the Windows listings never show one.
bool IsSpecialFile(const QString &path);

// One look at a path for the add rules: whether it is a regular file (links
// followed; a named pipe or device is none) and its attribute number
// (-1 when nothing is there), from a single status query.
struct FileProbe {
    bool isFile = false;
    int attributes = -1;
};
FileProbe ProbeFile(const QString &path);

// Everything the folder walk asks of a path: whether the entry is there
// (FileAttributes would not throw), its attribute number, and where it leads
// once links are followed.
struct EntryStatus {
    bool present = false;
    int attributes = -1;
    // The path, links followed, leads to something; directory when that is one.
    bool resolved = false;
    bool directory = false;
    // The file it leads to; nothing when it leads nowhere.
    std::optional<FileId> id;
};
EntryStatus StatusOf(const QString &path);

} // namespace vantrelle
