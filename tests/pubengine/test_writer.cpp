// Publications made by the writer, read by every independent reader we have
// (the engine, libmspub's pub2raw, Apache POI), then edited by the engine and
// read again. The fixtures are made here, so these tests need no corpus.
#include "fsutil/failure.h"
#include "pubengine/compound.h"
#include "pubengine/publication.h"
#include "pubwriter/writer.h"
#include "samples/samples.h"
#include "tests/support/poi/poireader.h"
#include "tests/support/qtprinters.h"
#include "testutil.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <set>

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;
namespace w = vantrelle::pubengine::writer;

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

w::CharFormat fmt(double size, bool bold = false, bool italic = false, std::uint32_t rgb = 0)
{
    w::CharFormat f;
    f.sizePt = size;
    f.bold = bold;
    f.italic = italic;
    f.rgb = rgb;
    return f;
}

// Several stories and boxes over two pages; links at a story's start, middle
// and end; non-ASCII text with surrogate pairs; a story of many runs that
// fills several formatting pages; a page-number field; WordArt.
w::Document fixture()
{
    w::Document d;
    d.properties = {"Fixture “one”", "Subject",    "Author Ä", "key, words",
                    "Comments",      "Finch & Co", "Manager",  "Category", {}};
    w::Page one;
    one.boxes.push_back({{40, 40, 500, 80},
                         {w::paragraph({w::link("Start link", "https://example.org/start"),
                                        w::run(" then plain text, then "),
                                        w::link("end link", "https://example.org/end?a=1&b=2")})}});
    one.boxes.push_back(
        {{40, 140, 500, 80},
         {w::paragraph({w::run("Write to "), w::link("the middle", "mailto:mid@example.org"),
                        w::run(" before 2026.")}),
          w::paragraph({w::run("BOLDRUN", fmt(12, true)), w::run(" stays.")},
                       w::Alignment::Centre)}});
    one.boxes.push_back({{40, 240, 500, 80},
                         {w::paragraph({w::run(QString::fromUtf8("Grüße – “quoted” "),
                                               fmt(14, false, true, 0xAA0000)),
                                        w::run(QString::fromUtf8("😀 and 𝄞 end"), fmt(14, true))},
                                       w::Alignment::Right)}});
    std::vector<w::Run> many;
    many.reserve(150);
    for (int i = 0; i < 150; ++i)
        many.push_back(w::run(QStringLiteral("w%1 ").arg(i, 3, 10, QChar('0')),
                              fmt(10 + i % 3, i % 2 == 1, i % 5 == 0, i % 7 == 0 ? 0x0000FF : 0)));
    one.boxes.push_back({{40, 340, 500, 400}, {w::paragraph(many, w::Alignment::Justify)}});
    w::Page two;
    two.boxes.push_back(
        {{40, 40, 500, 40}, {w::paragraph({w::run("Page "), w::Run{{}, fmt(10), {}, true}})}});
    two.boxes.push_back({{40, 100, 500, 60}, {w::paragraph({w::run("Second page text")}), {}}});
    two.wordArt.push_back({{40, 200, 300, 80}, QStringLiteral("WordArt 2026")});
    d.pages = {one, two};
    return d;
}

QString paragraphText(const w::Paragraph &p)
{
    QString s;
    for (const w::Run &r : p.runs)
        s += r.pageNumber ? QStringLiteral("#") : r.text;
    return s;
}

QString storyText(const w::TextBox &box)
{
    QString s;
    for (const w::Paragraph &p : box.paragraphs)
        s += paragraphText(p) + u'\r';
    return box.paragraphs.empty() ? QStringLiteral("\r") : s;
}

// Every story in the order written: each page's boxes, then its tables.
std::vector<w::TextBox> stories(const w::Document &d)
{
    std::vector<w::TextBox> out;
    for (const w::Page &p : d.pages) {
        out.insert(out.end(), p.boxes.begin(), p.boxes.end());
        for (const w::Table &t : p.tables)
            out.push_back({t.rect, t.cells});
    }
    return out;
}

// pub2raw's pages, text boxes and paragraphs, each paragraph with the span
// attributes of every character.
struct RawParagraph {
    QString text;
    QStringList attributes;
};
using RawPage = std::vector<std::vector<RawParagraph>>;

std::vector<RawPage> parseTrace(const QStringList &trace)
{
    std::vector<RawPage> pages;
    QString attrs;
    bool inTable = false; // tables are compared through their text
    for (const QString &raw : trace) {
        const QString l = raw.trimmed();
        if (l.startsWith("startTableObject") || l.startsWith("endTableObject"))
            inTable = l.startsWith("start");
        else if (inTable)
            continue;
        else if (l.startsWith("startPage"))
            pages.emplace_back();
        else if (l.startsWith("startTextObject") && !pages.empty())
            pages.back().emplace_back();
        else if (l.startsWith("openParagraph") && !pages.empty() && !pages.back().empty())
            pages.back().back().emplace_back();
        else if (l.startsWith("openSpan"))
            attrs = l;
        else if (l.startsWith("insertText (") && !pages.empty() && !pages.back().empty() &&
                 !pages.back().back().empty()) {
            RawParagraph &p = pages.back().back().back();
            const QString text = l.mid(12, l.size() - 13).remove(u'\r');
            p.text += text;
            for (qsizetype i = 0; i < text.size(); ++i)
                p.attributes << attrs;
        }
    }
    return pages;
}

QString expectedAttributes(const w::CharFormat &f)
{
    QString s = QStringLiteral("fo:color: #%1").arg(f.rgb, 6, 16, QChar('0'));
    s += QStringLiteral(", fo:font-size: %1in").arg(f.sizePt / 72, 0, 'f', 4);
    if (f.italic)
        s += QStringLiteral(", fo:font-style: italic");
    if (f.bold)
        s += QStringLiteral(", fo:font-weight: bold");
    s += QStringLiteral(", style:font-name: ") + f.font;
    return s;
}

// Every page, box, paragraph and run as libmspub reads them.
void expectPub2rawReads(const w::Document &d, const QString &path)
{
    const std::vector<RawPage> pages = parseTrace(pub2raw(path));
    ASSERT_EQ(pages.size(), d.pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        ASSERT_EQ(pages[p].size(), d.pages[p].boxes.size()) << "page " << p;
        for (std::size_t b = 0; b < pages[p].size(); ++b) {
            const w::TextBox &box = d.pages[p].boxes[b];
            ASSERT_EQ(pages[p][b].size(), box.paragraphs.size()) << "page " << p << " box " << b;
            for (std::size_t k = 0; k < box.paragraphs.size(); ++k) {
                const RawParagraph &raw = pages[p][b][k];
                ASSERT_EQ(raw.text, paragraphText(box.paragraphs[k]));
                qsizetype at = 0;
                for (const w::Run &r : box.paragraphs[k].runs) {
                    if (!r.text.isEmpty() && !r.pageNumber) {
                        EXPECT_TRUE(raw.attributes[at].contains(expectedAttributes(r.format)))
                            << raw.attributes[at].toStdString() << " for " << r.text.toStdString();
                    }
                    at += r.pageNumber ? 1 : r.text.size();
                }
            }
        }
    }
}

void expectPoiReads(const w::Document &d, const QString &path, const Pairs &pairs = {})
{
    if (const QString missing = vantrelle::test::poiMissing(); !missing.isEmpty())
        VANTRELLE_SKIP(missing.toStdString());
    const std::optional<QStringList> lines = vantrelle::test::readWithPoi(path);
    ASSERT_TRUE(lines) << "Apache POI could not read " << path.toStdString();
    QStringList paragraphs, links;
    for (const w::TextBox &b : stories(d)) {
        for (const QString &p : storyText(b).split(u'\r', Qt::SkipEmptyParts))
            paragraphs << substitute(p, pairs, true);
        for (const w::Paragraph &p : b.paragraphs)
            for (const w::Run &r : p.runs)
                if (!r.link.isEmpty())
                    links << r.link;
    }
    EXPECT_EQ(vantrelle::test::poiValues(*lines, "paragraph").filter(QRegularExpression(".")),
              paragraphs);
    EXPECT_EQ(vantrelle::test::poiValues(*lines, "link").filter(QRegularExpression(".")), links);
    const w::Properties &pr = d.properties;
    for (const auto &[key, value] :
         std::vector<std::pair<QString, QString>>{{"title", pr.title},
                                                  {"author", pr.author},
                                                  {"company", pr.company},
                                                  {"category", pr.category},
                                                  {"manager", pr.manager},
                                                  {"keywords", pr.keywords}})
        EXPECT_EQ(vantrelle::test::poiValues(*lines, key),
                  value.isEmpty() ? QStringList{} : QStringList{value})
            << key.toStdString();
}

void expectEngineReads(const w::Document &d, const QString &path)
{
    const Publication pub = Publication::open(path);
    const std::vector<w::TextBox> all = stories(d);
    ASSERT_EQ(pub.quill().storyCount(), all.size());
    const std::vector<TextRun> runs = pub.quill().characterRuns();
    for (std::size_t k = 0; k < all.size(); ++k) {
        EXPECT_EQ(qs(pub.quill().story(k)), storyText(all[k])) << "story " << k;
        std::uint32_t at = pub.quill().storyStart(k);
        std::vector<std::pair<QString, QString>> links;
        for (const w::Paragraph &p : all[k].paragraphs) {
            for (const w::Run &r : p.runs) {
                const auto run = std::find_if(runs.begin(), runs.end(), [&](const TextRun &t) {
                    return t.start <= at && at < t.end;
                });
                ASSERT_NE(run, runs.end());
                const PropertyRecord rec = parsePropertyRecord(run->record, 0, nullptr);
                EXPECT_EQ(rec.find(0x02) != nullptr, r.format.bold) << r.text.toStdString();
                EXPECT_EQ(rec.find(0x1E) != nullptr, r.format.underline) << r.text.toStdString();
                if (!r.link.isEmpty())
                    links.emplace_back(r.text, r.link);
                at += r.pageNumber ? 1 : static_cast<std::uint32_t>(r.text.size());
            }
            ++at;
        }
        std::vector<std::pair<QString, QString>> tokens;
        for (const Token &t : pub.quill().tokens(k))
            if (t.role == TokenRole::Hyperlink)
                tokens.emplace_back(qs(pub.quill().story(k).substr(t.start, t.length)),
                                    qs(t.target));
        EXPECT_EQ(tokens, links) << "story " << k;
    }
}

QString writeTo(const QTemporaryDir &dir, const w::Document &d, const QString &name)
{
    QString path = dir.filePath(name);
    w::writeFile(d, path);
    return path;
}

// pub2raw leaves out a span whose text an edit deleted whole.
QStringList withoutEmptySpans(QStringList trace)
{
    for (qsizetype i = 1; i + 1 < trace.size();) {
        if (trace[i].trimmed() == "insertText ()" && trace[i - 1].trimmed().startsWith("openSpan"))
            trace.remove(i - 1, 3);
        else
            ++i;
    }
    return trace;
}

} // namespace

TEST(Writer, everyReaderReadsWhatWasWritten)
{
    QTemporaryDir dir;
    std::vector<std::pair<QString, w::Document>> docs{{"fixture.pub", fixture()}};
    for (const vantrelle::samples::Sample &s : vantrelle::samples::all())
        docs.emplace_back(s.fileName, s.document);
    for (const auto &[name, doc] : docs) {
        SCOPED_TRACE(name.toStdString());
        const QString path = writeTo(dir, doc, name);
        expectEngineReads(doc, path);
        expectPub2rawReads(doc, path);
        expectPoiReads(doc, path);
    }
}

TEST(Writer, engineEditsKeepEveryReaderInAgreement)
{
    struct Edit {
        const char *name;
        Pairs pairs;
        std::size_t replaced;
    };
    const std::vector<Edit> edits{
        {"grow past a formatting page", {{"w077", QString(900, u'g')}}, 1},
        {"shrink", {{"then plain text, then", "+"}}, 1},
        {"delete a formatted run", {{"BOLDRUN", ""}}, 1},
        {"inside a link", {{"middle", "very middle"}}, 1},
        {"around a surrogate pair", {{QString::fromUtf8("😀 and"), QString::fromUtf8("🙂 &")}}, 1},
    };
    QTemporaryDir dir;
    const w::Document doc = fixture();
    const QString source = writeTo(dir, doc, "source.pub");
    const QStringList sourceTrace = pub2raw(source);
    ASSERT_FALSE(sourceTrace.isEmpty()) << "pub2raw (libmspub-tools) read nothing";
    for (const Edit &e : edits) {
        SCOPED_TRACE(e.name);
        Publication pub = Publication::open(source);
        const QuillStream before = pub.quill();
        EXPECT_EQ(pub.replaceAll(e.pairs[0].first, e.pairs[0].second, true).replaced, e.replaced);
        const QString out = dir.filePath(QString::fromLatin1(e.name) + ".pub");
        pub.saveAs(out);
        const Publication back = Publication::open(out);
        for (std::size_t k = 0; k < before.storyCount(); ++k)
            EXPECT_EQ(qs(back.quill().story(k)), substitute(qs(before.story(k)), e.pairs, true));
        // A run whose text went whole is dropped, not left empty, and the
        // formats after it are numbered anew (pub2raw compares them below).
        std::vector<QString> expected = expectedDescription(before, e.pairs, true);
        std::vector<QString> got = describe(back.quill());
        if (std::erase_if(expected, [](const QString &l) { return l.startsWith("run [] "); })) {
            static const QRegularExpression number(" fmt \\d+$");
            for (auto *lines : {&expected, &got})
                for (QString &l : *lines)
                    l.remove(number);
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(withoutEmptySpans(pub2raw(out)),
                  withoutEmptySpans(substituteTrace(sourceTrace, e.pairs, true)));
        expectPoiReads(doc, out, e.pairs);
    }
}

TEST(Writer, damagedAndTruncatedCopiesAreRefusedNamingTheFile)
{
    const QByteArray good = w::write(fixture());
    const Publication whole = Publication::fromBytes(good, "whole.pub");
    for (const qsizetype cut : {good.size() / 3, good.size() / 2, good.size() - 512}) {
        try {
            Publication::fromBytes(good.left(cut), "cut.pub");
            ADD_FAILURE() << "a copy cut at " << cut << " was accepted";
        } catch (const vantrelle::Failure &e) {
            EXPECT_TRUE(e.description().contains("cut.pub")) << e.what();
        }
    }
    // Bytes overwritten all through the file: refused, or read back sound.
    for (qsizetype at = 512; at < good.size(); at += 509) {
        QByteArray bad = good;
        for (qsizetype i = at; i < std::min(at + 16, bad.size()); ++i)
            bad[i] = static_cast<char>(0xA5);
        try {
            const Publication p = Publication::fromBytes(bad, "bad.pub");
            EXPECT_EQ(p.quill().invariantViolations(), std::vector<std::string>{}) << at;
        } catch (const vantrelle::Failure &e) {
            EXPECT_TRUE(e.description().contains("bad.pub")) << e.what();
        }
    }
}

// What no reader shows: the WordArt's text in the drawing.
TEST(Writer, wordArtTextIsInTheDrawing)
{
    const CompoundFile file(w::write(fixture()));
    const Bytes escher = *file.readStream({"Escher", "EscherStm"}, 1 << 20);
    // Walk the records down to the property tables; a WordArt text is the
    // complex property 0x80C0, its data after the table.
    QStringList texts;
    std::function<void(std::size_t, std::size_t)> walk = [&](std::size_t p, std::size_t end) {
        while (p + 8 <= end) {
            const std::uint16_t verInst = readU16(escher, p);
            const std::uint16_t type = readU16(escher, p + 2);
            const std::uint32_t len = readU32(escher, p + 4);
            if ((verInst & 0xF) == 0xF)
                walk(p + 8, p + 8 + len);
            if (type == 0xF00B) {
                std::size_t complex = p + 8 + 6 * std::size_t(verInst >> 4);
                for (std::size_t i = 0; i < (verInst >> 4); ++i) {
                    const std::uint16_t id = readU16(escher, p + 8 + 6 * i);
                    const std::uint32_t size = readU32(escher, p + 10 + 6 * i);
                    if (id == 0x80C0)
                        texts << QString::fromUtf16(
                            reinterpret_cast<const char16_t *>(escher.data() + complex),
                            size / 2 - 1);
                    if (id & 0x8000)
                        complex += size;
                }
            }
            p += 8 + len + (type == 0xF000 ? 4 : 0); // a u32 follows the group container
        }
    };
    walk(0, escher.size());
    EXPECT_EQ(texts, QStringList{"WordArt 2026"});
}

TEST(Writer, chosenChangesAreTheOnlyOnesMadeWithRunsAndLinksIntact)
{
    QTemporaryDir dir;
    const QString source = writeTo(dir, fixture(), "source.pub");
    const QString e = QStringLiteral("e");
    for (const QString &replacement : {QStringLiteral("EEE"), QString()}) {
        SCOPED_TRACE(replacement.toStdString());
        Publication counted = Publication::open(source);
        const QuillStream before = counted.quill();
        std::vector<ChosenChange> every;
        for (const ReplaceChange &c : counted.replaceAll(e, replacement, true, 100000).changes)
            if (c.place.empty())
                every.push_back({c.key, c.before.text, true});
        ASSERT_GT(every.size(), 10u);
        auto run = [&](const std::vector<ChosenChange> &choices) {
            Publication pub = Publication::open(source);
            pub.replaceAll(e, replacement, MatchOptions{true}, 0, {}, false, &choices);
            return pub;
        };
        // Every change taken: the bytes of a plain run; none: the source's.
        Publication plain = Publication::open(source);
        plain.replaceAll(e, replacement, true);
        EXPECT_EQ(run(every).toBytes(), plain.toBytes());
        std::vector<ChosenChange> none = every;
        for (ChosenChange &c : none)
            c.apply = false;
        EXPECT_EQ(run(none).toBytes(), Publication::open(source).toBytes());

        std::vector<ChosenChange> alternate = every;
        std::set<std::pair<std::size_t, std::uint32_t>> taken;
        for (std::size_t i = 0; i < alternate.size(); ++i) {
            alternate[i].apply = i % 2 == 0;
            if (alternate[i].apply)
                taken.emplace(alternate[i].key.story, alternate[i].key.anchor.at(0));
        }
        const QString out = dir.filePath("alternate.pub");
        run(alternate).saveAs(out);
        const Publication back = Publication::open(out);
        // The expected text, and where each source position went.
        for (std::size_t k = 0; k < before.storyCount(); ++k) {
            const QString story = qs(before.story(k));
            QString expected;
            std::vector<std::uint32_t> moved;
            for (qsizetype i = 0; i <= story.size(); ++i) {
                moved.push_back(std::uint32_t(expected.size()));
                if (i < story.size())
                    expected += taken.count({k, std::uint32_t(i)}) ? replacement : story.mid(i, 1);
            }
            EXPECT_EQ(qs(back.quill().story(k)), expected) << "story " << k;
            const std::vector<Token> was = before.tokens(k), now = back.quill().tokens(k);
            ASSERT_EQ(now.size(), was.size());
            for (std::size_t t = 0; t < was.size(); ++t) {
                EXPECT_EQ(now[t].target, was[t].target);
                EXPECT_EQ(now[t].start, moved[was[t].start]);
                EXPECT_EQ(now[t].start + now[t].length, moved[was[t].start + was[t].length]);
            }
        }
        const std::vector<TextRun> runsBefore = before.characterRuns();
        const std::vector<TextRun> runsAfter = back.quill().characterRuns();
        ASSERT_EQ(runsAfter.size(), runsBefore.size());
        for (std::size_t r = 0; r < runsBefore.size(); ++r)
            EXPECT_EQ(runsAfter[r].record, runsBefore[r].record);
        EXPECT_EQ(pub2raw(out).filter("openSpan").size(), pub2raw(source).filter("openSpan").size());

        // Changes left out of the choices are not made; a choice that no
        // longer fits the text refuses, changing nothing.
        std::vector<ChosenChange> onlyTaken(alternate.begin(), alternate.end());
        std::erase_if(onlyTaken, [](const ChosenChange &c) { return !c.apply; });
        EXPECT_EQ(run(onlyTaken).toBytes(), Publication::open(out).toBytes());
        std::vector<ChosenChange> stale = every;
        stale[3].found += u'x';
        EXPECT_THROW(run(stale), vantrelle::Failure);
        stale[3].found = every[3].found;
        stale[3].key.anchor[0] += 1;
        EXPECT_THROW(run(stale), vantrelle::Failure);
    }
}
