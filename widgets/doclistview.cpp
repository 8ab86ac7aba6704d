#include "doclistview.h"

#include "widgets/appearance.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QUrl>

#include <algorithm>

namespace vantrelle {

namespace {

constexpr int kColumnTwips = 7000;
// Screen heights between which an exchange leaves the list where it is.
constexpr int kScrollUpBelow = 305;
constexpr int kScrollDownAbove = 364;

} // namespace

int DocListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant DocListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    // Shown as the user's system spells paths; kept with "/" inside.
    return role == Qt::DisplayRole ? QDir::toNativeSeparators(m_rows.at(index.row()))
                                   : m_rows.at(index.row());
}

Qt::ItemFlags DocListModel::flags(const QModelIndex &index) const
{
    // Rows are never edited in place and never dragged out of the list.
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

QVariant DocListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_header;
    return QVariant();
}

void DocListModel::setText(int row, const QString &text)
{
    m_rows.replace(row, text);
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void DocListModel::append(const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    // One insertion for the lot: the view lays out and repaints once, not per
    // row, which is most of the cost of filling it with a large tree.
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(texts.size()) - 1);
    m_rows.append(texts);
    endInsertRows();
}

void DocListModel::insert(int row, const QString &text)
{
    row = std::clamp(row, 0, rowCount());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, text);
    endInsertRows();
}

void DocListModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void DocListModel::removeRowsAt(const QList<qsizetype> &ascending)
{
    if (ascending.size() == 1) {
        removeRow(int(ascending.first()));
        return;
    }
    // Many rows at once (the screening's): one change for the view.
    beginResetModel();
    m_rows.removeRows(ascending);
    endResetModel();
}

void DocListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void DocListModel::setHeaderText(const QString &text)
{
    m_header = text;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

DocListView::DocListView(QWidget *parent) : QTableView(parent), m_rows(new DocListModel(this))
{
    setModel(m_rows);
    // A list with a header: no grid, no row numbers, one line a row, as
    // high as a list's line; Tab leaves the list.
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QStyleOptionViewItem line;
    initViewItemOption(&line);
    line.text = QStringLiteral("Xg");
    line.features |= QStyleOptionViewItem::HasDisplay;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), this).height());
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows never leave the list by drag and drop; files come in.
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setMouseTracking(true);
    header()->setStretchLastSection(false);
    setToolTip(tr("Drag and drop files here. Double-click item to remove it. Move | "
                  "line to right and out of window to reveal full names."));
    cursorPosition = [] { return QCursor::pos(); };
}

void DocListView::createColumn()
{
    setHeaderText(tr("Publisher File(s)"));
    setColumnWidth(0, qRound(kColumnTwips * logicalDpiX() / 1440.0));
}

void DocListView::setHeaderText(const QString &text)
{
    m_rows->setHeaderText(text);
}

QString DocListView::headerText() const
{
    return m_rows->headerData(0, Qt::Horizontal).toString();
}

void DocListView::append(const QString &text)
{
    m_rows->append(QStringList{text});
}

void DocListView::appendRows(const QStringList &texts)
{
    m_rows->append(texts);
}

int DocListView::count() const
{
    return m_rows->rowCount();
}

QString DocListView::rowText(int index) const
{
    return index >= 1 && index <= count() ? m_rows->text(index - 1) : QString();
}

QModelIndex DocListView::rowIndex(int index) const
{
    return m_rows->index(index - 1, 0);
}

void DocListView::remove(int index)
{
    m_rows->removeRow(index - 1);
}

void DocListView::removeRows(const QList<int> &ascending)
{
    QList<qsizetype> rows;
    rows.reserve(ascending.size());
    for (const int index : ascending)
        rows << index - 1;
    m_rows->removeRowsAt(rows);
}

void DocListView::clear()
{
    m_removed.clear();
    m_rows->clear();
}

int DocListView::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void DocListView::selectRow(int index)
{
    const QModelIndex row = rowIndex(index);
    if (row.isValid())
        setCurrentIndex(row);
}

void DocListView::removeSelectedRow()
{
    if (isBusy() || count() == 0)
        return;
    // With rows but none selected there is nothing to name, so nothing goes.
    if (const int index = selectedIndex()) {
        m_removed.append({index - 1, rowText(index)});
        remove(index);
    }
}

bool DocListView::restoreRemovedRow()
{
    if (isBusy() || m_removed.isEmpty())
        return false;
    const auto [row, text] = m_removed.takeLast();
    const int at = std::min(row, count());
    m_rows->insert(at, text);
    setCurrentIndex(m_rows->index(at, 0));
    return true;
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
    if (event->matches(QKeySequence::Undo)) {
        restoreRemovedRow();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DocListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    removeSelectedRow();
    event->accept();
}

void DocListView::mousePressEvent(QMouseEvent *event)
{
    m_isDragging = true;
    QTableView::mousePressEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
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
    m_dragItem = index ? QPersistentModelIndex(rowIndex(index)) : QPersistentModelIndex();
}

void DocListView::mouseMoveEvent(QMouseEvent *event)
{
    onPointerMove();
    if (!m_isDragging) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    // The pressed row itself follows the pointer; the view's own drag-select
    // would fight it, so it is not called while dragging.
    exchangeWith(indexAt(event->position().toPoint()));
    event->accept();
}

void DocListView::exchangeWith(const QModelIndex &hover)
{
    if (!hover.isValid() || !m_dragItem.isValid())
        return;
    const int dragRow = m_dragItem.row();
    const int hoverRow = hover.row();
    const QString dragged = m_rows->text(dragRow);
    if (m_rows->text(hoverRow) == dragged)
        return;
    m_rows->setText(dragRow, m_rows->text(hoverRow));
    m_rows->setText(hoverRow, dragged);
    setCurrentIndex(hover);
    m_dragItem = QPersistentModelIndex(hover);

    const int screenY = cursorPosition().y();
    if (screenY < kScrollUpBelow && hoverRow >= 1)
        scrollTo(m_rows->index(hoverRow - 1, 0), QAbstractItemView::EnsureVisible);
    else if (screenY > kScrollDownAbove && hoverRow + 1 < count())
        scrollTo(m_rows->index(hoverRow + 1, 0), QAbstractItemView::EnsureVisible);
}

void DocListView::mouseReleaseEvent(QMouseEvent *event)
{
    m_isDragging = false;
    setCursor(Qt::ArrowCursor);
    QTableView::mouseReleaseEvent(event);
}

void DocListView::contextMenuEvent(QContextMenuEvent *event)
{
    // The press that opened the menu started a drag whose release goes to the
    // menu: end it here, or the next pointer move would move rows.
    m_isDragging = false;
    setCursor(Qt::ArrowCursor);
    if (actions().isEmpty()) {
        event->ignore();
        return;
    }
    QMenu::exec(actions(), event->globalPos(), nullptr, this);
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
