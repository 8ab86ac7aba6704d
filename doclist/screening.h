#pragma once
// The list's one quality gate: rows whose extension doesn't look like that of
// a publication are named in one question and removed on Yes.
#include <QString>

namespace vantrelle {

class Dialogs;
class DocumentList;

namespace Main {

// True when the row's extension (text after the last dot anywhere in it, the
// whole text without a dot) occurs inside "pub", letter case ignored: pub, p,
// u, b, pu, ub and an empty extension pass; pubx, txt or no dot at all don't.
// Throws "Overflow" for a text longer than 32,767 characters.
bool HasExpectedExtension(const QString &rowText);

// The question naming the flagged rows (each followed by CR LF).
QString ScreeningQuestion(const QString &flaggedRows);

void ValidateListFiles(DocumentList &list, Dialogs &dialogs);

} // namespace Main
} // namespace vantrelle
