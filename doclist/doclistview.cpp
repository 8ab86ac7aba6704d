#include "doclistview.h"

#include "app/shell/appearance.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace vantrelle {

namespace {

constexpr int kColumnTwips = 7000;
// Screen heights between which an exchange leaves the list where it is.
constexpr int kScrollUpBelow = 305;
constexpr int kScrollDownAbove = 364;

} // namespace

bool ListContains(const DocumentList &list, const QString &text)
{
    bool found = false;
    for (int i = 1; i <= list.count(); ++i)
        if (list.rowText(i) == text)
            found = true;
    return found;
}

DocListView::DocListView(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    // Rows never leave the list by drag and drop; files come in.
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setMouseTracking(true);
    header()->setStretchLastSection(false);
    setToolTip(QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | "
                              "line to right and out of window to reveal full names."));
    cursorPosition = [] { return QCursor::pos(); };
}

void DocListView::createColumn()
{
    setHeaderLabels({QStringLiteral("Publisher File(s)")});
    setColumnWidth(0, qRound(kColumnTwips * logicalDpiX() / 1440.0));
}

namespace {

// A row holding its one text itself. An item's own text store takes two more
// blocks and a variant per row, which is most of the cost of listing a large
// tree; a text set later (an exchange while dragging) still goes through the
// item, so that the view hears of the change.
class RowItem : public QTreeWidgetItem {
public:
    explicit RowItem(const QString &text) : m_text(text)
    {
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }

    QVariant data(int column, int role) const override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return m_text;
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant &value) override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            m_text = value.toString();
        QTreeWidgetItem::setData(column, role, value);
    }

private:
    QString m_text;
};

QTreeWidgetItem *rowItem(const QString &text)
{
    return new RowItem(text);
}

} // namespace

void DocListView::append(const QString &text)
{
    addTopLevelItem(rowItem(text));
}

void DocListView::appendRows(const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    // One insertion for the lot: the view lays out and repaints once, not per
    // row, which is most of the cost of filling it with a large tree.
    QList<QTreeWidgetItem *> items;
    items.reserve(texts.size());
    for (const QString &text : texts)
        items.append(rowItem(text));
    insertTopLevelItems(topLevelItemCount(), items);
}

int DocListView::count() const
{
    return topLevelItemCount();
}

QString DocListView::rowText(int index) const
{
    const QTreeWidgetItem *item = topLevelItem(index - 1);
    return item ? item->text(0) : QString();
}

void DocListView::remove(int index)
{
    delete takeTopLevelItem(index - 1);
}

void DocListView::clear()
{
    QTreeWidget::clear();
}

int DocListView::selectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? 0 : indexOfTopLevelItem(selected.first()) + 1;
}

void DocListView::selectRow(int index)
{
    if (QTreeWidgetItem *item = topLevelItem(index - 1))
        setCurrentItem(item);
}

void DocListView::removeSelectedRow()
{
    if (isBusy() || count() == 0)
        return;
    // With rows but none selected there is nothing to name, so nothing goes.
    if (const int index = selectedIndex())
        remove(index);
}

int DocListView::dragItemIndex() const
{
    return m_dragItem.isValid() ? m_dragItem.row() + 1 : 0;
}

bool DocListView::carriesFileList(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return false;
    for (const QUrl &url : data->urls())
        if (!url.isLocalFile())
            return false;
    return true;
}

void DocListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        removeSelectedRow();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void DocListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    removeSelectedRow();
    event->accept();
}

void DocListView::mousePressEvent(QMouseEvent *event)
{
    m_isDragging = true;
    QTreeWidget::mousePressEvent(event);
    if (itemAt(event->position().toPoint()))
        rowClicked();
    else
        // A press beside the rows moves nothing, rather than the row dragged last time.
        m_dragItem = QPersistentModelIndex();
}

void DocListView::rowClicked()
{
    const std::optional<QCursor> image = loadCursorFile(dragCursorFile);
    setCursor(image ? *image : QCursor(Qt::DragMoveCursor));
    const int index = selectedIndex();
    m_dragItem =
        index ? QPersistentModelIndex(model()->index(index - 1, 0)) : QPersistentModelIndex();
}

void DocListView::mouseMoveEvent(QMouseEvent *event)
{
    onPointerMove();
    if (!m_isDragging) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // The pressed row itself follows the pointer; the view's own drag-select
    // would fight it, so it is not called while dragging.
    exchangeWith(itemAt(event->position().toPoint()));
    event->accept();
}

void DocListView::exchangeWith(QTreeWidgetItem *hover)
{
    QTreeWidgetItem *drag = m_dragItem.isValid() ? topLevelItem(m_dragItem.row()) : nullptr;
    if (!hover || !drag || hover->text(0) == drag->text(0))
        return;
    const QString dragged = drag->text(0);
    drag->setText(0, hover->text(0));
    hover->setText(0, dragged);
    setCurrentItem(hover);
    const int hoverRow = indexOfTopLevelItem(hover);
    m_dragItem = QPersistentModelIndex(model()->index(hoverRow, 0));

    const int screenY = cursorPosition().y();
    if (screenY < kScrollUpBelow && hoverRow >= 1)
        scrollToItem(topLevelItem(hoverRow - 1), QAbstractItemView::EnsureVisible);
    else if (screenY > kScrollDownAbove && hoverRow + 1 < count())
        scrollToItem(topLevelItem(hoverRow + 1), QAbstractItemView::EnsureVisible);
}

void DocListView::mouseReleaseEvent(QMouseEvent *event)
{
    m_isDragging = false;
    setCursor(Qt::ArrowCursor);
    QTreeWidget::mouseReleaseEvent(event);
}

void DocListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (carriesFileList(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DocListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (carriesFileList(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DocListView::dropEvent(QDropEvent *event)
{
    if (!carriesFileList(event->mimeData())) {
        event->ignore();
        return;
    }
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        paths << url.toLocalFile();
    event->acceptProposedAction();
    emit filesDropped(paths);
}

} // namespace vantrelle
