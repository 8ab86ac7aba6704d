#include "appearance.h"

#include "app/shell/apptitle.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>

namespace vantrelle {

QString skinFilePath()
{
    return programFolder() + QStringLiteral("/x/o.cjs");
}

QString handCursorPath()
{
    return programFolder() + QStringLiteral("/HAND-M.CUR");
}

QString dragCursorPath()
{
    return programFolder() + QStringLiteral("/drag.ico");
}

void ApplyFormColors(QWidget *window)
{
    const QColor face = window->palette().color(QPalette::Button);
    auto paint = [&face](QWidget *w) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, face);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    };
    paint(window);
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (qobject_cast<QRadioButton *>(child) || qobject_cast<QCheckBox *>(child) ||
            qobject_cast<QGroupBox *>(child) || qobject_cast<QLabel *>(child))
            paint(child);
    }
}

void ApplySkin(QWidget *mainWindow)
{
    if (!QFileInfo::exists(skinFilePath()))
        return;
    ApplyFormColors(mainWindow);
}

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QPixmap image;
    if (!QFileInfo::exists(path) || !image.load(path))
        return std::nullopt;
    return QCursor(image);
}

} // namespace vantrelle
