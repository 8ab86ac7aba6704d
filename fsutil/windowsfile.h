#pragma once
// What Windows asks of file names and paths beyond their text: the device
// names it reserves, paths past its old 260-character limit, and the
// sharing violation of a file another program holds open.
#include <QString>

#include <string>

namespace vantrelle {

// Why Windows cannot open or write a file of this path's name (a reserved
// device name such as CON.pub, or trailing dots or spaces Windows drops);
// empty when it can. Pure text, so it is checked the same everywhere.
QString ReservedNameReason(const QString &path);
// True when the name is one Windows keeps for a device (CON, COM1, ...),
// with or without an extension.
bool IsReservedDeviceName(const QString &path);

#ifdef Q_OS_WIN
// The path as the wide-character file functions take it: native separators,
// absolute, and past 259 characters with the \\?\ prefix that lifts the limit.
std::wstring LongPath(const QString &path);
// A Win32 error code as a reason a person reads; a file held open by
// another program says so.
QString WindowsErrorText(unsigned long error);
#endif

} // namespace vantrelle
