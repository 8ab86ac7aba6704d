#pragma once
// Counts the paint events a widget gets: benchmark drivers use it to show the
// window kept repainting during long work.
#include <QEvent>
#include <QObject>

namespace vantrelle::test {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace vantrelle::test
