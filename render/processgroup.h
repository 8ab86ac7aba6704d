#pragma once
// LibreOffice starts helper processes of its own: ending a conversion must
// reach them too. On Linux the conversion runs in a session of its own and
// the whole group is killed.
#include <QProcess>

namespace vantrelle {

// Before start(): the process gets a group of its own.
void ownGroup(QProcess &process);
// Ends the group led by that process id; nothing for 0.
void killProcessGroup(qint64 leader);

} // namespace vantrelle
