#pragma once
// What the two windows share: placing controls by the design's twips, and
// the hand pointer loaded from beside the program.
#include <QRect>

class QWidget;

namespace vantrelle {

class WindowPointer;

// The windows are designed in twips: 1440 to the logical inch.
int twipsX(const QWidget *w, int value);
int twipsY(const QWidget *w, int value);
QRect twipsRect(const QWidget *w, int left, int top, int width, int height);
void place(QWidget *w, int left, int top, int width, int height);

// Gives the window's pointer the hand from HAND-M.CUR beside the program.
// Throws "Invalid picture" when the file is there but is no pointer image.
void loadHandPointer(WindowPointer &pointer);

} // namespace vantrelle
