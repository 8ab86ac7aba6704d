#include "doclistview.h"

namespace vantrelle {

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
}

void DocListView::append(const QString &text)
{
    auto *item = new QTreeWidgetItem(QStringList{text});
    addTopLevelItem(item);
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

} // namespace vantrelle
