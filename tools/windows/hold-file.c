/* For the setup tests: holds FILE open as another program would, readable
 * and writable by others but not to be deleted or renamed; writes the file
 * HELD once it holds it, and lets go when the file RELEASE appears (or after
 * 10 minutes).
 *   hold-file.exe FILE HELD RELEASE */
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 4)
        return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(CreateFileW(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    for (int i = 0; i < 6000 && GetFileAttributesW(argv[3]) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    CloseHandle(file);
    return 0;
}
