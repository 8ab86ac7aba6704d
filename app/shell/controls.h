#pragma once
// The push button, tab control and progress bar the windows are built from:
// plain Qt widgets with the few notifications and members the program uses.
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

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

// A tab control whose selected index is read and set as a number.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);
    int selectedIndex() const { return currentIndex(); }
    void setSelectedIndex(int index) { setCurrentIndex(index); }

signals:
    void mouseMoved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
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

} // namespace vantrelle
