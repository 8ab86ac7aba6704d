#pragma once
// A compound file (the container of a publication) read from memory through
// libgsf. The engine only ever replaces one stream: rewrite() copies every
// other stream byte for byte and recreates every storage with its class id
// and modification time.
#include "pubengine/bytes.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>

namespace vantrelle::pubengine {

class CompoundFile {
public:
    // Throws FormatError when the bytes are no compound file.
    explicit CompoundFile(QByteArray bytes);
    ~CompoundFile();
    CompoundFile(const CompoundFile &) = delete;
    CompoundFile &operator=(const CompoundFile &) = delete;

    // The stream at path, or nullopt when there is none. Throws FormatError
    // when it is larger than limit or cannot be read.
    std::optional<Bytes> readStream(const std::vector<std::string> &path, std::size_t limit) const;

    // A new compound file with the stream at path holding data.
    QByteArray rewrite(const std::vector<std::string> &path, ByteView data) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace vantrelle::pubengine
