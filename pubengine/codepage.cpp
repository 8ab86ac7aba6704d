#include "pubengine/codepage.h"

#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace vantrelle::pubengine {

namespace {

constexpr int kUtf16CodePage = 1200;

std::u16string fromUtf16Bytes(ByteView bytes)
{
    std::u16string s(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return s;
}

Bytes toUtf16Bytes(std::u16string_view s)
{
    Bytes out;
    for (char16_t c : s)
        appendU16(out, c);
    return out;
}

#ifdef Q_OS_WIN

std::optional<std::u16string> decodeWith(ByteView bytes, int codePage)
{
    if (bytes.empty())
        return std::u16string();
    const auto *in = reinterpret_cast<LPCCH>(bytes.data());
    const int inSize = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, in, inSize, nullptr, 0);
    if (n <= 0)
        return std::nullopt;
    std::u16string out(std::size_t(n), u'\0');
    MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, in, inSize,
                        reinterpret_cast<LPWSTR>(out.data()), n);
    return out;
}

std::optional<Bytes> encodeWith(std::u16string_view text, int codePage)
{
    if (text.empty())
        return Bytes();
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
    Bytes out(static_cast<std::size_t>(n));
    WideCharToMultiByte(UINT(codePage), flags, in, inSize, reinterpret_cast<LPSTR>(out.data()), n,
                        nullptr, nullptr);
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

std::optional<std::u16string> decodeWith(ByteView bytes, int codePage)
{
    QStringDecoder decoder(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(
        QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text.toStdU16String();
}

std::optional<Bytes> encodeWith(std::u16string_view text, int codePage)
{
    QStringEncoder encoder(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QStringView(text.data(), qsizetype(text.size())));
    if (encoder.hasError())
        return std::nullopt;
    return Bytes(bytes.begin(), bytes.end());
}

bool known(int codePage)
{
    return QStringDecoder(codecName(codePage).constData()).isValid();
}

#endif

} // namespace

std::optional<std::u16string> decodeCodePage(ByteView bytes, int codePage)
{
    if (codePage == kUtf16CodePage)
        return fromUtf16Bytes(bytes);
    if (codePage <= 0 || !known(codePage))
        return std::nullopt;
    return decodeWith(bytes, codePage);
}

std::optional<Bytes> encodeCodePage(std::u16string_view text, int codePage)
{
    if (codePage == kUtf16CodePage)
        return toUtf16Bytes(text);
    if (codePage <= 0 || !known(codePage))
        return std::nullopt;
    std::optional<Bytes> bytes = encodeWith(text, codePage);
    // A text that does not come back as it went in was changed on the way
    // (a best-fit or substituted character): the code page cannot hold it.
    if (!bytes || decodeWith(*bytes, codePage) != std::u16string(text))
        return std::nullopt;
    return bytes;
}

} // namespace vantrelle::pubengine
