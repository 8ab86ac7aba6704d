#include "controls.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace vantrelle {

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setMouseTracking(true);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
}

TabControl::TabControl(QWidget *parent) : QTabWidget(parent)
{
    setMouseTracking(true);
    tabBar()->setMouseTracking(true);
    tabBar()->installEventFilter(this);
}

bool TabControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        emit mouseMoved();
    return QTabWidget::eventFilter(watched, event);
}

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void ProgressBar::setText(const QString &text)
{
    m_text = text;
    // The bar paints its format; "%" would be read as a placeholder.
    setFormat(QString(text).replace(QLatin1Char('%'), QStringLiteral("%%")));
    update();
}

} // namespace vantrelle
