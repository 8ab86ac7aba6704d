// Beyond the stories: link addresses, document properties and WordArt,
// checked with readers other than the engine (Apache POI, libgsf, olefile,
// libmspub) where they read the part concerned.
#include "pubengine/compound.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef VANTRELLE_TEST_GSF
#include <gsf/gsf-clip-data.h>
#include <gsf/gsf-doc-meta-data.h>
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-msole-utils.h>
#include <gsf/gsf-utils.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace vantrelle;
using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

QString writeTemp(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

// What another program prints for path; nullopt when it cannot run.
std::optional<QString> run(const QString &program, const QStringList &args)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Apache POI's list of link addresses, through the reader in tests/support.
std::optional<QString> poiLinks(const QString &path)
{
    const QString jars = QStringLiteral("/usr/share/java/");
    QStringList classPath;
    for (const char *jar : {"poi", "poi-scratchpad", "commons-collections4", "commons-math3"})
        classPath << jars + QLatin1String(jar) + QStringLiteral(".jar");
    if (!QFile::exists(classPath[1]))
        return std::nullopt;
    return run(QStringLiteral("java"),
               {QStringLiteral("-cp"), classPath.join(u':'),
                QStringLiteral(VANTRELLE_SOURCE_DIR "/tests/support/PubLinks.java"), path});
}

#ifdef VANTRELLE_TEST_GSF
// libgsf's reading of both summary streams: property name → value, the
// thumbnail as its bytes.
std::map<std::string, std::string> gsfProperties(const QByteArray &file)
{
    std::map<std::string, std::string> out;
    GsfInput *input = gsf_input_memory_new(reinterpret_cast<const guint8 *>(file.constData()),
                                           file.size(), FALSE);
    GsfInfile *ole = gsf_infile_msole_new(input, nullptr);
    for (const char *name : {"\005SummaryInformation", "\005DocumentSummaryInformation"}) {
        GsfInput *stream = gsf_infile_child_by_name(ole, name);
        GsfDocMetaData *meta = gsf_doc_meta_data_new();
        if (GError *e = gsf_doc_meta_data_read_from_msole(meta, stream))
            g_error_free(e);
        gsf_doc_meta_data_foreach(
            meta,
            [](gpointer key, gpointer value, gpointer user) {
                const GValue *v = gsf_doc_prop_get_val(static_cast<GsfDocProp *>(value));
                std::string text;
                if (G_VALUE_HOLDS_OBJECT(v) && GSF_IS_CLIP_DATA(g_value_get_object(v))) {
                    gsize size = 0;
                    const auto *data = static_cast<const char *>(gsf_clip_data_peek_real_data(
                        GSF_CLIP_DATA(g_value_get_object(v)), &size, nullptr));
                    text.assign(data, size);
                } else {
                    gchar *s = g_strdup_value_contents(v);
                    text = s;
                    g_free(s);
                }
                (*static_cast<std::map<std::string, std::string> *>(
                    user))[static_cast<const char *>(key)] = text;
            },
            &out);
        g_object_unref(meta);
        g_object_unref(stream);
    }
    g_object_unref(ole);
    g_object_unref(input);
    return out;
}
#endif

// Sample.pub with a WordArt shape holding text appended to its drawing stream.
QByteArray withWordArt(const std::u16string &text)
{
    const QByteArray source = readFile(corpusFile(QStringLiteral("Sample.pub")));
    const CompoundFile file(source);
    Bytes drawing = *file.readStream({"Escher", "EscherStm"}, std::size_t(source.size()));
    Bytes value;
    for (char16_t c : text + u'\0')
        appendU16(value, c);
    Bytes options;
    appendU16(options, 0x00C0 | 0x8000); // the WordArt text, a complex property
    appendU32(options, static_cast<std::uint32_t>(value.size()));
    options.insert(options.end(), value.begin(), value.end());
    Bytes shape;
    appendU16(shape, 0x0013); // one property, version 3
    appendU16(shape, 0xF00B);
    appendU32(shape, static_cast<std::uint32_t>(options.size()));
    shape.insert(shape.end(), options.begin(), options.end());
    appendU16(drawing, 0x000F); // a shape container
    appendU16(drawing, 0xF004);
    appendU32(drawing, static_cast<std::uint32_t>(shape.size()));
    drawing.insert(drawing.end(), shape.begin(), shape.end());
    return file.rewrite({"Escher", "EscherStm"}, drawing);
}

} // namespace

TEST(Places, linkAddressesChangeOnEveryLinkWithTheOldOneAndTheTextStaysAsItWas)
{
    REQUIRE_CORPUS();
    const QString source = corpusFile(QStringLiteral("Sample.pub"));
    Publication pub = Publication::open(source);
    const std::vector<QString> before = describe(pub.quill());
    const ReplaceResult r = pub.replaceAll(QStringLiteral("POI.apache.org"),
                                           QStringLiteral("example.org"), false, 10, {true, false});
    EXPECT_EQ(r.replaced, 0u);
    EXPECT_EQ(r.inLinks, 3u);
    ASSERT_EQ(r.changes.size(), 3u);
    EXPECT_EQ(qs(r.changes[0].after.lead + r.changes[0].after.text + r.changes[0].after.trail),
              QStringLiteral("http://example.org/"));
    EXPECT_EQ(r.changes[0].place, u"link address");

    QTemporaryDir dir;
    const QString out = writeTemp(dir, QStringLiteral("links.pub"), pub.toBytes());
    std::vector<QString> expected = before;
    for (QString &line : expected)
        line.replace(QStringLiteral("poi.apache.org"), QStringLiteral("example.org"));
    EXPECT_EQ(describe(Publication::open(out).quill()), expected);
    // libmspub does not read addresses: its trace must not change at all.
    EXPECT_EQ(pub2raw(out), pub2raw(source));
    const std::optional<QString> poiBefore = poiLinks(source);
    const std::optional<QString> poiAfter = poiLinks(out);
    if (!poiBefore || !poiAfter)
        GTEST_SKIP() << "Java or Apache POI is not installed: POI's reading not checked";
    EXPECT_EQ(*poiAfter, QString(*poiBefore).replace(QStringLiteral("poi.apache.org"),
                                                     QStringLiteral("example.org")));
    EXPECT_TRUE(poiAfter->contains(QStringLiteral("mailto:dev@example.org?subject=HPBF")));
}

TEST(Places, documentPropertiesChangeAsOtherReadersSeeThemAndNothingElseDoes)
{
    REQUIRE_CORPUS();
#ifndef VANTRELLE_TEST_GSF
    GTEST_SKIP() << "built without libgsf: the properties are not checked with it";
#else
    const QString source = corpusFile(QStringLiteral("Sample.pub"));
    const std::map<std::string, std::string> original = gsfProperties(readFile(source));
    ASSERT_EQ(original.at("dc:creator"), "\"Nick Burch\"");
    ASSERT_EQ(original.count("gsf:thumbnail"), 1u);
    // The same stored size, and one long enough to move the thumbnail.
    for (const QString &author : {QStringLiteral("A. Author"),
                                 QStringLiteral("Nicholas Burch of the Apache Software Foundation")}) {
        Publication pub = Publication::open(source);
        const ReplaceResult r =
            pub.replaceAll(QStringLiteral("Nick Burch"), author, true, 10, {false, true});
        EXPECT_EQ(r.inProperties, 1u);
        ASSERT_EQ(r.changes.size(), 1u);
        EXPECT_EQ(r.changes[0].place, u"document property Author");
        QTemporaryDir dir;
        const QByteArray bytes = pub.toBytes();
        const QString out = writeTemp(dir, QStringLiteral("props.pub"), bytes);

        std::map<std::string, std::string> expected = original;
        expected["dc:creator"] = '"' + author.toStdString() + '"';
        EXPECT_EQ(gsfProperties(bytes), expected) << author.toStdString();
        EXPECT_EQ(Publication::open(out).documentProperties(),
                  (std::vector<std::pair<QString, QString>>{{"Author", author}}));
        const std::optional<QString> trace = run(QStringLiteral("pub2raw"), {out});
        if (trace) {
            EXPECT_TRUE(trace->contains(QStringLiteral("dc:creator: ") + author));
        }
        const std::optional<QString> ole =
            run(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import olefile,sys; print(olefile.OleFileIO(sys.argv[1])."
                                "get_metadata().author.decode('cp1252'))"),
                 out});
        if (ole) {
            EXPECT_EQ(ole->trimmed(), author);
        }
    }
#endif
}

TEST(Places, aReplacementThePropertysCodePageCannotHoldIsRefused)
{
    REQUIRE_CORPUS();
    Publication pub = Publication::open(corpusFile(QStringLiteral("Sample.pub")));
    try {
        pub.replaceAll(QStringLiteral("Nick"), QStringLiteral("Ник"), true, 0, {false, true});
        FAIL() << "no refusal";
    } catch (const Failure &e) {
        EXPECT_TRUE(e.description().contains(
            QStringLiteral("the document property Author is stored in code page 1252, which "
                           "cannot hold the replacement text")))
            << e.what();
    }
}

TEST(Places, wordArtIsCountedAsLeftNamedAndTheResultStillWritten)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    const QString source =
        writeTemp(dir, QStringLiteral("wordart.pub"), withWordArt(u"Acme Widgets since 1999"));
    const QString tool = QStringLiteral(VANTRELLE_REPLACE_TOOL);
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    QProcess p;
    p.start(tool, {QStringLiteral("--show-changes"), QStringLiteral("--pair"),
                   QStringLiteral("acme"), QStringLiteral("Apex"), QStringLiteral("--out-dir"),
                   dir.filePath(QStringLiteral("out")), source});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString printed = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("WordArt: “[Acme] Widgets since 1999” left "
                                                "unchanged: in WordArt, which is not edited")))
        << printed.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("out/wordart.pub"))));
}

TEST(Places, addressesPropertiesAndWordArtMatchAsTheTextDoes)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    const QString sample = corpusFile(QStringLiteral("Sample.pub"));
    const QString wordArt =
        writeTemp(dir, QStringLiteral("wordart.pub"), withWordArt(u"Acme Widgets since 1999"));
    const struct {
        QString source, find, replacement;
        MatchOptions options;
        std::size_t inLinks, inProperties, leftInWordArt;
        std::u16string firstAfter; // the first change outside the stories, after
    } rows[] = {
        {sample, R"(poi\.apache\.(org))", "example.$1", {false, false, true}, 3, 0, 0,
         u"http://example.org/"},
        {sample, "POI.apache.org", "example.org", {true, false, false}, 0, 0, 0, u""},
        {sample, "poi.apach", "x", {false, true, false}, 0, 0, 0, u""},
        {sample, R"((\w+) Burch)", "$1 B.", {true, false, true}, 0, 1, 0, u"Nick B."},
        {sample, "nick burch", "A. Author", {true, false, false}, 0, 0, 0, u""},
        {wordArt, "acme", "Apex", {false, true, false}, 0, 0, 1, u"Acme Widgets since 1999"},
        {wordArt, "acm", "Apex", {false, true, false}, 0, 0, 0, u""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.find.toStdString());
        Publication pub = Publication::open(row.source);
        const ReplaceResult r =
            pub.replaceAll(row.find, row.replacement, row.options, 10, {true, true});
        EXPECT_EQ(r.inLinks, row.inLinks);
        EXPECT_EQ(r.inProperties, row.inProperties);
        EXPECT_EQ(r.left[static_cast<int>(LeftReason::WordArt)], row.leftInWordArt);
        const auto outside = std::find_if(r.changes.begin(), r.changes.end(),
                                          [](const ReplaceChange &c) { return !c.place.empty(); });
        if (!row.firstAfter.empty()) {
            ASSERT_NE(outside, r.changes.end());
            EXPECT_EQ(outside->after.lead + outside->after.text + outside->after.trail,
                      row.firstAfter);
        }
    }
}
