// The text around each occurrence a replacement lists: cut at paragraph
// marks and story ends, never splitting a surrogate pair, and equal to what
// the text of the publication shows there before and after.
#include "pubengine/context.h"
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
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qs(c.story).toStdString());
        const ContextText got = contextAround(c.story, c.pos, c.length);
        EXPECT_EQ(qs(got.lead), qs(c.lead));
        EXPECT_EQ(qs(got.text), qs(c.text));
        EXPECT_EQ(qs(got.trail), qs(c.trail));
    }
}
