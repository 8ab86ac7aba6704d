#pragma once
// A window's mouse pointer by code: 0 default, 1 arrow, 11 hourglass, 99 the
// window's custom pointer. The main window's hourglass is the program's busy flag.
#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace vantrelle {

enum PointerCode {
    kPointerDefault = 0,
    kPointerArrow = 1,
    kPointerHourglass = 11,
    kPointerCustom = 99
};

class WindowPointer {
public:
    explicit WindowPointer(QWidget *window) : m_window(window) {}

    int code() const { return m_code; }
    void set(int code);
    bool isHourglass() const { return m_code == kPointerHourglass; }

    // The hover rule of both windows: the hand over push buttons, the default
    // pointer over the window's surfaces, and never in place of an hourglass.
    void hoverButton()
    {
        if (!isHourglass())
            set(kPointerCustom);
    }
    void hoverSurface()
    {
        if (!isHourglass())
            set(kPointerDefault);
    }

    // The image shown for code 99; without one, 99 shows the default pointer.
    void setCustomCursor(const QCursor &cursor) { m_custom = cursor; }
    bool hasCustomCursor() const { return m_custom.has_value(); }

private:
    QPointer<QWidget> m_window;
    int m_code = kPointerDefault;
    std::optional<QCursor> m_custom;
};

inline void WindowPointer::set(int code)
{
    m_code = code;
    if (!m_window)
        return;
    switch (code) {
    case kPointerHourglass:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case kPointerArrow:
        m_window->setCursor(Qt::ArrowCursor);
        break;
    case kPointerCustom:
        if (m_custom)
            m_window->setCursor(*m_custom);
        else
            m_window->unsetCursor();
        break;
    default:
        m_window->unsetCursor();
        break;
    }
}

} // namespace vantrelle
