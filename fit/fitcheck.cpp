#include "fit/fitcheck.h"

#include "pubengine/publication.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

namespace vantrelle::fit {

class FitText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::fit::FitText)
};

namespace {

using pubengine::CharFormat;
using pubengine::ParaFormat;
using pubengine::StoryLayout;

// Text is laid out at this many pixels a point, in whole pixel sizes, so no
// screen resolution and no rounding of sizes enters the measure.
constexpr double kScale = 20;

// Fonts with the same advance widths as the ones publications name, from
// Debian's font packages.
const QHash<QString, QString> &twins()
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("calibri"), QStringLiteral("Carlito")},
        {QStringLiteral("cambria"), QStringLiteral("Caladea")},
        {QStringLiteral("palatino"), QStringLiteral("P052")},
        {QStringLiteral("palatino linotype"), QStringLiteral("P052")},
        {QStringLiteral("book antiqua"), QStringLiteral("P052")},
        {QStringLiteral("bookman"), QStringLiteral("URW Bookman")},
        {QStringLiteral("bookman old style"), QStringLiteral("URW Bookman")},
        {QStringLiteral("century schoolbook"), QStringLiteral("C059")},
        {QStringLiteral("new century schoolbook"), QStringLiteral("C059")},
    };
    return map;
}

QFont fontFor(const QString &family, const CharFormat &format)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::lround(format.size * kScale))));
    font.setBold(format.bold);
    font.setItalic(format.italic);
    if (format.scale != 100)
        font.setStretch(std::clamp(format.scale, 1, 4000));
    font.setCapitalization(format.allCaps     ? QFont::AllUppercase
                           : format.smallCaps ? QFont::SmallCaps
                                              : QFont::MixedCase);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

// The column a line goes into, moving on through the chain.
struct Flow {
    const std::vector<pubengine::TextBox> &boxes;
    std::size_t box = 0;
    int column = 0;
    double y = 0;
    bool over = false;

    const pubengine::TextBox &current() const { return boxes[std::min(box, boxes.size() - 1)]; }
    int columns() const { return std::max(1, current().columns); }
    double columnWidth() const
    {
        const pubengine::TextBox &b = current();
        const double inner = b.width - b.marginLeft - b.marginRight;
        return (inner - b.columnGap * (columns() - 1)) / columns();
    }
    double columnHeight() const
    {
        const pubengine::TextBox &b = current();
        return b.height - b.marginTop - b.marginBottom;
    }
    // To the next column or box; false past the last one.
    bool next()
    {
        if (column + 1 < columns()) {
            ++column;
        } else if (box + 1 < boxes.size()) {
            ++box;
            column = 0;
        } else {
            return false;
        }
        y = 0;
        return true;
    }
    // The height left in the columns after the current one.
    double roomAfter() const
    {
        double room = 0;
        for (std::size_t b = box; b < boxes.size(); ++b) {
            const pubengine::TextBox &x = boxes[b];
            const int cols = std::max(1, x.columns);
            const int rest = b == box ? cols - 1 - column : cols;
            room += rest * (x.height - x.marginTop - x.marginBottom);
        }
        return room;
    }
};

template <class Run> const Run *runAt(const std::vector<Run> &runs, std::uint32_t at)
{
    for (const Run &r : runs)
        if (at >= r.start && at < r.end)
            return &r;
    return runs.empty() ? nullptr : &runs.back();
}

} // namespace

QString installedFamily(const QString &name)
{
    static QMutex mutex;
    static QHash<QString, QString> known;
    const QMutexLocker lock(&mutex);
    if (const auto it = known.constFind(name); it != known.constEnd())
        return *it;
    QString family;
    if (QFontDatabase::hasFamily(name))
        family = name;
    else if (const QString twin = twins().value(name.toLower()); QFontDatabase::hasFamily(twin))
        family = twin;
    known.insert(name, family);
    return family;
}

QString missingCharacters(const CharFormat &format, std::u16string_view added)
{
    // Every text font draws printable ASCII; asking the font costs more than
    // the rest of the check.
    if (std::all_of(added.begin(), added.end(), [](char16_t c) { return c >= 0x20 && c < 0x7F; }))
        return {};
    const QString family = installedFamily(format.font);
    if (family.isEmpty())
        return {};
    // Loading a font's tables is the costly part: once per face and thread.
    thread_local QHash<QString, QRawFont> faces;
    const QString face = family + QLatin1Char('/') + QString::number(int(format.bold)) +
                         QString::number(int(format.italic));
    auto found = faces.find(face);
    if (found == faces.end()) {
        QFont font = fontFor(family, format);
        font.setStyleStrategy(QFont::NoFontMerging);
        found = faces.insert(face, QRawFont::fromFont(font));
    }
    const QRawFont &raw = *found;
    QString missing;
    const QString text = QString::fromUtf16(added.data(), qsizetype(added.size()));
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || QChar::isSpace(c) || raw.supportsCharacter(c))
            continue;
        const QString one = QString::fromUcs4(&c, 1);
        if (!missing.contains(one))
            missing += one;
    }
    if (missing.isEmpty())
        return {};
    return FitText::tr("%1 has no “%2”").arg(format.font, missing);
}

Measure measureStory(std::u16string_view text, const StoryLayout &layout)
{
    Measure m;
    if (!layout.unreadable.isEmpty()) {
        m.unchecked = FitText::tr("could not check: %1").arg(layout.unreadable);
        return m;
    }
    if (layout.boxes.empty()) {
        m.unchecked = FitText::tr("could not check: its box was not found");
        return m;
    }
    m.page = layout.boxes.back().page;
    for (const pubengine::CharRun &run : layout.chars) {
        if (installedFamily(run.format.font).isEmpty()) {
            m.unchecked =
                FitText::tr("could not check: font %1 is not available").arg(run.format.font);
            return m;
        }
    }
    Flow flow{layout.boxes};
    double overHeight = 0;
    double edgeY = 0;
    std::uint32_t start = 0;
    const auto length = std::uint32_t(text.size());
    while (start < length || start == 0) {
        std::uint32_t end = start;
        while (end < length && text[end] != u'\r')
            ++end;
        const pubengine::ParaRun *para = runAt(layout.paras, start);
        const ParaFormat pf = para ? para->format : ParaFormat{};
        QString line = QString::fromUtf16(text.data() + start, qsizetype(end - start));
        line.replace(QChar(0x0B), QChar::LineSeparator);
        const pubengine::CharRun *first = runAt(layout.chars, start);
        const CharFormat base = first ? first->format : CharFormat{};
        const QString baseFamily =
            installedFamily(base.font).isEmpty() ? QString() : installedFamily(base.font);
        QTextLayout tl(line, fontFor(baseFamily, base));
        QList<QTextLayout::FormatRange> ranges;
        for (const pubengine::CharRun &run : layout.chars) {
            const std::uint32_t a = std::max(run.start, start);
            const std::uint32_t b = std::min(run.end, end);
            if (a >= b)
                continue;
            QTextCharFormat f;
            f.setFont(fontFor(installedFamily(run.format.font), run.format));
            ranges.append({int(a - start), int(b - a), f});
        }
        tl.setFormats(ranges);
        QTextOption option;
        option.setUseDesignMetrics(true);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setAlignment(pf.align == ParaFormat::Align::Center  ? Qt::AlignHCenter
                            : pf.align == ParaFormat::Align::Right ? Qt::AlignRight
                            : pf.align == ParaFormat::Align::Justify
                                ? Qt::AlignJustify
                                : Qt::AlignLeft);
        tl.setTextOption(option);
        tl.beginLayout();
        flow.y += pf.spaceBefore;
        bool firstLine = true;
        for (QTextLine tline = tl.createLine(); tline.isValid(); tline = tl.createLine()) {
            double width = 0;
            auto fitWidth = [&] {
                width = flow.columnWidth() - pf.leftIndent - pf.rightIndent -
                        (firstLine ? pf.firstLineIndent : 0);
                tline.setLineWidth(std::max(1.0, width) * kScale);
            };
            fitWidth();
            const double natural = (tline.ascent() + tline.descent()) / kScale;
            const double height =
                pf.exactSpacing ? pf.lineSpacing : natural * std::max(0.1, pf.lineSpacing);
            m.lineHeight = std::max(m.lineHeight, height);
            firstLine = false;
            if (flow.over) {
                ++m.overflowLines;
                overHeight += height;
                continue;
            }
            while (flow.y + height > flow.columnHeight() + 0.01 && flow.y > 0) {
                const double y = flow.y;
                if (!flow.next()) {
                    flow.over = true;
                    edgeY = y;
                    break;
                }
                fitWidth();
            }
            if (flow.over) {
                ++m.overflowLines;
                overHeight += height;
            } else {
                flow.y += height;
            }
        }
        tl.endLayout();
        if (!flow.over)
            flow.y += pf.spaceAfter;
        if (end >= length)
            break;
        start = end + 1;
        if (start == length)
            break; // the story's last paragraph mark ends it
    }
    if (flow.over)
        m.excess = edgeY + overHeight - flow.columnHeight();
    else
        m.excess = flow.y - flow.columnHeight() - flow.roomAfter();
    return m;
}

std::optional<automation::FitNote> judge(int story, const Measure &before, const Measure &after,
                                         const StoryLayout &layout)
{
    using automation::FitVerdict;
    automation::FitNote note{story, after.page, FitVerdict::CouldNotCheck, 0, {}};
    if (!after.unchecked.isEmpty() || !before.unchecked.isEmpty()) {
        note.reason = after.unchecked.isEmpty() ? before.unchecked : after.unchecked;
        return note;
    }
    // The text needs no more room than it did.
    if (after.excess <= before.excess + 0.01)
        return std::nullopt;
    // Within half a line either side of the edge the model cannot tell.
    const double band = after.lineHeight / 2;
    const int more = after.overflowLines - before.overflowLines;
    if (before.excess > band) {
        if (more <= 0)
            return std::nullopt;
        note.verdict = FitVerdict::Overflows;
        note.lines = more;
        note.reason = FitText::tr("already overflowed; now %n line(s) more", nullptr, more);
    } else if (after.excess > band) {
        note.verdict = FitVerdict::Overflows;
        note.lines = std::max(1, after.overflowLines);
        note.reason = FitText::tr("overflows by about %n line(s)", nullptr, note.lines);
    } else if (after.excess > -band) {
        note.verdict = FitVerdict::MayOverflow;
        note.lines = after.overflowLines;
        note.reason = FitText::tr("may overflow: the text ends within about a line of the "
                                  "box's edge");
    } else {
        return std::nullopt;
    }
    if (layout.uncertain) {
        note.verdict = FitVerdict::MayOverflow;
        note.reason = FitText::tr("may overflow (%1): %2").arg(layout.uncertainReason, note.reason);
    }
    return note;
}

namespace {

// The characters of after not found anywhere in before.
std::u16string addedCharacters(std::u16string_view before, std::u16string_view after)
{
    const std::set<char16_t> had(before.begin(), before.end());
    std::u16string added;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const char16_t c = after[i];
        // Surrogate pairs go whole.
        if (QChar::isHighSurrogate(c) && i + 1 < after.size()) {
            if (!had.count(after[i + 1]) || !had.count(c))
                added += after.substr(i, 2);
            ++i;
        } else if (!had.count(c)) {
            added += c;
        }
    }
    return added;
}

class Checker final : public pubengine::FitChecker {
public:
    QList<automation::FitNote> check(const pubengine::Publication &before,
                                     const pubengine::Publication &after,
                                     const std::vector<std::size_t> &grown) const override
    {
        std::vector<std::u16string> texts;
        for (std::size_t k = 0; k < before.storyCount(); ++k)
            texts.emplace_back(before.story(k));
        return checkAsOpened(
            texts, [&]() -> const pubengine::Publication & { return before; }, after, grown);
    }

    QList<automation::FitNote> checkAsOpened(const std::vector<std::u16string> &textsBefore,
                                             const Opened &before,
                                             const pubengine::Publication &after,
                                             const std::vector<std::size_t> &grown) const override
    {
        QList<automation::FitNote> notes;
        try {
            const std::vector<StoryLayout> now = pubengine::storyLayouts(after);
            // Laid out only when some story's new text comes near its edge.
            std::optional<std::vector<StoryLayout>> was;
            const auto find = [](const std::vector<StoryLayout> &all,
                                 std::size_t k) -> const StoryLayout * {
                for (const StoryLayout &l : all)
                    if (l.story == k)
                        return &l;
                return nullptr;
            };
            for (const std::size_t k : grown) {
                const StoryLayout *b = find(now, k);
                // A story in no box (a table's cells are their own stories
                // in one) has nothing to overflow.
                if (!b || (b->boxes.empty() && b->unreadable.isEmpty()))
                    continue;
                const std::u16string_view textBefore =
                    k < textsBefore.size() ? std::u16string_view(textsBefore[k])
                                           : std::u16string_view();
                const std::u16string_view textAfter = after.story(k);
                const Measure m1 = measureStory(textAfter, *b);
                Measure m0;
                // Ending more than half a line inside its box, the story
                // fits whatever it did before: no need to lay that out.
                if (!m1.unchecked.isEmpty() || m1.excess > -m1.lineHeight / 2) {
                    if (!was)
                        was = pubengine::storyLayouts(before());
                    if (const StoryLayout *a = find(*was, k))
                        m0 = measureStory(textBefore, *a);
                }
                if (auto note = checkStory(int(k), textBefore, textAfter, m0, m1, *b))
                    notes.append(*note);
            }
        } catch (const std::exception &e) {
            notes = {{-1, 0, automation::FitVerdict::CouldNotCheck, 0,
                      FitText::tr("could not check: %1").arg(QString::fromUtf8(e.what()))}};
        }
        return notes;
    }

private:
    static std::optional<automation::FitNote> checkStory(int k, std::u16string_view textBefore,
                                                         std::u16string_view textAfter,
                                                         const Measure &m0, const Measure &m1,
                                                         const StoryLayout &now)
    {
        std::optional<automation::FitNote> note = judge(k, m0, m1, now);
        if (!m1.unchecked.isEmpty())
            return note;
        const std::u16string added = addedCharacters(textBefore, textAfter);
        QStringList missing;
        for (const pubengine::CharRun &run : now.chars) {
            std::u16string inRun;
            for (std::uint32_t i = run.start; i < run.end && i < textAfter.size(); ++i)
                if (added.find(textAfter[i]) != std::u16string::npos)
                    inRun += textAfter[i];
            if (inRun.empty())
                continue;
            const QString lack = missingCharacters(run.format, inRun);
            if (!lack.isEmpty() && !missing.contains(lack))
                missing << lack;
        }
        if (missing.isEmpty())
            return note;
        if (!note)
            note = automation::FitNote{k, m1.page, automation::FitVerdict::CouldNotCheck, 0,
                                       missing.join(QStringLiteral("; "))};
        else
            note->reason += QStringLiteral("; ") + missing.join(QStringLiteral("; "));
        return note;
    }
};

} // namespace

std::shared_ptr<const pubengine::FitChecker> makeFitChecker()
{
    return std::make_shared<Checker>();
}

} // namespace vantrelle::fit
