#include "pubengine/compound.h"

#include "pubengine/cfb.h"
#include "pubengine/enginetext.h"

#include <algorithm>

namespace vantrelle::pubengine {

namespace {

// Storages nest only a few levels in publications; a deeper tree is damage.
constexpr std::size_t kMaxDepth = 16;

void checkDepth(const cfb::Directory &dir, std::size_t entry, std::size_t depth)
{
    if (depth > kMaxDepth)
        throw FormatError(
            QCoreApplication::translate("vantrelle::pubengine::EngineText",
                                        "the file is damaged: its folders nest too deeply"));
    for (std::size_t c : dir.entries[entry].children)
        checkDepth(dir, c, depth + 1);
}

cfb::Node nodeOf(const cfb::Directory &dir, std::size_t entry,
                 const CompoundFile::StreamEdits &edits, StreamPath &at, std::size_t &written)
{
    const cfb::Entry &e = dir.entries[entry];
    cfb::Node node;
    node.raw = e.raw;
    node.storage = e.storage;
    if (e.storage) {
        for (std::size_t c : e.children) {
            at.push_back(dir.entries[c].name);
            node.children.push_back(nodeOf(dir, c, edits, at, written));
            at.pop_back();
        }
    } else if (const auto edit = edits.find(at); edit != edits.end()) {
        node.data = edit->second;
        ++written;
    } else {
        node.data = e.data;
    }
    return node;
}

} // namespace

struct CompoundFile::Impl {
    cfb::Directory directory;
};

CompoundFile::CompoundFile(QByteArray bytes) : m_impl(std::make_unique<Impl>())
{
    const ByteView view(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    m_impl->directory = cfb::read(view);
    checkDepth(m_impl->directory, 0, 0);
}

CompoundFile::~CompoundFile() = default;

std::optional<Bytes> CompoundFile::readStream(const StreamPath &path, std::size_t limit) const
{
    const cfb::Directory &dir = m_impl->directory;
    std::size_t entry = 0;
    for (const std::string &name : path) {
        const auto &kids = dir.entries[entry].children;
        const auto it = std::find_if(kids.begin(), kids.end(),
                                     [&](std::size_t c) { return dir.entries[c].name == name; });
        if (it == kids.end())
            return std::nullopt;
        entry = *it;
    }
    if (dir.entries[entry].storage)
        return std::nullopt;
    if (dir.entries[entry].data.size() > limit)
        throw FormatError(EngineText::tr("the text stream is larger than any publication's"));
    return dir.entries[entry].data;
}

QByteArray CompoundFile::rewrite(const StreamPath &path, ByteView data) const
{
    return rewrite(StreamEdits{{path, Bytes(data.begin(), data.end())}});
}

QByteArray CompoundFile::rewrite(const StreamEdits &edits) const
{
    std::size_t written = 0;
    StreamPath at;
    const cfb::Node root = nodeOf(m_impl->directory, 0, edits, at, written);
    if (written != edits.size())
        throw Failure(EngineText::tr("the compound file lost a stream being replaced"));
    const Bytes out = cfb::write(root);
    return QByteArray(reinterpret_cast<const char *>(out.data()),
                      static_cast<qsizetype>(out.size()));
}

std::vector<std::string> CompoundFile::differences(const CompoundFile &other,
                                                   const StreamPath &except) const
{
    return differences(other, std::vector<StreamPath>{except});
}

std::vector<std::string> CompoundFile::differences(const CompoundFile &other,
                                                   const std::vector<StreamPath> &except) const
{
    return cfb::differences(m_impl->directory, other.m_impl->directory, except);
}

} // namespace vantrelle::pubengine
