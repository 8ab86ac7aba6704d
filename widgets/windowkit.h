#pragma once
// What the two windows share: placing controls by the design's twips, and
// the hand pointer loaded from beside the program.
#include <QRect>

class QSize;
class QWidget;

namespace vantrelle {

class SettingsStore;
class WindowPointer;
struct SettingKey;

// The windows are designed in twips: 1440 to the logical inch.
int twipsX(const QWidget *w, int value);
int twipsY(const QWidget *w, int value);
QRect twipsRect(const QWidget *w, int left, int top, int width, int height);
void place(QWidget *w, int left, int top, int width, int height);

// Gives the window's pointer the hand from HAND-M.CUR beside the program.
// Throws "Invalid picture" when the file is there but is no pointer image.
void loadHandPointer(WindowPointer &pointer);

// Where windows remember their place; the main window sets it at start-up.
// Without one, a window still opens within the screen, only forgets.
void setWindowPlaceStore(SettingsStore *store);
// The window opens where it was last, when that is still wholly on a screen;
// otherwise at its preferred size, shrunk to the screen's available area
// and centred on it. Its place is kept when it is hidden.
void keepWindowOnScreen(QWidget *window, const SettingKey &key, const QSize &preferred);
// The rectangle for a window of the preferred size within the area.
QRect fittedRect(const QSize &preferred, const QSize &minimum, const QRect &available);

} // namespace vantrelle
