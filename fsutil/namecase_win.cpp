// Whether a folder's names ignore letter case on Windows: they do, unless
// the folder is marked case-sensitive (fsutil.exe file setCaseSensitiveInfo,
// as for folders shared with Linux programs), which only the folder tells.
#include "fsutil/outputnames.h"
#include "fsutil/windowsfile.h"

#include <windows.h>

namespace vantrelle {

namespace {

// The folder's flag: set where the folder compares names as spelled.
constexpr ULONG kCaseSensitiveDir = 0x00000001;

} // namespace

bool FolderIgnoresCase(const QString &folder)
{
    const HANDLE handle = CreateFileW(LongPath(folder).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    // Nothing is written in a folder that is not there, whatever its rule.
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    FILE_CASE_SENSITIVE_INFO info{};
    // Before Windows 10 (and on FAT, exFAT and most shares) the question has
    // no answer, and names ignore letter case.
    const bool asked =
        GetFileInformationByHandleEx(handle, FileCaseSensitiveInfo, &info, sizeof info) != 0;
    CloseHandle(handle);
    return !asked || (info.Flags & kCaseSensitiveDir) == 0;
}

} // namespace vantrelle
