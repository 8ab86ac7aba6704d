#include "setslist.h"

#include "shell/pairtext.h"

#include <QCoreApplication>

namespace vantrelle {

// The context of the texts below, for their translations.
class SetsText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::SetsText)
};

QString setsNotLoadedMessage(int lines)
{
    return SetsText::tr("The sets list holds at most 32,767 pairs. %n line(s) of the file were "
                        "not loaded.",
                        nullptr, lines);
}

QString pairsRefusal(const SetsPairs &pairs, const QString &from, EmptyFind empty,
                     const MatchOptions &options)
{
    const PairTextRole findRole =
        empty == EmptyFind::Refused ? PairTextRole::Find : PairTextRole::Replace;
    // A lone pair typed by itself needs no number.
    const bool numbered = pairs.size() > 1 || !from.isEmpty();
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        // " of pair 3 in the sets list", said after the name of a text.
        QString of = numbered ? SetsText::tr(" of pair %1").arg(i + 1) : QString();
        if (!from.isEmpty())
            of += QLatin1Char(' ') + from;
        if (const auto fault = pairTextFault(pairs.find[i], findRole))
            return describePairTextFault(SetsText::tr("The find text%1").arg(of), *fault) +
                   QLatin1Char('.');
        if (const auto fault = pairTextFault(pairs.replace.value(i), PairTextRole::Replace))
            return describePairTextFault(
                       SetsText::tr("The replace text%1 (“%2”)").arg(of, pairs.find[i]), *fault) +
                   QLatin1Char('.');
        // An empty find the list may hold is the run's to refuse.
        if (pairs.find[i].isEmpty() && empty == EmptyFind::Allowed)
            continue;
        if (const QString refusal = patternRefusal(pairs.find[i], pairs.replace.value(i), options);
            !refusal.isEmpty())
            return SetsText::tr("The texts%1 cannot be used: %2.").arg(of, refusal);
    }
    return {};
}

int SetsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_pairs.size());
}

int SetsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SetsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_pairs.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return index.column() == FindColumn ? m_pairs.find.at(index.row())
                                        : m_pairs.replace.at(index.row());
}

int SetsModel::room() const
{
    return m_pairs.size() >= kMaxSets ? 0 : kMaxSets - int(m_pairs.size());
}

int SetsModel::append(const SetsPairs &pairs)
{
    const int n = int(std::min<qsizetype>(pairs.size(), room()));
    if (n == 0)
        return 0;
    const int first = int(m_pairs.size());
    beginInsertRows({}, first, first + n - 1);
    m_pairs.find += pairs.find.mid(0, n);
    for (int i = 0; i < n; ++i)
        m_pairs.replace << pairs.replace.value(i);
    endInsertRows();
    return n;
}

void SetsModel::removePair(int row)
{
    if (row < 0 || row >= m_pairs.size())
        return;
    beginRemoveRows({}, row, row);
    m_pairs.find.removeAt(row);
    m_pairs.replace.removeAt(row);
    endRemoveRows();
}

void SetsModel::clear()
{
    if (m_pairs.size() == 0)
        return;
    beginResetModel();
    m_pairs = {};
    endResetModel();
}

} // namespace vantrelle
