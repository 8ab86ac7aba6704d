#include "shell/pairtext.h"

#include <QChar>

namespace vantrelle {

namespace {

bool isBreak(char32_t c)
{
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

QString codeText(char32_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString PairTextFault::what() const
{
    const QString code = codeText(character);
    const QString at = QStringLiteral(" at character %1").arg(position);
    switch (kind) {
    case Kind::Empty:
        return QStringLiteral("is empty: there is nothing to find");
    case Kind::Break:
        return QStringLiteral("holds a line or paragraph break (%1)%2; texts with breaks cannot "
                              "be replaced")
            .arg(code, at);
    case Kind::Control:
        return QStringLiteral("holds the control character %1%2, which the text of a publication "
                              "cannot hold (tab is the only one allowed)")
            .arg(code, at);
    case Kind::Surrogate:
        return QStringLiteral("holds half of a character (the unpaired surrogate %1)%2, which "
                              "the text of a publication cannot hold")
            .arg(code, at);
    case Kind::Noncharacter:
        return QStringLiteral("holds the noncharacter %1%2, which the text of a publication "
                              "cannot hold")
            .arg(code, at);
    }
    return {};
}

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
    return subject + QLatin1Char(' ') + fault.what();
}

} // namespace vantrelle
