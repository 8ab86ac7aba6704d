#pragma once
// The code-page service of shell/codepage.h in the engine's byte types.
#include "pubengine/bytes.h"
#include "shell/codepage.h"

#include <optional>
#include <string>

namespace vantrelle::pubengine {

inline std::optional<std::u16string> decodeCodePage(ByteView bytes, int codePage)
{
    const auto text = codepage::decode(
        QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())),
        codePage);
    if (!text)
        return std::nullopt;
    return text->toStdU16String();
}

inline std::optional<Bytes> encodeCodePage(std::u16string_view text, int codePage)
{
    const auto bytes = codepage::encode(QStringView(text.data(), qsizetype(text.size())), codePage);
    if (!bytes)
        return std::nullopt;
    return Bytes(bytes->begin(), bytes->end());
}

} // namespace vantrelle::pubengine
