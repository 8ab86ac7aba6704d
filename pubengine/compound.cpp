#include "pubengine/compound.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-impl.h>
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
constexpr int kMaxDepth = 16;

void initGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // libgsf logs what it finds wrong in a damaged file; the engine
        // reports the failure itself, naming the file, so keep stderr quiet.
        const auto quiet =
            static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                        G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
        for (const char *domain : {"libgsf", "libgsf:msole", "libgsf:utils"})
            g_log_set_handler(
                domain, quiet, [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {},
                nullptr);
    });
}

bool isStorage(GsfInput *child)
{
    return GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
}

void copyTree(GsfInfile *in, GsfOutfile *out, const std::vector<std::string> &path,
              std::size_t depth, bool onPath, ByteView data, bool &written)
{
    if (depth > kMaxDepth)
        throw FormatError("the compound file nests its storages too deeply");
    const int n = gsf_infile_num_children(in);
    for (int i = 0; i < n; ++i) {
        const char *name = gsf_infile_name_by_index(in, i);
        GPtr<GsfInput> child(gsf_infile_child_by_index(in, i));
        if (!child || !name)
            throw FormatError("the compound file has an entry that cannot be read");
        const bool storage = isStorage(child.get());
        const bool childOnPath = onPath && depth < path.size() && path[depth] == name;
        GPtr<GsfOutput> oc(gsf_outfile_new_child(out, name, storage));
        if (!oc)
            throw Failure("the compound file cannot be written");
        if (storage) {
            guint8 clsid[16];
            if (gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(child.get()), clsid))
                gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(oc.get()), clsid);
            if (GDateTime *mt = gsf_input_get_modtime(child.get()))
                gsf_output_set_modtime(oc.get(), mt);
            copyTree(GSF_INFILE(child.get()), GSF_OUTFILE(oc.get()), path, depth + 1, childOnPath,
                     data, written);
        } else if (childOnPath && depth + 1 == path.size()) {
            if (!data.empty() && !gsf_output_write(oc.get(), data.size(), data.data()))
                throw Failure("the compound file cannot be written");
            written = true;
        } else if (!gsf_input_copy(child.get(), oc.get())) {
            throw FormatError("a stream of the compound file cannot be read");
        }
        if (!gsf_output_close(oc.get()))
            throw Failure("the compound file cannot be written");
    }
}

} // namespace

struct CompoundFile::Impl {
    QByteArray bytes;
    GPtr<GsfInput> input;
    GPtr<GsfInfile> root;
};

CompoundFile::CompoundFile(QByteArray bytes) : m_impl(std::make_unique<Impl>())
{
    initGsf();
    m_impl->bytes = std::move(bytes);
    m_impl->input.reset(gsf_input_memory_new(
        reinterpret_cast<const guint8 *>(m_impl->bytes.constData()), m_impl->bytes.size(), FALSE));
    if (!m_impl->input)
        throw FormatError("it cannot be read into memory");
    GError *raw = nullptr;
    m_impl->root.reset(gsf_infile_msole_new(m_impl->input.get(), &raw));
    std::unique_ptr<GError, ErrorFree> error(raw);
    if (!m_impl->root)
        throw FormatError("it is not a compound file, the container every publication uses");
}

CompoundFile::~CompoundFile() = default;

std::optional<Bytes> CompoundFile::readStream(const std::vector<std::string> &path,
                                              std::size_t limit) const
{
    GPtr<GsfInfile> dir(GSF_INFILE(g_object_ref(m_impl->root.get())));
    GPtr<GsfInput> stream;
    for (std::size_t i = 0; i < path.size(); ++i) {
        GPtr<GsfInput> child(gsf_infile_child_by_name(dir.get(), path[i].c_str()));
        if (!child)
            return std::nullopt;
        const bool last = i + 1 == path.size();
        if (isStorage(child.get()) == last)
            return std::nullopt;
        if (last) {
            stream = std::move(child);
        } else {
            dir.reset(GSF_INFILE(child.release()));
        }
    }
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || std::uint64_t(size) > limit)
        throw FormatError("the text stream is larger than any publication's");
    Bytes out(static_cast<std::size_t>(size));
    if (size > 0 && !gsf_input_read(stream.get(), out.size(), out.data()))
        throw FormatError("the text stream cannot be read from the compound file");
    return out;
}

QByteArray CompoundFile::rewrite(const std::vector<std::string> &path, ByteView data) const
{
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> out(gsf_outfile_msole_new(sink.get()));
    if (!sink || !out)
        throw Failure("the compound file cannot be written");
    guint8 clsid[16];
    if (gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(m_impl->root.get()), clsid))
        gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(out.get()), clsid);
    if (GDateTime *mt = gsf_input_get_modtime(GSF_INPUT(m_impl->root.get())))
        gsf_output_set_modtime(GSF_OUTPUT(out.get()), mt);
    bool written = false;
    try {
        copyTree(m_impl->root.get(), out.get(), path, 0, true, data, written);
    } catch (...) {
        gsf_output_close(GSF_OUTPUT(out.get()));
        throw;
    }
    if (!gsf_output_close(GSF_OUTPUT(out.get())))
        throw Failure("the compound file cannot be written");
    if (!written)
        throw Failure("the compound file lost the stream being replaced");
    if (!gsf_output_is_closed(sink.get()))
        gsf_output_close(sink.get());
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    const gsf_off_t size = gsf_output_size(sink.get());
    if (!bytes || size <= 0)
        throw Failure("the compound file cannot be written");
    return QByteArray(reinterpret_cast<const char *>(bytes), static_cast<qsizetype>(size));
}

} // namespace vantrelle::pubengine
