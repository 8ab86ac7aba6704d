// The text around each occurrence a replacement lists: cut at paragraph
// marks and story ends, at whole words, never splitting a surrogate pair, and
// within what the text of the publication shows there before and after.
#include "pubengine/context.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

TEST(Context, cutAtParagraphMarksStoryEndsAndFortyUnits)
{
    const std::u16string forty(40, u'x');
    const struct {
        std::u16string story;
        std::size_t pos, length;
        std::u16string lead, text, trail;
    } cases[] = {
        {u"one\rtwo three\rfour", 8, 5, u"two ", u"three", u""},
        {u"abc", 0, 3, u"", u"abc", u""},
        {u"ab", 1, 0, u"a", u"", u"b"}, // nothing yet at a place
        {u"y" + forty + u"FIND" + forty + u"z", 41, 4, forty, u"FIND", forty},
        // A pair at the cut is dropped whole.
        {u"\U0001F600" + std::u16string(39, u'x') + u"F" + std::u16string(39, u'x') + u"\U0001F600",
         41, 1, std::u16string(39, u'x'), u"F", std::u16string(39, u'x')},
        {u"\r\rX\r", 2, 1, u"", u"X", u""},
        // A cut inside a word leaves that word out; one at a blank drops it.
        {u"customers who joined early in the spring get FIND free tickets for the members of "
         u"the club today",
         45, 4, u"who joined early in the spring get ", u"FIND",
         u" free tickets for the members of the"},
        {u"aaaa " + std::u16string(39, u'b') + u"F" + std::u16string(39, u'c') + u" dd", 44, 1,
         std::u16string(39, u'b'), u"F", std::u16string(39, u'c')},
        // "don't" is one word.
        {u"xdon't " + std::u16string(35, u'b') + u"F", 42, 1, std::u16string(35, u'b'), u"F", u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qs(c.story).toStdString());
        const ContextText got = contextAround(c.story, c.pos, c.length);
        EXPECT_EQ(qs(got.lead), qs(c.lead));
        EXPECT_EQ(qs(got.text), qs(c.text));
        EXPECT_EQ(qs(got.trail), qs(c.trail));
    }
}

namespace {

QStringList stories(const QuillStream &q)
{
    QStringList out;
    for (std::size_t k = 0; k < q.storyCount(); ++k)
        out << qs(q.story(k));
    return out;
}

// lead, text, trail around [pos, pos + length) as the dump shows them.
QStringList around(const QString &story, qsizetype pos, qsizetype length)
{
    const qsizetype from =
        std::max({pos - 40, story.lastIndexOf(u'\r', pos - 1) + 1, qsizetype(0)});
    qsizetype to = std::min(story.size(), pos + length + 40);
    const qsizetype mark = story.indexOf(u'\r', pos + length);
    if (mark >= 0 && mark < to)
        to = mark;
    return {story.mid(from, pos - from), story.mid(pos, length),
            story.mid(pos + length, to - pos - length)};
}

// The listed context is that text, or less of it where a cut fell in a word.
void expectWithin(const QStringList &listed, const QStringList &shown)
{
    EXPECT_TRUE(shown[0].endsWith(listed[0])) << listed[0].toStdString();
    EXPECT_EQ(listed[1], shown[1]);
    EXPECT_TRUE(shown[2].startsWith(listed[2])) << listed[2].toStdString();
}

QStringList texts(const ContextText &c)
{
    return {qs(c.lead), qs(c.text), qs(c.trail)};
}

} // namespace

// Every occurrence found in the text before, in order, with what the text
// shows around it before and, where it went, after.
TEST(Context, equalsTheTextAroundEachChangeBeforeAndAfter)
{
    REQUIRE_CORPUS();
    const struct {
        const char *file, *find, *replacement;
        bool matchCase;
    } cases[] = {
        {"Sample.pub", "page", "leaf", true}, // same length, story end
        {"Sample.pub", "Top right", "Top right cell with more text", true}, // longer, table cell
        {"Sample.pub", "right", "R", false},                                // shorter, table cells
        {"Sample.pub", "This ", "", true},                                  // deleting, story start
        {"Simple.pub", "0123456789", "x", true},                            // neighbours within 40
        {"LinkAt10And20And30.pub", "0LINK", "-", true},                     // left: a whole link
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.find);
        Publication pub = Publication::open(corpusFile(QString::fromUtf8(c.file)));
        const QStringList before = stories(pub.quill());
        const QString find = QString::fromUtf8(c.find);
        const QString replacement = QString::fromUtf8(c.replacement);
        const ReplaceResult r = pub.replaceAll(find, replacement, c.matchCase, 1000);
        const QStringList after = stories(pub.quill());
        ASSERT_EQ(r.changes.size(), r.replaced + r.leftTotal());
        ASSERT_FALSE(r.changes.empty());

        std::size_t i = 0;
        for (qsizetype k = 0; k < before.size(); ++k) {
            const Qt::CaseSensitivity cs = c.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
            qsizetype shift = 0;
            for (qsizetype p = before[k].indexOf(find, 0, cs); p >= 0;
                 p = before[k].indexOf(find, p + find.size(), cs), ++i) {
                ASSERT_LT(i, r.changes.size());
                const ReplaceChange &ch = r.changes[i];
                EXPECT_EQ(ch.story, std::size_t(k));
                EXPECT_EQ(ch.position, std::uint32_t(p));
                expectWithin(texts(ch.before), around(before[k], p, find.size()));
                const qsizetype length = ch.left ? find.size() : replacement.size();
                expectWithin(texts(ch.after), around(after[k], p + shift, length));
                if (!ch.left)
                    shift += replacement.size() - find.size();
            }
        }
        EXPECT_EQ(i, r.changes.size());
    }
}
