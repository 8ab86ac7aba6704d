// The fit check: stories laid out through their boxes with the installed
// fonts, judged before and after; the engine's server asking it only for
// stories that grew; and what the tool reports of a real publication.
#include "fit/fitcheck.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "pubengine/storylayout.h"
#include "pubwriter/writer.h"
#include "run/runcore.h"
#include "shell/dialogs.h"

#include "tests/support/corpus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <optional>

using namespace vantrelle;
using automation::FitVerdict;
using pubengine::StoryLayout;
using pubengine::TextBox;

namespace {

StoryLayout layoutOf(std::vector<TextBox> boxes, const QString &font = QStringLiteral("Arial"))
{
    StoryLayout layout;
    layout.boxes = std::move(boxes);
    pubengine::CharFormat format;
    format.font = font;
    layout.chars = {{0, 1u << 20, format}};
    layout.paras = {{0, 1u << 20, {}}};
    return layout;
}

// n one-line paragraphs.
std::u16string lines(int n)
{
    std::u16string text;
    for (int k = 1; k <= n; ++k)
        text += u"Line " + QString::number(k).toStdU16String() + u'\r';
    return text;
}

double lineHeight()
{
    return fit::measureStory(u"x\r", layoutOf({{1, 500, 1000}})).lineHeight;
}

// A box on page that holds n lines and a tenth of one more.
TextBox holding(double n, int page = 1)
{
    TextBox box;
    box.page = page;
    box.width = 300;
    box.height = (n + 0.1) * lineHeight() + 7.2;
    box.marginTop = box.marginBottom = 3.6;
    box.marginLeft = box.marginRight = 7.2;
    return box;
}

} // namespace

TEST(FitCheck, judgesGrownStoriesInTheirBoxes)
{
    ASSERT_GT(lineHeight(), 9.0) << "10 pt Arial (or its twin) is measured in points";
    struct Case {
        const char *name;
        std::vector<TextBox> boxes;
        int before, after;
        std::optional<FitVerdict> verdict;
        int lines = 0;
        int page = 0;
        const char *reason = "";
        bool uncertain = false;
        QString font = QStringLiteral("Arial");
    };
    const Case cases[] = {
        {"full box grown by two lines", {holding(6, 3)}, 6, 8, FitVerdict::Overflows, 2, 3,
         "overflows by about 2 line"},
        {"grows and still fits", {holding(10)}, 6, 8, std::nullopt},
        {"ends within a line of the edge", {holding(7)}, 6, 7, FitVerdict::MayOverflow, 0, 1,
         "may overflow"},
        {"already overflowed", {holding(6, 2)}, 9, 11, FitVerdict::Overflows, 2, 2,
         "already overflowed; now 2 line"},
        {"grows into the linked box", {holding(6, 1), holding(6, 2)}, 5, 9, std::nullopt},
        {"last linked box overflows", {holding(6, 1), holding(6, 2)}, 11, 13,
         FitVerdict::Overflows, 1, 2, "overflows by about 1 line"},
        {"two columns", {[] { TextBox b = holding(4); b.columns = 2; b.columnGap = 10; return b; }()},
         7, 10, FitVerdict::Overflows, 2, 1, "overflows by about 2 line"},
        {"setting not modelled", {holding(6)}, 6, 8, FitVerdict::MayOverflow, 2, 1,
         "may overflow (a table)", true},
        {"font without a twin", {holding(6)}, 6, 8, FitVerdict::CouldNotCheck, 0, 1,
         "could not check: font Nonesuch Grotesk is not available", false,
         QStringLiteral("Nonesuch Grotesk")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StoryLayout layout = layoutOf(c.boxes, c.font);
        layout.uncertain = c.uncertain;
        layout.uncertainReason = QStringLiteral("a table");
        const auto note = fit::judge(4, fit::measureStory(lines(c.before), layout),
                                     fit::measureStory(lines(c.after), layout), layout);
        ASSERT_EQ(note.has_value(), c.verdict.has_value()) << (note ? note->reason.toStdString() : "");
        if (!note)
            continue;
        EXPECT_EQ(note->story, 4);
        EXPECT_EQ(note->verdict, *c.verdict);
        EXPECT_EQ(note->lines, c.lines);
        EXPECT_EQ(note->page, c.page);
        EXPECT_TRUE(note->reason.startsWith(QString::fromUtf8(c.reason))) << note->reason.toStdString();
    }
}

TEST(FitCheck, fontsAreTheirOwnOrMetricTwinsNeverAGuess)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Arial", "Liberation Sans"},      {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"}, {"Calibri", "Carlito"},
        {"Cambria", "Caladea"},            {"Palatino Linotype", "P052"},
        {"Liberation Serif", "Liberation Serif"}, {"Nonesuch Grotesk", ""},
    };
    for (const auto &[name, family] : cases)
        EXPECT_EQ(fit::installedFamily(QString::fromUtf8(name)), QString::fromUtf8(family)) << name;
    pubengine::CharFormat arial;
    arial.font = QStringLiteral("Arial");
    EXPECT_EQ(fit::missingCharacters(arial, u"Жaꙮ"), QStringLiteral("Arial has no “ꙮ”"));
    EXPECT_EQ(fit::missingCharacters(arial, u"Жa"), QString());
}

namespace {

// A page of roomy boxes, one a text, made by our writer.
void writeBoxes(const QString &path, const QStringList &texts)
{
    namespace w = pubengine::writer;
    w::Document doc;
    w::Page page;
    double y = 36;
    for (const QString &text : texts) {
        page.boxes.push_back({{36, y, 200, 100}, {w::paragraph({w::run(text)})}});
        y += 160;
    }
    doc.pages = {page};
    w::writeFile(doc, path);
}

// Counts what the server asks, and says every story overflows.
class CountingChecker final : public pubengine::FitChecker {
public:
    QList<automation::FitNote> check(const pubengine::Publication &, const pubengine::Publication &,
                                     const std::vector<std::size_t> &grown) const override
    {
        ++calls;
        lastGrown = grown;
        QList<automation::FitNote> notes;
        for (const std::size_t k : grown)
            notes.append({int(k), 1, FitVerdict::Overflows, 1, QStringLiteral("overflows")});
        return notes;
    }
    mutable std::atomic<int> calls{0};
    mutable std::vector<std::size_t> lastGrown;
};

} // namespace

TEST(FitCheck, onlyStoriesThatGrewAreLaidOut)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.pub"));
    writeBoxes(path, {QStringLiteral("Acme Ltd, est. 1999"), QStringLiteral("Call Acme")});

    const struct {
        const char *find, *replacement;
        int calls;
        std::vector<std::size_t> grown;
    } cases[] = {
        {"Acme", "Acme", 0, {}},                 // same length
        {"Acme", "A", 0, {}},                    // shorter
        {"1999", "1999 and since", 1, {0}},      // one story grows
        {"Acme", "Acme Holdings International", 1, {0, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.replacement);
        auto checker = std::make_shared<CountingChecker>();
        const auto app = pubengine::makePublisherServer(checker)->CreateInstance();
        const auto document = app->Open(path, false, false, 0);
        const auto find = document->Find();
        find->SetFindText(QString::fromUtf8(c.find));
        find->SetReplaceWithText(QString::fromUtf8(c.replacement));
        find->SetReplaceScope(automation::kReplaceScopeAll);
        find->Execute();
        auto *fitting = dynamic_cast<automation::FitCheckingDocument *>(document.get());
        ASSERT_NE(fitting, nullptr);
        EXPECT_EQ(fitting->CheckFit().size(), qsizetype(c.grown.size()));
        EXPECT_EQ(checker->calls, c.calls);
        if (c.calls) {
            EXPECT_EQ(checker->lastGrown, c.grown);
        }
    }
}

namespace {

const QString kPageTwo = QStringLiteral("This text is on page two");

// What LibreOffice draws of the box holding text, in 1/100 mm: its height
// (grown to hold all of its text), its lines and its font size.
struct Drawn {
    int height = 0, lines = 0, fontSize = 0;
};

std::optional<Drawn> drawnBox(const QString &svgPath, const QString &text)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString svg = QString::fromUtf8(file.readAll());
    const qsizetype at = svg.indexOf(text);
    const qsizetype begin =
        at < 0 ? -1 : svg.lastIndexOf(QStringLiteral("<g class=\"TextShape\">"), at);
    if (begin < 0)
        return std::nullopt;
    const QString group = svg.mid(begin, svg.indexOf(QStringLiteral("<g class="), at) - begin);
    const auto number = [&](const char *pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(group).captured(1).toInt();
    };
    return Drawn{number("class=\"BoundingBox\"[^>]* height=\"(\\d+)\""),
                 int(group.count(QStringLiteral("class=\"TextPosition\""))),
                 number("font-size=\"(\\d+)px\"")};
}

} // namespace

// The story on Sample.pub's page two grown a word at a time. Its box is
// nearly full as it is. Where LibreOffice draws the box taller than the box
// by more than half a line, the check says it overflows; where LibreOffice
// sets it in the lines and height it had, the check never says it overflows.
TEST(FitCheckOnCorpus, AgreesWithLibreOfficeOnAStoryGrownWordByWord)
{
    VANTRELLE_REQUIRE_CORPUS();
    const QString source = QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub");
    const pubengine::Publication original = pubengine::Publication::open(source);
    std::size_t story = original.storyCount();
    for (std::size_t k = 0; k < original.storyCount(); ++k)
        if (QString::fromStdU16String(std::u16string(original.story(k))).startsWith(kPageTwo))
            story = k;
    ASSERT_LT(story, original.storyCount());
    const auto layouts = pubengine::storyLayouts(original);
    if (story >= layouts.size() || !layouts[story].unreadable.isEmpty())
        GTEST_SKIP() << "the boxes of Sample.pub cannot be read in this build";
    VANTRELLE_REQUIRE_ORACLE(!QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(),
                             "LibreOffice (soffice)");

    const auto checker = fit::makeFitChecker();
    QTemporaryDir dir;
    QStringList files;
    std::map<QString, QList<automation::FitNote>> notes;
    for (int words = 0; words <= 48; words += 3) {
        pubengine::Publication grown = pubengine::Publication::open(source);
        grown.replaceAll(kPageTwo, kPageTwo + QStringLiteral(" more").repeated(words), true);
        const QString name = QStringLiteral("grown-%1").arg(words, 2, 10, QLatin1Char('0'));
        grown.saveAs(dir.filePath(name + ".pub"));
        files << dir.filePath(name + ".pub");
        notes[name] = checker->check(original, grown, {story});
    }
    QProcess soffice;
    soffice.start(QStringLiteral("soffice"),
                  QStringList{"--headless", "--convert-to", "svg", "--outdir", dir.path()} + files);
    ASSERT_TRUE(soffice.waitForFinished(600'000));

    const std::optional<Drawn> base = drawnBox(dir.filePath("grown-00.svg"), kPageTwo);
    ASSERT_TRUE(base.has_value());
    int overflows = 0, fits = 0;
    for (const auto &[name, found] : notes) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<Drawn> d = drawnBox(dir.filePath(name + ".svg"), kPageTwo);
        ASSERT_TRUE(d.has_value());
        const double halfLine = d->fontSize * 0.6;
        if (d->height - base->height > halfLine) {
            ++overflows;
            ASSERT_EQ(found.size(), 1);
            EXPECT_EQ(found[0].verdict, layouts[story].uncertain ? FitVerdict::MayOverflow
                                                                 : FitVerdict::Overflows)
                << found[0].reason.toStdString();
            EXPECT_EQ(found[0].page, 2);
        } else if (d->height == base->height && d->lines == base->lines) {
            ++fits;
            for (const automation::FitNote &note : found)
                EXPECT_NE(note.verdict, FitVerdict::Overflows) << note.reason.toStdString();
        }
    }
    EXPECT_GT(overflows, 0);
    EXPECT_GT(fits, 0);
}

// The tool checks by default: its report's fit list names the story that
// grew past its box, and nothing where no story grew.
TEST(FitCheckOnCorpus, TheToolsReportFlagsTheStoryThatGrew)
{
    VANTRELLE_REQUIRE_CORPUS();
    const QString source = QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub");
    const pubengine::Publication original = pubengine::Publication::open(source);
    const auto layouts = pubengine::storyLayouts(original);
    const bool readable = !layouts.empty() && layouts.front().unreadable.isEmpty();
    QTemporaryDir dir;
    const struct {
        QString replacement;
        bool flagged;
    } cases[] = {
        {QStringLiteral("text") + QStringLiteral(" more").repeated(20), true},
        {QStringLiteral("txet"), false},
        {QStringLiteral("t"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.replacement.toStdString());
        QProcess tool;
        const QString report = dir.filePath(QStringLiteral("r.json"));
        tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
                   {"-q", "--dry-run", "--report", report, "--pair", "text", c.replacement,
                    "--out-dir", dir.path(), source});
        ASSERT_TRUE(tool.waitForFinished(120'000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        QFile file(report);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonArray fit = QJsonDocument::fromJson(file.readAll())
                                   .object()[QLatin1String("documents")][0][QLatin1String("fit")]
                                   .toArray();
        bool pageTwo = false;
        for (const QJsonValue &note : fit) {
            const QString verdict = note[QLatin1String("verdict")].toString();
            const auto k = std::size_t(note[QLatin1String("story")].toInt());
            if (k < original.storyCount() &&
                QString::fromStdU16String(std::u16string(original.story(k))).startsWith(kPageTwo))
                pageTwo = readable ? verdict == "overflows" || verdict == "may overflow"
                                   : verdict == "could not check";
        }
        EXPECT_EQ(pageTwo, c.flagged) << QJsonDocument(fit).toJson().toStdString();
        if (!c.flagged) {
            EXPECT_TRUE(fit.isEmpty());
        }
    }
}

// Strict, a document with a story that overflows is not written and fails
// with the reason; otherwise it is written and its notes are told.
TEST(FitCheck, StrictRunsWriteNoResultThatOverflows)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("flyer.pub"));
    writeBoxes(source, {QStringLiteral("Acme Ltd")});
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId,
                      pubengine::makePublisherServer(std::make_shared<CountingChecker>()));
    const struct {
        bool strict, preview;
        Outcome outcome;
    } cases[] = {
        {false, false, Outcome::Written},
        {true, false, Outcome::Failed},
        {true, true, Outcome::Failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.strict << c.preview);
        RunRequest request;
        request.documents = {source};
        request.findText = QStringLiteral("Ltd");
        request.replaceText = QStringLiteral("Holdings International Ltd");
        request.output = dir.filePath(QStringLiteral("out.pub"));
        request.fitCheck = true;
        request.fitStrict = c.strict;
        request.preview = c.preview;
        QFile::remove(request.output);
        struct Last final : RunObserver {
            void documentFinished(int, const DocumentResult &d) override { result = d; }
            DocumentResult result;
        } last;
        SilentDialogs silent;
        runDocuments(request, silent, registry, last);
        EXPECT_EQ(last.result.outcome, c.outcome) << last.result.errors.join("\n").toStdString();
        EXPECT_EQ(QFile::exists(request.output), c.outcome == Outcome::Written && !c.preview);
        ASSERT_EQ(last.result.fit.size(), 1);
        EXPECT_EQ(last.result.errors.join("\n").contains("no longer fits its box"), c.strict);
    }
}
