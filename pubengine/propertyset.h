#pragma once
// A property-set stream (the summary information a publication keeps for
// file managers and search indexes). Only text properties are edited, by
// splicing their values into the stream as it was read, so every other
// property, the thumbnail, the code page and the layout stay byte for byte.
// libgsf's metadata writer was not used: it drops the thumbnail (a 44,640-byte
// stream came back as 111 bytes) and writes the properties in another order.
#include "pubengine/quill.h"

#include <string>
#include <vector>

namespace vantrelle::pubengine {

class PropertySetStream {
public:
    // Throws FormatError when the stream is damaged.
    static PropertySetStream parse(ByteView stream);

    struct TextProperty {
        std::u16string name;
        std::u16string value;
    };
    // Every text property, in stream order, with the name a user knows it by.
    std::vector<TextProperty> textProperties() const;

    // Replaces find in every text property and returns how many occurrences.
    // Throws Failure, naming the property, when its code page cannot hold the
    // new value. Lists up to listLimit occurrences in changes.
    std::size_t replaceAll(const Matcher &matcher, std::vector<ReplaceChange> &changes,
                           std::size_t listLimit);

    const Bytes &bytes() const { return m_bytes; }
    bool changed() const { return m_changed; }

private:
    struct Text {
        std::size_t at = 0; // the value's offset in the stream
        bool wide = false;  // stored as UTF-16 (VT_LPWSTR)
        int codePage = 1252;
        std::u16string name;
        std::u16string value;
    };
    void parseSection(std::size_t section, std::size_t offset);
    void splice(std::size_t at, std::size_t oldLength, const Bytes &value);
    std::size_t storedLength(const Text &t) const;

    Bytes m_bytes;
    std::vector<Text> m_texts;
    bool m_changed = false;
};

} // namespace vantrelle::pubengine
