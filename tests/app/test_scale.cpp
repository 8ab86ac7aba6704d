// Boxes and frames keep every edge when the window is drawn at the scale
// factor the test runs at (ctest runs this at 1, 1.25, 1.5 and 2).
#include "app/form1.h"
#include "widgets/doclistview.h"
#include "shell/automation.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"

#include <QGroupBox>
#include <QImage>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

// True when one of the device pixels from `from` to `to` along the line is
// darker than the white surface, i.e. an edge is drawn there.
bool edgeDrawn(const QImage &image, QPoint from, QPoint step, int count)
{
    for (int i = 0; i < count; ++i, from += step)
        if (image.rect().contains(from) && qGray(image.pixel(from)) < 235)
            return true;
    return false;
}

} // namespace

TEST(WholeAtScale, BoxesAndFramesKeepEveryEdge)
{
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    Form1 form({dialogs, *settings, registry});
    form.show();
    const QImage image = form.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    SCOPED_TRACE(ratio);
    // Up to 1.5x the window and a title bar of 30 px fit a 1280x1024 screen.
    if (ratio <= 1.5) {
        EXPECT_LE((form.frameGeometry().width()) * ratio, 1280);
        EXPECT_LE((form.height() + 30) * ratio, 1024);
    }
    for (QWidget *box :
         std::initializer_list<QWidget *>{form.ListView1, form.Text1, form.Text2, form.Frame3}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const QRectF r(QPointF(box->mapTo(&form, QPoint(0, 0))) * ratio,
                       QSizeF(box->size()) * ratio);
        const int midX = int(r.center().x());
        const int midY = int(r.center().y());
        const int top = int(r.top()), bottom = int(std::ceil(r.bottom())) - 1;
        const int left = int(r.left()), right = int(std::ceil(r.right())) - 1;
        // Within the two device pixels inside each side.
        EXPECT_TRUE(edgeDrawn(image, {midX, top}, {0, 1}, 3)) << "top";
        EXPECT_TRUE(edgeDrawn(image, {midX, bottom}, {0, -1}, 3)) << "bottom";
        EXPECT_TRUE(edgeDrawn(image, {left, midY}, {1, 0}, 3)) << "left";
        EXPECT_TRUE(edgeDrawn(image, {right, midY}, {-1, 0}, 3)) << "right";
    }
}
