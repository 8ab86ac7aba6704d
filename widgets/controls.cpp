#include "controls.h"

#include "fsutil/failure.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace vantrelle {

namespace {
const char kInvalidPropertyValue[] = "Invalid property value";
}

PushButton::PushButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setMouseTracking(true);
}

void PushButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QPushButton::mouseMoveEvent(event);
    // The move was the button's: the surface beneath must not see it too and
    // take the hand away again.
    event->accept();
}

TabControl::TabControl(QWidget *parent) : QTabWidget(parent)
{
    setMouseTracking(true);
    tabBar()->setMouseTracking(true);
    tabBar()->installEventFilter(this);
}

void TabControl::setSelectedIndex(int index)
{
    if (index < 0 || index >= count())
        throw Failure(kInvalidPropertyValue);
    setCurrentIndex(index);
}

void TabControl::placeOnTab(int index, QWidget *control, const QRect &rectInControl)
{
    control->setParent(widget(index));
    m_placed.push_back({control, rectInControl});
    relayoutPages();
}

void TabControl::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    if (QWidget *page = widget(index)) {
        page->setMouseTracking(true);
        page->installEventFilter(this);
    }
}

bool TabControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == tabBar()) {
            emit mouseMoved();
        } else if (auto *page = qobject_cast<QWidget *>(watched); page && indexOf(page) >= 0) {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (!page->childAt(move->position().toPoint()))
                emit mouseMoved();
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void TabControl::mouseMoveEvent(QMouseEvent *event)
{
    // Moves that reach here from a page or the tab row were judged there.
    if (!childAt(event->position().toPoint()))
        emit mouseMoved();
    event->accept();
}

void TabControl::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    relayoutPages();
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    relayoutPages();
}

void TabControl::changeEvent(QEvent *event)
{
    QTabWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        relayoutPages();
}

QPoint TabControl::pageOrigin() const
{
    // Where QTabWidget puts its pages; asked of the style so that it is known
    // before the control is first shown.
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
}

void TabControl::relayoutPages()
{
    const QPoint origin = pageOrigin();
    for (const Placed &placed : m_placed)
        if (placed.control)
            placed.control->setGeometry(placed.rect.translated(-origin));
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

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

Frame::Frame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString caption = title();
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    // The edges are filled strips: a line drawn with a pen can fall between
    // device pixels at fractional scale factors (1.25) and vanish.
    const QColor edge = palette().color(group, QPalette::Mid);
    const QRect box(0, top, width(), height() - top);
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), edge);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), edge);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), edge);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), edge);
    if (caption.isEmpty())
        return;
    const QRect captionRect(7, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(group, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption);
}

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    switch (value) {
    case 0:
        box->setCheckState(Qt::Unchecked);
        break;
    case 1:
        box->setCheckState(Qt::Checked);
        break;
    case 2:
        box->setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw Failure(kInvalidPropertyValue);
    }
}

} // namespace vantrelle
