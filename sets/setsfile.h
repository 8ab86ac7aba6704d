#pragma once
// The sets file: one pair per line, find text, separator, replace text. Save
// Sets writes it with "::" and CR LF; Load Sets reads it with any separator.
#include "sets/setslist.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantrelle {

class Dialogs;

inline constexpr char kSetsSeparator[] = "::";

// The bytes of a sets file: "find::replace" CR LF per pair, no header. Written
// in Windows-1252 when every character fits; otherwise the whole file goes out
// as UTF-16 little-endian with a byte-order mark, so no text is lost.
QByteArray encodeSetsFile(const QStringList &find, const QStringList &replace);

// Writes the pairs to path, asking first when a file is already there ("No"
// leaves it untouched). The file is replaced whole or not at all. Throws
// Failure when the file cannot be created or written.
void SaveSetsToFile(Dialogs &dialogs, const QString &path, const SetsPairs &pairs);

// The path with ".txt" added when its file name has no extension of its own.
QString withSetsFileExtension(const QString &path);

// The text of a sets file's bytes: UTF-16 after a leading 0xFF or 0xFE byte
// (FF FE little-endian, FE FF big-endian; the mark itself is dropped), UTF-8
// after its byte-order mark or when the bytes are valid UTF-8 with some
// non-ASCII character, Windows-1252 otherwise.
QString decodeTextFile(const QByteArray &bytes);

// The whole text of a file; empty when there is no file or it is empty.
// Throws Failure when the file cannot be read.
QString ReadTextFile(const QString &path);

// The pairs of a sets file's text: every line holding the separator gives one
// pair, the text before its first occurrence and the text between it and the
// next; empty lines and lines without the separator are passed over. Every
// CR is dropped first, so lines may end in CR LF or LF.
SetsPairs pairsFromText(const QString &text, const QString &separator);

} // namespace vantrelle
