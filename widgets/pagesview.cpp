#include "widgets/pagesview.h"

#include "widgets/windowkit.h"

#include "widgets/pagediff.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vantrelle {

namespace {

constexpr qreal kZoomStep = 1.25;
constexpr qreal kZoomMin = 0.1;
constexpr qreal kZoomMax = 8.0;
// Pages are compared drawn this wide; enough to tell a changed word.
constexpr int kCompareWidth = 480;
// Long publications are compared up to here; later pages are shown unmarked.
constexpr int kComparePages = 200;

// Tints the areas that differ on the page a QPdfView shows. The view draws
// one page at a time, centred, below its document margin; the page's place
// is worked out the same way from its size and the zoom.
class DifferenceMarks : public QWidget {
public:
    DifferenceMarks(QPdfView *view, std::function<QList<QRectF>()> areas)
        : QWidget(view->viewport()), m_view(view), m_areas(std::move(areas))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        view->viewport()->installEventFilter(this);
        for (QScrollBar *bar : {view->horizontalScrollBar(), view->verticalScrollBar()})
            connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
        connect(view, &QPdfView::zoomFactorChanged, this, qOverload<>(&QWidget::update));
        setGeometry(view->viewport()->rect());
    }

    QRect pageRect() const
    {
        const QPdfDocument *document = m_view->document();
        const int page = m_view->pageNavigator()->currentPage();
        if (!document || page < 0 || page >= document->pageCount())
            return {};
        const QMargins margins = m_view->documentMargins();
        const qreal resolution = screen() ? screen()->logicalDotsPerInch() / 72.0 : 96.0 / 72.0;
        QSizeF size = document->pagePointSize(page) * resolution;
        if (m_view->zoomMode() == QPdfView::ZoomMode::FitToWidth)
            size *= (m_view->viewport()->width() - margins.left() - margins.right()) / size.width();
        else
            size *= m_view->zoomFactor();
        const QSize pageSize = size.toSize();
        const int total = pageSize.width() + margins.left() + margins.right();
        const int x = (std::max(total, m_view->viewport()->width()) - pageSize.width()) / 2;
        return QRect(QPoint(x, margins.top()), pageSize)
            .translated(-m_view->horizontalScrollBar()->value(),
                        -m_view->verticalScrollBar()->value());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(static_cast<QWidget *>(watched)->rect());
        return QWidget::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent *) override
    {
        const QRect page = pageRect();
        if (page.isEmpty())
            return;
        QPainter painter(this);
        const QColor edge(220, 30, 30);
        painter.setPen(QPen(edge, 2));
        QColor tint = edge;
        tint.setAlpha(40);
        painter.setBrush(tint);
        for (const QRectF &area : m_areas()) {
            const QRectF r(page.x() + area.x() * page.width(), page.y() + area.y() * page.height(),
                           area.width() * page.width(), area.height() * page.height());
            painter.drawRect(r.adjusted(-3, -3, 3, 3));
        }
    }

private:
    QPdfView *m_view;
    std::function<QList<QRectF>()> m_areas;
};

} // namespace

PagesView::PagesView(QWidget *parent) : QWidget(parent)
{
    auto *heading = new QLabel(tr("Pages before and after, as LibreOffice draws it. Your "
                                  "publishing program may lay them out a little differently."),
                               this);
    heading->setWordWrap(true);

    m_previous = new QPushButton(tr("&Previous page"), this);
    m_next = new QPushButton(tr("&Next page"), this);
    m_pageBox = new QSpinBox(this);
    m_pageBox->setAccessibleName(tr("Page"));
    m_pageOf = new QLabel(this);
    auto *zoomOut = new QPushButton(tr("Zoom &out"), this);
    auto *zoomIn = new QPushButton(tr("Zoom &in"), this);
    auto *fit = new QPushButton(tr("&Fit width"), this);
    m_zoomText = new QLabel(this);
    m_differs = new QLabel(this);
    m_differs->setObjectName(QStringLiteral("differs"));
    m_differs->setWordWrap(true);
    connect(m_previous, &QPushButton::clicked, this, [this] { setPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { setPage(m_page + 1); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int v) { setPage(v - 1); });
    auto effectiveZoom = [this] { return m_zoom > 0 ? m_zoom : m_sides[0]->view->zoomFactor(); };
    connect(zoomOut, &QPushButton::clicked, this,
            [this, effectiveZoom] { setZoom(effectiveZoom() / kZoomStep); });
    connect(zoomIn, &QPushButton::clicked, this,
            [this, effectiveZoom] { setZoom(effectiveZoom() * kZoomStep); });
    connect(fit, &QPushButton::clicked, this, [this] { setZoom(0); });

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_previous);
    bar->addWidget(new QLabel(tr("Page"), this));
    bar->addWidget(m_pageBox);
    bar->addWidget(m_pageOf);
    bar->addWidget(m_next);
    bar->addStretch();
    // The zoom goes beside the line on what differs, which wraps: one row of
    // every control would not fit a small or scaled screen.
    auto *zoomBar = new QHBoxLayout;
    zoomBar->addWidget(m_differs, 1);
    zoomBar->addWidget(zoomOut);
    zoomBar->addWidget(m_zoomText);
    zoomBar->addWidget(zoomIn);
    zoomBar->addWidget(fit);

    auto *sides = new QHBoxLayout;
    for (std::size_t i = 0; i < m_sides.size(); ++i) {
        m_sides[i] = std::make_unique<Side>();
        sides->addWidget(makeSide(*m_sides[i], i == 0 ? tr("Before: ") : tr("After: ")), 1);
    }
    // The two sides scroll together: the same part of the page in view on
    // both. Only the user's scrolling is followed (the bar's actions): a view
    // settling its own layout moves its bar too, and the other side must not
    // jump with it.
    for (std::size_t i = 0; i < m_sides.size(); ++i) {
        QPdfView *mine = m_sides[i]->view;
        QPdfView *other = m_sides[1 - i]->view;
        const std::pair<QScrollBar *, QScrollBar *> bars[] = {
            {mine->verticalScrollBar(), other->verticalScrollBar()},
            {mine->horizontalScrollBar(), other->horizontalScrollBar()}};
        for (const auto &[from, to] : bars) {
            connect(from, &QScrollBar::actionTriggered, this,
                    [from = from, to = to] { to->setValue(from->sliderPosition()); });
        }
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(bar);
    layout->addLayout(zoomBar);
    layout->addLayout(sides, 1);
    setZoom(0);
    showPage();
}

PagesView::~PagesView()
{
    // The sides' documents go before the views that show them, and a closing
    // document makes its view signal: nothing of that may reach back here.
    for (const auto &side : m_sides) {
        disconnect(side->view->verticalScrollBar(), nullptr, this, nullptr);
        disconnect(side->view->horizontalScrollBar(), nullptr, this, nullptr);
        disconnect(side->view->pageNavigator(), nullptr, this, nullptr);
    }
}

QWidget *PagesView::makeSide(Side &side, const QString &heading)
{
    auto *box = new QWidget(this);
    side.title = new PathLabel(box);
    side.title->setPath(heading, QString());
    side.view = new QPdfView(box);
    side.view->setPageMode(QPdfView::PageMode::SinglePage);
    side.view->setDocument(&side.document);
    side.absent = new QLabel(box);
    side.absent->setAlignment(Qt::AlignCenter);
    side.absent->setWordWrap(true);
    side.stack = new QStackedWidget(box);
    side.stack->addWidget(side.view);
    side.stack->addWidget(side.absent);
    side.marks = new DifferenceMarks(side.view, [this] { return differingAreas(m_page); });
    // The view's scroll range settles as it is shown, resized and zoomed:
    // the mark is brought back into view each time, until the user scrolls.
    connect(side.view->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] {
        if (m_scrollPending)
            scrollToMarks();
    });
    connect(side.view->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { m_scrollPending = false; });
    // Paging inside one side (keys, wheel at a page's end) moves both.
    connect(side.view->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this,
            [this](int p) {
                if (p != m_page)
                    setPage(p);
            });
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(side.title);
    layout->addWidget(side.stack, 1);
    return box;
}

void PagesView::loadSide(Side &side, const QByteArray &pdf, const QString &path)
{
    side.document.close();
    side.buffer.close();
    side.buffer.setData(pdf);
    side.buffer.open(QIODevice::ReadOnly);
    side.document.load(&side.buffer);
    side.title->setPath(&side == m_sides[0].get() ? tr("Before: ") : tr("After: "),
                        QDir::toNativeSeparators(path));
}

void PagesView::setDocuments(const QByteArray &before, const QString &beforePath,
                             const QByteArray &after, const QString &afterPath)
{
    loadSide(*m_sides[0], before, beforePath);
    loadSide(*m_sides[1], after, afterPath);
    compareSides();
    m_page = -1;
    setPage(std::max(0, firstDifferingPage()));
}

void PagesView::compareSides()
{
    m_areas.clear();
    const int count = std::min(pageCount(), kComparePages);
    const int common = std::min(sidePageCount(0), sidePageCount(1));
    QList<int> differing;
    for (int page = 0; page < count; ++page) {
        QList<QRectF> areas;
        if (page >= common) {
            areas << QRectF(0, 0, 1, 1);
        } else {
            const QSizeF points = m_sides[0]->document.pagePointSize(page);
            const QSize size(kCompareWidth, qRound(kCompareWidth * points.height() /
                                                   std::max(points.width(), 1.0)));
            areas = vantrelle::differingAreas(m_sides[0]->document.render(page, size),
                                              m_sides[1]->document.render(page, size));
        }
        if (!areas.isEmpty())
            differing << page + 1;
        m_areas << areas;
    }
    QStringList pages;
    for (const int page : std::as_const(differing))
        pages << QString::number(page);
    m_differs->setText(differing.isEmpty()
                           ? tr("The drawings of the pages before and after do not differ.")
                           : tr("Marked in red: where the pages differ (page(s) %1).", nullptr,
                                int(differing.size()))
                                 .arg(pages.join(QStringLiteral(", "))));
}

int PagesView::firstDifferingPage() const
{
    for (int page = 0; page < m_areas.size(); ++page)
        if (!m_areas.at(page).isEmpty())
            return page;
    return -1;
}

QList<QRectF> PagesView::differingAreas(int page) const
{
    return m_areas.value(page);
}

int PagesView::sidePageCount(int side) const
{
    const QPdfDocument &d = m_sides.at(std::size_t(side))->document;
    return d.status() == QPdfDocument::Status::Ready ? d.pageCount() : -1;
}

int PagesView::pageCount() const
{
    return std::max({0, sidePageCount(0), sidePageCount(1)});
}

void PagesView::setPage(int page)
{
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    if (page == m_page)
        return;
    m_page = page;
    showPage();
    m_scrollPending = true;
    scrollToMarks();
}

void PagesView::scrollToMarks()
{
    const QList<QRectF> areas = differingAreas(m_page);
    if (areas.isEmpty()) {
        m_scrollPending = false;
        return;
    }
    qreal top = 1;
    for (const QRectF &area : areas)
        top = std::min(top, area.top());
    for (const auto &side : m_sides) {
        if (!side->view->isVisible())
            continue;
        const QRect page = static_cast<DifferenceMarks *>(side->marks)->pageRect();
        if (page.isEmpty())
            continue;
        // A little of the page above the mark stays in view, for its context.
        QScrollBar *bar = side->view->verticalScrollBar();
        const int markY = page.y() + bar->value() + qRound(top * page.height());
        bar->setValue(markY - side->view->viewport()->height() / 4);
    }
}

void PagesView::showPage()
{
    for (const auto &side : m_sides) {
        const int count = side->document.status() == QPdfDocument::Status::Ready
                              ? side->document.pageCount()
                              : -1;
        if (m_page < count) {
            side->stack->setCurrentWidget(side->view);
            if (side->view->pageNavigator()->currentPage() != m_page)
                side->view->pageNavigator()->jump(m_page, {}, side->view->zoomFactor());
        } else {
            side->absent->setText(
                count < 0
                    ? tr("These pages could not be shown.")
                    : tr("No page %1 here: this side ends at page %2.").arg(m_page + 1).arg(count));
            side->stack->setCurrentWidget(side->absent);
        }
    }
    const int count = pageCount();
    const QSignalBlocker block(m_pageBox);
    m_pageBox->setRange(count > 0 ? 1 : 0, std::max(count, 0));
    m_pageBox->setValue(m_page + 1);
    m_pageOf->setText(tr("of %1").arg(count));
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    for (const auto &side : m_sides)
        side->marks->update();
}

void PagesView::setZoom(qreal factor)
{
    m_zoom = factor <= 0 ? 0 : std::clamp(factor, kZoomMin, kZoomMax);
    for (const auto &side : m_sides) {
        side->view->setZoomMode(m_zoom > 0 ? QPdfView::ZoomMode::Custom
                                           : QPdfView::ZoomMode::FitToWidth);
        if (m_zoom > 0)
            side->view->setZoomFactor(m_zoom);
    }
    m_zoomText->setText(m_zoom > 0 ? tr("%1%").arg(qRound(m_zoom * 100)) : tr("Page width"));
}

} // namespace vantrelle
