#include "shell/codepage.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace vantrelle::codepage {

namespace {

QString fromUtf16Bytes(QByteArrayView bytes)
{
    QString s(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i)
        s[i] = QChar(char16_t(std::uint8_t(bytes[2 * i]) | (std::uint8_t(bytes[2 * i + 1]) << 8)));
    return s;
}

QByteArray toUtf16Bytes(QStringView s)
{
    QByteArray out;
    out.reserve(s.size() * 2);
    for (const QChar c : s)
        out.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return out;
}

#ifdef Q_OS_WIN

std::optional<QString> decodeWith(QByteArrayView bytes, int codePage)
{
    if (bytes.empty())
        return QString();
    const auto *in = reinterpret_cast<LPCCH>(bytes.data());
    const int inSize = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, in, inSize, nullptr, 0);
    if (n <= 0)
        return std::nullopt;
    QString out(n, Qt::Uninitialized);
    MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, in, inSize,
                        reinterpret_cast<LPWSTR>(out.data()), n);
    return out;
}

std::optional<QByteArray> encodeWith(QStringView text, int codePage)
{
    if (text.empty())
        return QByteArray();
    const auto *in = reinterpret_cast<LPCWCH>(text.data());
    const int inSize = static_cast<int>(text.size());
    // A character the code page lacks must fail, not become "?" or a look-alike;
    // UTF-8 and UTF-7 take no such flag (and lack no character).
    const bool exact = codePage != CP_UTF8 && codePage != CP_UTF7;
    const DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(UINT(codePage), flags, in, inSize, nullptr, 0, nullptr,
                                      exact ? &lossy : nullptr);
    if (n <= 0 || lossy)
        return std::nullopt;
    QByteArray out(n, Qt::Uninitialized);
    WideCharToMultiByte(UINT(codePage), flags, in, inSize, out.data(), n, nullptr, nullptr);
    return out;
}

bool known(int codePage)
{
    return IsValidCodePage(UINT(codePage)) != 0;
}

#else

// ICU knows most code pages as "windows-N"; the ISO 8859 ones go by their own names.
QByteArray codecName(int codePage)
{
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    return "windows-" + QByteArray::number(codePage);
}

std::optional<QString> decodeWith(QByteArrayView bytes, int codePage)
{
    QStringDecoder decoder(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeWith(QStringView text, int codePage)
{
    QStringEncoder encoder(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

bool known(int codePage)
{
    return QStringDecoder(codecName(codePage).constData()).isValid();
}

#endif

} // namespace

std::optional<QString> decode(QByteArrayView bytes, int codePage)
{
    if (codePage == kUtf16)
        return fromUtf16Bytes(bytes);
    if (codePage <= 0 || !known(codePage))
        return std::nullopt;
    return decodeWith(bytes, codePage);
}

std::optional<QByteArray> encode(QStringView text, int codePage)
{
    if (codePage == kUtf16)
        return toUtf16Bytes(text);
    if (codePage <= 0 || !known(codePage))
        return std::nullopt;
    std::optional<QByteArray> bytes = encodeWith(text, codePage);
    // A text that does not come back as it went in was changed on the way
    // (a best-fit or substituted character): the code page cannot hold it.
    if (!bytes || decodeWith(*bytes, codePage) != text)
        return std::nullopt;
    return bytes;
}

} // namespace vantrelle::codepage
