// Where two drawings of a page differ, and the pages view opening on the
// first page that differs with those areas marked.
#include "widgets/pagediff.h"
#include "widgets/pagesview.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfView>
#include <QScrollBar>
#include <QPdfWriter>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

QImage page(const QList<QRect> &marks, int grey = 0)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const QRect &r : marks)
        painter.fillRect(r, QColor(grey, grey, grey));
    return image;
}

// A PDF of two pages; a black square at mark (in points) on page 2.
QByteArray twoPages(const QRect &mark)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.drawText(QPointF(72, 72), QStringLiteral("page one"));
    writer.newPage();
    painter.drawText(QPointF(72, 72), QStringLiteral("page two"));
    if (mark.isValid())
        painter.fillRect(mark, Qt::black);
    painter.end();
    return bytes;
}

} // namespace

TEST(PageDifference, ChangedPlacesBecomeOneAreaEach)
{
    const struct {
        const char *name;
        QList<QRect> after;
        int grey;
        qsizetype areas;
    } rows[] = {
        {"the same", {}, 0, 0},
        {"one square", {{50, 50, 10, 10}}, 0, 1},
        {"two far apart", {{5, 5, 10, 10}, {80, 80, 10, 10}}, 0, 2},
        {"two letters of a word", {{40, 40, 6, 10}, {52, 40, 6, 10}}, 0, 1},
        {"anti-aliasing", {{50, 50, 10, 10}}, 230, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QList<QRectF> areas = differingAreas(page({}), page(row.after, row.grey));
        ASSERT_EQ(areas.size(), row.areas);
        for (qsizetype i = 0; i < areas.size(); ++i) {
            const QRect &mark = row.after.at(i);
            EXPECT_TRUE(areas[i].contains(QPointF(mark.center()) / 100.0));
            EXPECT_LT(areas[i].width(), 0.3);
        }
    }
}

TEST(PagesView, OpensOnTheFirstPageThatDiffersWithItsAreaMarked)
{
    PagesView view;
    const QByteArray before = twoPages({});
    const QByteArray after = twoPages(QRect(300, 400, 40, 40));
    view.setDocuments(before, "before", after, "after");
    EXPECT_EQ(view.page(), 1);
    EXPECT_EQ(view.firstDifferingPage(), 1);
    EXPECT_TRUE(view.differingAreas(0).isEmpty());
    const QList<QRectF> areas = view.differingAreas(1);
    ASSERT_EQ(areas.size(), 1);
    const QSizeF points(595, 842); // A4, QPdfWriter's default
    EXPECT_TRUE(areas[0].contains(QPointF(320 / points.width(), 420 / points.height())));

    view.setDocuments(before, "before", before, "after");
    EXPECT_EQ(view.page(), 0);
    EXPECT_EQ(view.firstDifferingPage(), -1);
}

// A change in the footer: the view opens scrolled so that its red mark is
// in sight on both sides, and the sides start at one height however long
// their paths are.
TEST(PagesView, OpensScrolledToTheMarkWithBothSidesAligned)
{
    // As the dialog does it: the drawings first, then the view is shown.
    PagesView view;
    const QString longPath = "/home/someone/" + QString("a-long-folder-name/").repeated(12) +
                             "Neighbourhood-Newsletter.pub";
    view.setDocuments(twoPages({}), longPath, twoPages(QRect(280, 780, 40, 30)), "/tmp/a.pub");
    view.resize(900, 500);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::qWait(50);
    const QList<QPdfView *> sides = view.findChildren<QPdfView *>();
    ASSERT_EQ(sides.size(), 2);
    EXPECT_EQ(sides[0]->mapTo(&view, QPoint()).y(), sides[1]->mapTo(&view, QPoint()).y());
    for (QPdfView *side : sides) {
        EXPECT_GT(side->verticalScrollBar()->value(), 0);
        const QImage seen = side->viewport()->grab().toImage();
        int red = 0;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x) {
                const QColor c = seen.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 80 && c.blue() < 80;
            }
        EXPECT_GT(red, 20) << "no red mark in sight";
    }
}
