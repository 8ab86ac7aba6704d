#include "cli/console.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vantrelle::cli {

#ifdef Q_OS_WIN

QStringList commandArguments(int, char **)
{
    QStringList args;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i)
        args << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return args;
}

ConsoleSetup::ConsoleSetup() : m_oldOutputCodePage(GetConsoleOutputCP())
{
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    for (const DWORD which : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        if (GetConsoleMode(handle, &mode))
            SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
}

ConsoleSetup::~ConsoleSetup()
{
    if (m_oldOutputCodePage != 0)
        SetConsoleOutputCP(m_oldOutputCodePage);
}

bool isTerminal(std::FILE *stream)
{
    // _isatty is also true of NUL; only a console has a console mode.
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

#else

QStringList commandArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

ConsoleSetup::ConsoleSetup() = default;

bool isTerminal(std::FILE *stream)
{
    return isatty(fileno(stream)) == 1;
}

#endif

} // namespace vantrelle::cli
