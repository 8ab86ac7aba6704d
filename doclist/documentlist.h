#pragma once
// The document list as the rest of the program sees it: path texts in display
// order, addressed from 1, duplicates allowed, never normalised.
#include "fsutil/pathlist.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vantrelle {

class DocumentList {
public:
    virtual ~DocumentList() = default;
    virtual void append(const QString &text) = 0;
    // The texts appended in order; a list on screen takes them in one change.
    virtual void appendRows(const QStringList &texts)
    {
        for (const QString &text : texts)
            append(text);
    }
    virtual int count() const = 0;
    // index 1..count
    virtual QString rowText(int index) const = 0;
    // index 1..count; later rows move up
    virtual void remove(int index) = 0;
    // indexes 1..count in ascending order
    virtual void removeRows(const QList<int> &ascending)
    {
        // From the highest down, so each index still names its row.
        for (qsizetype k = ascending.size() - 1; k >= 0; --k)
            remove(ascending.at(k));
    }
    virtual void clear() = 0;
};

// True when a row's text equals the text exactly (letter case counts).
bool ListContains(const DocumentList &list, const QString &text);

// A list held in memory, for logic that runs without a window.
class MemoryDocumentList : public DocumentList {
public:
    MemoryDocumentList() = default;
    explicit MemoryDocumentList(const QStringList &rows) : m_rows(rows) {}
    void append(const QString &text) override { m_rows.append(text); }
    void appendRows(const QStringList &texts) override { m_rows.append(texts); }
    int count() const override { return int(m_rows.size()); }
    QString rowText(int index) const override { return m_rows.at(index - 1); }
    void remove(int index) override { m_rows.removeAt(index - 1); }
    void removeRows(const QList<int> &ascending) override;
    void clear() override { m_rows.clear(); }
    const PathList &rows() const { return m_rows; }

private:
    PathList m_rows;
};

} // namespace vantrelle
