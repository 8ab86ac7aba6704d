#include "shell/pairtext.h"

#include <QChar>
#include <QCoreApplication>

namespace vantrelle {

bool isBreak(char32_t c)
{
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

// The context of the texts below, for their translations.
class PairText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::PairText)
};

namespace {

QString codeText(char32_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

std::optional<PairTextFault> pairTextFault(QStringView text, PairTextRole role)
{
    using Kind = PairTextFault::Kind;
    if (role == PairTextRole::Find && text.isEmpty())
        return PairTextFault{};
    qsizetype position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        ++position;
        const QChar unit = text[i];
        char32_t c = unit.unicode();
        std::optional<Kind> kind;
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, text[i + 1]);
        } else if (unit.isSurrogate()) {
            kind = Kind::Surrogate;
        }
        if (!kind) {
            if (isBreak(c))
                kind = Kind::Break;
            else if (QChar::category(c) == QChar::Other_Control && c != u'\t')
                kind = Kind::Control;
            else if (QChar::isNonCharacter(c))
                kind = Kind::Noncharacter;
        }
        if (kind)
            return PairTextFault{*kind, i, position, c};
        if (c > 0xFFFF)
            ++i;
    }
    return std::nullopt;
}

QString describePairTextFault(const QString &subject, const PairTextFault &fault)
{
    // Each a whole sentence: the text named, the character and where it is.
    const char *sentence = nullptr;
    switch (fault.kind) {
    case PairTextFault::Kind::Empty:
        return PairText::tr("%1 is empty: there is nothing to find").arg(subject);
    case PairTextFault::Kind::Break:
        sentence = QT_TRANSLATE_NOOP("vantrelle::PairText",
                                     "%1 holds a line or paragraph break (%2) at character %3; "
                                     "texts with breaks cannot be replaced");
        break;
    case PairTextFault::Kind::Control:
        sentence = QT_TRANSLATE_NOOP("vantrelle::PairText",
                                     "%1 holds the control character %2 at character %3, which "
                                     "the text of a publication cannot hold (tab is the only one "
                                     "allowed)");
        break;
    case PairTextFault::Kind::Surrogate:
        sentence = QT_TRANSLATE_NOOP("vantrelle::PairText",
                                     "%1 holds half of a character (the unpaired surrogate %2) at "
                                     "character %3, which the text of a publication cannot hold");
        break;
    case PairTextFault::Kind::Noncharacter:
        sentence = QT_TRANSLATE_NOOP("vantrelle::PairText",
                                     "%1 holds the noncharacter %2 at character %3, which the text "
                                     "of a publication cannot hold");
        break;
    }
    return PairText::tr(sentence).arg(subject, codeText(fault.character)).arg(fault.position);
}

QRegularExpression findExpression(QStringView find, bool matchCase)
{
    QRegularExpression::PatternOptions flags = QRegularExpression::UseUnicodePropertiesOption;
    if (!matchCase)
        flags |= QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression(find.toString(), flags);
}

QString patternRefusal(QStringView find, QStringView replacement, const MatchOptions &options)
{
    if (!options.regex)
        return {};
    const auto quoted = [](QStringView text) { return QStringLiteral("“%1”").arg(text); };
    const QRegularExpression regex = findExpression(find, options.matchCase);
    if (!regex.isValid()) {
        const qsizetype at = std::max<qsizetype>(0, regex.patternErrorOffset());
        const QString where =
            at == 0 ? PairText::tr("at its start")
                    : PairText::tr("at position %1, after %2").arg(at).arg(quoted(find.left(at)));
        return PairText::tr("the regular expression %1 is not valid: %2, %3")
            .arg(quoted(find), regex.errorString(), where);
    }
    if (regex.match(QString()).hasMatch())
        return PairText::tr("the regular expression %1 matches an empty text, which would "
                            "insert the replacement between characters; make it match at "
                            "least one character (+ instead of *, for example)")
            .arg(quoted(find));
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        if (replacement[i] != u'$')
            continue;
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        if (next == u'$') {
            ++i;
            continue;
        }
        if (next.unicode() < u'0' || next.unicode() > u'9')
            return PairText::tr("the replacement %1 holds a “$” that is not followed by a "
                                "group number 0 to 9; write $$ for a dollar sign")
                .arg(quoted(replacement));
        const int group = next.unicode() - u'0';
        if (group > regex.captureCount())
            return PairText::tr(
                       "the replacement %1 refers to group %2, but the regular expression %3 has "
                       "%4")
                .arg(quoted(replacement))
                .arg(group)
                .arg(quoted(find), regex.captureCount() == 1
                                       ? PairText::tr("one group")
                                       : PairText::tr("%n groups", nullptr, regex.captureCount()));
        ++i;
    }
    return {};
}

} // namespace vantrelle
