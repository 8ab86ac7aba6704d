// Replace-all over the Quill text. Rules where the text has structure:
// * what matches, and what each match becomes, is the Matcher's answer; it
//   is asked story by story, so no match crosses a story's end;
// * a match never changes a field (page number and the like);
// * a boundary of a formatting run, token or cell inside a match moves to the
//   end of the new text, so the new text belongs to the run or link where the
//   match starts and no run is ever added;
// * a match that would leave a link or a placeholder without text is left
//   unchanged and reported;
// * a formatting page left without runs is removed with its bin-table entry.
#include "pubengine/enginetext.h"
#include "pubengine/quill.h"

#include <algorithm>
#include <map>
#include <set>

namespace vantrelle::pubengine {

// Maps positions of the text before a batch of non-overlapping edits to
// positions after it. A position inside a replaced span moves to the end of
// the replacement.
class QuillStream::PositionMap {
public:
    struct Edit {
        std::uint32_t pos = 0;
        std::uint32_t oldLength = 0;
        std::uint32_t newLength = 0;
    };

    explicit PositionMap(std::vector<Edit> edits) : m_edits(std::move(edits))
    {
        std::int64_t delta = 0;
        for (const Edit &e : m_edits) {
            m_deltaBefore.push_back(delta);
            delta += std::int64_t(e.newLength) - e.oldLength;
        }
    }

    std::uint32_t map(std::uint32_t b) const
    {
        auto it = std::partition_point(m_edits.begin(), m_edits.end(),
                                       [b](const Edit &e) { return e.pos < b; });
        if (it == m_edits.begin())
            return b;
        const std::size_t i = static_cast<std::size_t>(it - m_edits.begin()) - 1;
        const Edit &e = m_edits[i];
        const std::int64_t before = m_deltaBefore[i];
        if (std::uint64_t(b) >= std::uint64_t(e.pos) + e.oldLength)
            return static_cast<std::uint32_t>(b + before + std::int64_t(e.newLength) - e.oldLength);
        return static_cast<std::uint32_t>(e.pos + before + e.newLength);
    }

    const std::vector<Edit> &edits() const { return m_edits; }

private:
    std::vector<Edit> m_edits;
    std::vector<std::int64_t> m_deltaBefore;
};

namespace {

bool overlaps(std::uint64_t a0, std::uint64_t a1, std::uint64_t b0, std::uint64_t b1)
{
    if (b0 == b1) // an empty span is hit when the match surrounds its position
        return a0 < b0 && b0 < a1;
    return a0 < b1 && b0 < a1;
}

} // namespace

namespace {

QString storyPlace(std::size_t story, std::uint32_t position, std::u16string_view found)
{
    return EngineText::tr("“%1” at story %2, position %3")
        .arg(QStringView(found.data(), qsizetype(found.size())))
        .arg(story)
        .arg(position);
}

} // namespace

ReplaceResult QuillStream::replaceAll(const Matcher &matcher, std::size_t listLimit,
                                      const std::vector<ChosenChange> *choices)
{
    ReplaceResult result;
    if (m_text.size() > 0x3FFFFFFF)
        throw Failure(EngineText::tr("the text is too long"));

    std::vector<std::uint32_t> starts;
    std::uint64_t s = 0;
    for (std::uint32_t l : m_storyLengths) {
        starts.push_back(static_cast<std::uint32_t>(s));
        s += l;
    }

    struct Match {
        std::size_t story;
        std::uint32_t pos; // global
        std::uint32_t len;
        std::u16string replacement;
    };
    std::vector<Match> matches;
    std::uint64_t grown = m_text.size();
    for (std::size_t k = 0; k < m_storyLengths.size(); ++k) {
        for (TextMatch &m : matcher.findAll(story(k))) {
            grown += m.replacement.size();
            if (grown > 0x3FFFFFFF)
                throw Failure(EngineText::tr("the replacement text is too long"));
            matches.push_back({k, static_cast<std::uint32_t>(starts[k] + m.position),
                               static_cast<std::uint32_t>(m.length), std::move(m.replacement)});
        }
    }
    std::vector<bool> accepted(matches.size(), true);
    std::vector<LeftReason> reasons(matches.size(), LeftReason::Field);
    if (m_pieces.size() != m_storyLengths.size()) {
        m_pieces.assign(m_storyLengths.size(), {});
        for (std::size_t k = 0; k < m_storyLengths.size(); ++k)
            m_pieces[k].push_back({0, m_storyLengths[k], -1, 0});
    }
    std::vector<ChangeKey> keys(matches.size());
    std::vector<std::optional<ChangeKey>> parents(matches.size());
    for (std::size_t m = 0; m < matches.size(); ++m)
        keyOf(matches[m].story, matches[m].pos - starts[matches[m].story], matches[m].len,
              keys[m], parents[m]);
    // Fields are never touched.
    for (std::size_t m = 0; m < matches.size(); ++m) {
        const std::uint32_t rel = matches[m].pos - starts[matches[m].story];
        for (const TokenTable &t : m_tokens) {
            if (t.story != matches[m].story)
                continue;
            for (std::size_t i = 0; i < t.starts.size() && accepted[m]; ++i) {
                if (tokenRole(t.kinds[i]) == TokenRole::Field &&
                    overlaps(rel, rel + matches[m].len, t.starts[i],
                             std::uint64_t(t.starts[i]) + t.lengths[i])) {
                    accepted[m] = false;
                    reasons[m] = LeftReason::Field;
                    ++result.left[static_cast<int>(LeftReason::Field)];
                }
            }
        }
    }

    // Reviewed choices met again, and those not met, listed after the others.
    std::vector<ReplaceChange> notMet;
    if (choices) {
        // An occurrence not among the choices was not ticked (a plan's entry
        // deleted); a choice whose text differs means the text is not the
        // one reviewed.
        std::map<ChangeKey, const ChosenChange *> reviewed;
        for (const ChosenChange &c : *choices) {
            ChangeKey key = c.key;
            key.round = m_round;
            if (!reviewed.emplace(std::move(key), &c).second)
                throw Failure(EngineText::tr("the review names the occurrence %1 twice")
                                  .arg(storyPlace(c.key.story, c.key.anchor.at(0), c.found)));
        }
        bool unticked = false;
        for (std::size_t m = 0; m < matches.size(); ++m) {
            const auto it = reviewed.find(keys[m]);
            const bool apply = it != reviewed.end() && it->second->apply;
            if (it != reviewed.end()) {
                const std::u16string_view found(m_text.data() + matches[m].pos, matches[m].len);
                if (it->second->found != found)
                    throw Failure(EngineText::tr("the reviewed occurrence %1 is no longer there; "
                                                 "nothing was changed")
                                      .arg(storyPlace(it->second->key.story,
                                                      it->second->key.anchor.at(0),
                                                      it->second->found)));
                reviewed.erase(it);
            }
            if (!apply && accepted[m]) {
                accepted[m] = false;
                reasons[m] = LeftReason::NotTicked;
                ++result.left[static_cast<int>(LeftReason::NotTicked)];
                unticked = true;
            }
        }
        for (const auto &[key, c] : reviewed) {
            // Text an unticked change would have written, or that one kept.
            const LeftReason reason = !c->apply ? LeftReason::NotTicked : LeftReason::ParentNotMade;
            if (c->apply && !m_leftTicked)
                throw Failure(EngineText::tr("the reviewed occurrence %1 is no longer there; "
                                             "nothing was changed")
                                  .arg(storyPlace(key.story, key.anchor.at(0), c->found)));
            ++result.left[static_cast<int>(reason)];
            unticked = unticked || !c->apply;
            ReplaceChange change;
            change.story = key.story;
            change.position = key.anchor.at(0);
            change.before.text = c->found;
            change.after = change.before;
            change.left = true;
            change.reason = reason;
            change.key = key;
            notMet.push_back(std::move(change));
        }
        m_leftTicked = m_leftTicked || unticked;
    }
    ++m_round;
    const auto listNotMet = [&] {
        for (ReplaceChange &c : notMet) {
            if (result.changes.size() >= listLimit)
                break;
            result.changes.push_back(std::move(c));
        }
    };
    if (matches.empty()) {
        listNotMet();
        return result;
    }

    // Drop matches that would empty a link or a placeholder, until the batch
    // is free of them. Each round drops at least one match.
    auto leaveOverlapping = [&](std::uint64_t a, std::uint64_t b, std::size_t story) {
        bool dropped = false;
        for (std::size_t m = 0; m < matches.size(); ++m) {
            if (!accepted[m] || matches[m].story != story)
                continue;
            const std::uint64_t p = matches[m].pos - starts[story];
            if (overlaps(p, p + matches[m].len, a, b)) {
                accepted[m] = false;
                reasons[m] = LeftReason::WholeToken;
                ++result.left[static_cast<int>(LeftReason::WholeToken)];
                dropped = true;
            }
        }
        return dropped;
    };
    // The first listLimit occurrences with the text around them, before the edits.
    auto listChanges = [&] {
        const std::size_t n = std::min(listLimit, matches.size());
        result.changes.reserve(n);
        for (std::size_t m = 0; m < n; ++m) {
            const std::size_t k = matches[m].story;
            const std::uint32_t at = matches[m].pos - starts[k];
            result.changes.push_back({k, at, contextAround(story(k), at, matches[m].len), {},
                                      !accepted[m], reasons[m], {}, keys[m], parents[m]});
            result.changes.back().position = keys[m].anchor.at(0);
        }
    };
    std::vector<PositionMap::Edit> edits;
    while (true) {
        edits.clear();
        for (std::size_t m = 0; m < matches.size(); ++m) {
            if (accepted[m])
                edits.push_back({matches[m].pos, matches[m].len,
                                 static_cast<std::uint32_t>(matches[m].replacement.size())});
        }
        if (edits.empty()) {
            listChanges();
            for (ReplaceChange &c : result.changes)
                c.after = c.before;
            listNotMet();
            return result;
        }
        const PositionMap map(edits);
        bool changed = false;
        for (const TokenTable &t : m_tokens) {
            const std::uint32_t base = starts[t.story];
            for (std::size_t i = 0; i < t.starts.size(); ++i) {
                if (t.lengths[i] == 0 || tokenRole(t.kinds[i]) == TokenRole::Field)
                    continue;
                const std::uint32_t a = map.map(base + t.starts[i]);
                const std::uint32_t b = map.map(base + t.starts[i] + t.lengths[i]);
                if (b <= a)
                    changed |= leaveOverlapping(t.starts[i],
                                                std::uint64_t(t.starts[i]) + t.lengths[i], t.story);
            }
        }
        if (!changed)
            break;
    }

    const PositionMap map(edits);
    std::u16string text;
    text.reserve(grown);
    std::vector<std::int64_t> storyDeltas(m_storyLengths.size(), 0);
    std::size_t at = 0;
    for (std::size_t m = 0; m < matches.size(); ++m) {
        if (!accepted[m])
            continue;
        text.append(m_text, at, matches[m].pos - at);
        text.append(matches[m].replacement);
        at = matches[m].pos + matches[m].len;
        storyDeltas[matches[m].story] +=
            std::int64_t(matches[m].replacement.size()) - matches[m].len;
        ++result.replaced;
    }
    text.append(m_text, at, std::u16string::npos);
    if (text.size() > 0x3FFFFFFF)
        throw Failure(EngineText::tr("the text would grow too long"));
    for (std::size_t k = 0; k < m_storyLengths.size(); ++k) {
        if (m_storyLengths[k] + storyDeltas[k] > kLongestStory &&
            m_longestSourceStory <= kLongestStory)
            throw Failure(
                EngineText::tr("the edit would make a story longer than 32,767 characters, more "
                               "than any publication known to this program holds, "
                               "and other programs may then show only part of it; "
                               "nothing was changed"));
    }
    listChanges();
    applyEdits(map, std::move(text), storyDeltas);
    // The text after is read where each listed occurrence went.
    for (std::size_t i = 0; i < result.changes.size(); ++i) {
        ReplaceChange &c = result.changes[i];
        const std::uint32_t moved = map.map(matches[i].pos) - storyStart(c.story);
        c.after = contextAround(story(c.story), moved,
                                c.left ? matches[i].len : matches[i].replacement.size());
    }
    listNotMet();
    std::vector<std::vector<PieceEdit>> pieceEdits(m_storyLengths.size());
    for (std::size_t m = 0; m < matches.size(); ++m) {
        if (!accepted[m])
            continue;
        m_makers.push_back(std::move(keys[m]));
        pieceEdits[matches[m].story].push_back(
            {matches[m].pos - starts[matches[m].story], matches[m].len,
             static_cast<std::uint32_t>(matches[m].replacement.size()),
             std::int64_t(m_makers.size()) - 1});
    }
    for (std::size_t k = 0; k < pieceEdits.size(); ++k) {
        if (!pieceEdits[k].empty())
            notePieces(k, pieceEdits[k]);
    }
    return result;
}

void QuillStream::keyOf(std::size_t story, std::uint32_t position, std::uint32_t length,
                        ChangeKey &key, std::optional<ChangeKey> &dependsOn) const
{
    const std::vector<Piece> &pieces = m_pieces[story];
    key.round = m_round;
    key.story = story;
    key.anchor.clear();
    dependsOn.reset();
    // The piece the occurrence starts in; at the story's end, the last one.
    auto it = std::partition_point(pieces.begin(), pieces.end(), [position](const Piece &p) {
        return p.start + p.length <= position;
    });
    const Piece *at = it != pieces.end() ? &*it : pieces.empty() ? nullptr : &pieces.back();
    if (!at || at->maker < 0) {
        key.anchor.push_back(at ? at->source + (position - at->start) : position);
    } else {
        const ChangeKey &maker = m_makers[std::size_t(at->maker)];
        key.anchor = maker.anchor;
        key.anchor.push_back(maker.round);
        key.anchor.push_back(at->source + (position - at->start));
    }
    // The first change whose new text it takes in, or whose deletion it spans.
    if (at && at->maker >= 0) {
        dependsOn = m_makers[std::size_t(at->maker)];
        return;
    }
    const std::uint64_t end = std::uint64_t(position) + length;
    for (; it != pieces.end() && it->start < end; ++it) {
        if (it->maker >= 0 && (it->length > 0 || it->start > position)) {
            dependsOn = m_makers[std::size_t(it->maker)];
            return;
        }
    }
}

void QuillStream::notePieces(std::size_t story, const std::vector<PieceEdit> &edits)
{
    const std::vector<Piece> &old = m_pieces[story];
    std::vector<Piece> out;
    out.reserve(old.size() + 2 * edits.size());
    std::int64_t delta = 0;
    std::uint32_t editEnd = 0;
    std::size_t e = 0;
    const auto add = [&out](Piece p) {
        if (!out.empty() && p.length > 0) {
            Piece &last = out.back();
            if (last.maker == p.maker && last.length > 0 && last.source + last.length == p.source &&
                last.start + last.length == p.start) {
                last.length += p.length;
                return;
            }
        }
        out.push_back(p);
    };
    const auto addEdit = [&](const PieceEdit &edit) {
        add({static_cast<std::uint32_t>(edit.pos + delta), edit.newLength, edit.maker, 0});
        delta += std::int64_t(edit.newLength) - edit.oldLength;
        editEnd = edit.pos + edit.oldLength;
    };
    for (const Piece &p : old) {
        if (p.length == 0) {
            // A deletion an edit now covers goes with the text around it.
            if (p.start >= editEnd)
                add({static_cast<std::uint32_t>(p.start + delta), 0, p.maker, 0});
            continue;
        }
        const std::uint32_t b = p.start + p.length;
        std::uint32_t x = std::max(p.start, editEnd);
        while (x < b) {
            if (e < edits.size() && edits[e].pos < b) {
                const std::uint32_t s0 = edits[e].pos;
                if (s0 > x)
                    add({static_cast<std::uint32_t>(x + delta), s0 - x, p.maker,
                         p.source + (x - p.start)});
                addEdit(edits[e++]);
                x = std::max(x, editEnd);
            } else {
                add({static_cast<std::uint32_t>(x + delta), b - x, p.maker,
                     p.source + (x - p.start)});
                x = b;
            }
        }
    }
    while (e < edits.size())
        addEdit(edits[e++]);
    m_pieces[story] = std::move(out);
}

void QuillStream::applyEdits(const PositionMap &map, std::u16string newText,
                             const std::vector<std::int64_t> &storyDeltas)
{
    std::vector<std::uint32_t> oldStarts;
    std::uint64_t s = 0;
    for (std::uint32_t l : m_storyLengths) {
        oldStarts.push_back(static_cast<std::uint32_t>(s));
        s += l;
    }

    for (auto *pages : {&m_charPages, &m_paraPages}) {
        for (FormattingPage &page : *pages) {
            if (!page.firstIsZero)
                page.first = map.map(page.first);
            std::uint32_t prev = page.first;
            std::vector<std::uint32_t> ends;
            std::vector<std::uint16_t> records;
            for (std::size_t i = 0; i < page.ends.size(); ++i) {
                const std::uint32_t end = map.map(page.ends[i]);
                if (end <= prev)
                    continue; // the match swallowed this run
                ends.push_back(end);
                records.push_back(page.records[i]);
                prev = end;
            }
            page.ends = std::move(ends);
            page.records = std::move(records);
        }
    }
    for (BinTable *bins : {&m_charBins, &m_paraBins}) {
        for (std::uint32_t &v : bins->bounds) {
            if (v >= kTextOffset)
                v = kTextOffset + 2 * map.map((v - kTextOffset) / 2);
        }
    }
    for (std::size_t k = 0; k < m_storyLengths.size(); ++k)
        m_storyLengths[k] = static_cast<std::uint32_t>(m_storyLengths[k] + storyDeltas[k]);

    for (CellTable &t : m_cells) {
        const std::uint32_t base = oldStarts[t.story];
        const std::uint32_t newBase = map.map(base);
        for (std::uint32_t &v : t.values)
            v = map.map(base + v) - newBase;
    }
    for (TokenTable &t : m_tokens) {
        const std::uint32_t base = oldStarts[t.story];
        const std::uint32_t newBase = map.map(base);
        for (std::size_t i = 0; i < t.starts.size(); ++i) {
            const std::uint32_t a = map.map(base + t.starts[i]) - newBase;
            const std::uint32_t b = map.map(base + t.starts[i] + t.lengths[i]) - newBase;
            t.starts[i] = a;
            const std::uint32_t length = b - a;
            // Token lengths are delta-coded: a record without a length inherits
            // the previous token's, so write one wherever that would be wrong.
            PropertyRecord &r = t.groupA[i];
            if (r.find(1) || (i > 0 && length != t.lengths[i - 1]))
                r.setU32(1, t.lengthType, length);
            t.lengths[i] = length;
        }
        t.storyLength = map.map(base + t.storyLength) - newBase;
    }
    m_text = std::move(newText);
    // A page whose runs the edits swallowed goes; a page holds at least one run.
    for (auto [pages, bins] : {std::pair{&m_charPages, &m_charBins}, {&m_paraPages, &m_paraBins}}) {
        for (std::size_t p = pages->size(); p-- > 0;) {
            if ((*pages)[p].ends.empty())
                removePage(*pages, *bins, p);
        }
    }
}

void QuillStream::removePage(std::vector<FormattingPage> &pages, BinTable &bins, std::size_t p)
{
    const std::size_t chunk = pages[p].chunk;
    // Pages are numbered by their chunk id, without gaps.
    for (std::size_t q = p + 1; q < pages.size(); ++q)
        m_file.setChunkId(pages[q].chunk, static_cast<std::uint16_t>(q - 1));
    if (p == 0 && pages.size() > 1) {
        pages[1].firstIsZero = true;
        pages[1].first = 0;
    }
    pages.erase(pages.begin() + static_cast<std::ptrdiff_t>(p));
    // The page began and ended at the same place: one bound goes with it.
    bins.bounds.erase(bins.bounds.begin() + static_cast<std::ptrdiff_t>(p + 1));
    bins.pageChunks.erase(bins.pageChunks.begin() + static_cast<std::ptrdiff_t>(p));
    m_file.removeChunk(chunk);
    auto shift = [chunk](std::size_t &index) {
        if (index != kAbsent && index > chunk)
            --index;
    };
    for (auto *kind : {&m_charPages, &m_paraPages}) {
        for (FormattingPage &page : *kind)
            shift(page.chunk);
    }
    for (BinTable *table : {&m_charBins, &m_paraBins}) {
        shift(table->chunk);
        for (std::size_t &c : table->pageChunks)
            shift(c);
    }
    for (TokenTable &t : m_tokens)
        shift(t.chunk);
    for (CellTable &t : m_cells)
        shift(t.chunk);
}

} // namespace vantrelle::pubengine
