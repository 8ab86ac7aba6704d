// Replacements on real publications, each output re-read by the engine (with
// its invariant checks) and by libmspub's pub2raw as an independent reader.
#include "pubengine/publication.h"
#include "testutil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

struct Case {
    const char *name;
    const char *file;
    Pairs pairs;
    bool matchCase;
    std::vector<std::size_t> replaced;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

class CorpusReplace : public testing::TestWithParam<Case> {};

} // namespace

TEST_P(CorpusReplace, outputHasTheExpectedTextAndStructure)
{
    REQUIRE_CORPUS();
    const Case &c = GetParam();
    const QString source = corpusFile(QString::fromLatin1(c.file));
    Publication pub = Publication::open(source);
    const QuillStream before = pub.quill();
    for (std::size_t i = 0; i < c.pairs.size(); ++i) {
        const ReplaceResult r = pub.replaceAll(c.pairs[i].first, c.pairs[i].second, c.matchCase);
        EXPECT_EQ(r.leftTotal(), 0u) << describeLeft(r, c.pairs[i].first).toStdString();
        if (i < c.replaced.size()) {
            EXPECT_EQ(r.replaced, c.replaced[i]) << "pair " << i;
        }
    }
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.pub"));
    pub.saveAs(out);

    const Publication back = Publication::open(out); // runs the invariant checks
    EXPECT_EQ(back.quill().invariantViolations(), std::vector<std::string>{});
    for (std::size_t k = 0; k < before.storyCount(); ++k)
        EXPECT_EQ(qs(back.quill().story(k)), substitute(qs(before.story(k)), c.pairs, c.matchCase))
            << "story " << k;
    EXPECT_EQ(describe(back.quill()), expectedDescription(before, c.pairs, c.matchCase));

    const QStringList original = pub2raw(source);
    if (!original.isEmpty()) {
        EXPECT_EQ(pub2raw(out), substituteTrace(original, c.pairs, c.matchCase));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusReplace,
    testing::Values(
        Case{"longerMovesPages",
             "Sample.pub",
             {{"second page", "second page of this publication"}},
             true,
             {1}},
        Case{"shorter", "Sample.pub", {{"second page", "p2"}}, true, {1}},
        Case{"sameLength", "Sample2.pub", {{"Top", "Pot"}}, true, {}},
        Case{"deleting", "Sample.pub", {{"second ", ""}}, true, {2}},
        Case{"tableCells",
             "Sample.pub",
             {{"Top right", "Top right cell with more text"}, {"P2 table", "T"}},
             true,
             {1, 2}},
        Case{"hyperlinkTexts",
             "Sample.pub",
             {{"link to Apache", "hyperlink to the Apache"}, {"mail", "e-mail"}},
             true,
             {}},
        Case{"caseInsensitive", "Sample.pub", {{"TEXT", "words"}, {"page", "Pg"}}, false, {}},
        Case{"pairsInOrder", "Sample_2010.pub", {{"page", "leaf"}, {"leaf", "sheet"}}, true, {}},
        Case{"oldFormat98",
             "Sample98.pub",
             {{"second page", "p2"}, {"Top right", "Top right cell"}},
             true,
             {1, 1}},
        Case{"oldFormat2000", "Sample2000.pub", {{"second page", "p2"}}, true, {1}},
        Case{"insideLink", "LinkAt10.pub", {{"IN", "INSIDE"}}, true, {1}},
        Case{"insideLinkShorter", "LinkAt10.pub", {{"LIN", "L"}}, true, {1}},
        Case{"wholeLink", "LinkAt10.pub", {{"LINK", "HYPERLINK"}}, true, {1}},
        Case{"beforeLink",
             "LinkAt20.pub",
             {{"345", "three-four-five"}, {"6789", "x"}},
             true,
             {2, 2}},
        Case{"betweenLinks", "LinkAt10And20And30.pub", {{"123456", "after-link-one-"}}, true, {2}},
        Case{"linkAtStoryStart", "LinkAt0And10.pub", {{"LINK", "LINK-ONE"}}, true, {2}},
        Case{"storyStartAndEnd", "Simple.pub", {{"0123", "start-"}, {"cdef", "-end"}}, true, {}},
        Case{"growALot",
             "Simple.pub",
             {{"0123456789", "0123456789 and a lot more text to grow the story beyond its page"}},
             true,
             {}},
        Case{"manyRunsCaseInsensitive", "60685.pub", {{"the", "teh"}, {"a", "aaa"}}, false, {}},
        Case{"typographicText", "51318.pub", {{"e", "EE"}}, false, {}}),
    [](const testing::TestParamInfo<Case> &param) { return std::string(param.param.name); });

TEST(Replace, matchOverASpanEdgeMergesIntoTheFirstSpan)
{
    REQUIRE_CORPUS();
    Publication pub = Publication::open(corpusFile(QStringLiteral("LinkAt10.pub")));
    EXPECT_EQ(pub.replaceAll(QStringLiteral("0L"), QStringLiteral("ZZ"), true).replaced, 1u);
    const QuillStream q = QuillStream::parse(pub.quill().build());
    EXPECT_EQ(qs(q.story(0)), QStringLiteral("123456789ZZINK\r"));
    const Token link = q.tokens(0).at(0);
    EXPECT_EQ(qs(q.story(0)).mid(link.start, link.length), QStringLiteral("INK"));
    const std::vector<TextRun> runs = q.characterRuns();
    ASSERT_GE(runs.size(), 2u);
    EXPECT_EQ(runs[0].end, 11u); // the digits' run took the new text
    EXPECT_EQ(runs[1].end, 14u); // the link's run kept its remaining text
}

TEST(Replace, occurrencesLeftAreCountedAndDescribed)
{
    REQUIRE_CORPUS();
    Publication pub = Publication::open(corpusFile(QStringLiteral("LinkAt10And20And30.pub")));
    // "0LINK1" swallows the whole first link from before its start.
    const ReplaceResult r = pub.replaceAll(QStringLiteral("0LINK1"), QStringLiteral("-"), true);
    EXPECT_EQ(r.left[int(LeftReason::WholeToken)], 1u);
    const QString text = describeLeft(r, QStringLiteral("0LINK1"));
    EXPECT_TRUE(text.contains(QStringLiteral("0LINK1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("hyperlink"))) << text.toStdString();
    EXPECT_TRUE(pub.quill().invariantViolations().empty());
}

TEST(Replace, staleStructuresAreCaughtByTheChecks)
{
    REQUIRE_CORPUS();
    // An edit that grows the stream past a block boundary moves every
    // formatting page; then put back the old bin tables, tokens and cells.
    Publication pub = Publication::open(corpusFile(QStringLiteral("Sample.pub")));
    const QuillStream original = pub.quill();
    pub.replaceAll(QStringLiteral("P2 table"),
                   QStringLiteral("A table on the second page, with a much longer text"), true);
    pub.replaceAll(QStringLiteral("link"), QStringLiteral("hyperlink"), true);
    const Bytes edited = pub.quill().build();
    ASSERT_TRUE(QuillStream::parse(edited).invariantViolations().empty());

    for (ChunkKind kind : {ChunkKind::CharacterBins, ChunkKind::ParagraphBins,
                           ChunkKind::TableCells, ChunkKind::Tokens}) {
        QuillStream stale = QuillStream::parse(edited);
        ChunkFile file = stale.chunkFile();
        const int at = file.find(kind);
        ASSERT_GE(at, 0);
        const int old = original.chunkFile().find(kind, file.chunks()[at].id);
        file.chunks()[at].data = original.chunkFile().chunks()[old].data;
        bool caught = false;
        try {
            caught = !QuillStream::parse(file.build()).invariantViolations().empty();
        } catch (const FormatError &) {
            caught = true;
        }
        EXPECT_TRUE(caught) << file.chunks()[at].typeName();
    }
}
