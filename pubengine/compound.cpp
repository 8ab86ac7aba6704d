#include "pubengine/compound.h"

#include "pubengine/cfb.h"

#include <algorithm>

namespace vantrelle::pubengine {

namespace {

// Storages nest only a few levels in publications; a deeper tree is damage.
constexpr std::size_t kMaxDepth = 16;

void checkDepth(const cfb::Directory &dir, std::size_t entry, std::size_t depth)
{
    if (depth > kMaxDepth)
        throw FormatError("the file is damaged: its folders nest too deeply");
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

void compareTrees(const cfb::Directory &a, std::size_t ia, const cfb::Directory &b,
                  std::size_t ib, const std::vector<StreamPath> &except, StreamPath &at,
                  const std::string &prefix, std::vector<std::string> &out)
{
    const auto &kidsB = b.entries[ib].children;
    for (std::size_t x : a.entries[ia].children) {
        const cfb::Entry &c = a.entries[x];
        const std::string path = prefix + c.name;
        const auto it = std::find_if(kidsB.begin(), kidsB.end(), [&](std::size_t y) {
            return b.entries[y].name == c.name && b.entries[y].storage == c.storage;
        });
        if (it == kidsB.end()) {
            out.push_back(path);
            continue;
        }
        at.push_back(c.name);
        if (c.storage)
            compareTrees(a, x, b, *it, except, at, path + "/", out);
        else if (std::find(except.begin(), except.end(), at) == except.end() &&
                 c.data != b.entries[*it].data)
            out.push_back(path);
        at.pop_back();
    }
    if (a.entries[ia].children.size() != kidsB.size())
        out.push_back(prefix + "*");
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
        throw FormatError("the text stream is larger than any publication's");
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
        throw Failure("the compound file lost a stream being replaced");
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
    std::vector<std::string> out =
        cfb::entryDifferences(m_impl->directory, other.m_impl->directory);
    StreamPath at;
    compareTrees(m_impl->directory, 0, other.m_impl->directory, 0, except, at, "", out);
    return out;
}

} // namespace vantrelle::pubengine
