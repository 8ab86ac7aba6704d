#pragma once
// A publication held in memory: its compound file and its parsed text stream.
// Edits change only the text stream; saving rebuilds it, re-reads and checks
// the result, and writes the whole file atomically or not at all.
#include "fsutil/fileid.h"
#include "pubengine/compound.h"
#include "pubengine/pub97.h"
#include "pubengine/propertyset.h"
#include "pubengine/quill.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrelle::pubengine {


// Where, beyond the text of the stories, a replacement also applies.
struct Places {
    // The addresses of web, e-mail and file links.
    bool linkAddresses = false;
    // The text properties of the summary information (title, author, company,
    // the user's own properties and the others).
    bool documentProperties = false;
};

class Publication {
public:
    static constexpr qint64 kMaxFileSize = 256ll * 1024 * 1024;

    // Throws Failure naming the file and the reason. With sha256, the
    // digest (hex) of the very bytes read is put there.
    static Publication open(const QString &path, QByteArray *sha256 = nullptr);
    // A publication from bytes already in memory; name stands for the file in
    // descriptions.
    static Publication fromBytes(QByteArray bytes, const QString &name);

    Publication(Publication &&) noexcept;
    Publication &operator=(Publication &&) noexcept;
    ~Publication();

    const QString &name() const { return m_name; }
    // The text stream of Publisher 98 and later; empty for Publisher 95 and 97.
    const QuillStream &quill() const { return m_quill; }
    // The stories of any version, paragraph ends as '\r'.
    std::size_t storyCount() const;
    std::u16string_view story(std::size_t k) const;
    // True for Publisher 95 and 97, whose text lives in `Contents`.
    bool olderFormat() const { return m_pub97.has_value(); }
    // Another stream of the container as stored, such as `Contents` or the
    // drawing; nullopt when there is none. Throws FormatError when damaged.
    std::optional<Bytes> stream(const StreamPath &path) const;

    // Every occurrence, pairs applied one after another by repeated calls.
    // Occurrences the rules leave are counted in the result, not thrown;
    // texts the Matcher refuses throw. Occurrences in WordArt are counted as
    // left. With countOnly the publication stays as it is.
    // The result lists the first listLimit occurrences with their surroundings.
    // With choices, only the chosen occurrences in the stories are replaced
    // (QuillStream::replaceAll says how they are checked).
    ReplaceResult replaceAll(const QString &find, const QString &replacement,
                             MatchOptions options, std::size_t listLimit = 0, Places places = {},
                             bool countOnly = false,
                             const std::vector<ChosenChange> *choices = nullptr);
    ReplaceResult replaceAll(const QString &find, const QString &replacement, bool matchCase,
                             std::size_t listLimit = 0, Places places = {},
                             bool countOnly = false)
    {
        return replaceAll(find, replacement, MatchOptions{matchCase}, listLimit, places,
                          countOnly);
    }

    // The text properties of both summary-information streams, as names and
    // values; throws Failure when they are damaged.
    std::vector<std::pair<QString, QString>> documentProperties();

    // The rebuilt, re-read and checked compound file. Throws when a check fails.
    QByteArray toBytes() const;
    // Writes toBytes() to path through a temporary file in the same folder.
    // Refuses the file this publication was opened from, by file identity.
    void saveAs(const QString &path) const;

private:
    Publication();
    void load(QByteArray bytes);
    void loadPub97(Bytes contents);
    // The text stream to write, re-read and checked.
    std::pair<StreamPath, Bytes> textStreamEdit() const;

    QString m_name;
    QString m_path;
    // The file it was opened from, which a save never overwrites.
    std::optional<FileId> m_source;
    std::vector<PropertySetStream> &propertySets();

    std::unique_ptr<CompoundFile> m_compound;
    QuillStream m_quill;
    // Publisher 95 and 97 keep their text in `Contents` instead.
    std::optional<Pub97Stream> m_pub97;
    // Read when first asked for: they only matter when document properties
    // are edited.
    std::vector<StreamPath> m_propertyPaths;
    std::vector<PropertySetStream> m_propertySets;
    bool m_propertiesRead = false;
    std::vector<std::u16string> m_wordArt;
};

// "2 occurrences of “x” were left unchanged: …" for a result with left
// occurrences; empty otherwise.
QString describeLeft(const ReplaceResult &result, const QString &find);
// "it would change a field such as a page number" and the like.
QString leftReasonText(LeftReason reason);

} // namespace vantrelle::pubengine
