#pragma once
// The push button, tab control, progress bar, check box and frame the
// windows are built from: plain Qt widgets with the few notifications and
// members the program uses.
#include <QCheckBox>
#include <QGroupBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <vector>

namespace vantrelle {

// A push button that also tells when the pointer moves over it.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    explicit PushButton(const QString &caption, QWidget *parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A tab control whose selected index is read and set as a number. Controls
// are placed on a tab by rectangles measured from the tab control's own
// top-left corner, tab row included, and stay there whatever height the tab
// row takes in the current style and font.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);
    int selectedIndex() const { return currentIndex(); }
    // Throws "Invalid property value" for an index that names no tab.
    void setSelectedIndex(int index);

    void placeOnTab(int index, QWidget *control, const QRect &rectInControl);

signals:
    // The pointer moved over the control itself: its tab row, its border or
    // the bare part of a tab page, not over a control on a page.
    void mouseMoved();

protected:
    void tabInserted(int index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPoint pageOrigin() const;
    void relayoutPages();

    struct Placed {
        QPointer<QWidget> control;
        QRect rect;
    };
    std::vector<Placed> m_placed;
};

// A progress bar (0..100) showing a text of the program's choosing on the bar.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);
    void setText(const QString &text);
    QString text() const override { return m_text; }

private:
    QString m_text;
};

// A check box whose value is 0 clear, 1 checked or 2 grayed. Only the program
// sets the grayed state; a click goes to checked, or from checked to clear.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString &caption, QWidget *parent = nullptr);

protected:
    void nextCheckState() override;
};

// A frame as the window design draws it: a thin border with the caption set
// into its top line, and no shading of its own, so it shows the window's
// background (white, or button face under the skin).
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The value of any check box as 0, 1 or 2.
int checkValue(const QCheckBox *box);
// Throws "Invalid property value" for anything but 0, 1 and 2.
void setCheckValue(QCheckBox *box, int value);

} // namespace vantrelle
