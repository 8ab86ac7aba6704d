#pragma once
// ListView1: the document list shown in report view with one column. Rows are
// plain path texts; the user removes a row with Delete or a double-click,
// brings it back with Ctrl+Z, and reorders rows by dragging one over the others.
#include "doclist/documentlist.h"

#include <QAbstractListModel>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QHeaderView>
#include <QTableView>

#include <functional>

class QMimeData;

namespace vantrelle {

// The list's rows as bare texts. A large tree adds a hundred thousand rows:
// kept as a compact path list, with no item object around each, they cost a
// few bytes a row.
class DocListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // 0-based, as the view counts.
    QString text(int row) const { return m_rows.at(row); }
    const PathList &rows() const { return m_rows; }
    void setText(int row, const QString &text);
    void append(const QStringList &texts);
    // Before row; at rowCount() it appends.
    void insert(int row, const QString &text);
    void removeRow(int row);
    // 0-based rows in ascending order.
    void removeRowsAt(const QList<qsizetype> &ascending);
    void clear();
    void setHeaderText(const QString &text);

private:
    PathList m_rows;
    QString m_header;
};

// A one-column table rather than a tree: a tree view keeps a layout item of
// about 40 bytes for every row, a table's (hidden) row header 8.
class DocListView : public QTableView, public DocumentList {
    Q_OBJECT
public:
    explicit DocListView(QWidget *parent = nullptr);

    void append(const QString &text) override;
    void appendRows(const QStringList &texts) override;
    int count() const override;
    QString rowText(int index) const override;
    void remove(int index) override;
    void removeRows(const QList<int> &ascending) override;
    void clear() override;
    // Every row, sharing the list's storage.
    const PathList &rows() const { return m_rows->rows(); }

    // The column's header, "Publisher File(s)".
    QHeaderView *header() const { return horizontalHeader(); }
    // The one column, "Publisher File(s)", 7000 twips wide.
    void createColumn();
    void setHeaderText(const QString &text);
    QString headerText() const;
    // 1-based index of the selected row; 0 when none is selected.
    int selectedIndex() const;
    void selectRow(int index);
    // Delete key and double-click: the selected row goes, unless busy.
    void removeSelectedRow();
    // Ctrl+Z: the row removed last comes back at its place, selected; false
    // when there is none to bring back (or the list is busy).
    bool restoreRemovedRow();
    // The model index of a 1-based row (invalid when there is none).
    QModelIndex rowIndex(int index) const;

    // The main window's hourglass: while it shows, the list refuses changes.
    std::function<bool()> isBusy = [] { return false; };
    // Every pointer move over the list (the main window's hover rule).
    std::function<void()> onPointerMove = [] {};
    // The pointer's position in screen pixels; the auto-scroll reads it.
    std::function<QPoint()> cursorPosition;
    // Image of the list's pointer while a row is dragged.
    QString dragCursorFile;

    bool isDragging() const { return m_isDragging; }
    // 1-based index of the row being moved; 0 when there is none.
    int dragItemIndex() const;

    // A drop from outside carries a list of files only as local-file URLs.
    static bool carriesFileList(const QMimeData *data);

signals:
    // Paths of a drop, in the order the source supplied them.
    void filesDropped(const QStringList &paths);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // The list's actions as a menu, if it has any.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rowClicked();
    void exchangeWith(const QModelIndex &hover);

    DocListModel *m_rows;
    // What the user removed (0-based row, text), the last at the back;
    // emptied when the list is cleared.
    QList<std::pair<int, QString>> m_removed;
    bool m_isDragging = false;
    QPersistentModelIndex m_dragItem;
};

} // namespace vantrelle
