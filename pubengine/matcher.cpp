#include "pubengine/matcher.h"

#include "fsutil/failure.h"
#include "pubengine/casefold.h"
#include "pubengine/enginetext.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <optional>

namespace vantrelle::pubengine {

namespace {

QStringView view(std::u16string_view text)
{
    return {text.data(), qsizetype(text.size())};
}

QString quoted(std::u16string_view text)
{
    return QStringLiteral("“%1”").arg(view(text));
}

// Lone surrogates would make PCRE2 refuse the whole text; U+FFFD takes their
// place one for one, so every position stays where it was.
std::optional<QString> withoutLoneSurrogates(std::u16string_view text)
{
    std::optional<QString> clean;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool paired = isHighSurrogate(c) ? i + 1 < text.size() && isLowSurrogate(text[i + 1])
                            : isLowSurrogate(c) ? i > 0 && isHighSurrogate(text[i - 1])
                                                : true;
        if (paired)
            continue;
        if (!clean)
            clean = view(text).toString();
        (*clean)[qsizetype(i)] = QChar::ReplacementCharacter;
    }
    return clean;
}

// The run of letters, marks and digits that holds text[from, to): what keep
// case looks at when the match alone cannot tell.
std::u16string_view wordAround(std::u16string_view text, std::size_t from, std::size_t to)
{
    const auto inWord = [](char16_t c) {
        return QChar(c).isLetterOrNumber() || QChar(c).isMark() || QChar::isSurrogate(c);
    };
    while (from > 0 && inWord(text[from - 1]))
        --from;
    while (to < text.size() && inWord(text[to]))
        ++to;
    return text.substr(from, to - from);
}

// Word boundaries of one text, worked out once it is asked about.
class WordBoundaries {
public:
    explicit WordBoundaries(std::u16string_view text) : m_text(text) {}
    bool around(std::size_t from, std::size_t to)
    {
        if (!m_finder)
            m_finder.emplace(QTextBoundaryFinder::Word, view(m_text));
        return at(from) && at(to);
    }

private:
    static bool separator(char16_t c) { return QChar(c).isSpace() || QChar(c).isPunct(); }
    bool at(std::size_t pos)
    {
        m_finder->setPosition(qsizetype(pos));
        if (m_finder->isAtBoundary())
            return true;
        // The dictionary breakers of scripts written without spaces (libthai
        // for Thai) keep the spaces and punctuation beside a word in the
        // word's segment: "ไทย " after it, "(" or "“" before it. The word
        // still ends where those after it begin, and begins where those
        // before it end.
        if (pos == 0 || pos >= m_text.size())
            return false;
        const bool afterWord = !separator(m_text[pos - 1]) && separator(m_text[pos]);
        const bool beforeWord = separator(m_text[pos - 1]) && !separator(m_text[pos]);
        if (!afterWord && !beforeWord)
            return false;
        const qsizetype edge =
            afterWord ? m_finder->toNextBoundary() : m_finder->toPreviousBoundary();
        if (edge < 0)
            return false;
        for (std::size_t i = std::min(pos, std::size_t(edge)); i < std::max(pos, std::size_t(edge));
             ++i) {
            if (!separator(m_text[i]))
                return false;
        }
        return true;
    }
    std::u16string_view m_text;
    std::optional<QTextBoundaryFinder> m_finder;
};

// The limits of one match of a regular expression on one line. A story holds
// at most 32,767 characters (kLongestStory) but a source may hold longer
// ones; these let a simple pattern repeat across such a line and stop a
// runaway one within seconds.
constexpr std::uint32_t kMatchLimit = 10'000'000;             // backtracking steps
constexpr std::uint32_t kHeapLimitKiB = 512 * 1024;           // the interpreter's memory
constexpr std::size_t kJitStackMax = std::size_t(16) << 20; // the JIT's stack

struct RegexMatch {
    bool found = false;
    const PCRE2_SIZE *ovector = nullptr;
    std::size_t start(int group) const { return ovector[std::ptrdiff_t(2) * group]; }
    std::size_t end(int group) const { return ovector[std::ptrdiff_t(2) * group + 1]; }
};

// Matches through the JIT, and through the interpreter (whose frames live on
// the heap) for a line the JIT's stack cannot hold.
class RegexMatcher {
public:
    explicit RegexMatcher(const pcre2_code *code)
        : m_code(code), m_data(pcre2_match_data_create_from_pattern(code, nullptr),
                               pcre2_match_data_free),
          m_context(pcre2_match_context_create(nullptr), pcre2_match_context_free)
    {
        if (!m_data || !m_context)
            throw std::bad_alloc();
        pcre2_set_match_limit(m_context.get(), kMatchLimit);
        pcre2_set_heap_limit(m_context.get(), kHeapLimitKiB);
        thread_local const std::unique_ptr<pcre2_jit_stack, decltype(&pcre2_jit_stack_free)>
            stack(pcre2_jit_stack_create(std::size_t(32) * 1024, kJitStackMax, nullptr), pcre2_jit_stack_free);
        pcre2_jit_stack_assign(m_context.get(), nullptr, stack.get());
    }

    RegexMatch next(QStringView line, std::size_t from, std::u16string_view pattern)
    {
        const auto subject = reinterpret_cast<PCRE2_SPTR>(line.utf16());
        int rc = pcre2_match(m_code, subject, std::size_t(line.size()), from, PCRE2_NO_UTF_CHECK,
                             m_data.get(), m_context.get());
        if (rc == PCRE2_ERROR_JIT_STACKLIMIT)
            rc = pcre2_match(m_code, subject, std::size_t(line.size()), from,
                             PCRE2_NO_UTF_CHECK | PCRE2_NO_JIT, m_data.get(), m_context.get());
        if (rc == PCRE2_ERROR_NOMATCH)
            return {};
        if (rc < 0)
            throw Failure(EngineText::tr("the regular expression %1 was stopped on a line of %2 "
                                         "characters: %3; nothing was changed. Simplify it, "
                                         "for example with fewer nested repeats")
                              .arg(quoted(pattern))
                              .arg(line.size())
                              .arg(limitHit(rc)));
        return {true, pcre2_get_ovector_pointer(m_data.get())};
    }

private:
    static QString limitHit(int rc)
    {
        switch (rc) {
        case PCRE2_ERROR_MATCHLIMIT:
        case PCRE2_ERROR_DEPTHLIMIT:
            return EngineText::tr("it needed more than %L1 steps (the match limit)")
                .arg(kMatchLimit);
        case PCRE2_ERROR_HEAPLIMIT:
            return EngineText::tr("it needed more than %1 MiB of memory (the heap limit)")
                .arg(kHeapLimitKiB / 1024);
        default: {
            std::array<PCRE2_UCHAR, 256> message{};
            pcre2_get_error_message(rc, message.data(), message.size());
            return EngineText::tr("it failed (%1)")
                .arg(QString::fromUtf16(reinterpret_cast<const char16_t *>(message.data())));
        }
        }
    }

    const pcre2_code *m_code;
    std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> m_data;
    std::unique_ptr<pcre2_match_context, decltype(&pcre2_match_context_free)> m_context;
};

} // namespace

std::string Matcher::refusal(std::u16string_view find, std::u16string_view replacement,
                             MatchOptions options)
{
    if (const auto fault = pairTextFault(view(find), PairTextRole::Find))
        return describePairTextFault(EngineText::tr("the find text"), *fault).toStdString();
    if (const auto fault = pairTextFault(view(replacement), PairTextRole::Replace))
        return describePairTextFault(EngineText::tr("the replace text"), *fault).toStdString();
    return patternRefusal(view(find), view(replacement), options).toStdString();
}

Matcher::Matcher(std::u16string_view find, std::u16string_view replacement,
                 MatchOptions options)
    : m_options(options), m_find(find), m_replacement(replacement)
{
    if (const std::string problem = refusal(find, replacement, options); !problem.empty())
        throw Failure(problem);
    if (options.keepCase)
        m_options.matchCase = options.matchCase = false;
    if (!options.regex) {
        m_foldedFind = options.matchCase ? m_find : foldCase(m_find);
        return;
    }
    // PCRE2 itself rather than Qt's matching: Qt stops JIT matching at a
    // 512 KiB stack, about 24,000 repeats of a group, and does not say which
    // limit it met.
    m_pattern = Pattern::compile(view(find), view(replacement), options.matchCase);
    if (!m_pattern.code())
        throw Failure(m_pattern.refusal());
}

std::vector<TextMatch> Matcher::findAll(std::u16string_view text) const
{
    std::vector<TextMatch> matches;
    if (m_options.regex)
        findRegex(text, matches);
    else
        findPlain(text, matches);
    return matches;
}

void Matcher::findPlain(std::u16string_view text, std::vector<TextMatch> &out) const
{
    const std::u16string folded = m_options.matchCase ? std::u16string() : foldCase(text);
    const std::u16string_view hay = m_options.matchCase ? text : std::u16string_view(folded);
    const std::size_t len = m_find.size();
    WordBoundaries words(text);
    std::size_t from = 0;
    while (true) {
        const std::size_t i = hay.find(m_foldedFind, from);
        if (i == std::u16string_view::npos)
            return;
        const bool splitsStart = i > 0 && isLowSurrogate(text[i]) && isHighSurrogate(text[i - 1]);
        const bool splitsEnd = i + len < text.size() && isHighSurrogate(text[i + len - 1]) &&
                               isLowSurrogate(text[i + len]);
        if (splitsStart || splitsEnd || (m_options.wholeWord && !words.around(i, i + len))) {
            from = i + 1;
            continue;
        }
        out.push_back({i, len,
                       m_options.keepCase ? keptCase(m_replacement, text.substr(i, len),
                                                     wordAround(text, i, i + len))
                                          : m_replacement});
        from = i + len;
    }
}

void Matcher::findRegex(std::u16string_view text, std::vector<TextMatch> &out) const
{
    const std::optional<QString> clean = withoutLoneSurrogates(text);
    const QStringView subject = clean ? QStringView(*clean) : view(text);
    WordBoundaries words(text);
    RegexMatcher regex(m_pattern.code());
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = lineStart;
        while (lineEnd < text.size() && !isBreak(text[lineEnd]))
            ++lineEnd;
        const QStringView line = subject.mid(qsizetype(lineStart), qsizetype(lineEnd - lineStart));
        qsizetype from = 0;
        while (from <= line.size()) {
            const RegexMatch m = regex.next(line, std::size_t(from), m_find);
            if (!m.found)
                break;
            const std::size_t start = lineStart + m.start(0);
            const std::size_t end = lineStart + m.end(0);
            if (start == end)
                throw Failure(EngineText::tr("the regular expression %1 matched an empty text, "
                                             "which would insert the replacement between "
                                             "characters; make it match at least one character")
                                  .arg(quoted(m_find)));
            if (m_options.wholeWord && !words.around(start, end)) {
                from = qsizetype(m.start(0)) + 1;
                if (from < line.size() && line[from].isLowSurrogate())
                    ++from;
                continue;
            }
            TextMatch match{start, end - start, {}};
            for (const Pattern::Piece &piece : m_pattern.pieces()) {
                if (piece.group < 0) {
                    match.replacement += std::u16string_view(
                        reinterpret_cast<const char16_t *>(piece.text.utf16()),
                        std::size_t(piece.text.size()));
                } else if (m.start(piece.group) != PCRE2_UNSET) {
                    // From the text itself, so a lone surrogate moves unchanged.
                    match.replacement += text.substr(lineStart + m.start(piece.group),
                                                     m.end(piece.group) - m.start(piece.group));
                }
            }
            if (m_options.keepCase)
                match.replacement = keptCase(match.replacement, text.substr(start, end - start),
                                             wordAround(text, start, end));
            out.push_back(std::move(match));
            from = qsizetype(m.end(0));
        }
        lineStart = lineEnd + 1;
    }
}

namespace {

constexpr char16_t kSharpS = u'\u00DF';
constexpr char16_t kCapitalSharpS = u'\u1E9E';
constexpr char16_t kCapitalSigma = u'\u03A3';
constexpr char16_t kFinalSigma = u'\u03C2';

// The code point at i and how many units it takes.
char32_t codePoint(QStringView text, qsizetype i, qsizetype &units)
{
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    units = pair ? 2 : 1;
    return pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
}

// A letter that begins a word: after no letter, mark or digit.
bool beginsWord(QStringView text, qsizetype i)
{
    if (i == 0)
        return true;
    const QChar before = text[i - 1].isLowSurrogate() && i > 1 ? text[i - 2] : text[i - 1];
    return !before.isLetterOrNumber() && !before.isMark();
}

// A capital sigma with a letter before it and none after it (marks between
// count for nothing) is the last letter of a Greek word: its small form is ς.
bool endsWithSigma(QStringView text, qsizetype i)
{
    if (text[i] != kCapitalSigma)
        return false;
    qsizetype before = i - 1;
    while (before >= 0 && text[before].isMark())
        --before;
    qsizetype after = i + 1;
    while (after < text.size() && text[after].isMark())
        ++after;
    return before >= 0 && text[before].isLetter() &&
           (after == text.size() || !text[after].isLetter());
}

// The code point at i in small letters, as it stands in text.
QString lowered(QStringView text, qsizetype i, qsizetype units)
{
    if (endsWithSigma(text, i))
        return QString(QChar(kFinalSigma));
    return text.mid(i, units).toString().toLower();
}

QString lowered(QStringView text)
{
    QString out;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        codePoint(text, i, units);
        out += lowered(text, i, units);
    }
    return out;
}

// text in capitals. ß has no capital of its own in most texts, where it
// becomes "SS"; where the text it replaces wrote ẞ or kept ß among capitals,
// it is written the same way.
QString uppered(QStringView text, QStringView found)
{
    const bool capitalSharpS = found.contains(QChar(kCapitalSharpS));
    const bool sharpS = found.contains(QChar(kSharpS));
    QString out;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        codePoint(text, i, units);
        if (text[i] == kSharpS && (capitalSharpS || sharpS))
            out += QChar(capitalSharpS ? kCapitalSharpS : kSharpS);
        else
            out += text.mid(i, units).toString().toUpper();
    }
    return out;
}

// Each word's first letter in title case and every other letter in lower
// case; only the text's first letter counts as a word's when firstOnly.
QString capitalised(QStringView text, bool firstOnly)
{
    QString out;
    bool first = true;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const char32_t c = codePoint(text, i, units);
        const bool starts = QChar::isLetter(c) && (firstOnly ? first : beginsWord(text, i));
        if (QChar::isLetter(c))
            first = false;
        out += starts ? QString::fromUcs4(std::array{QChar::toTitleCase(c)}.data(), 1)
                      : lowered(text, i, units);
    }
    return out;
}

// How a text's letters are cased, each letter taken alone: a letter that
// casing leaves as it is fits either way (ß, which has no single capital,
// among capitals: "STRAßE").
struct Casing {
    qsizetype cased = 0;
    bool upper = true;
    bool lower = true;
};

Casing casingOf(QStringView text)
{
    Casing casing;
    qsizetype units = 1;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const char32_t c = codePoint(text, i, units);
        casing.cased += QChar::isUpper(c) || QChar::isLower(c) || QChar::isTitleCase(c);
        casing.upper = casing.upper && QChar::toUpper(c) == c;
        casing.lower = casing.lower && QChar::toLower(c) == c;
    }
    return casing;
}

} // namespace

std::u16string keptCase(std::u16string_view replacement, std::u16string_view found,
                        std::u16string_view word)
{
    const QStringView f = view(found);
    const Casing casing = casingOf(f);
    if (casing.cased == 0)
        return std::u16string(replacement);
    const QStringView r = view(replacement);
    // One capital alone is a capitalised word's first letter, and a letter
    // casing leaves alone (ß) is either case, unless the word they stand in
    // is all capitals ("STRAẞE", "STRAßE").
    const Casing around = word.size() > found.size() ? casingOf(view(word)) : casing;
    const bool inCapitals = around.upper && !around.lower && around.cased > 1;
    QString out;
    if (casing.lower && !(casing.upper && inCapitals))
        out = lowered(r);
    else if (casing.upper && (casing.cased > 1 || inCapitals))
        out = uppered(r, f);
    else if (f == capitalised(f, true))
        out = capitalised(r, true);
    else if (f == capitalised(f, false))
        out = capitalised(r, false);
    else
        return std::u16string(replacement);
    return out.toStdU16String();
}

std::u16string replaceMatches(std::u16string_view text, const std::vector<TextMatch> &matches,
                              std::vector<std::size_t> &starts)
{
    std::u16string out;
    starts.clear();
    std::size_t done = 0;
    for (const TextMatch &m : matches) {
        out.append(text.substr(done, m.position - done));
        starts.push_back(out.size());
        out.append(m.replacement);
        done = m.position + m.length;
    }
    out.append(text.substr(done));
    return out;
}

} // namespace vantrelle::pubengine
