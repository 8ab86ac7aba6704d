#include "widgets/windowkit.h"

#include "fsutil/failure.h"
#include "widgets/appearance.h"
#include "widgets/windowpointer.h"

#include "shell/settings.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>
#include <QScreen>
#include <QWidget>

namespace vantrelle {

int twipsX(const QWidget *w, int value)
{
    return qRound(value * w->logicalDpiX() / 1440.0);
}

int twipsY(const QWidget *w, int value)
{
    return qRound(value * w->logicalDpiY() / 1440.0);
}

QRect twipsRect(const QWidget *w, int left, int top, int width, int height)
{
    return {twipsX(w, left), twipsY(w, top), twipsX(w, width), twipsY(w, height)};
}

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(w, left, top, width, height));
}

void loadHandPointer(WindowPointer &pointer)
{
    const std::optional<QCursor> hand = loadCursorFile(handCursorPath());
    if (!hand)
        throw Failure("Invalid picture");
    pointer.setCustomCursor(*hand);
}

namespace {

SettingsStore *g_placeStore = nullptr;

// Places the window at its first showing and records its place at each hiding.
class WindowPlacer : public QObject {
public:
    WindowPlacer(QWidget *window, const SettingKey &key, const QSize &preferred)
        : QObject(window), m_window(window), m_key(key), m_preferred(preferred)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !m_placed) {
            m_placed = true;
            place();
        } else if (watched == m_window && event->type() == QEvent::Hide && g_placeStore) {
            const QRect r = m_window->geometry();
            g_placeStore->set(m_key, QStringLiteral("%1,%2,%3,%4")
                                         .arg(r.x())
                                         .arg(r.y())
                                         .arg(r.width())
                                         .arg(r.height()));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void place()
    {
        const QScreen *screen = m_window->screen();
        if (!screen)
            return;
        const QRect available = screen->availableGeometry();
        if (g_placeStore) {
            const QStringList parts = g_placeStore->get(m_key).split(QLatin1Char(','));
            if (parts.size() == 4) {
                const QRect stored(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(),
                                   parts[3].toInt());
                if (stored.isValid() && available.contains(stored)) {
                    m_window->setGeometry(stored);
                    return;
                }
            }
        }
        m_window->setGeometry(
            fittedRect(m_preferred, m_window->minimumSizeHint(), available));
    }

    QWidget *m_window;
    const SettingKey &m_key;
    QSize m_preferred;
    bool m_placed = false;
};

} // namespace

void setWindowPlaceStore(SettingsStore *store)
{
    g_placeStore = store;
}

SettingsStore *windowPlaceStore()
{
    return g_placeStore;
}

QRect fittedRect(const QSize &preferred, const QSize &minimum, const QRect &available)
{
    // A little room is left for the frame the window manager adds.
    const QSize room = available.size() - QSize(16, 40);
    const QSize size = preferred.boundedTo(room).expandedTo(minimum.boundedTo(available.size()));
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(available.center());
    return rect;
}

void keepWindowOnScreen(QWidget *window, const SettingKey &key, const QSize &preferred)
{
    window->installEventFilter(new WindowPlacer(window, key, preferred));
}

QString elideFolderPart(const QString &path, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const QString name = path.mid(cut);
    const int room = width - metrics.horizontalAdvance(name);
    const QString folder = metrics.elidedText(path.left(cut), Qt::ElideMiddle, room);
    if (cut == 0 || folder.isEmpty())
        return metrics.elidedText(name, Qt::ElideMiddle, width);
    return folder + name;
}

PathLabel::PathLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void PathLabel::setPath(const QString &lead, const QString &path)
{
    m_lead = lead;
    m_path = path;
    setToolTip(lead + path);
    shorten();
}

QSize PathLabel::minimumSizeHint() const
{
    // Any width: the path is shortened to fit.
    return {0, QLabel::minimumSizeHint().height()};
}

void PathLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    shorten();
}

void PathLabel::shorten()
{
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - metrics.horizontalAdvance(m_lead);
    setText(m_lead + elideFolderPart(m_path, metrics, std::max(room, 0)));
}

} // namespace vantrelle
