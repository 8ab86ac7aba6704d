// Windows keeps the attribute bits the document code reads, so they are
// taken as the file system has them (only the bits the code knows).
#include "doclist/fileattributes.h"

#include "fsutil/failure.h"
#include "fsutil/windowsfile.h"

#include <windows.h>

namespace vantrelle {

namespace {

constexpr DWORD kKnownBits =
    kAttrReadOnly | kAttrHidden | 4 | kAttrDirectory | kAttrArchive | kAttrReparsePoint;

// The entry itself, a closing separator aside ("C:/" stays the root).
std::optional<DWORD> attributesOf(const QString &path)
{
    QString name = path;
    while (name.size() > 3 && (name.endsWith(u'/') || name.endsWith(u'\\')))
        name.chop(1);
    if (name.isEmpty())
        return std::nullopt;
    const DWORD attributes = GetFileAttributesW(LongPath(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

} // namespace

int FileAttributes(const QString &path)
{
    const std::optional<DWORD> attributes = attributesOf(path);
    if (!attributes)
        throw Failure("File not found");
    return int(*attributes & kKnownBits);
}

FileProbe ProbeFile(const QString &path)
{
    FileProbe probe;
    if (const std::optional<DWORD> attributes = attributesOf(path)) {
        probe.attributes = int(*attributes & kKnownBits);
        probe.isFile = IsRegularFile(path);
    }
    return probe;
}

EntryStatus StatusOf(const QString &path)
{
    EntryStatus status;
    const std::optional<DWORD> attributes = attributesOf(path);
    if (!attributes)
        return status;
    status.present = true;
    status.attributes = int(*attributes & kKnownBits);
    status.id = FileIdOf(path);
    // A link leads somewhere when its target opens; anything else is itself.
    status.resolved = !(*attributes & FILE_ATTRIBUTE_REPARSE_POINT) || status.id.has_value();
    status.directory = status.resolved && (*attributes & FILE_ATTRIBUTE_DIRECTORY);
    return status;
}

bool IsRegularFile(const QString &path)
{
    const std::optional<DWORD> attributes = attributesOf(path);
    if (!attributes || (*attributes & FILE_ATTRIBUTE_DIRECTORY) || IsSpecialFile(path))
        return false;
    // A link to a file is one when its target is there.
    return !(*attributes & FILE_ATTRIBUTE_REPARSE_POINT) || FileIdOf(path).has_value();
}

bool IsSpecialFile(const QString &path)
{
    // A reserved device name (CON.pub) opens the device, whatever folder it is in.
    return IsReservedDeviceName(path);
}

bool EntryExists(const QString &path)
{
    return attributesOf(path).has_value();
}

} // namespace vantrelle
