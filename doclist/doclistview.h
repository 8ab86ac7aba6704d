#pragma once
// ListView1: the document list shown in report view with one column.
#include "doclist/documentlist.h"

#include <QTreeWidget>

#include <functional>

namespace vantrelle {

class DocListView : public QTreeWidget, public DocumentList {
    Q_OBJECT
public:
    explicit DocListView(QWidget *parent = nullptr);

    void append(const QString &text) override;
    int count() const override;
    QString rowText(int index) const override;
    void remove(int index) override;
    void clear() override;

    // The main window's hourglass: while it shows, the list refuses changes.
    std::function<bool()> isBusy = [] { return false; };
};

} // namespace vantrelle
