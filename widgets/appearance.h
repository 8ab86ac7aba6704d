#pragma once
// The look of the two windows: the design's fonts, the button-face background
// where the skin file or the dialog asks for it, and the pointers loaded from
// files beside the program.
#include <QCursor>
#include <QFont>
#include <QIcon>
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

// The windows are designed in Arial. Where Arial itself is missing its
// metric twin Liberation Sans takes its place, so captions fit their boxes.
void installFontSubstitutes();
// Arial bold: 9 points in windows, lists, frames, boxes and labels.
QFont designFont();
// Arial bold 11.25 points: push buttons and tabs.
QFont designButtonFont();

// The program's icon, drawn for this program (tools/make-art.py).
QIcon applicationIcon();

// The button-face colour of the user's colour scheme.
QColor buttonFaceColor();
// The window and its option buttons, check boxes, frames and labels take the
// button-face colour.
void ApplyFormColors(QWidget *window);
// ApplyFormColors on the main window when the skin file is there.
void ApplySkin(QWidget *mainWindow);
// A pointer from a .cur or .ico file: a cursor file brings its own hot spot,
// an icon points with its middle. Nothing when the file is missing or is not
// a picture.
std::optional<QCursor> loadCursorFile(const QString &path);

} // namespace vantrelle
