#include "doclist/documentlist.h"

namespace vantrelle {

bool ListContains(const DocumentList &list, const QString &text)
{
    for (int i = 1; i <= list.count(); ++i) {
        if (list.rowText(i) == text)
            return true;
    }
    return false;
}

void MemoryDocumentList::removeRows(const QList<int> &ascending)
{
    QList<qsizetype> rows;
    rows.reserve(ascending.size());
    for (const int index : ascending)
        rows << index - 1;
    m_rows.removeRows(rows);
}

} // namespace vantrelle
