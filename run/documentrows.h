#pragma once
// The results of a run's documents in list order, kept for a report that is
// read after the run: the window's table, the PDFs made at its end. A run
// may hold a hundred thousand documents; kept whole, a result costs about
// 700 bytes, here about 30. Paths go into compact path lists and each
// document's counts into one byte buffer; what the pairs share (their texts,
// how they matched) is kept once for the run. A result that does not fit that
// mould (its pairs are not the run's, it has errors or a PDF) is kept whole,
// so at() always gives back what went in, without the changes.
#include "fsutil/pathlist.h"
#include "run/runcore.h"

#include <QByteArray>
#include <QHash>
#include <QList>

namespace vantrelle {

class DocumentRows {
public:
    // Results whose sources are these, in this order, keep no copy of the
    // path (the run's list is held anyway). Before the first append.
    void expectSources(const PathList &sources)
    {
        m_expected = sources;
        m_rows.reserve(sources.size());
    }
    void append(const DocumentResult &document);
    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    void clear() { *this = DocumentRows(); }

    DocumentResult at(qsizetype i) const;
    // Single fields, without building the whole result (a table's cells).
    QString source(qsizetype i) const
    {
        return m_sources.isEmpty() && i < m_expected.size() ? m_expected.at(i) : m_sources.at(i);
    }
    QString output(qsizetype i) const { return m_outputs.at(i); }
    Outcome outcome(qsizetype i) const { return m_rows.at(i).outcome; }
    // What DocumentResult's replaced(), left() and counted() say, and whether
    // any pair was applied.
    struct Totals {
        qint64 replaced = 0;
        qint64 left = 0;
        bool counted = true;
        bool applied = false;
    };
    Totals totals(qsizetype i) const;
    QStringList errors(qsizetype i) const { return m_whole.value(i).errors; }
    PdfResult pdf(qsizetype i) const { return m_whole.value(i).pdf; }
    // The fit check's notes and whether it was made.
    QList<automation::FitNote> fit(qsizetype i) const { return m_whole.value(i).fit; }
    bool fitChecked(qsizetype i) const { return m_rows.at(i).fitChecked; }
    void setPdf(qsizetype i, const PdfResult &pdf);

    class const_iterator {
    public:
        const_iterator(const DocumentRows *rows, qsizetype i) : m_rows(rows), m_i(i) {}
        DocumentResult operator*() const { return m_rows->at(m_i); }
        const_iterator &operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_i != other.m_i; }

    private:
        const DocumentRows *m_rows;
        qsizetype m_i;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Row {
        quint32 counts = 0;        // where its counts begin in m_counts
        quint32 milliseconds = 0;
        Outcome outcome = Outcome::NotReached;
        bool fitChecked = false;
    };
    // True when the result can be kept as a row.
    bool fits(const DocumentResult &document) const;

    PathList m_expected;
    PathList m_sources; // empty while every source is the expected one
    PathList m_outputs;
    QList<Row> m_rows;
    QByteArray m_counts;
    // What every row's pairs share, from the first result with pairs.
    QList<PairResult> m_pairs;
    MatchOptions m_matching;
    bool m_shapeKnown = false;
    QStringList m_reasons; // every pair's reason for what it left, each once
    QHash<qsizetype, DocumentResult> m_whole;
};

} // namespace vantrelle
