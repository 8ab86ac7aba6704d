#pragma once
// Where two drawings of one page differ: compared cell by cell, neighbouring
// differing cells joined into one area, so a changed word is one rectangle.
#include <QList>
#include <QRectF>

class QImage;

namespace vantrelle {

// The areas, as fractions of the page (0..1 on both axes), top to bottom.
// Drawings of different sizes are compared at the size of the first.
QList<QRectF> differingAreas(const QImage &before, const QImage &after, int cell = 8);

} // namespace vantrelle
