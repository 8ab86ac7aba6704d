#pragma once
// What a find or replace text may hold: what the text of a publication can
// hold. The window, the sets, the command line and the engine all ask here,
// so a text is refused the same way wherever it comes from, before anything
// is opened.
#include <QString>
#include <QStringView>

#include <optional>

namespace vantrelle {

// How find texts match. Plain text by default: every occurrence, any case.
struct MatchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    // Each find text a regular expression, each replacement with $0 to $9
    // and $$ (see pubengine/matcher.h for the rules).
    bool regex = false;
    // Matching ignores case (matchCase does not apply) and each replacement
    // takes the case pattern of what it replaces: lower, UPPER, Capitalised,
    // Each Word Capitalised, or else as typed.
    bool keepCase = false;

    bool operator==(const MatchOptions &) const = default;
};

// A line, paragraph or page break: where a story's lines end.
bool isBreak(char32_t c);

enum class PairTextRole { Find, Replace };

// The first thing wrong with a text.
struct PairTextFault {
    enum class Kind {
        Empty,        // a find text with nothing to find
        Break,        // a line, paragraph or page break: structure, not text
        Control,      // a control character other than tab
        Surrogate,    // half of a character without its other half
        Noncharacter, // a code point Unicode keeps out of interchanged text
    };
    Kind kind = Kind::Empty;
    // Index of the offending UTF-16 unit, for putting the cursor there.
    qsizetype index = 0;
    // 1-based position in characters (a pair of surrogates counts once), for people.
    qsizetype position = 0;
    // The code point, or the lone surrogate unit.
    char32_t character = 0;
};

std::optional<PairTextFault> pairTextFault(QStringView text, PairTextRole role);

// The fault of the text named by subject, as one sentence without the final
// stop, in the user's language: "The find text holds the control character
// U+0001 at character 2, …".
QString describePairTextFault(const QString &subject, const PairTextFault &fault);

// Why a find text and its replacement cannot be used as a regular
// expression and its replacement (Pattern's refusal), without the final
// stop. Empty when they can be used, and always when options.regex is off.
QString patternRefusal(QStringView find, QStringView replacement, const MatchOptions &options);

} // namespace vantrelle
