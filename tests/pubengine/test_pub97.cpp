// Publications of Publisher 95 and 97 from the corpus, edited by the engine
// and read back by libmspub's pub2raw: every line but the text as before,
// the text as asked; undone, the stream as it was.
#include "pubengine/compound.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

QString pub97(const QString &name)
{
    return corpusFile(QStringLiteral("pub97/") + name);
}

#define REQUIRE_PUB97_CORPUS()                                                                     \
    do {                                                                                           \
        if (!QFileInfo::exists(pub97(QStringLiteral("essai97.pub"))))                              \
            GTEST_SKIP() << "Publisher 95 and 97 corpus not found at "                             \
                         << pub97({}).toStdString();                                               \
    } while (false)

Bytes contentsOf(const QByteArray &file)
{
    return *CompoundFile(file).readStream({"Contents"}, 1 << 24);
}

QByteArray withContents(const QByteArray &file, const Bytes &contents)
{
    return CompoundFile(file).rewrite({"Contents"}, contents);
}

// The file with byte `from` of its Contents at the first place after `after`
// turned into `to`.
QByteArray patched(const QByteArray &file, const QByteArray &after, std::uint8_t to, int at = 0)
{
    Bytes c = contentsOf(file);
    const QByteArray view(reinterpret_cast<const char *>(c.data()), qsizetype(c.size()));
    const qsizetype found = view.indexOf(after);
    EXPECT_GE(found, 0) << after.toStdString();
    c[std::size_t(found + after.size() + at)] = to;
    return withContents(file, c);
}

// A copy whose default font, Times New Roman, is in another character set.
QByteArray withCharset(const QByteArray &file, std::uint8_t charset)
{
    return patched(file, QByteArray("\x00\x94", 2) + "Times New Roman", charset, -17);
}

QString saved(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return path;
}

// pub2raw's trace without its text (spans that hold none left out, as a run
// an edit empties is removed), and the text, a paragraph a line.
struct Trace {
    QStringList structure;
    QString text;
};

// Empty when a and b are the same; else the first line where they part.
std::string difference(const QStringList &a, const QStringList &b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            return "line " + std::to_string(i) + ": " + a.value(i).toStdString() + " | " +
                   b.value(i).toStdString();
    }
    return {};
}

Trace split(const QStringList &lines, const Pairs &spanPairs = {})
{
    static const QRegularExpression insert(QStringLiteral("^\\s*insertText \\((.*)\\)$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    Trace t;
    QStringList structure;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m =
            i + 1 < lines.size() ? insert.match(lines[i + 1]) : QRegularExpressionMatch();
        if (lines[i].contains(QLatin1String("openSpan")) && m.hasMatch() &&
            i + 2 < lines.size() && substitute(m.captured(1), spanPairs, true).isEmpty()) {
            i += 2;
            continue;
        }
        const QRegularExpressionMatch text = insert.match(lines[i]);
        if (text.hasMatch())
            t.text += text.captured(1);
        else
            structure << lines[i];
        if (lines[i].contains(QLatin1String("closeParagraph")))
            t.text += u'\n';
    }
    t.structure = structure;
    return t;
}

QString allText(const Publication &pub)
{
    QString out;
    for (std::size_t k = 0; k < pub.storyCount(); ++k)
        out += qs(pub.story(k)) + u'\f';
    return out;
}

enum class Room { Same, InSlack, PastSlack };

} // namespace

TEST(Pub97, editsReadBackByLibmspubAsAskedAndUndoToTheSameStream)
{
    REQUIRE_PUB97_CORPUS();
    const QString longText(300, u'x');
    const struct Row {
        const char *file;
        const char *kind;
        Pairs pairs;
        Room room;
        bool undoes = true;
        std::uint8_t charset = 0; // of the default font; 0 leaves it
    } rows[] = {
        {"essai97.pub", "same length", {{"texte 1", "TEXTE 9"}}, Room::Same},
        {"essai97.pub", "grow within slack", {{"green style", "green style, grown"}}, Room::InSlack},
        {"essai97.pub", "grow past slack", {{"red 3", "red 3" + longText}}, Room::PastSlack},
        {"essai97.pub", "shrink", {{"verytight", "vt"}}, Room::InSlack},
        {"essai97.pub", "delete a whole run", {{"16pt", ""}}, Room::InSlack, false},
        {"essai97.pub", "across runs", {{"verdenavivaldi", "VERDENAVIVALDI"}}, Room::Same},
        {"essai97.pub", "another charset", {{"texte", "текст"}}, Room::Same, true, 204},
        {"test97.pub", "same length", {{"qssq", "QSSQ"}}, Room::Same},
        {"test97.pub", "next to a field", {{"qqsd", "qqsd and more"}}, Room::InSlack},
        {"test97.pub", "grow past slack", {{"green", "green" + longText + longText}}, Room::PastSlack},
        {"test97.pub", "shrink", {{"ebqssqdbsdqqsbdqsdsd", "ebq"}}, Room::InSlack},
        {"test97.pub", "delete", {{"green", ""}}, Room::InSlack, false},
        {"test97.pub", "linked story", {{"azeb", "AZEBX"}}, Room::InSlack},
        {"test97.pub", "another charset", {{"green", "зелёный"}}, Room::InSlack, true, 204},
        {"essaiv3.PUB", "same length", {{"col1", "COL1"}}, Room::Same},
        {"essaiv3.PUB", "grow within slack", {{"fancy", "fancy and plain"}}, Room::InSlack},
        {"essaiv3.PUB", "grow past slack", {{"squeeze", "squeeze" + longText}}, Room::PastSlack},
        {"essaiv3.PUB", "shrink", {{"smallcaps", "sc"}}, Room::InSlack},
        {"essaiv3.PUB", "delete a whole run", {{"bold", ""}}, Room::InSlack, false},
        {"essaiv3.PUB", "next to a field", {{"date 2", "Datum 2"}, {"time", "Zeit"}}, Room::InSlack},
        {"essaiv3.PUB", "another charset", {{"small text", "малый текст"}}, Room::InSlack, true, 204},
        {"testv3.PUB", "same length", {{"tight", "TIGHT"}}, Room::Same},
        {"testv3.PUB", "grow within slack", {{"normal", "normal text"}}, Room::InSlack},
        {"testv3.PUB", "grow past slack", {{"star", "star" + longText}}, Room::PastSlack},
        {"testv3.PUB", "shrink", {{"number continue", "numcont"}}, Room::InSlack},
        {"testv3.PUB", "another charset", {{"normal", "нормальный"}}, Room::InSlack, true, 1},
    };
    QTemporaryDir dir;
    for (const Row &row : rows) {
        const QString name = QString::fromLatin1(row.file);
        SCOPED_TRACE(name.toStdString() + ": " + row.kind);
        QByteArray source = readFile(pub97(name));
        if (row.charset)
            source = withCharset(source, row.charset);
        const QString sourcePath = saved(dir, QStringLiteral("source.pub"), source);
        Publication pub = Publication::fromBytes(source, name);
        const QString before = allText(pub);
        for (const auto &[find, replace] : row.pairs)
            pub.replaceAll(find, replace, true);
        const QString resultPath = dir.filePath(QStringLiteral("result.pub"));
        pub.saveAs(resultPath);

        const Publication back = Publication::open(resultPath);
        const QByteArray result = readFile(resultPath);
        // Charset 1 is the default one, whose code page is not known: its
        // text is found, left and counted, and the publication stays as it was.
        const bool edits = row.charset != 1;
        EXPECT_EQ(allText(back), edits ? substitute(before, row.pairs, true) : before);
        const std::size_t was = contentsOf(source).size();
        const std::size_t now = contentsOf(result).size();
        if (edits && row.room == Room::PastSlack)
            EXPECT_TRUE(now > was && (now - was) % 512 == 0) << was << " " << now;
        else
            EXPECT_EQ(now, was);

        const Trace original = split(pub2raw(sourcePath), row.pairs);
        const Trace edited = split(pub2raw(resultPath));
        ASSERT_FALSE(edited.structure.isEmpty());
        EXPECT_EQ(difference(edited.structure, original.structure), "");
        // libmspub guesses one code page for the whole text, so it reads
        // another character set's text its own way.
        if (!row.charset) {
            EXPECT_EQ(edited.text, substitute(split(pub2raw(sourcePath)).text, row.pairs, true));
        }

        if (!row.undoes || !edits)
            continue;
        Publication undo = Publication::fromBytes(result, name);
        for (auto it = row.pairs.rbegin(); it != row.pairs.rend(); ++it)
            undo.replaceAll(it->second, it->first, true);
        EXPECT_EQ(contentsOf(undo.toBytes()), contentsOf(source));
    }
}

TEST(Pub97, whatCannotBeEditedIsRefusedOrLeftWithItsReason)
{
    REQUIRE_PUB97_CORPUS();
    const QByteArray essai = readFile(pub97(QStringLiteral("essai97.pub")));
    Bytes older = contentsOf(essai);
    older[4] = 0xC8; // the version of Publisher 2.0
    older[5] = 0;
    const QByteArray flat = QByteArray("\xE7\xAC\x2C\x00", 4) + QByteArray(4092, '\0');
    const struct {
        QByteArray file;
        const char *find;
        const char *replace;
        // Refusals name the file: "Cannot ... “p.pub”: ..."
        QStringList says;
        std::size_t leftForCodePage = 0;
        std::size_t leftForField = 0;
    } rows[] = {
        // "blue£2" with a euro sign instead, in a Western run.
        {patched(essai, "gmauve2\r\n\r\nblue", 0x80), "€", "Ж",
         {"“p.pub”", "“Ж” (U+0416)", "Windows-1252"}},
        {withCharset(essai, 161), "texte", "Ж", {"“p.pub”", "“Ж” (U+0416)", "Windows-1253 (Greek)"}},
        {withContents(essai, older), "e", "E", {"“p.pub”", "Publisher 2.0", "not supported"}},
        {flat, "e", "E", {"“p.pub”", "Publisher 1.0", "not supported"}},
        {readFile(pub97(QStringLiteral("essaiv3.PUB"))), "page #", "x", {}, 0, 1},
        // "=1", a paragraph end made text, and the next cell's "2": a match
        // over the cell mark between them.
        {patched(patched(essai, "=1", 'a'), "=1", 'b', 1), "b2", "x", {"“p.pub”", "cell's mark"}},
        // Text in a symbol font is found and left; the rest is still edited.
        {withCharset(essai, 2), "texte", "TEXTE", {}, 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.find);
        std::optional<Publication> pub;
        const QString text = failureOf([&] {
            pub.emplace(Publication::fromBytes(row.file, QStringLiteral("p.pub")));
            const ReplaceResult r = pub->replaceAll(QString::fromUtf8(row.find),
                                                    QString::fromUtf8(row.replace), true, 10);
            EXPECT_EQ(r.left[int(LeftReason::NoCodePage)], row.leftForCodePage);
            EXPECT_EQ(r.leftBlocking(), row.leftForField);
            EXPECT_EQ(r.left[int(LeftReason::Field)], row.leftForField);
            for (const ReplaceChange &c : r.changes)
                EXPECT_EQ(c.left, row.leftForCodePage + row.leftForField > 0);
        });
        for (const QString &part : row.says)
            EXPECT_TRUE(text.contains(part)) << text.toStdString();
        if (row.says.isEmpty()) {
            EXPECT_EQ(text, QString());
            ASSERT_TRUE(pub);
            EXPECT_EQ(contentsOf(pub->toBytes()), contentsOf(row.file));
        }
    }
}
