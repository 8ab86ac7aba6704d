#include "widgets/windowkit.h"

#include "fsutil/failure.h"
#include "widgets/appearance.h"
#include "widgets/windowpointer.h"

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

} // namespace vantrelle
