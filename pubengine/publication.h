#pragma once
// A publication held in memory: its compound file and its parsed text stream.
// Edits change only the text stream; saving rebuilds it, re-reads and checks
// the result, and writes the whole file atomically or not at all.
#include "fsutil/fileid.h"
#include "pubengine/quill.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace vantrelle::pubengine {

class CompoundFile;

class Publication {
public:
    static constexpr qint64 kMaxFileSize = 256ll * 1024 * 1024;

    // Throws Failure naming the file and the reason.
    static Publication open(const QString &path);
    // A publication from bytes already in memory; name stands for the file in
    // descriptions.
    static Publication fromBytes(QByteArray bytes, const QString &name);

    Publication(Publication &&) noexcept;
    Publication &operator=(Publication &&) noexcept;
    ~Publication();

    const QString &name() const { return m_name; }
    const QuillStream &quill() const { return m_quill; }

    // Every occurrence, pairs applied one after another by repeated calls.
    // Occurrences the rules leave are counted in the result, not thrown;
    // texts with line or paragraph breaks throw.
    // The result lists the first listLimit occurrences with their surroundings.
    ReplaceResult replaceAll(const QString &find, const QString &replacement, bool matchCase,
                             std::size_t listLimit = 0);

    // The rebuilt, re-read and checked compound file. Throws when a check fails.
    QByteArray toBytes() const;
    // Writes toBytes() to path through a temporary file in the same folder.
    // Refuses the file this publication was opened from, by file identity.
    void saveAs(const QString &path) const;

private:
    Publication();
    void load(QByteArray bytes);
    [[noreturn]] void fail(const QString &what, const std::exception &e) const;

    QString m_name;
    QString m_path;
    // The file it was opened from, which a save never overwrites.
    std::optional<FileId> m_source;
    std::unique_ptr<CompoundFile> m_compound;
    QuillStream m_quill;
};

// "2 occurrences of “x” were left unchanged: …" for a result with left
// occurrences; empty otherwise.
QString describeLeft(const ReplaceResult &result, const QString &find);
// "it would change a field such as a page number" and the like.
QString leftReasonText(LeftReason reason);

} // namespace vantrelle::pubengine
