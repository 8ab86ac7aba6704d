#pragma once
// A publication's pages before and after a run, side by side, as LibreOffice
// draws them: page by page, the same page on both sides, one zoom for both.
#include "render/pdfrendering.h"

#include <QBuffer>
#include <QDialog>
#include <QList>
#include <QPdfDocument>
#include <QRectF>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPdfView;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace vantrelle {

class PathLabel;

class PagesView : public QWidget {
    Q_OBJECT
public:
    explicit PagesView(QWidget *parent = nullptr);
    ~PagesView() override;

    // Shows two PDF drawings of the files at the two paths, which head the
    // sides ("Before: …", "After: …"). It opens on the first page that
    // differs, scrolled to its first marked area.
    void setDocuments(const QByteArray &before, const QString &beforePath, const QByteArray &after,
                      const QString &afterPath);

    // Zero-based; both sides show it (a side without it says so).
    int page() const { return m_page; }
    void setPage(int page);
    // The larger page count of the two sides.
    int pageCount() const;
    // 1.0 is the page's own size; 0 fits the page's width into each side.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal factor);
    // The page count of one side (0 before, 1 after); -1 when it did not load.
    int sidePageCount(int side) const;
    // Zero-based; -1 when the drawings of the two sides do not differ.
    int firstDifferingPage() const;
    // Where a page's drawings differ, as fractions of the page; a page only
    // one side has differs whole.
    QList<QRectF> differingAreas(int page) const;

private:
    struct Side {
        QBuffer buffer;
        QPdfDocument document;
        PathLabel *title = nullptr;
        QStackedWidget *stack = nullptr;
        QPdfView *view = nullptr;
        QLabel *absent = nullptr;
        QWidget *marks = nullptr;
    };
    QWidget *makeSide(Side &side, const QString &heading);
    void loadSide(Side &side, const QByteArray &pdf, const QString &path);
    void showPage();
    // Brings the page's first marked area into view on the sides shown.
    void scrollToMarks();
    void compareSides();

    std::array<std::unique_ptr<Side>, 2> m_sides;
    int m_page = 0;
    qreal m_zoom = 0;
    QSpinBox *m_pageBox = nullptr;
    QLabel *m_pageOf = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_zoomText = nullptr;
    QLabel *m_differs = nullptr;
    // The page was opened and the user has not scrolled it since.
    bool m_scrollPending = false;
    // Per page, the areas that differ.
    QList<QList<QRectF>> m_areas;
};

} // namespace vantrelle
