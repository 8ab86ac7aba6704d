#pragma once
// The two sets lists of the main window: find texts and replace texts, pair i
// made of entry i of each. Every operation here keeps them equal in length.
#include <QString>
#include <QStringList>

class QComboBox;

namespace vantrelle {

// Positions and counts of the sets are 16-bit values.
inline constexpr int kMaxSets = 32767;

inline constexpr char kAddSetPrompt[] =
    "Enter find and replace set (use :: to separate find text and replace text):";
inline constexpr char kAddSetInitialText[] = "findwhat::replacewith";
inline constexpr char kAddSetNoSeparator[] =
    "You must use :: to separate the find text from the replace text";
inline constexpr char kSetsFull[] =
    "The sets list is full: it holds at most 32,767 pairs. Remove a set to add another.";

// The notice for lines of a sets file left out because the lists were full.
QString setsNotLoadedMessage(int lines);

// How many more pairs the lists can take.
int setsRoom(const QComboBox &findList);

// Appends the texts at the end of the list in one step. The selection stays
// as it was: a list that had none still has none.
void appendEntries(QComboBox &list, const QStringList &texts);
inline void appendEntry(QComboBox &list, const QString &text)
{
    appendEntries(list, QStringList{text});
}

// Removes the list's selected entry; nothing when it has no selection.
void removeSelectedEntry(QComboBox &list);

// Gives the list the selection the other list just got; a list already at that
// position is left alone, so two coupled lists settle in one step.
void followSelection(QComboBox &list, int index);

} // namespace vantrelle
