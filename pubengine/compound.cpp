#include "pubengine/compound.h"

#include "pubengine/cfb.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <mutex>

namespace vantrelle::pubengine {

namespace {

struct Unref {
    void operator()(gpointer p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template <typename T> using GPtr = std::unique_ptr<T, Unref>;

struct ErrorFree {
    void operator()(GError *e) const
    {
        if (e)
            g_error_free(e);
    }
};

// Storages nest only a few levels in publications; a deeper tree is damage.
constexpr std::size_t kMaxDepth = 16;

// libgsf reports much of what it finds wrong in a file only as a GLib
// warning or critical, and goes on without the part concerned. A capture
// collects what libgsf logs on its own thread while it lives, so that each
// open, possibly on several threads at once, learns of its own file's damage.
class LogCapture {
public:
    LogCapture() : m_previous(t_current) { t_current = this; }
    ~LogCapture() { t_current = m_previous; }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    bool complained() const { return m_complaints > 0; }

    static void handler(const gchar *domain, GLogLevelFlags level, const gchar *message, gpointer)
    {
        if (LogCapture *capture = t_current) {
            if (level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING))
                ++capture->m_complaints;
            return;
        }
        g_log_default_handler(domain, level, message, nullptr);
    }

private:
    static thread_local LogCapture *t_current;
    LogCapture *m_previous;
    int m_complaints = 0;
};

thread_local LogCapture *LogCapture::t_current = nullptr;

void initGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        const auto levels =
            static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                        G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
        // Some of libgsf's sources log without a domain of their own.
        for (const char *domain : {"libgsf", "libgsf:msole", "libgsf:utils", "GLib-GObject",
                                   static_cast<const char *>(nullptr)})
            g_log_set_handler(domain, levels, &LogCapture::handler, nullptr);
    });
}

bool isStorage(GsfInput *child)
{
    return GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
}

struct Node {
    std::string name;
    bool storage = false;
    Bytes data;
    std::vector<Node> children;
};

void readTree(GsfInfile *in, Node &node, std::size_t depth)
{
    if (depth > kMaxDepth)
        throw FormatError("the file is damaged: its folders nest too deeply");
    const int n = gsf_infile_num_children(in);
    for (int i = 0; i < n; ++i) {
        const char *name = gsf_infile_name_by_index(in, i);
        GPtr<GsfInput> child(gsf_infile_child_by_index(in, i));
        if (!child || !name)
            throw FormatError("the file is damaged: one of its parts cannot be read");
        Node c;
        c.name = name;
        c.storage = isStorage(child.get());
        if (c.storage) {
            readTree(GSF_INFILE(child.get()), c, depth + 1);
        } else {
            const gsf_off_t size = gsf_input_size(child.get());
            if (size < 0)
                throw FormatError("the file is damaged: its part \"" + c.name +
                                  "\" cannot be read");
            c.data.resize(static_cast<std::size_t>(size));
            if (size > 0 && !gsf_input_read(child.get(), c.data.size(), c.data.data()))
                throw FormatError("the file is damaged: its part \"" + c.name +
                                  "\" cannot be read in full");
        }
        node.children.push_back(std::move(c));
    }
}

// Whether libgsf read the same tree as the directory lists, entry for entry.
bool sameShape(const Node &node, const cfb::Directory &dir, std::size_t entry)
{
    const auto &kids = dir.entries[entry].children;
    if (node.children.size() != kids.size())
        return false;
    for (const Node &c : node.children) {
        const auto it = std::find_if(kids.begin(), kids.end(), [&](std::size_t k) {
            return dir.entries[k].name == c.name && dir.entries[k].storage == c.storage &&
                   (c.storage || dir.entries[k].size == c.data.size());
        });
        if (it == kids.end() || !sameShape(c, dir, *it))
            return false;
    }
    return true;
}

void writeTree(const Node &node, GsfOutfile *out, const CompoundFile::StreamEdits &edits,
               StreamPath &at, std::size_t &written)
{
    for (const Node &c : node.children) {
        at.push_back(c.name);
        GPtr<GsfOutput> oc(gsf_outfile_new_child(out, c.name.c_str(), c.storage));
        if (!oc)
            throw Failure("the compound file cannot be written");
        if (c.storage) {
            writeTree(c, GSF_OUTFILE(oc.get()), edits, at, written);
        } else {
            const auto edit = edits.find(at);
            const ByteView bytes = edit != edits.end() ? ByteView(edit->second) : ByteView(c.data);
            if (!bytes.empty() && !gsf_output_write(oc.get(), bytes.size(), bytes.data()))
                throw Failure("the compound file cannot be written");
            written += edit != edits.end();
        }
        if (!gsf_output_close(oc.get()))
            throw Failure("the compound file cannot be written");
        at.pop_back();
    }
}

void compareTrees(const Node &a, const Node &b, const std::vector<StreamPath> &except,
                  StreamPath &at, const std::string &prefix, std::vector<std::string> &out)
{
    for (const Node &c : a.children) {
        const std::string path = prefix + c.name;
        const auto it = std::find_if(b.children.begin(), b.children.end(), [&](const Node &d) {
            return d.name == c.name && d.storage == c.storage;
        });
        if (it == b.children.end()) {
            out.push_back(path);
            continue;
        }
        at.push_back(c.name);
        if (c.storage)
            compareTrees(c, *it, except, at, path + "/", out);
        else if (std::find(except.begin(), except.end(), at) == except.end() && c.data != it->data)
            out.push_back(path);
        at.pop_back();
    }
    if (a.children.size() != b.children.size())
        out.push_back(prefix + "*");
}

} // namespace

struct CompoundFile::Impl {
    Node root;
    cfb::Directory directory;
};

CompoundFile::CompoundFile(QByteArray bytes) : m_impl(std::make_unique<Impl>())
{
    initGsf();
    const ByteView view(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    m_impl->directory = cfb::read(view);
    LogCapture capture;
    GPtr<GsfInput> input(gsf_input_memory_new(view.data(), bytes.size(), FALSE));
    if (!input)
        throw FormatError("it cannot be read into memory");
    GError *raw = nullptr;
    GPtr<GsfInfile> root(gsf_infile_msole_new(input.get(), &raw));
    std::unique_ptr<GError, ErrorFree> error(raw);
    if (!root)
        throw FormatError("the file is damaged: its directory cannot be read");
    readTree(root.get(), m_impl->root, 0);
    m_impl->root.storage = true;
    if (capture.complained() || !sameShape(m_impl->root, m_impl->directory, 0))
        throw FormatError("the file is damaged: some of its parts cannot be read in full");
}

CompoundFile::~CompoundFile() = default;

std::optional<Bytes> CompoundFile::readStream(const StreamPath &path, std::size_t limit) const
{
    const Node *node = &m_impl->root;
    for (const std::string &name : path) {
        const auto it = std::find_if(node->children.begin(), node->children.end(),
                                     [&](const Node &c) { return c.name == name; });
        if (it == node->children.end())
            return std::nullopt;
        node = &*it;
    }
    if (node->storage)
        return std::nullopt;
    if (node->data.size() > limit)
        throw FormatError("the text stream is larger than any publication's");
    return node->data;
}

QByteArray CompoundFile::rewrite(const StreamPath &path, ByteView data) const
{
    return rewrite(StreamEdits{{path, Bytes(data.begin(), data.end())}});
}

QByteArray CompoundFile::rewrite(const StreamEdits &edits) const
{
    LogCapture capture;
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> out(gsf_outfile_msole_new(sink.get()));
    if (!sink || !out)
        throw Failure("the compound file cannot be written");
    std::size_t written = 0;
    try {
        StreamPath at;
        writeTree(m_impl->root, out.get(), edits, at, written);
    } catch (...) {
        gsf_output_close(GSF_OUTPUT(out.get()));
        throw;
    }
    if (!gsf_output_close(GSF_OUTPUT(out.get())))
        throw Failure("the compound file cannot be written");
    if (written != edits.size())
        throw Failure("the compound file lost a stream being replaced");
    if (!gsf_output_is_closed(sink.get()))
        gsf_output_close(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    const gsf_off_t size = gsf_output_size(sink.get());
    if (!bytes || size <= 0 || capture.complained())
        throw Failure("the compound file cannot be written");
    Bytes result(bytes, bytes + size);
    cfb::restoreEntries(result, m_impl->directory);
    return QByteArray(reinterpret_cast<const char *>(result.data()),
                      static_cast<qsizetype>(result.size()));
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
    compareTrees(m_impl->root, other.m_impl->root, except, at, "", out);
    return out;
}

} // namespace vantrelle::pubengine
