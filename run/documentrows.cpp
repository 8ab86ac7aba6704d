#include "run/documentrows.h"

#include "fsutil/varint.h"

#include <algorithm>
#include <limits>

namespace vantrelle {

namespace {

enum PairFlag : quint8 {
    Applied = 1,
    Counted = 2,
    Found = 4,
    SearchedLinks = 8,
    SearchedProperties = 16,
};

bool counts(qint64 n)
{
    return n >= 0;
}

} // namespace

bool DocumentRows::fits(const DocumentResult &d) const
{
    if (!d.errors.isEmpty() || !d.fit.isEmpty() || d.pdf.state != PdfState::None ||
        d.matching != m_matching ||
        d.pairs.size() > m_pairs.size() || d.milliseconds < 0 ||
        d.milliseconds > std::numeric_limits<quint32>::max() ||
        m_counts.size() > std::numeric_limits<quint32>::max() - 1024)
        return false;
    for (qsizetype k = 0; k < d.pairs.size(); ++k) {
        const PairResult &p = d.pairs[k];
        if (p.find != m_pairs[k].find || p.replacement != m_pairs[k].replacement ||
            !counts(p.replaced) || !counts(p.left) || !counts(p.inLinks) ||
            !counts(p.inProperties))
            return false;
    }
    return true;
}

void DocumentRows::append(const DocumentResult &d)
{
    if (!m_shapeKnown && !d.pairs.isEmpty()) {
        m_shapeKnown = true;
        m_matching = d.matching;
        for (const PairResult &p : d.pairs) {
            PairResult shape;
            shape.find = p.find;
            shape.replacement = p.replacement;
            m_pairs << shape;
        }
    }
    const qsizetype i = m_rows.size();
    if (!m_sources.isEmpty() || i >= m_expected.size() || m_expected.at(i) != d.source) {
        // Not the list expected: from here on every source is kept.
        if (m_sources.isEmpty())
            for (qsizetype k = 0; k < i; ++k)
                m_sources.append(m_expected.at(k));
        m_expected.clear();
        m_sources.append(d.source);
    }
    m_outputs.append(d.output);
    Row row;
    row.outcome = d.outcome;
    row.fitChecked = d.fitChecked;
    if (!fits(d)) {
        DocumentResult whole = d;
        for (PairResult &p : whole.pairs)
            p.changes = {};
        m_whole.insert(m_rows.size(), whole);
        m_rows << row;
        return;
    }
    row.counts = quint32(m_counts.size());
    row.milliseconds = quint32(d.milliseconds);
    varint::put(m_counts, quint64(d.pairs.size()));
    for (const PairResult &p : d.pairs) {
        quint8 flags = 0;
        flags |= p.applied ? Applied : 0;
        flags |= p.counted ? Counted : 0;
        flags |= p.found ? Found : 0;
        flags |= p.searchedLinks ? SearchedLinks : 0;
        flags |= p.searchedProperties ? SearchedProperties : 0;
        m_counts.append(char(flags));
        for (const qint64 n : {p.replaced, p.left, p.inLinks, p.inProperties})
            varint::put(m_counts, quint64(n));
        qsizetype reason = m_reasons.indexOf(p.leftReason);
        if (reason < 0) {
            reason = m_reasons.size();
            m_reasons << p.leftReason;
        }
        varint::put(m_counts, quint64(reason));
    }
    m_rows << row;
}

DocumentResult DocumentRows::at(qsizetype i) const
{
    if (const auto whole = m_whole.constFind(i); whole != m_whole.constEnd())
        return whole.value();
    const Row &row = m_rows.at(i);
    DocumentResult d;
    d.source = source(i);
    d.output = m_outputs.at(i);
    d.outcome = row.outcome;
    d.fitChecked = row.fitChecked;
    d.milliseconds = row.milliseconds;
    d.matching = m_matching;
    const char *p = m_counts.constData() + row.counts;
    const auto pairs = qsizetype(varint::take(p));
    for (qsizetype k = 0; k < pairs; ++k) {
        PairResult pair = m_pairs[k];
        const auto flags = quint8(*p++);
        pair.applied = flags & Applied;
        pair.counted = flags & Counted;
        pair.found = flags & Found;
        pair.searchedLinks = flags & SearchedLinks;
        pair.searchedProperties = flags & SearchedProperties;
        pair.replaced = qint64(varint::take(p));
        pair.left = qint64(varint::take(p));
        pair.inLinks = qint64(varint::take(p));
        pair.inProperties = qint64(varint::take(p));
        pair.leftReason = m_reasons.at(qsizetype(varint::take(p)));
        d.pairs << pair;
    }
    return d;
}

DocumentRows::Totals DocumentRows::totals(qsizetype i) const
{
    Totals t;
    if (const auto whole = m_whole.constFind(i); whole != m_whole.constEnd()) {
        const DocumentResult &d = whole.value();
        t.replaced = d.replaced();
        t.left = d.left();
        t.counted = d.counted();
        t.applied = std::any_of(d.pairs.begin(), d.pairs.end(),
                                [](const PairResult &p) { return p.applied; });
        return t;
    }
    const char *p = m_counts.constData() + m_rows.at(i).counts;
    const auto pairs = qsizetype(varint::take(p));
    for (qsizetype k = 0; k < pairs; ++k) {
        const auto flags = quint8(*p++);
        t.applied = t.applied || (flags & Applied);
        t.counted = t.counted && (flags & Counted);
        t.replaced += qint64(varint::take(p));
        t.left += qint64(varint::take(p));
        t.replaced += qint64(varint::take(p)); // in links
        t.replaced += qint64(varint::take(p)); // in properties
        varint::take(p);                       // the reason
    }
    return t;
}

void DocumentRows::setPdf(qsizetype i, const PdfResult &pdf)
{
    DocumentResult d = at(i);
    d.pdf = pdf;
    m_whole.insert(i, d);
}

} // namespace vantrelle
