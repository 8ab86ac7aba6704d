#pragma once
// What a find text matches in a text, and what each match becomes: plain
// text with or without regard to case, whole words only, or a regular
// expression with references to its groups in the replacement. Works on any
// UTF-16 text (stories, link addresses, document properties); positions
// count UTF-16 units.
//
// Rules every kind of matching keeps:
// * a match never splits a surrogate pair and never holds a line or
//   paragraph break (a regular expression is matched line by line, so "^"
//   and "$" stand for a line's start and end and "." never matches a break);
// * whole words: a match begins and ends at word boundaries (Unicode's,
//   UAX #29);
// * a regular expression that matches an empty text is refused: an empty
//   match would insert the replacement between characters;
// * the replacement of a regular expression may name groups: $0 the whole
//   match, $1 to $9 the groups (one digit; "$12" is group 1 and "2"), $$ a
//   dollar sign, ${name} (or ${number}) a group by its name. A group that took no part in the match gives no text. Any
//   other "$" is refused, as is a group the expression does not have.
// * keep case: matching ignores case, and each replacement (a regular
//   expression's too, once its groups are in) is written in the case pattern
//   of the text it replaces (see keptCase).
#include "shell/pairtext.h"
#include "shell/pattern.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::pubengine {

using vantrelle::MatchOptions;

struct TextMatch {
    std::size_t position = 0;
    std::size_t length = 0;
    std::u16string replacement;
};

class Matcher {
public:
    // Throws Failure with refusal()'s text when the texts cannot be used.
    Matcher(std::u16string_view find, std::u16string_view replacement, MatchOptions options);

    // Why find and replacement cannot be used with these options, in plain
    // words; empty when they can: the check of what the text of a
    // publication can hold, then patternRefusal().
    static std::string refusal(std::u16string_view find, std::u16string_view replacement,
                               MatchOptions options);

    // Every match in text, in order, none overlapping the one before. Throws
    // Failure when a regular expression meets PCRE2's match limit or matches
    // an empty text.
    std::vector<TextMatch> findAll(std::u16string_view text) const;

    const MatchOptions &options() const { return m_options; }
    const std::u16string &findText() const { return m_find; }

private:
    void findPlain(std::u16string_view text, std::vector<TextMatch> &out) const;
    void findRegex(std::u16string_view text, std::vector<TextMatch> &out) const;

    MatchOptions m_options;
    std::u16string m_find;
    std::u16string m_foldedFind;
    std::u16string m_replacement;
    // Compiled once, shared by copies.
    Pattern m_pattern;
};

// replacement in the case pattern of found: all lower, ALL UPPER (two cased
// letters or more, or one in a word of capitals: word is the word holding
// found), First upper and the rest lower, Each Word Capitalised; any other
// pattern, or none (no cased letter), leaves it as typed. Each letter counts
// alone, so a letter casing leaves as it is (ß) fits either case; a Greek
// word written small ends in ς; ß written in capitals follows found (ẞ, ß,
// else SS).
std::u16string keptCase(std::u16string_view replacement, std::u16string_view found,
                        std::u16string_view word = {});

// text with each of matches (findAll's, on this text) replaced by its own
// replacement; starts receives where each replacement begins in the result.
std::u16string replaceMatches(std::u16string_view text, const std::vector<TextMatch> &matches,
                              std::vector<std::size_t> &starts);

} // namespace vantrelle::pubengine
