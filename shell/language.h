#pragma once
// The program speaks the user's language where a translation of it exists.
#include <QStringList>

namespace vantrelle {

// Installs the program's translation and Qt's own (standard buttons and
// dialogs) for the first of languages that has one, into the running
// application; an English one first keeps the English texts. Without
// arguments the system's languages: LANGUAGE, LC_ALL, LC_MESSAGES, LANG on
// Linux, the user's display language on Windows. Called again it replaces
// what it installed before. Returns the language installed, or "" for English.
QString installTranslations(const QStringList &languages);
QString installTranslations();

} // namespace vantrelle
