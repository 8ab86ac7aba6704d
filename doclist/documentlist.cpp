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

} // namespace vantrelle
