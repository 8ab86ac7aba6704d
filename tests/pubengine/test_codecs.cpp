// The encodings on small synthetic streams: property records, the chunk
// framing, and the structures a replacement must keep consistent.
#include "pubengine/casefold.h"
#include "pubengine/matcher.h"
#include "pubengine/propertyset.h"
#include "pubengine/quill.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

Bytes recordBytes(std::initializer_list<std::uint8_t> body)
{
    Bytes b;
    appendU32(b, static_cast<std::uint32_t>(4 + body.size()));
    b.insert(b.end(), body);
    return b;
}

QuillStream reparse(const QuillStream &q)
{
    QuillStream r = QuillStream::parse(q.build());
    EXPECT_EQ(r.invariantViolations(), std::vector<std::string>{});
    return r;
}

} // namespace

TEST(PropertyRecord, decodesEveryTypeFamilyAndEncodesTheSameBytes)
{
    const Bytes b = recordBytes({0x01, 0x0A,                               // no data
                                 0x02, 0x12, 0x34, 0x12,                   // 2 bytes
                                 0x03, 0x22, 1,    2,    3, 4,             // 4 bytes
                                 0x04, 0x80, 6,    0,    0, 0, 0xAA, 0xBB, // variable, length first
                                 0x05, 0x28, 1,    2,    3, 4, 5,    6,    7, 8});
    std::size_t used = 0;
    const PropertyRecord r = parsePropertyRecord(b, 0, &used);
    EXPECT_EQ(used, b.size());
    ASSERT_EQ(r.properties.size(), 5u);
    EXPECT_EQ(r.find(3)->asU32(), 0x04030201u);
    EXPECT_EQ(r.find(4)->data.size(), 6u);
    Bytes again;
    r.encodeTo(again);
    EXPECT_EQ(again, b);
}

TEST(PropertyRecord, rejectsDamage)
{
    std::size_t used = 0;
    EXPECT_THROW(parsePropertyRecord(recordBytes({0x01, 0x33}), 0, &used), FormatError);
    EXPECT_THROW(parsePropertyRecord(recordBytes({0x01, 0x22, 1, 2}), 0, &used), FormatError);
    EXPECT_THROW(parsePropertyRecord(recordBytes({0x01, 0x80, 0xFF, 0xFF, 0, 0}), 0, &used),
                 FormatError);
    EXPECT_THROW(parsePropertyRecord(recordBytes({0x01, 0x80, 2, 0, 0, 0}), 0, &used), FormatError);
    Bytes longer = recordBytes({0x01, 0x0A});
    writeU32(longer, 0, 100);
    EXPECT_THROW(parsePropertyRecord(longer, 0, &used), FormatError);
    EXPECT_THROW(parsePropertyRecord(Bytes{1, 0}, 0, &used), FormatError);
}

TEST(PropertyRecord, setInsertsInIdOrderAndKeepsAnExistingType)
{
    PropertyRecord r;
    r.setU32(2, 0x22, 7);
    r.setU32(0, 0x22, 5);
    r.setU32(1, 0x22, 6);
    ASSERT_EQ(r.properties.size(), 3u);
    EXPECT_EQ(r.properties[1].id, 1);
    r.properties[1].type = 0x20;
    r.setU32(1, 0x22, 9);
    EXPECT_EQ(r.properties[1].type, 0x20);
    EXPECT_EQ(r.find(1)->asU32(), 9u);
}

TEST(CaseFold, keepsLengthAndSurrogatePairs)
{
    EXPECT_EQ(foldCase(u"ÄbC"), foldCase(u"äBc"));
    // U+0130 folds to two code points in full folding; here it must stay one unit.
    EXPECT_EQ(foldCase(u"\u0130").size(), 1u);
    // Deseret capital and small letters are outside the BMP.
    const std::u16string upper = u"\U00010400x";
    const std::u16string lower = u"\U00010428X";
    EXPECT_EQ(foldCase(upper), foldCase(lower));
    EXPECT_EQ(foldCase(upper).size(), upper.size());
    const std::u16string lone = u"a\xD801";
    EXPECT_EQ(foldCase(lone).size(), 2u);
    EXPECT_EQ(foldCase(lone)[1], u'\xD801');
}

TEST(ChunkFile, rebuildWithoutEditsIsByteIdentical)
{
    SynthStream synth;
    synth.stories = {u"Hello world\r", u"Second\rstory\r"};
    synth.tokens[0] = {{6, 5, 1}};
    const Bytes stream = buildStream(synth);
    const QuillStream q = QuillStream::parse(stream);
    EXPECT_EQ(q.build(), stream);
    EXPECT_EQ(q.invariantViolations(), std::vector<std::string>{});
}

TEST(ChunkFile, rejectsDamagedFraming)
{
    SynthStream synth;
    synth.stories = {u"Hello\r"};
    const Bytes good = buildStream(synth);

    Bytes cycle = good;
    writeU32(cycle, 0x1C, 0x18); // the list points back into the header block
    EXPECT_THROW(QuillStream::parse(cycle), FormatError);

    Bytes selfLoop = good;
    selfLoop.resize(selfLoop.size() + 512, 0);
    writeU32(selfLoop, 0x14, static_cast<std::uint32_t>(selfLoop.size()));
    writeU32(selfLoop, 0x10, 1024);
    const std::uint32_t block = static_cast<std::uint32_t>(good.size());
    writeU32(selfLoop, 0x1C, block);
    writeU16(selfLoop, block, 0x1F8);
    writeU32(selfLoop, block + 4, block); // a list whose next is itself
    EXPECT_THROW(QuillStream::parse(selfLoop), FormatError);

    Bytes count = good;
    writeU16(count, 0x1A, 60); // more entries than a block holds
    EXPECT_THROW(QuillStream::parse(count), FormatError);

    Bytes past = good;
    writeU32(past, 0x20 + 20, 0x7FFFFFFF); // the text chunk's length
    EXPECT_THROW(QuillStream::parse(past), FormatError);

    Bytes unknown = good;
    std::copy_n("WXYZ", 4, unknown.begin() + 0x20 + 24 + 2); // second chunk's type
    try {
        QuillStream::parse(unknown);
        ADD_FAILURE() << "an unknown chunk type was accepted";
    } catch (const FormatError &e) {
        EXPECT_NE(std::string(e.what()).find("WXYZ"), std::string::npos);
    }

    Bytes lengths = good;
    const int strs = QuillStream::parse(good).chunkFile().find(ChunkKind::StoryLengths);
    writeU32(lengths, QuillStream::parse(good).chunkFile().chunks()[strs].offset + 12, 99);
    EXPECT_THROW(QuillStream::parse(lengths), FormatError);

    EXPECT_THROW(QuillStream::parse(Bytes(good.begin(), good.begin() + 700)), FormatError);
    EXPECT_THROW(QuillStream::parse(Bytes(16, 0)), FormatError);
}

TEST(Replace, updatesEveryPositionAcrossSeveralPages)
{
    SynthStream synth;
    std::u16string story;
    for (int i = 0; i < 30; ++i)
        story += u"ab cd\r";
    synth.stories = {story, u"tail ab\r"};
    for (std::uint32_t e = 3; e <= story.size(); e += 3)
        synth.charEnds.push_back(e);
    synth.charEnds.push_back(static_cast<std::uint32_t>(story.size() + 8));
    synth.runsPerPage = 7; // several character and paragraph pages
    synth.cells[0] = {5, 11, 17, static_cast<std::uint32_t>(story.size())};
    QuillStream q = QuillStream::parse(buildStream(synth));
    const auto expected = expectedDescription(q, {{"ab", "xyz"}}, true);
    const ReplaceResult r = q.replaceAll(u"ab", u"xyz", true);
    EXPECT_EQ(r.replaced, 31u);
    const QuillStream back = reparse(q);
    EXPECT_EQ(describe(back), expected);
    EXPECT_EQ(back.cellEnds(0).back(), back.storyLength(0));
}

TEST(Replace, matchSpanningRunsTakesTheFirstRunsFormatAndAddsNoRun)
{
    SynthStream synth;
    synth.stories = {u"aaaBBBccc\r"};
    synth.charEnds = {3, 6, 10};
    QuillStream q = QuillStream::parse(buildStream(synth));
    EXPECT_EQ(q.replaceAll(u"aBBBc", u"-", true).replaced, 1u);
    const QuillStream back = reparse(q);
    const std::vector<TextRun> runs = back.characterRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NE(runs[0].record, runs[1].record);
    EXPECT_EQ(qs(back.text()).mid(runs[0].start, runs[0].end - runs[0].start), "aa-");
    EXPECT_EQ(qs(back.text()).mid(runs[1].start, runs[1].end - runs[1].start), "cc\r");
}

TEST(Replace, leavesFieldsAndWholeLinksAndReportsThem)
{
    SynthStream synth;
    synth.stories = {u"Page # of LINK here\r"};
    synth.tokens[0] = {{5, 1, -5}, {10, 4, 1}};
    QuillStream q = QuillStream::parse(buildStream(synth));
    ReplaceResult r = q.replaceAll(u"Page #", u"Seite #", true);
    EXPECT_EQ(r.replaced, 0u);
    EXPECT_EQ(r.left[int(LeftReason::Field)], 1u);
    r = q.replaceAll(u"of LINK", u"X", true); // swallows the whole link from outside
    EXPECT_EQ(r.left[int(LeftReason::WholeToken)], 1u);
    r = q.replaceAll(u"LINK", u"", true); // deleting the link's whole text
    EXPECT_EQ(r.left[int(LeftReason::WholeToken)], 1u);
    r = q.replaceAll(u"Page", u"Seite", true); // next to the field, not on it
    EXPECT_EQ(r.replaced, 1u);
    r = q.replaceAll(u"LINK", u"Hyperlink", true); // the link covers the new text
    EXPECT_EQ(r.replaced, 1u);
    const QuillStream back = reparse(q);
    EXPECT_EQ(qs(back.story(0)), "Seite # of Hyperlink here\r");
    const std::vector<Token> tokens = back.tokens(0);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].start, 6u);
    EXPECT_EQ(tokens[1].start, 11u);
    EXPECT_EQ(tokens[1].length, 9u);
}

TEST(Replace, tokenLengthsStayRightUnderDeltaCoding)
{
    SynthStream synth;
    // Three links of the same length: the second and third inherit their length.
    synth.stories = {u"aa LONE bb LTWO cc LSIX\r"};
    synth.tokens[0] = {{3, 4, 1}, {11, 4, 1}, {19, 4, 1}};
    QuillStream q = QuillStream::parse(buildStream(synth));
    // Change only the first link, then the last one.
    EXPECT_EQ(q.replaceAll(u"ONE", u"ONEONE", true).replaced, 1u);
    EXPECT_EQ(q.replaceAll(u"SIX", u"SIXES", true).replaced, 1u);
    const QuillStream back = reparse(q);
    const std::vector<Token> t = back.tokens(0);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(qs(back.story(0)).mid(t[0].start, t[0].length), "LONEONE");
    EXPECT_EQ(qs(back.story(0)).mid(t[1].start, t[1].length), "LTWO");
    EXPECT_EQ(qs(back.story(0)).mid(t[2].start, t[2].length), "LSIXES");
}

TEST(Replace, linkEdgesKeepTheLinkOnWhatRemains)
{
    SynthStream synth;
    synth.stories = {u"xx LINK yy\r"};
    synth.tokens[0] = {{3, 4, 1}};
    QuillStream q = QuillStream::parse(buildStream(synth));
    EXPECT_EQ(q.replaceAll(u"x LI", u"-", true).replaced, 1u); // over the start
    EXPECT_EQ(q.replaceAll(u"K y", u"+", true).replaced, 1u);  // over the end
    const QuillStream back = reparse(q);
    EXPECT_EQ(qs(back.story(0)), "x-N+y\r");
    const Token t = back.tokens(0).at(0);
    EXPECT_EQ(qs(back.story(0)).mid(t.start, t.length), "N+");
}

TEST(Replace, refusesBreaksAndEmptyFindAndNeverSplitsSurrogates)
{
    SynthStream synth;
    synth.stories = {u"a\U0001F600b \xD83D\r"};
    QuillStream q = QuillStream::parse(buildStream(synth));
    EXPECT_THROW(q.replaceAll(u"a\r", u"b", true), vantrelle::Failure);
    EXPECT_THROW(q.replaceAll(u"a", u"b\nc", true), vantrelle::Failure);
    EXPECT_THROW(q.replaceAll(u"a", u"b\vc", true), vantrelle::Failure);
    EXPECT_THROW(q.replaceAll(u"", u"x", true), vantrelle::Failure);
    // Half a character is no text to find, even where the story holds one
    // unpaired; a whole pair is found and replaced whole.
    EXPECT_THROW(q.replaceAll(u"\xD83D", u"?", true), vantrelle::Failure);
    EXPECT_EQ(q.replaceAll(u"\U0001F600", u"smile", false).replaced, 1u);
    const QuillStream back = reparse(q);
    EXPECT_EQ(qs(back.story(0)), QString::fromStdU16String(u"asmileb \xD83D\r"));
}

TEST(Replace, deletingAllTheTextOfFormattingPagesRemovesThePages)
{
    // One character run per page; deleting a run's whole text empties its
    // page, which goes with its bin-table entry, at the start, middle or end.
    SynthStream synth;
    synth.stories = {u"gone keep away\r", u"last\r"};
    synth.charEnds = {4, 5, 9, 10, 14, 15, 19, 20};
    synth.runsPerPage = 1;
    auto runs = [](const QuillStream &q) {
        std::vector<std::pair<QString, Bytes>> out;
        for (const TextRun &r : q.characterRuns())
            out.emplace_back(qs(q.text()).mid(r.start, r.end - r.start), r.record);
        return out;
    };
    for (const std::vector<std::u16string> &finds : {std::vector<std::u16string>{u"gone"},
                                                     {u"keep", u"away"},
                                                     {u"last"},
                                                     {u"gone", u"away", u"last"}}) {
        QuillStream q = QuillStream::parse(buildStream(synth));
        const std::size_t chunks = q.chunkFile().chunks().size();
        auto expected = runs(q);
        for (const std::u16string &f : finds) {
            std::erase_if(expected, [&](const auto &run) { return run.first == qs(f); });
            EXPECT_EQ(q.replaceAll(f, u"", true).replaced, 1u);
        }
        const QuillStream back = reparse(q);
        EXPECT_EQ(runs(back), expected);
        EXPECT_EQ(back.chunkFile().chunks().size(), chunks - finds.size());
    }
}

// A text property in the section's code page, read and edited through the
// system's conversion (ICU here); a code page that cannot hold the new text
// is refused by the property's name and the code page.
TEST(PropertyCodePages, textInEachCodePageIsReadAndEdited)
{
    const struct {
        int codePage;
        const char *encodedBefore, *encodedAfter; // the value's bytes
        std::u16string before, find, replacement;
    } rows[] = {
        {1252, "Caf\xE9", "Caf\xE8", u"Café", u"é", u"è"},
        {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", "\xCF\xEE\xEA\xE0", u"Привет", u"Привет", u"Пока"},
        {932, "\x93\xFA\x96\x7B\x8C\xEA", "\x93\x8C\x8B\x9E\x8C\xEA", u"日本語", u"日本", u"東京"},
        {65001,
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         "Gru\xC3\x9F"
         "e",
         u"Grüße", u"ü", u"u"},
        {1253, "abc", nullptr, u"abc", u"b", u"Ж"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.codePage);
        const auto stream = [&](const std::string &value) {
            Bytes section;
            appendU32(section, 0); // size, set below
            appendU32(section, 2);
            appendU32(section, 1); // the code page
            appendU32(section, 24);
            appendU32(section, 2); // the title
            appendU32(section, 32);
            appendU32(section, 2); // VT_I2
            appendU16(section, static_cast<std::uint16_t>(row.codePage));
            appendU16(section, 0);
            appendU32(section, 0x1E);
            appendU32(section, static_cast<std::uint32_t>(value.size() + 1));
            section.insert(section.end(), value.begin(), value.end());
            section.resize(section.size() + 4 - value.size() % 4, 0);
            writeU32(section, 0, static_cast<std::uint32_t>(section.size()));
            Bytes out{0xFE, 0xFF, 0, 0, 6, 0, 2, 0};
            out.resize(24, 0);
            appendU32(out, 1);
            for (std::uint8_t b : {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10, 0xAB, 0x91, 0x08,
                                   0x00, 0x2B, 0x27, 0xB3, 0xD9})
                out.push_back(b);
            appendU32(out, 48);
            out.insert(out.end(), section.begin(), section.end());
            return out;
        };
        PropertySetStream set = PropertySetStream::parse(stream(row.encodedBefore));
        ASSERT_EQ(set.textProperties().size(), 1u);
        EXPECT_EQ(set.textProperties()[0].value, row.before);
        std::vector<ReplaceChange> changes;
        const Matcher matcher(row.find, row.replacement, MatchOptions{});
        if (!row.encodedAfter) {
            try {
                set.replaceAll(matcher, changes, 10);
                ADD_FAILURE() << "no refusal";
            } catch (const vantrelle::Failure &e) {
                EXPECT_TRUE(e.description().contains(
                    QStringLiteral("the document property Title is stored in code page 1253")))
                    << e.what();
            }
            continue;
        }
        EXPECT_EQ(set.replaceAll(matcher, changes, 10), 1u);
        EXPECT_EQ(set.bytes(), stream(row.encodedAfter));
    }
}
