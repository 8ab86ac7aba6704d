#include "tests/support/qtprinters.h"
#include "widgets/doclistview.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

class ListFixture : public ::testing::Test {
protected:
    DocListView view;
    bool busy = false;
    int screenY = 330;

    void SetUp() override
    {
        view.isBusy = [this] { return busy; };
        view.cursorPosition = [this] { return QPoint(10, screenY); };
        view.createColumn();
        view.resize(400, 160);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void fill(const QStringList &rows)
    {
        for (const QString &r : rows)
            view.append(r);
    }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 1; i <= view.count(); ++i)
            out << view.rowText(i);
        return out;
    }
    QPoint at(int index) { return view.visualRect(view.rowIndex(index)).center(); }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, view.viewport()->mapToGlobal(pos), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }
    void press(int index) { mouse(QEvent::MouseButtonPress, at(index)); }
    void moveTo(int index) { mouse(QEvent::MouseMove, at(index)); }
    void release(QPoint pos) { mouse(QEvent::MouseButtonRelease, pos, Qt::NoButton); }
    void key(Qt::Key k) { QTest::keyClick(&view, k); }
};

} // namespace

TEST_F(ListFixture, ShowsOneColumnWithItsCaptionAndTooltip)
{
    EXPECT_EQ(view.headerText(), "Publisher File(s)");
    EXPECT_EQ(view.model()->headerData(0, Qt::Horizontal).toString(), "Publisher File(s)");
    EXPECT_EQ(view.model()->columnCount(), 1);
    EXPECT_EQ(view.header()->count(), 1);
    EXPECT_TRUE(view.header()->isVisible());
    EXPECT_EQ(view.columnWidth(0), qRound(7000 * view.logicalDpiX() / 1440.0));
    EXPECT_EQ(view.toolTip(), "Drag and drop files here. Double-click item to remove it. Move | "
                              "line to right and out of window to reveal full names.");
}

TEST_F(ListFixture, RowsAreTextsAsAppendedDuplicatesIncluded)
{
    fill({"/b/x.pub", " /a//y.PUB ", "/b/x.pub"});
    EXPECT_EQ(rows(), QStringList({"/b/x.pub", " /a//y.PUB ", "/b/x.pub"}));
    view.remove(1);
    EXPECT_EQ(rows(), QStringList({" /a//y.PUB ", "/b/x.pub"}));
    EXPECT_TRUE(ListContains(view, "/b/x.pub"));
    EXPECT_FALSE(ListContains(view, "/B/X.PUB"));
    view.clear();
    EXPECT_EQ(view.count(), 0);
    EXPECT_FALSE(ListContains(view, ""));
}

TEST_F(ListFixture, DeleteAndDoubleClickRemoveTheSelectedRowOnly)
{
    key(Qt::Key_Delete); // empty list: nothing to do
    fill({"/1.pub", "/2.pub", "/3.pub", "/4.pub"});
    key(Qt::Key_Delete); // nothing selected: nothing goes
    EXPECT_EQ(view.count(), 4);
    view.selectRow(2);
    key(Qt::Key_Backspace);
    key(Qt::Key_A);
    EXPECT_EQ(view.count(), 4);
    key(Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList({"/1.pub", "/3.pub", "/4.pub"}));
    // A double-click's first press selects the row it lands on.
    press(3);
    release(at(3));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(3));
    EXPECT_EQ(rows(), QStringList({"/1.pub", "/3.pub"}));
}

TEST_F(ListFixture, NothingIsRemovedWhileTheWindowIsBusy)
{
    fill({"/1.pub", "/2.pub"});
    view.selectRow(1);
    busy = true;
    key(Qt::Key_Delete);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(1));
    EXPECT_EQ(view.count(), 2);
    busy = false;
    key(Qt::Key_Delete);
    EXPECT_EQ(view.count(), 1);
}

TEST_F(ListFixture, AContextMenuEndsTheDragItsPressStarted)
{
    fill({"a", "b", "c"});
    QAction count("Count occurrences…", &view);
    view.addAction(&count);
    press(1); // the release goes to the menu, never to the list
    QStringList shown;
    QTimer::singleShot(0, [&] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            for (const QAction *a : menu->actions())
                shown << a->text();
            menu->close();
        }
    });
    QContextMenuEvent open(QContextMenuEvent::Mouse, at(1), view.viewport()->mapToGlobal(at(1)));
    QApplication::sendEvent(view.viewport(), &open);
    EXPECT_EQ(shown, QStringList{"Count occurrences…"});
    EXPECT_FALSE(view.isDragging());
    moveTo(3);
    EXPECT_EQ(rows(), QStringList({"a", "b", "c"}));
}

TEST_F(ListFixture, ADraggedRowExchangesPlacesWithTheRowUnderThePointer)
{
    fill({"a", "b", "c", "d", "e"});
    view.dragCursorFile = QString(VANTRELLE_SOURCE_DIR) + "/app/resources/drag.ico";
    press(1);
    EXPECT_TRUE(view.isDragging());
    EXPECT_EQ(view.dragItemIndex(), 1);
    EXPECT_EQ(view.cursor().shape(), Qt::BitmapCursor);
    moveTo(4); // a fast move skips b and c: they keep their places
    EXPECT_EQ(rows(), QStringList({"d", "b", "c", "a", "e"}));
    EXPECT_EQ(view.selectedIndex(), 4);
    EXPECT_EQ(view.dragItemIndex(), 4);
    moveTo(2);
    EXPECT_EQ(rows(), QStringList({"d", "a", "c", "b", "e"}));
    release(at(2));
    EXPECT_FALSE(view.isDragging());
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    moveTo(5); // not dragging any more
    EXPECT_EQ(rows(), QStringList({"d", "a", "c", "b", "e"}));
}

TEST_F(ListFixture, EqualTextsAndPressesBesideTheRowsMoveNothing)
{
    fill({"x", "x", "y"});
    view.dragCursorFile = "/nonexistent/drag.ico";
    press(1);
    EXPECT_EQ(view.cursor().shape(), Qt::DragMoveCursor);
    moveTo(2);
    EXPECT_EQ(rows(), QStringList({"x", "x", "y"}));
    EXPECT_EQ(view.dragItemIndex(), 1);
    release(at(2));
    const QPoint below(20, view.viewport()->height() - 3);
    ASSERT_FALSE(view.indexAt(below).isValid());
    mouse(QEvent::MouseButtonPress, below);
    moveTo(3);
    moveTo(1);
    EXPECT_EQ(rows(), QStringList({"x", "x", "y"}));
    release(at(1));
}

TEST_F(ListFixture, EveryPointerMoveAppliesTheWindowHoverRule)
{
    int hovers = 0;
    view.onPointerMove = [&] { ++hovers; };
    fill({"a"});
    moveTo(1);
    press(1);
    moveTo(1);
    EXPECT_EQ(hovers, 2);
}

TEST_F(ListFixture, AnExchangeScrollsOnlyOutsideTheMiddleBandOfTheScreen)
{
    QStringList many;
    for (int i = 1; i <= 60; ++i)
        many << QString("row %1").arg(i, 2, 10, QChar('0'));
    fill(many);
    QScrollBar *bar = view.verticalScrollBar();
    auto firstVisible = [&] { return view.indexAt(QPoint(5, 1)).row() + 1; };
    auto lastVisible = [&] {
        return view.indexAt(QPoint(5, view.viewport()->height() - 1)).row() + 1;
    };
    auto exchangeAtTop = [&](int y) {
        view.scrollTo(view.rowIndex(20), QAbstractItemView::PositionAtTop);
        const int top = firstVisible();
        const int value = bar->value();
        screenY = y;
        press(top + 1);
        moveTo(top);
        release(at(top));
        return bar->value() - value;
    };
    auto exchangeAtBottom = [&](int y) {
        view.scrollTo(view.rowIndex(20), QAbstractItemView::PositionAtTop);
        const int bottom = lastVisible();
        const int value = bar->value();
        screenY = y;
        press(bottom - 1);
        moveTo(bottom);
        release(at(bottom));
        return bar->value() - value;
    };
    EXPECT_EQ(exchangeAtTop(305), 0);
    EXPECT_EQ(exchangeAtTop(364), 0);
    EXPECT_LT(exchangeAtTop(304), 0);
    EXPECT_EQ(exchangeAtBottom(364), 0);
    EXPECT_EQ(exchangeAtBottom(305), 0);
    EXPECT_GT(exchangeAtBottom(365), 0);

    // A move that makes no exchange never scrolls.
    view.scrollTo(view.rowIndex(20), QAbstractItemView::PositionAtTop);
    const int value = bar->value();
    screenY = 0;
    press(firstVisible());
    moveTo(firstVisible());
    release(at(firstVisible()));
    EXPECT_EQ(bar->value(), value);

    // The first and the last row have no row beyond them to bring into view.
    view.scrollToTop();
    screenY = 0;
    press(2);
    moveTo(1);
    release(at(1));
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ListFixture, OnlyAListOfLocalFilesMayBeDropped)
{
    auto accepts = [&](QMimeData *data) {
        QDragEnterEvent enter(at(1), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &enter);
        const bool accepted = enter.isAccepted();
        QDragMoveEvent move(at(1), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        EXPECT_EQ(move.isAccepted(), accepted);
        if (accepted) {
            EXPECT_EQ(move.dropAction(), Qt::CopyAction);
        }
        return accepted;
    };
    view.append("row");
    QMimeData text;
    text.setText("some words from an editor");
    EXPECT_FALSE(accepts(&text));
    QMimeData web;
    web.setUrls({QUrl("https://example.com/a.pub")});
    EXPECT_FALSE(accepts(&web));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/data/b.pub"), QUrl::fromLocalFile("/data/a folder")});
    EXPECT_TRUE(accepts(&files));

    QSignalSpy dropped(&view, &DocListView::filesDropped);
    QDropEvent drop(at(1), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(), QStringList({"/data/b.pub", "/data/a folder"}));
    QDropEvent textDrop(at(1), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &textDrop);
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(view.count(), 1);
}

TEST_F(ListFixture, RowsAppendedTogetherFollowTheRowsThereInOrder)
{
    fill({"/first.pub"});
    view.appendRows({});
    view.appendRows({"/b/x.pub", "/a/y.pub", "/b/x.pub"});
    EXPECT_EQ(rows(), QStringList({"/first.pub", "/b/x.pub", "/a/y.pub", "/b/x.pub"}));
    EXPECT_EQ(view.rowIndex(2).data(Qt::DisplayRole).toString(), "/b/x.pub");
    EXPECT_EQ(view.model()->flags(view.rowIndex(2)), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    // Rows appended together are ordinary rows: removed and exchanged alike.
    view.selectRow(3);
    key(Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList({"/first.pub", "/b/x.pub", "/b/x.pub"}));
    press(1);
    moveTo(2);
    release(at(2));
    EXPECT_EQ(rows(), QStringList({"/b/x.pub", "/first.pub", "/b/x.pub"}));
    // The view shows a changed text, not the one the row was made with.
    EXPECT_EQ(view.model()->index(1, 0).data().toString(), "/first.pub");
    press(2);
    moveTo(1);
    release(at(1));
    EXPECT_EQ(rows(), QStringList({"/first.pub", "/b/x.pub", "/b/x.pub"}));
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), "/first.pub");

    MemoryDocumentList memory({"/m.pub"});
    memory.appendRows({"/n.pub", "/o.pub"});
    EXPECT_EQ(memory.rows().toStringList(), QStringList({"/m.pub", "/n.pub", "/o.pub"}));
}

TEST_F(ListFixture, RowsAppendedTogetherReachTheViewInOneChangeAndStayPlainText)
{
    QSignalSpy inserted(view.model(), &QAbstractItemModel::rowsInserted);
    view.appendRows({});
    EXPECT_EQ(inserted.count(), 0);
    view.append("/a.pub");
    view.appendRows({"/b.pub", "/c.pub", "/d.pub"});
    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted.at(1).at(1).toInt(), 1);
    EXPECT_EQ(inserted.at(1).at(2).toInt(), 3);
    EXPECT_EQ(view.model()->rowCount(), 4);
    // Flat rows with no children and nothing to expand.
    EXPECT_FALSE(view.model()->hasChildren(view.rowIndex(1)));
    EXPECT_EQ(view.model()->rowCount(view.rowIndex(1)), 0);
    // A list, not a table: one line a row, no row numbers.
    EXPECT_EQ(view.rowHeight(0), view.rowHeight(3));
    EXPECT_LT(view.rowHeight(0), 2 * view.fontMetrics().height());
    EXPECT_TRUE(view.verticalHeader()->isHidden());
    // Out of range asks give nothing rather than a neighbour's text.
    EXPECT_EQ(view.rowText(0), QString());
    EXPECT_EQ(view.rowText(5), QString());
    EXPECT_FALSE(view.rowIndex(5).isValid());

    // No in-place editing, whatever the user tries.
    view.selectRow(2);
    key(Qt::Key_F2);
    EXPECT_TRUE(view.viewport()->findChildren<QWidget *>().isEmpty()); // no editor opened
    EXPECT_EQ(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(view.model()->setData(view.rowIndex(2), "edited"));
    EXPECT_EQ(view.rowText(2), "/b.pub");
    EXPECT_FALSE(view.model()->flags(view.rowIndex(1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(view.model()->flags(view.rowIndex(1)) & Qt::ItemIsDragEnabled);

    // An exchange tells the view which rows changed, so it repaints them.
    QSignalSpy changed(view.model(), &QAbstractItemModel::dataChanged);
    press(1);
    moveTo(2);
    release(at(2));
    EXPECT_EQ(rows(), QStringList({"/b.pub", "/a.pub", "/c.pub", "/d.pub"}));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 0);
    EXPECT_EQ(changed.at(1).at(0).value<QModelIndex>().row(), 1);

    // Cleared with a row selected: nothing stays selected for Delete to take.
    view.clear();
    EXPECT_EQ(view.selectedIndex(), 0);
    view.append("/after.pub");
    key(Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList{"/after.pub"});
}

// Ctrl+Z brings removed rows back where they were, the last removed first;
// clearing the list forgets them, and a busy list keeps them for later.
TEST_F(ListFixture, CtrlZBringsRemovedRowsBackInPlace)
{
    const auto undo = [this] { QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier); };
    fill({"/1.pub", "/2.pub", "/3.pub", "/4.pub"});
    view.selectRow(2);
    key(Qt::Key_Delete);
    press(3);
    release(at(3));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(3));
    busy = true;
    undo();
    EXPECT_EQ(rows(), QStringList({"/1.pub", "/3.pub"}));
    busy = false;
    for (const int selected : {3, 2, 2}) { // the last: nothing left to bring back
        undo();
        EXPECT_EQ(view.selectedIndex(), selected);
    }
    EXPECT_EQ(rows(), QStringList({"/1.pub", "/2.pub", "/3.pub", "/4.pub"}));
    key(Qt::Key_Delete);
    view.clear();
    undo();
    EXPECT_EQ(view.count(), 0);
}
