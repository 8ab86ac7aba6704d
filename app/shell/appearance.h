#pragma once
// The look of the two windows: the button-face background where the skin file
// or the dialog asks for it, and the hand pointer loaded from a file beside
// the program.
#include <QCursor>
#include <QString>

#include <optional>

class QWidget;

namespace vantrelle {

// program folder + "/x/o.cjs": its presence alone switches the skin colours on.
QString skinFilePath();
// program folder + "/HAND-M.CUR"
QString handCursorPath();
// program folder + "/drag.ico"
QString dragCursorPath();

// The window and its option buttons, check boxes, frames and labels take the
// button-face colour.
void ApplyFormColors(QWidget *window);
// ApplyFormColors on the main window when the skin file is there.
void ApplySkin(QWidget *mainWindow);
// A cursor image from a file; nothing when the file is missing or unreadable.
std::optional<QCursor> loadCursorFile(const QString &path);

} // namespace vantrelle
