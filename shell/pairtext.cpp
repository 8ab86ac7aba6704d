#include "shell/pairtext.h"

#include "shell/pattern.h"

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

QString patternRefusal(QStringView find, QStringView replacement, const MatchOptions &options)
{
    if (!options.regex)
        return {};
    return Pattern::compile(find, replacement, options.matchCase && !options.keepCase).refusal();
}

} // namespace vantrelle
