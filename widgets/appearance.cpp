#include "appearance.h"

#include "shell/apptitle.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QWidget>
#include <QtEndian>

// The icon pictures are compiled into this static library; nothing refers to
// them by symbol, so they are registered by hand before the first use.
static void initIconResources()
{
    Q_INIT_RESOURCE(appicon);
}

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

void installFontSubstitutes()
{
    const QString arial = QStringLiteral("Arial");
    const QStringList have = QFont::substitutes(arial);
    if (!have.contains(QStringLiteral("Liberation Sans")))
        QFont::insertSubstitutions(arial, {QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arimo"), QStringLiteral("Helvetica")});
}

QFont designFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

QFont designButtonFont()
{
    QFont font = designFont();
    font.setPointSizeF(11.25);
    return font;
}

QIcon applicationIcon()
{
    static const bool registered = (initIconResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : {16, 32, 64, 256})
        icon.addFile(QStringLiteral(":/vantrelle/vantrelle-%1.png").arg(size), QSize(size, size));
    return icon;
}

QColor buttonFaceColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

void ApplyFormColors(QWidget *window)
{
    const QColor face = buttonFaceColor();
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
    // Only a file counts; a folder of that name is no skin.
    if (!QFileInfo(skinFilePath()).isFile())
        return;
    ApplyFormColors(mainWindow);
}

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return std::nullopt;
    // A cursor file (type 2) keeps the hot spot of its first image in the
    // directory entry, where an icon has planes and bit count.
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    if (bytes.size() >= 6 + 16 && qFromLittleEndian<quint16>(data) == 0 &&
        qFromLittleEndian<quint16>(data + 2) == 2) {
        const int x = qFromLittleEndian<quint16>(data + 6 + 4);
        const int y = qFromLittleEndian<quint16>(data + 6 + 6);
        if (x < image.width() && y < image.height())
            return QCursor(QPixmap::fromImage(image), x, y);
    }
    return QCursor(QPixmap::fromImage(image));
}

} // namespace vantrelle
