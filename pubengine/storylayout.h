#pragma once
// What a publication says about where each story is set: its text boxes in
// chain order and its text's formatting, resolved to runs. Read for the fit
// check only; a story whose boxes or formatting cannot be read says why
// instead of failing the document.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantrelle::pubengine {

class Publication;

// One text box of a story, in points.
struct TextBox {
    // The page it is on, counted from 1; 0 when not known (Publisher 98 and
    // 2000, whose shapes are not read).
    int page = 0;
    // The text area: the box less its border.
    double width = 0;
    double height = 0;
    double marginLeft = 0;
    double marginTop = 0;
    double marginRight = 0;
    double marginBottom = 0;
    int columns = 1;
    // 0 when the file does not say; a story of several columns is then uncertain.
    double columnGap = 0;
    // Where the text area's top left corner is on its page, from the page's
    // top left, when the drawing says.
    bool placed = false;
    double x = 0;
    double y = 0;
};

struct CharFormat {
    QString font;     // the family name as the publication names it
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    int scale = 100; // horizontal scale, percent
    enum class Position { Normal, Superscript, Subscript } position = Position::Normal;
    bool allCaps = false;
    bool smallCaps = false;
    bool operator==(const CharFormat &) const = default;
};

struct ParaFormat {
    enum class Align { Left, Center, Right, Justify } align = Align::Left;
    // Line spacing: in lines (1 = single) unless exact, then in points.
    double lineSpacing = 1;
    bool exactSpacing = false;
    double spaceBefore = 0; // points
    double spaceAfter = 0;
    double leftIndent = 0;
    double rightIndent = 0;
    double firstLineIndent = 0; // relative to leftIndent, may be negative
    bool operator==(const ParaFormat &) const = default;
};

// Runs over the story's text in UTF-16 units, covering it in order.
struct CharRun {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    CharFormat format;
};
struct ParaRun {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    ParaFormat format;
};

struct StoryLayout {
    std::size_t story = 0;
    std::vector<TextBox> boxes; // in chain order
    std::vector<CharRun> chars;
    std::vector<ParaRun> paras;
    // Set where the story's setting is not modelled well enough for a firm
    // answer: a table, text wrapped around a picture, a box that may shrink
    // its text to fit. The check then says "may" at most.
    bool uncertain = false;
    QString uncertainReason;
    // Non-empty when the boxes or formatting could not be read: the story
    // is then "could not check" with this reason.
    QString unreadable;
};

// Every story's layout of the publication as it is now (after edits made in
// memory too). Never throws: what cannot be read is said per story.
std::vector<StoryLayout> storyLayouts(const Publication &publication);

} // namespace vantrelle::pubengine
