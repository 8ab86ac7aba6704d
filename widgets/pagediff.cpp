#include "widgets/pagediff.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace vantrelle {

namespace {

// Anti-aliasing differs by a few levels between two drawings of the same
// glyphs; a real change differs by far more.
constexpr int kTolerance = 48;

bool cellDiffers(const QImage &a, const QImage &b, int x0, int y0, int cell)
{
    const int x1 = std::min(x0 + cell, a.width());
    const int y1 = std::min(y0 + cell, a.height());
    for (int y = y0; y < y1; ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = x0; x < x1; ++x) {
            if (std::abs(qRed(ra[x]) - qRed(rb[x])) > kTolerance ||
                std::abs(qGreen(ra[x]) - qGreen(rb[x])) > kTolerance ||
                std::abs(qBlue(ra[x]) - qBlue(rb[x])) > kTolerance)
                return true;
        }
    }
    return false;
}

// A page drawing leaves the paper transparent; on white, the ink shows the
// same in both, where a plain conversion would turn the paper black.
QImage onWhite(const QImage &image, const QSize &size)
{
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return paper;
}

} // namespace

QList<QRectF> differingAreas(const QImage &before, const QImage &after, int cell)
{
    if (before.isNull() || after.isNull() || cell < 1)
        return {};
    const QImage a = onWhite(before, before.size());
    const QImage b = onWhite(after, before.size());
    const int columns = (a.width() + cell - 1) / cell;
    const int rows = (a.height() + cell - 1) / cell;
    std::vector<char> differs(std::size_t(columns) * std::size_t(rows), 0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            differs[(std::size_t(r) * std::size_t(columns)) + std::size_t(c)] = cellDiffers(a, b, c * cell, r * cell, cell);

    // Cells with one clean cell between them make one area: the gap between two
    // letters of a changed word is no reason to mark it twice.
    QList<QRectF> areas;
    std::vector<char> seen(differs.size(), 0);
    std::vector<int> stack;
    for (int start = 0; start < int(differs.size()); ++start) {
        if (!differs[std::size_t(start)] || seen[std::size_t(start)])
            continue;
        int left = columns, top = rows, right = -1, bottom = -1;
        stack.assign(1, start);
        seen[std::size_t(start)] = 1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int r = at / columns;
            const int c = at % columns;
            left = std::min(left, c);
            right = std::max(right, c);
            top = std::min(top, r);
            bottom = std::max(bottom, r);
            for (int dr = -2; dr <= 2; ++dr) {
                for (int dc = -2; dc <= 2; ++dc) {
                    const int nr = r + dr;
                    const int nc = c + dc;
                    if (nr < 0 || nc < 0 || nr >= rows || nc >= columns)
                        continue;
                    const std::size_t n = (std::size_t(nr) * std::size_t(columns)) + std::size_t(nc);
                    if (differs[n] && !seen[n]) {
                        seen[n] = 1;
                        stack.push_back(int(n));
                    }
                }
            }
        }
        const qreal w = a.width();
        const qreal h = a.height();
        areas << QRectF(QPointF(left * cell / w, top * cell / h),
                        QPointF(std::min((right + 1) * cell / w, 1.0),
                                std::min((bottom + 1) * cell / h, 1.0)));
    }
    return areas;
}

} // namespace vantrelle
