#pragma once
// What the two windows share: placing controls by the design's twips, and
// the hand pointer loaded from beside the program.
#include <QLabel>
#include <QRect>

class QFontMetrics;
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
SettingsStore *windowPlaceStore();
// The window opens where it was last, when that is still wholly on a screen;
// otherwise at its preferred size, shrunk to the screen's available area
// and centred on it. Its place is kept when it is hidden.
void keepWindowOnScreen(QWidget *window, const SettingKey &key, const QSize &preferred);
// The rectangle for a window of the preferred size within the area.
QRect fittedRect(const QSize &preferred, const QSize &minimum, const QRect &available);

// path shortened to width by leaving out the middle of its folder part, so
// the file name stays whole; the name itself is shortened only when it alone
// is too wide.
QString elideFolderPart(const QString &path, const QFontMetrics &metrics, int width);

// One line, a lead ("Before: ") and a path shortened in its folders to the
// label's width; the whole path is its tool tip. Two such labels side by side
// stay one line high whatever their paths.
class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget *parent = nullptr);
    void setPath(const QString &lead, const QString &path);
    QString path() const { return m_path; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void shorten();
    QString m_lead;
    QString m_path;
};

} // namespace vantrelle
