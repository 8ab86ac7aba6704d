#pragma once
// Text in a Windows code page, converted by the system's own tables: ICU
// through Qt on Linux, the code-page functions of Windows on Windows. The one
// place the program turns code-page bytes into text and back: the sets files
// (Windows-1252) and the engine (a publication's code pages) both use it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace vantrelle::codepage {

inline constexpr int kWindows1252 = 1252;
inline constexpr int kUtf16 = 1200;

// nullopt when the code page is unknown here or the bytes are no text in it.
// Windows-1252's five unassigned bytes decode to the code points of the same
// value, as Windows itself decodes them, so they survive a round trip.
std::optional<QString> decode(QByteArrayView bytes, int codePage);
// nullopt when the code page is unknown here or cannot hold the text: never
// a "?" or a look-alike in place of a character.
std::optional<QByteArray> encode(QStringView text, int codePage);

} // namespace vantrelle::codepage
