#include "pubengine/matcher.h"

#include "fsutil/failure.h"
#include "pubengine/casefold.h"

#include <QTextBoundaryFinder>

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
    bool at(std::size_t pos)
    {
        m_finder->setPosition(qsizetype(pos));
        return m_finder->isAtBoundary();
    }
    std::u16string_view m_text;
    std::optional<QTextBoundaryFinder> m_finder;
};

} // namespace

std::string Matcher::refusal(std::u16string_view find, std::u16string_view replacement,
                             MatchOptions options)
{
    if (const auto fault = pairTextFault(view(find), PairTextRole::Find))
        return describePairTextFault(QStringLiteral("the find text"), *fault).toStdString();
    if (const auto fault = pairTextFault(view(replacement), PairTextRole::Replace))
        return describePairTextFault(QStringLiteral("the replace text"), *fault).toStdString();
    return patternRefusal(view(find), view(replacement), options).toStdString();
}

Matcher::Matcher(std::u16string_view find, std::u16string_view replacement,
                 MatchOptions options)
    : m_options(options), m_find(find), m_replacement(replacement)
{
    if (const std::string problem = refusal(find, replacement, options); !problem.empty())
        throw Failure(problem);
    if (!options.regex) {
        m_foldedFind = options.matchCase ? m_find : foldCase(m_find);
        return;
    }
    m_regex = findExpression(view(find), options.matchCase);
    m_regex.optimize();
    Piece literal;
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        if (replacement[i] != u'$') {
            literal.text += replacement[i];
        } else if (replacement[i + 1] == u'$') {
            literal.text += u'$';
            ++i;
        } else {
            m_pieces.push_back(std::move(literal));
            literal = Piece{};
            m_pieces.push_back({{}, replacement[++i] - u'0'});
        }
    }
    m_pieces.push_back(std::move(literal));
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
        out.push_back({i, len, m_replacement});
        from = i + len;
    }
}

void Matcher::findRegex(std::u16string_view text, std::vector<TextMatch> &out) const
{
    const std::optional<QString> clean = withoutLoneSurrogates(text);
    const QStringView subject = clean ? QStringView(*clean) : view(text);
    WordBoundaries words(text);
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = lineStart;
        while (lineEnd < text.size() && !isBreak(text[lineEnd]))
            ++lineEnd;
        const QStringView line = subject.mid(qsizetype(lineStart), qsizetype(lineEnd - lineStart));
        qsizetype from = 0;
        while (from <= line.size()) {
            const QRegularExpressionMatch m = m_regex.match(line, from);
            if (!m.isValid())
                throw Failure(QStringLiteral("the regular expression %1 needed more steps than "
                                             "allowed (the match limit) and was stopped; nothing "
                                             "was changed. Simplify it, for example with fewer "
                                             "nested repeats")
                                  .arg(quoted(m_find)));
            if (!m.hasMatch())
                break;
            const std::size_t start = lineStart + std::size_t(m.capturedStart());
            const std::size_t end = lineStart + std::size_t(m.capturedEnd());
            if (start == end)
                throw Failure(QStringLiteral("the regular expression %1 matched an empty text, "
                                             "which would insert the replacement between "
                                             "characters; make it match at least one character")
                                  .arg(quoted(m_find)));
            if (m_options.wholeWord && !words.around(start, end)) {
                from = m.capturedStart() + 1;
                if (from < line.size() && line[from].isLowSurrogate())
                    ++from;
                continue;
            }
            TextMatch match{start, end - start, {}};
            for (const Piece &piece : m_pieces) {
                if (piece.group < 0) {
                    match.replacement += piece.text;
                } else if (m.capturedStart(piece.group) >= 0) {
                    // From the text itself, so a lone surrogate moves unchanged.
                    match.replacement += text.substr(lineStart + m.capturedStart(piece.group),
                                                     std::size_t(m.capturedLength(piece.group)));
                }
            }
            out.push_back(std::move(match));
            from = m.capturedEnd();
        }
        lineStart = lineEnd + 1;
    }
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
