// What each kind of matching finds and what it makes of the text, and what it
// refuses, on plain strings.
#include "fsutil/failure.h"
#include "pubengine/matcher.h"

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;

namespace {

constexpr MatchOptions kPlain{};
constexpr MatchOptions kWhole{false, true, false};
constexpr MatchOptions kRegex{false, false, true};
constexpr MatchOptions kKeep{true, false, false, true};

// The text with every match replaced, or what was thrown.
std::u16string applied(std::u16string_view text, std::u16string_view find,
                       std::u16string_view replacement, MatchOptions options)
{
    try {
        std::u16string out;
        std::size_t at = 0;
        for (const TextMatch &m : Matcher(find, replacement, options).findAll(text)) {
            out.append(text.substr(at, m.position - at)).append(m.replacement);
            at = m.position + m.length;
        }
        return out.append(text.substr(at));
    } catch (const vantrelle::Failure &e) {
        return u"! " + e.description().toStdU16String();
    }
}

TEST(Matcher, findsWhatEachOptionMeans)
{
    struct Case {
        std::u16string_view text, find, replacement;
        MatchOptions options;
        std::u16string_view expected;
    } cases[] = {
        {u"The other the", u"the", u"THE", {true, true, false}, u"The other THE"},
        {u"café cafés «café»", u"CAFÉ", u"bar", kWhole, u"bar cafés «bar»"},
        {u"conTEXT text, text.", u"text", u"wording", kWhole, u"conTEXT wording, wording."},
        {u"Call 555-0100 or 555-0199.", uR"((\d{3})-(\d{4}))", u"$1 $2", kRegex,
         u"Call 555 0100 or 555 0199."},
        {u"cost 5, 12", uR"(\d+)", u"$$$0.00", kRegex, u"cost $5.00, $12.00"},
        {u"Ab ab AB", u"a(b)", u"[$1]", kRegex, u"[b] [b] [B]"},
        {u"Ab ab AB", u"a(b)", u"[$1]", {true, false, true}, u"Ab [b] AB"},
        {u"x(y)z", u"(a)?y", u"<$1>", kRegex, u"x(<>)z"},
        {u"cat concatenate cats",
         uR"(cat\w*)",
         u"dog",
         {false, true, true},
         u"dog concatenate dog"},
        {u"cat concatenate cats", u"cat", u"dog", {false, true, true}, u"dog concatenate cats"},
        // A match stays inside its line: "." and "\s" never take a break.
        {u"ab\rcd\vef", u"b.c", u"-", kRegex, u"ab\rcd\vef"},
        {u"ab\rcd\vef", uR"(\s)", u"-", kRegex, u"ab\rcd\vef"},
        {u"ab\rcd\vef", u"^.", u"*", kRegex, u"*b\r*d\v*f"},
        // A lone surrogate never stops a regular expression and moves unchanged.
        {u"a\xD800z", u"a(.)z", u"[$1]", kRegex, u"[\xD800]"},
        {u"\U0001F600x", u"x", u"y", kWhole, u"\U0001F600y"},
        // Thai has no spaces between words: libthai's dictionary splits
        // "ภาษาไทย" in two, and the space or stop after a word ends it.
        {u"ภาษาไทย ไทย. ไทยๆ", u"ไทย", u"T", kWhole, u"ภาษาT T. ไทยๆ"},
        {u"ภาษาไทย ไทย.", u"ไทย.", u"T", kWhole, u"ภาษาไทย T"},
        // ... and so does the bracket or quote before it.
        {u"(ไทย) [ไทย] \"ไทย\" «ไทย» “ไทย”", u"ไทย", u"T", kWhole, u"(T) [T] \"T\" «T» “T”"},
        {u"(ไทย)", u"ไ.+ย", u"T", {false, true, true}, u"(T)"},
        {u"don't", u"don", u"x", kWhole, u"don't"},
        // Keep case: the replacement takes the found text's pattern.
        {u"acme, Acme, ACME, Acme Ltd, aCME", u"acme", u"apex", kKeep,
         u"apex, Apex, APEX, Apex Ltd, apex"},
        {u"acme ltd, Acme Ltd, ACME LTD, AcMe ltd, A",
         u"acme ltd|a\\b",
         u"apex limited",
         {true, false, true, true},
         u"apex limited, Apex Limited, APEX LIMITED, apex limited, Apex limited"},
        {u"Straße", u"(s)traße", u"$1treet", {false, false, true, true}, u"Street"},
        {u"STRASSE 1", u"strasse", u"straße", kKeep, u"STRASSE 1"},
        // Groups by name or number in braces; $12 is group 1 and a "2".
        {u"on 2026-05-01", u"(?<y>\\d{4})-(\\d\\d)", u"${2}/${y}$12", kRegex, u"on 05/202620262-01"},
        // A letter without a capital of its own (ß) fits a word of capitals;
        // ẞ and ß are written as the found text had them; a small Greek
        // word ends in ς.
        {u"STRAßE Straße straße", u"straße", u"strasse", kKeep, u"STRASSE Strasse strasse"},
        {u"STRAẞE Straße STRAßE", u"ß", u"ss", kKeep, u"STRASSE Strasse STRASSE"},
        {u"STRAẞE STRAßE STRASSE straße",
         u"stra(ß|ss)e",
         u"straßenbahn",
         {false, false, true, true},
         u"STRAẞENBAHN STRAßENBAHN STRASSENBAHN straßenbahn"},
        {u"οδος Οδος ΟΔΟΣ", u"ΟΔΟΣ", u"ΛΕΩΦΟΡΟΣ ΣΟΦΟΣ", kKeep,
         u"λεωφορος σοφος Λεωφορος σοφος ΛΕΩΦΟΡΟΣ ΣΟΦΟΣ"},
        {u"BAD", u"a", u"xy", kKeep, u"BXYD"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(applied(c.text, c.find, c.replacement, c.options), c.expected)
            << QString::fromStdU16String(std::u16string(c.find)).toStdString();
    }
}

TEST(Matcher, refusesWithThePlaceOfTheFault)
{
    struct Case {
        std::u16string_view find, replacement;
        MatchOptions options;
        const char *says;
    } cases[] = {
        {u"", u"x", kPlain, "the find text is empty"},
        {u"a\nb", u"x", kWhole, "line or paragraph break"},
        {u"(ab", u"x", kRegex, "“(ab” is not valid: missing closing parenthesis, at position 3, "
                               "after “(ab”"},
        {u"*a", u"x", kRegex, "at its start"},
        {u"x*", u"y", kRegex, "matches an empty text"},
        {u"(a)", u"$2", kRegex, "refers to group 2, but the regular expression “(a)” has one "
                                "group"},
        {u"a", u"US$ 5", kRegex, "write $$ for a dollar sign"},
        {u"a", u"x$", kRegex, "write $$ for a dollar sign"},
        {u"(?<y>a)", u"${z}", kRegex, "refers to group “z”, but the regular expression “(?<y>a)” "
                                      "has one group"},
        {u"(a)", u"${2}", kRegex, "refers to group “2”"},
        {u"a", u"${}", kRegex, "write $$ for a dollar sign"},
    };
    for (const Case &c : cases) {
        const std::string refusal = Matcher::refusal(c.find, c.replacement, c.options);
        EXPECT_NE(refusal.find(c.says), std::string::npos) << refusal;
    }
    EXPECT_EQ(Matcher::refusal(u"a", u"US$ 5", kPlain), "") << "a dollar is only text";
}

TEST(Matcher, failsRatherThanInsertOrHang)
{
    EXPECT_NE(applied(u"one two", uR"(\b)", u"|", kRegex).find(u"matched an empty text"),
              std::u16string::npos);
    const std::u16string hard = std::u16string(40, u'a') + u"!";
    EXPECT_NE(applied(hard, u"(a|aa)+(b|c)", u"x", kRegex).find(u"match limit"),
              std::u16string::npos);
}

TEST(Matcher, repeatsAcrossTheLongestLines)
{
    // Beyond the JIT's stack: the interpreter takes over.
    for (const std::u16string_view pattern : {u"(a)+$", u"(a|aa)+$"}) {
        EXPECT_EQ(applied(u"x" + std::u16string(40000, u'a'), pattern, u"b", kRegex), u"xb")
            << pattern.size();
    }
}

} // namespace
