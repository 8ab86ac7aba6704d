#pragma once
// Windows-1252, the code page sets files are written in and read from when
// they carry no other marking. Qt's own converters do not offer it.
#include <QByteArray>
#include <QString>

namespace vantrelle::cp1252 {

// Every byte decodes to one UTF-16 unit. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the code point of the same
// value, as Windows' own conversion does, so they survive a round trip.
QString decode(const QByteArray &bytes);

// True when every character of the text has a byte in the code page.
bool canEncode(const QString &text);

// One byte per character; a character the code page cannot hold becomes '?'.
// Check canEncode first where that would lose text.
QByteArray encode(const QString &text);

} // namespace vantrelle::cp1252
