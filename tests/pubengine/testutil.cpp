#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace vantrelle::pubengine::test {

QString corpusDir()
{
    const QByteArray env = qgetenv("VANTRELLE_CORPUS_DIR");
    return env.isEmpty() ? QStringLiteral(VANTRELLE_CORPUS_DIR) : QString::fromLocal8Bit(env);
}

bool haveCorpus()
{
    return QFileInfo(corpusFile(QStringLiteral("Sample.pub"))).isFile();
}

QString corpusFile(const QString &name)
{
    return QDir(corpusDir()).filePath(name);
}

QStringList corpusPublications()
{
    QStringList out;
    const QStringList names =
        QDir(corpusDir()).entryList({QStringLiteral("*.pub")}, QDir::Files, QDir::Name);
    for (const QString &n : names) {
        if (!n.startsWith(QLatin1String("bad-")))
            out << corpusFile(n);
    }
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString qs(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const vantrelle::Failure &e) {
        return e.description();
    }
    return {};
}

namespace {

struct Entry {
    const char *type;
    const char *tag;
    std::uint16_t id;
    Bytes data;
    bool page;
};

Bytes plcHeader(std::uint32_t n, std::uint32_t format, std::uint32_t constant)
{
    Bytes b;
    appendU32(b, n);
    appendU32(b, format);
    appendU32(b, constant);
    return b;
}

Bytes record(const std::vector<std::pair<std::uint8_t, std::uint32_t>> &props)
{
    PropertyRecord r;
    for (const auto &[id, v] : props)
        r.setU32(id, 0x22, v);
    Bytes out;
    r.encodeTo(out);
    return out;
}

std::vector<Entry> pages(const char *type, const std::vector<std::uint32_t> &ends,
                         std::size_t perPage)
{
    std::vector<Entry> out;
    std::uint32_t first = 0;
    for (std::size_t at = 0, id = 0; at < ends.size(); at += perPage, ++id) {
        const std::size_t n = std::min(perPage, ends.size() - at);
        Bytes d(512, 0);
        writeU16(d, 0, static_cast<std::uint16_t>(n));
        writeU16(d, 2, 1);
        writeU32(d, 4, first);
        for (std::size_t i = 0; i < n; ++i) {
            // A record of its own per run, packed from the end of the page down.
            const auto rec = static_cast<std::uint16_t>(512 - 10 * (i + 1));
            writeU32(d, rec, 10);
            d[rec + 4] = 0x0C;
            d[rec + 5] = 0x22;
            writeU32(d, rec + 6, static_cast<std::uint32_t>(at + i + 1));
            writeU32(d, 8 + 4 * i, 512 + 2 * ends[at + i]);
            writeU16(d, 8 + 4 * n + 2 * i, rec);
        }
        first = 512 + 2 * ends[at + n - 1];
        out.push_back({type, type, static_cast<std::uint16_t>(id), d, true});
    }
    return out;
}

Bytes binTable(const std::vector<Entry> &pageEntries, const std::vector<std::uint32_t> &offsets)
{
    Bytes b = plcHeader(static_cast<std::uint32_t>(pageEntries.size()), 4, 0);
    appendU32(b, 0);
    for (const Entry &e : pageEntries)
        appendU32(b, readU32(e.data, 8 + 4 * (readU16(e.data, 0) - 1)));
    for (std::uint32_t o : offsets)
        appendU32(b, o);
    return b;
}

} // namespace

Bytes buildStream(const SynthStream &synth)
{
    std::u16string text;
    std::vector<std::uint32_t> paraEnds;
    std::vector<std::uint32_t> storyEnds;
    for (const std::u16string &s : synth.stories) {
        for (char16_t c : s) {
            text += c;
            if (c == u'\r')
                paraEnds.push_back(static_cast<std::uint32_t>(text.size()));
        }
        storyEnds.push_back(static_cast<std::uint32_t>(text.size()));
    }
    const std::vector<std::uint32_t> charEnds = synth.charEnds.empty() ? storyEnds : synth.charEnds;

    std::vector<Entry> entries;
    Bytes t;
    for (char16_t c : text)
        appendU16(t, c);
    // A publication without stories may have no text chunk at all.
    if (!synth.stories.empty())
        entries.push_back({"TEXT", "TEXT", 0, t, false});

    Bytes syid;
    appendU32(syid, static_cast<std::uint32_t>(synth.stories.size()) + 1);
    appendU32(syid, static_cast<std::uint32_t>(synth.stories.size()));
    for (std::size_t k = 0; k < synth.stories.size(); ++k)
        appendU32(syid, static_cast<std::uint32_t>(k + 1));
    entries.push_back({"SYID", "SYID", 0, syid, false});

    for (const auto &[story, values] : synth.cells) {
        Bytes b = plcHeader(static_cast<std::uint32_t>(values.size() - 1), 0, 0xFF00);
        for (std::uint32_t v : values)
            appendU32(b, v);
        entries.push_back({"TCD ", "PLC ", static_cast<std::uint16_t>(story), b, false});
    }
    for (const auto &[story, toks] : synth.tokens) {
        Bytes b = plcHeader(static_cast<std::uint32_t>(toks.size()), 12, 0x1FFFF);
        for (const SynthToken &tk : toks)
            appendU32(b, tk.start);
        appendU32(b, static_cast<std::uint32_t>(synth.stories[story].size()));
        for (std::size_t i = 0; i < toks.size(); ++i) {
            // Delta-coded: a record holds only what differs from the previous token.
            std::vector<std::pair<std::uint8_t, std::uint32_t>> props;
            if (i == 0)
                props.push_back({0, toks[i].kind == -5 ? 0u : 0x8C0u});
            if (i == 0 || toks[i].length != toks[i - 1].length)
                props.push_back({1, toks[i].length});
            if (i == 0 || toks[i].kind != toks[i - 1].kind)
                props.push_back({2, static_cast<std::uint32_t>(toks[i].kind)});
            const Bytes r = record(props);
            b.insert(b.end(), r.begin(), r.end());
        }
        for (std::size_t i = 0; i < toks.size(); ++i) {
            const Bytes r = i == 0 ? record({{0, 0xFFFFFFFF}}) : record({});
            b.insert(b.end(), r.begin(), r.end());
        }
        b.resize(b.size() + 20, 0); // empty string table
        entries.push_back({"TOKN", "PLC ", static_cast<std::uint16_t>(story), b, false});
    }
    Bytes strs = plcHeader(static_cast<std::uint32_t>(synth.stories.size()), 8, 0xFF);
    for (const std::u16string &s : synth.stories)
        appendU32(strs, static_cast<std::uint32_t>(s.size()));
    appendU32(strs, 0);
    for (std::size_t k = 0; k < synth.stories.size(); ++k) {
        const Bytes r = record({{0, 5}});
        strs.insert(strs.end(), r.begin(), r.end());
    }
    entries.push_back({"STRS", "PLC ", 0, strs, false});

    const std::vector<Entry> charPages = pages("FDPC", charEnds, synth.runsPerPage);
    const std::vector<Entry> paraPages = pages("FDPP", paraEnds, synth.runsPerPage);
    // Bin tables come before the pages and need their offsets: lay out twice.
    const std::size_t binsAt = entries.size();
    entries.push_back({"BTEC", "PLC ", 0,
                       binTable(charPages, std::vector<std::uint32_t>(charPages.size())), false});
    entries.push_back({"BTEP", "PLC ", 0,
                       binTable(paraPages, std::vector<std::uint32_t>(paraPages.size())), false});
    entries.insert(entries.end(), charPages.begin(), charPages.end());
    entries.insert(entries.end(), paraPages.begin(), paraPages.end());

    std::vector<std::uint32_t> offsets;
    std::uint32_t cur = 512;
    for (const Entry &e : entries) {
        if (e.page)
            cur = (cur + 511) / 512 * 512;
        offsets.push_back(cur);
        cur += static_cast<std::uint32_t>(e.data.size());
    }
    std::vector<std::uint32_t> charOffsets(offsets.begin() + binsAt + 2,
                                           offsets.begin() + binsAt + 2 + charPages.size());
    std::vector<std::uint32_t> paraOffsets(offsets.begin() + binsAt + 2 + charPages.size(),
                                           offsets.end());
    entries[binsAt].data = binTable(charPages, charOffsets);
    entries[binsAt + 1].data = binTable(paraPages, paraOffsets);

    const std::uint32_t total = (cur + 511) / 512 * 512;
    Bytes out(total, 0);
    std::copy_n("CHNKINK ", 8, out.begin());
    writeU16(out, 8, 4);
    writeU16(out, 10, 7);
    writeU16(out, 12, static_cast<std::uint16_t>(entries.size()));
    writeU16(out, 14, 0x300);
    writeU32(out, 16, 512);
    writeU32(out, 20, total);
    writeU16(out, 0x18, 0x1F8);
    writeU16(out, 0x1A, static_cast<std::uint16_t>(entries.size()));
    writeU32(out, 0x1C, 0xFFFFFFFF);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t e = 0x20 + 24 * i;
        writeU16(out, e, 24);
        std::copy_n(entries[i].type, 4, out.begin() + e + 2);
        writeU16(out, e + 6, entries[i].id);
        writeU32(out, e + 8, 1);
        std::copy_n(entries[i].tag, 4, out.begin() + e + 12);
        writeU32(out, e + 16, offsets[i]);
        writeU32(out, e + 20, static_cast<std::uint32_t>(entries[i].data.size()));
        std::copy(entries[i].data.begin(), entries[i].data.end(), out.begin() + offsets[i]);
    }
    return out;
}

std::vector<QString> describe(const QuillStream &q)
{
    std::vector<QString> out;
    const QString text = qs(q.text());
    std::map<Bytes, int> formats;
    const std::vector<TextRun> paras = q.paragraphs();
    const std::vector<TextRun> runs = q.characterRuns();
    for (std::size_t k = 0; k < q.storyCount(); ++k) {
        const std::uint32_t s = q.storyStart(k);
        const std::uint32_t e = s + q.storyLength(k);
        out.push_back(QStringLiteral("story %1").arg(k));
        for (const TextRun &p : paras) {
            if (p.start >= s && p.start < e)
                out.push_back(QStringLiteral("para [%1]").arg(text.mid(p.start, p.end - p.start)));
        }
        for (const TextRun &r : runs) {
            if (r.end > s && r.start < e) {
                const int id = formats.emplace(r.record, int(formats.size())).first->second;
                const std::uint32_t a = std::max(r.start, s);
                const std::uint32_t b = std::min(r.end, e);
                out.push_back(QStringLiteral("run [%1] fmt %2").arg(text.mid(a, b - a)).arg(id));
            }
        }
        const QString story = qs(q.story(k));
        for (const Token &t : q.tokens(k))
            out.push_back(QStringLiteral("token [%1] kind %2 target %3")
                              .arg(story.mid(t.start, t.length))
                              .arg(t.kind)
                              .arg(qs(t.target)));
        std::uint32_t prev = 0;
        for (std::uint32_t v : q.cellEnds(k)) {
            out.push_back(QStringLiteral("cell [%1]").arg(story.mid(prev, v - prev)));
            prev = v + 1;
        }
    }
    return out;
}

QString substitute(QString text, const std::vector<std::pair<QString, QString>> &pairs,
                   bool matchCase)
{
    for (const auto &[f, r] : pairs)
        text.replace(f, r, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return text;
}

std::vector<QString> expectedDescription(const QuillStream &original,
                                         const std::vector<std::pair<QString, QString>> &pairs,
                                         bool matchCase)
{
    std::vector<QString> out = describe(original);
    static const QRegularExpression bracket(QStringLiteral("^(\\w+ \\[)(.*)(\\].*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (QString &line : out) {
        const QRegularExpressionMatch m = bracket.match(line);
        if (m.hasMatch())
            line = m.captured(1) + substitute(m.captured(2), pairs, matchCase) + m.captured(3);
    }
    return out;
}

QStringList pub2raw(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pub2raw"), {path});
    if (!p.waitForFinished(30000))
        return {};
    const QByteArray out = p.readAllStandardOutput();
    QStringList lines;
    for (const QByteArray &l : out.split('\n')) {
        if (!l.contains("setDocumentMetaData"))
            lines << QString::fromUtf8(l);
    }
    return lines.size() > 5 ? lines : QStringList();
}

QStringList substituteTrace(const QStringList &trace,
                            const std::vector<std::pair<QString, QString>> &pairs, bool matchCase)
{
    static const QRegularExpression insert(QStringLiteral("^(\\s*insertText \\()(.*)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keyword(
        QStringLiteral("^\\s*(open|close|insert|start|end|set|draw|define)[A-Z]\\w*( ?\\(|$)"));
    QStringList out;
    for (const QString &line : trace) {
        const QRegularExpressionMatch m = insert.match(line);
        if (m.hasMatch())
            out << m.captured(1) + substitute(m.captured(2), pairs, matchCase);
        else if (keyword.match(line).hasMatch())
            out << line;
        else
            out << substitute(line, pairs, matchCase);
    }
    return out;
}

} // namespace vantrelle::pubengine::test
