#pragma once
// A compound file (the container of a publication) read from memory. Opening
// reads every stream in full and refuses a file whose directory or chains are
// damaged, so that nothing of the source can go missing unnoticed. The engine
// only ever replaces a few streams: rewrite() copies every other stream byte
// for byte and keeps every entry's stored name, class id, state bits and times.
#include "pubengine/bytes.h"

#include <QByteArray>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace vantrelle::pubengine {

using StreamPath = std::vector<std::string>;

// Stream names that start with a control character. Its escape is octal,
// which ends after three digits: in "\x05DocumentSummaryInformation" the hex
// escape would take the D as well and name "]ocumentSummaryInformation".
inline constexpr char kSummaryStream[] = "\005SummaryInformation";
inline constexpr char kDocumentSummaryStream[] = "\005DocumentSummaryInformation";
inline constexpr char kCompObjStream[] = "\001CompObj";

class CompoundFile {
public:
    // Throws FormatError, in plain words, when the bytes are no compound file
    // or a damaged one.
    explicit CompoundFile(QByteArray bytes);
    ~CompoundFile();
    CompoundFile(const CompoundFile &) = delete;
    CompoundFile &operator=(const CompoundFile &) = delete;

    // The stream at path, or nullopt when there is none. Throws FormatError
    // when it is larger than limit.
    std::optional<Bytes> readStream(const StreamPath &path, std::size_t limit) const;

    // A new compound file with the stream at path holding data.
    QByteArray rewrite(const StreamPath &path, ByteView data) const;
    // The same with several streams given new data.
    using StreamEdits = std::map<StreamPath, Bytes>;
    QByteArray rewrite(const StreamEdits &edits) const;

    // Paths of the entries that other does not hold exactly as this file
    // does (stream data, stored name, class id, state bits, times), leaving
    // out the stream at except. Empty when the two match.
    std::vector<std::string> differences(const CompoundFile &other, const StreamPath &except) const;
    std::vector<std::string> differences(const CompoundFile &other,
                                         const std::vector<StreamPath> &except) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace vantrelle::pubengine
