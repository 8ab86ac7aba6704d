#pragma once
// The sets: find/replace pairs applied in list order, held in one model whose
// two columns the window shows as its two lists (find texts, replace texts).
// Every change goes through the model, so the two lists never differ in length.
#include "shell/pairtext.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

namespace vantrelle {

// Positions and counts of the sets are 16-bit values.
inline constexpr int kMaxSets = 32767;

// In English; shown translated (context "vantrelle::SetsText").
inline constexpr const char *kAddSetPrompt = QT_TRANSLATE_NOOP(
    "vantrelle::SetsText",
    "Enter find and replace set (use :: to separate find text and replace text):");
inline constexpr const char *kAddSetInitialText =
    QT_TRANSLATE_NOOP("vantrelle::SetsText", "findwhat::replacewith");
inline constexpr const char *kAddSetNoSeparator = QT_TRANSLATE_NOOP(
    "vantrelle::SetsText", "You must use :: to separate the find text from the replace text");
inline constexpr const char *kSetsFull = QT_TRANSLATE_NOOP(
    "vantrelle::SetsText",
    "The sets list is full: it holds at most 32,767 pairs. Remove a set to add another.");

// The notice for lines of a sets file left out because the lists were full.
QString setsNotLoadedMessage(int lines);

// Two index-aligned lists of texts: pair i is find[i] -> replace[i].
struct SetsPairs {
    QStringList find;
    QStringList replace;
    qsizetype size() const { return find.size(); }
};

// The first pair whose find or replace text a publication cannot hold, as a
// sentence: "The replace text of pair 3 of sets.txt (“a”) holds …". from
// names where the pairs come from ("of sets.txt") or is empty. Empty when
// every pair can be used. The lists themselves may hold an empty find text
// (a run refuses it), so adding pairs asks with EmptyFind::Allowed.
enum class EmptyFind { Refused, Allowed };
// With options.regex, a pair must also be a usable regular expression and
// replacement (patternRefusal()).
QString pairsRefusal(const SetsPairs &pairs, const QString &from = {},
                     EmptyFind empty = EmptyFind::Refused, const MatchOptions &options = {});

class SetsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FindColumn = 0, ReplaceColumn = 1 };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // How many more pairs the model can take.
    int room() const;
    // Appends as many of the pairs as there is room for, in one change, and
    // returns how many were appended.
    int append(const SetsPairs &pairs);
    // Removes one pair; nothing for a row outside the list.
    void removePair(int row);
    void clear();

    const SetsPairs &pairs() const { return m_pairs; }

private:
    SetsPairs m_pairs;
};

} // namespace vantrelle
