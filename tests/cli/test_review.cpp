// A review through the tool: a plan made by a dry run, ticks taken away,
// --apply, and the text of the result as a reader sees it, worked out by
// hand; and plans that are refused whole.
#include "pubengine/publication.h"
#include "pubwriter/writer.h"
#include "tests/support/files.h"
#include "tests/support/skip.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace vantrelle;
namespace writer = pubengine::writer;

namespace {

struct Ran {
    int status = -1;
    QByteArray err;
};

Ran runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VANTRELLE_REPLACE_TOOL), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

QString storyText(const QString &path)
{
    const pubengine::Publication publication = pubengine::Publication::open(path);
    const std::u16string &text = publication.quill().text();
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

void writeStory(const QString &path, const QString &text)
{
    writer::Document doc;
    writer::Page &page = doc.pages.emplace_back();
    page.boxes.push_back({{72, 72, 400, 200}, {writer::paragraph({writer::run(text)})}});
    writer::writeFile(doc, path);
}

using Edit = std::function<void(QJsonArray &changes)>;

// Unticks the changes of pair for which which() holds.
Edit untick(int pair, std::function<bool(const QJsonObject &)> which)
{
    return [pair, which](QJsonArray &changes) {
        for (QJsonValueRef c : changes) {
            QJsonObject change = c.toObject();
            if (change["pair"].toInt() == pair && which(change)) {
                change["apply"] = false;
                c = change;
            }
        }
    };
}

struct Review : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    // A dry run's plan of source with args, edited, then applied into out.
    Ran review(const QString &source, const QStringList &args, const Edit &edit,
               QJsonObject *plan = nullptr)
    {
        QDir().mkpath(path("out"));
        const Ran counted = runTool(QStringList{"-q", "--dry-run", "--report", path("plan.json"),
                                                "--out-dir", path("out")} +
                                    args + QStringList{source});
        EXPECT_EQ(counted.status, 0) << counted.err.constData();
        QJsonObject json = QJsonDocument::fromJson(test::readFile(path("plan.json"))).object();
        QJsonArray documents = json["documents"].toArray();
        QJsonObject document = documents[0].toObject();
        QJsonArray changes = document["changes"].toArray();
        edit(changes);
        document["changes"] = changes;
        documents[0] = document;
        json["documents"] = documents;
        test::writeFile(path("chosen.json"), QJsonDocument(json).toJson());
        if (plan)
            *plan = json;
        return runTool({"-q", "--apply", path("chosen.json"), "--out-dir", path("out"),
                        "--report", path("applied.json")});
    }
    QJsonObject applied() const
    {
        return QJsonDocument::fromJson(test::readFile(path("applied.json")))
            .object()["documents"][0]
            .toObject();
    }
};

// Occurrences named by where they are in the source, whatever earlier pairs
// did or did not do before them.
TEST_F(Review, WritesExactlyTheTickedChangesWhateverTheirPair)
{
    struct Case {
        const char *name;
        QString text;
        QStringList args;
        Edit edit;
        QString written;
    };
    const auto lastOf = [](QJsonArray &changes, int pair) {
        int last = -1;
        for (const QJsonValue &c : changes)
            if (c["pair"].toInt() == pair)
                last = std::max(last, c["position"].toInt());
        return last;
    };
    const Case cases[] = {
        {"the first pair unticked, the last k of the second",
         "Ab Qz kkkk",
         {"--match-case", "--pair", "Qz", "Qzz", "--pair", "k", "K"},
         [&](QJsonArray &changes) {
             const int last = lastOf(changes, 1);
             untick(0, [](const QJsonObject &) { return true; })(changes);
             untick(1, [last](const QJsonObject &c) { return c["position"].toInt() == last; })(
                 changes);
         },
         "Ab Qz KKKk"},
        {"a change made of an unticked one's text goes with it",
         "cat dog",
         {"--match-case", "--pair", "cat", "dog", "--pair", "dog", "wolf"},
         untick(0, [](const QJsonObject &) { return true; }),
         "cat wolf"},
        {"an entry deleted as jq does is not ticked",
         "cat dog cat",
         {"--match-case", "--pair", "cat", "dog", "--pair", "dog", "wolf"},
         [](QJsonArray &changes) {
             changes.removeAt(0); // the first cat
         },
         "cat wolf wolf"},
        {"every change ticked",
         "Qz kkkk",
         {"--match-case", "--pair", "Qz", "Qzz", "--pair", "k", "K"},
         [](QJsonArray &) {},
         "Qzz KKKK"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString source = path("in/doc.pub");
        QDir().mkpath(path("in"));
        QFile::remove(source);
        writeStory(source, c.text);
        const QString before = storyText(source);
        ASSERT_TRUE(before.contains(c.text));
        const Ran ran = review(source, c.args, c.edit);
        EXPECT_EQ(ran.status, 0) << ran.err.constData();
        QString expected = before;
        expected.replace(c.text, c.written);
        EXPECT_EQ(storyText(path("out/doc.pub")), expected);
    }
}

// cat → dog, dog → wolf: the dog the first cat makes depends on it; with it
// unticked, the dog is gone and the report says why, and counts the cat.
TEST_F(Review, ADependentChangeIsNamedAndLeftWithItsParent)
{
    QDir().mkpath(path("in"));
    writeStory(path("in/doc.pub"), "cat dog");
    QJsonObject plan;
    const Ran ran = review(path("in/doc.pub"),
                           {"--match-case", "--pair", "cat", "dog", "--pair", "dog", "wolf"},
                           untick(0, [](const QJsonObject &) { return true; }), &plan);
    ASSERT_EQ(ran.status, 0) << ran.err.constData();
    const QJsonArray changes = plan["documents"][0]["changes"].toArray();
    ASSERT_EQ(changes.size(), 3);
    EXPECT_FALSE(changes[0].toObject().contains("dependsOn"));
    EXPECT_EQ(changes[1]["dependsOn"].toInt(-1), changes[0]["id"].toInt());
    EXPECT_FALSE(changes[2].toObject().contains("dependsOn"));

    const QJsonObject doc = applied();
    EXPECT_EQ(doc["replaced"].toInt(), 1);
    EXPECT_EQ(doc["left"].toInt(), 2);
    QStringList reasons;
    for (const QJsonValue &c : doc["changes"].toArray())
        reasons << c["left"].toString();
    reasons.sort();
    EXPECT_EQ(reasons, (QStringList{"", "it was found in the text of a change that was not ticked",
                                    "not ticked"}));
}

// Sample.pub, e → EE and t → T in any case, the first e unticked: the
// result is the full run's but for that one e, worked out letter by letter.
TEST_F(Review, OneUntickedChangeOfTheFirstPairLeavesExactlyThatOne)
{
    const QString corpus = QStringLiteral(VANTRELLE_CORPUS_DIR) + "/Sample.pub";
    if (!QFile::exists(corpus))
        VANTRELLE_SKIP("corpus not found at " VANTRELLE_CORPUS_DIR);
    const Ran ran = review(corpus, {"--pair", "e", "EE", "--pair", "t", "T"},
                           untick(0, [](const QJsonObject &c) { return c["id"].toInt() == 0; }));
    ASSERT_EQ(ran.status, 0) << ran.err.constData();
    const QString source = storyText(corpus);
    QString expected;
    bool first = true;
    for (const QChar c : source) {
        if (c.toLower() == u'e')
            expected += std::exchange(first, false) ? QString(c) : QStringLiteral("EE");
        else if (c.toLower() == u't')
            expected += u'T';
        else
            expected += c;
    }
    EXPECT_EQ(storyText(path("out/Sample.pub")), expected);
    EXPECT_EQ(applied()["left"].toInt(), 1);
}

// A plan is used whole or not at all: each fault refused with its line and
// reason, exit 2, nothing written.
TEST_F(Review, APlanWithAFaultIsRefusedWhole)
{
    QDir().mkpath(path("in"));
    writeStory(path("in/a.pub"), "one cat, two cats");
    writeStory(path("in/b.pub"), "a cat");
    QDir().mkpath(path("out"));
    // The JSON lines form, one document a line.
    QProcess p;
    p.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
            {"-q", "--dry-run", "--report", "-", "--out-dir", path("out"), "--pair", "cat", "dog",
             path("in/a.pub"), path("in/b.pub")});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const auto changed = [&](int line, const std::function<void(QJsonArray &)> &edit) {
        QJsonObject doc = QJsonDocument::fromJson(lines[line]).object();
        QJsonArray changes = doc["changes"].toArray();
        edit(changes);
        doc["changes"] = changes;
        QList<QByteArray> out = lines;
        out[line] = QJsonDocument(doc).toJson(QJsonDocument::Compact);
        return out.join('\n') + '\n';
    };
    const auto set = [](const char *key, const QJsonValue &value) {
        return [key, value](QJsonArray &changes) {
            QJsonObject c = changes[0].toObject();
            c[key] = value;
            changes[0] = c;
        };
    };
    struct Case {
        const char *name;
        QByteArray plan;
        const char *reason;
    };
    const Case cases[] = {
        {"cut inside its second line", lines[0] + '\n' + lines[1].left(lines[1].size() / 2),
         "line 2"},
        {"an unknown pair", changed(0, set("pair", 7)), "there is no pair 7"},
        {"apply as a string", changed(0, set("apply", "true")), "“apply” is missing or has a value of the wrong type"},
        {"a position as text", changed(1, set("position", "2")), "“position” is missing"},
        {"an id twice", changed(0, [](QJsonArray &c) { c.append(c[0]); }), "the id 0 is there twice"},
        {"another document's change",
         changed(1,
                 [&](QJsonArray &c) {
                     c.append(QJsonDocument::fromJson(lines[0]).object()["changes"][1]);
                 }),
         "the change is not one of this document's"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(path("bad.json"), c.plan);
        QDir(path("out")).removeRecursively();
        QDir().mkpath(path("out"));
        const Ran ran = runTool({"-q", "--apply", path("bad.json"), "--out-dir", path("out")});
        EXPECT_EQ(ran.status, 2);
        EXPECT_TRUE(ran.err.contains(c.reason)) << ran.err.constData();
        EXPECT_TRUE(ran.err.contains("line ")) << ran.err.constData();
        EXPECT_TRUE(QDir(path("out")).isEmpty());
    }
}

} // namespace
