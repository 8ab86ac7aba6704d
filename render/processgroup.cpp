#include "render/processgroup.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace vantrelle {

#ifdef Q_OS_WIN

void ownGroup(QProcess &)
{
}

// Only the process itself: the helpers a Windows LibreOffice starts are not
// reached yet (a job object would).
void killProcessGroup(qint64 leader)
{
    if (leader <= 0)
        return;
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(leader))) {
        TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

#else

void ownGroup(QProcess &process)
{
    process.setChildProcessModifier([] { ::setsid(); });
}

void killProcessGroup(qint64 leader)
{
    if (leader > 0)
        ::kill(-pid_t(leader), SIGKILL);
}

#endif

} // namespace vantrelle
