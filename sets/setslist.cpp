#include "setslist.h"

#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>

namespace vantrelle {

QString setsNotLoadedMessage(int lines)
{
    const QString count = QLocale(QLocale::English).toString(lines);
    return QStringLiteral("The sets list holds at most 32,767 pairs. ") + count +
           (lines == 1 ? QStringLiteral(" line of the file was not loaded.")
                       : QStringLiteral(" lines of the file were not loaded."));
}

int setsRoom(const QComboBox &findList)
{
    return findList.count() >= kMaxSets ? 0 : kMaxSets - findList.count();
}

void appendEntries(QComboBox &list, const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    const int selected = list.currentIndex();
    {
        // A pick-only list selects its first entry by itself; the sets keep
        // their selection, and nobody needs one signal per entry.
        const QSignalBlocker quiet(&list);
        list.addItems(texts);
        list.setCurrentIndex(selected);
    }
}

void removeSelectedEntry(QComboBox &list)
{
    const int selected = list.currentIndex();
    if (selected >= 0)
        list.removeItem(selected);
}

void followSelection(QComboBox &list, int index)
{
    if (list.currentIndex() != index && index < list.count())
        list.setCurrentIndex(index);
}

} // namespace vantrelle
