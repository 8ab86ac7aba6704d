#include "shell/pattern.h"

#include <QCoreApplication>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <array>

namespace vantrelle {

namespace {

class PatternText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::PairText)
};

QString quoted(QStringView text)
{
    return QStringLiteral("“%1”").arg(text);
}

PCRE2_SPTR units(QStringView text)
{
    return reinterpret_cast<PCRE2_SPTR>(text.utf16());
}

// PCRE2's own words for a compile error, through Qt's translations of them.
QString compileError(int error)
{
    std::array<PCRE2_UCHAR, 256> message{};
    pcre2_get_error_message(error, message.data(), message.size());
    const QString english = QString::fromUtf16(reinterpret_cast<const char16_t *>(message.data()));
    return QCoreApplication::translate("QRegularExpression", english.toLatin1().constData());
}

bool matchesEmptyText(pcre2_code *code)
{
    const std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> data(
        pcre2_match_data_create_from_pattern(code, nullptr), pcre2_match_data_free);
    const char16_t empty = 0;
    return data && pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(&empty), 0, 0, 0, data.get(),
                               nullptr) >= 0;
}

} // namespace

Pattern Pattern::compile(QStringView find, QStringView replacement, bool matchCase)
{
    Pattern pattern;
    int error = 0;
    PCRE2_SIZE errorAt = 0;
    const std::uint32_t flags = PCRE2_UTF | PCRE2_UCP | (matchCase ? 0 : PCRE2_CASELESS);
    pcre2_code *code = pcre2_compile(units(find), std::size_t(find.size()), flags, &error,
                                     &errorAt, nullptr);
    if (!code) {
        const auto at = qsizetype(errorAt);
        const QString where =
            at == 0 ? PatternText::tr("at its start")
                    : PatternText::tr("at position %1, after %2").arg(at).arg(quoted(find.left(at)));
        pattern.m_refusal = PatternText::tr("the regular expression %1 is not valid: %2, %3")
                                .arg(quoted(find), compileError(error), where);
        return pattern;
    }
    pattern.m_code.reset(code, pcre2_code_free);
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
    if (matchesEmptyText(code)) {
        pattern.m_refusal =
            PatternText::tr("the regular expression %1 matches an empty text, which would "
                            "insert the replacement between characters; make it match at "
                            "least one character (+ instead of *, for example)")
                .arg(quoted(find));
        return pattern;
    }

    std::uint32_t groups = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groups);
    const auto refuseGroup = [&](const QString &named) {
        pattern.m_refusal =
            PatternText::tr(
                "the replacement %1 refers to group %2, but the regular expression %3 has %4")
                .arg(quoted(replacement), named,
                     quoted(find), groups == 1 ? PatternText::tr("one group")
                                               : PatternText::tr("%n groups", nullptr, int(groups)));
    };
    Piece literal;
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        if (replacement[i] != u'$') {
            literal.text += replacement[i];
            continue;
        }
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        int group = -1;
        if (next == u'$') {
            literal.text += u'$';
            ++i;
            continue;
        }
        if (next.isDigit() && next.unicode() <= u'9') {
            group = next.unicode() - u'0';
            if (group > int(groups)) {
                refuseGroup(QString::number(group));
                return pattern;
            }
            ++i;
        } else if (const qsizetype close = replacement.indexOf(u'}', i + 2);
                   next == u'{' && close > i + 2) {
            const QStringView name = replacement.mid(i + 2, close - i - 2);
            bool isNumber = false;
            group = name.toInt(&isNumber);
            if (!isNumber) {
                const QString terminated = name.toString();
                group = pcre2_substring_number_from_name(code, units(terminated));
            }
            if (group < 0 || group > int(groups)) {
                refuseGroup(quoted(name));
                return pattern;
            }
            i = close;
        } else {
            pattern.m_refusal =
                PatternText::tr("the replacement %1 holds a “$” that is not followed by a group "
                                "number 0 to 9 or a group's name in braces; write $$ for a "
                                "dollar sign")
                    .arg(quoted(replacement));
            return pattern;
        }
        pattern.m_pieces.push_back(std::move(literal));
        literal = Piece{};
        pattern.m_pieces.push_back({{}, group});
    }
    pattern.m_pieces.push_back(std::move(literal));
    return pattern;
}

} // namespace vantrelle
