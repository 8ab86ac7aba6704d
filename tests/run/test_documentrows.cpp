// The compact rows give back every result as it went in, less its changes,
// whether it fits a row or is kept whole.
#include "run/documentrows.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

PairResult pair(const QString &find, qint64 replaced, qint64 left, const QString &reason = {})
{
    PairResult p;
    p.find = find;
    p.replacement = find.toUpper();
    p.replaced = replaced;
    p.left = left;
    p.leftReason = reason;
    p.applied = true;
    p.found = replaced + left > 0;
    p.inLinks = replaced / 3;
    p.searchedLinks = true;
    p.changes << automation::Change{};
    return p;
}

DocumentResult result(const QString &source, Outcome outcome, QList<PairResult> pairs)
{
    DocumentResult d;
    d.source = source;
    d.output = outcome == Outcome::Written ? source + QStringLiteral(".out") : QString();
    d.outcome = outcome;
    d.pairs = std::move(pairs);
    d.milliseconds = 12;
    d.matching.wholeWord = true;
    return d;
}

std::string describe(const DocumentResult &d)
{
    QString text = d.source + u'|' + d.output + u'|' + QString::number(int(d.outcome)) + u'|' +
                   QString::number(d.milliseconds) + u'|' + d.errors.join(u',') + u'|' +
                   QString::number(int(d.pdf.state)) + d.pdf.path + d.pdf.message + u'|' +
                   QString::number(d.matching.wholeWord) + QString::number(d.matching.regex);
    for (const PairResult &p : d.pairs)
        text += QStringLiteral("|%1>%2 %3 %4 %5 %6 %7 %8%9%10%11%12 %13")
                    .arg(p.find, p.replacement)
                    .arg(p.replaced)
                    .arg(p.left)
                    .arg(p.inLinks)
                    .arg(p.inProperties)
                    .arg(p.leftReason)
                    .arg(p.applied)
                    .arg(p.counted)
                    .arg(p.found)
                    .arg(p.searchedLinks)
                    .arg(p.searchedProperties)
                    .arg(p.changes.size());
    return text.toStdString();
}

} // namespace

TEST(DocumentRows, giveBackEveryResultAsItWentInWithoutItsChanges)
{
    QList<DocumentResult> in;
    in << result(QStringLiteral("/d/a.pub"), Outcome::NotReached, {});
    in << result(QStringLiteral("/d/b.pub"), Outcome::Written,
                 {pair(QStringLiteral("e"), 300, 2, QStringLiteral("in WordArt")),
                  pair(QStringLiteral("é"), 0, 0)});
    in << result(QStringLiteral("/d/c.pub"), Outcome::NothingFound,
                 {pair(QStringLiteral("e"), 0, 0), pair(QStringLiteral("é"), 0, 0)});
    in << result(QStringLiteral("/d/d.pub"), Outcome::Written,
                 {pair(QStringLiteral("e"), qint64(1) << 40, 1, QStringLiteral("in WordArt"))});
    // Kept whole: errors, other pairs, other matching, a PDF.
    in << result(QStringLiteral("/d/e.pub"), Outcome::Failed, {pair(QStringLiteral("e"), 1, 0)});
    in.last().errors << QStringLiteral("Cannot open it.");
    in << result(QStringLiteral("/d/f.pub"), Outcome::Written, {pair(QStringLiteral("x"), 1, 0)});
    in << result(QStringLiteral("/d/g.pub"), Outcome::Written, {pair(QStringLiteral("e"), 1, 0)});
    in.last().matching.regex = true;
    in << result(QStringLiteral("/d/h.pub"), Outcome::Written, {pair(QStringLiteral("e"), 1, 0)});
    in.last().pdf = {PdfState::Failed, QStringLiteral("/d/h.pdf"), QStringLiteral("crashed")};

    DocumentRows rows;
    // The first two are the run's list as expected, the third is not.
    rows.expectSources(PathList{QStringLiteral("/d/a.pub"), QStringLiteral("/d/b.pub"),
                                QStringLiteral("/d/other.pub")});
    for (const DocumentResult &d : in)
        rows.append(d);
    const PdfResult pdf{PdfState::Written, QStringLiteral("/d/b.pdf"), {}};
    rows.setPdf(1, pdf);
    in[1].pdf = pdf;
    ASSERT_EQ(rows.size(), in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        for (PairResult &p : in[i].pairs)
            p.changes.clear();
        EXPECT_EQ(describe(rows.at(i)), describe(in[i]));
        EXPECT_EQ(rows.outcome(i), in[i].outcome);
        EXPECT_EQ(rows.output(i), in[i].output);
        EXPECT_EQ(rows.source(i), in[i].source);
    }
}
