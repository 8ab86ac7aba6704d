#pragma once
// Writes a new publication from a small document model: pages of one size,
// text boxes with their stories, WordArt shapes and the document's summary
// properties. Used for the sample publications and for test fixtures; every
// file it makes is read back by the engine before it is handed out.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace vantrelle::pubengine::writer {

enum class Alignment { Left, Right, Centre, Justify };

struct CharFormat {
    QString font = QStringLiteral("Arial");
    double sizePt = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint32_t rgb = 0x000000; // 0xRRGGBB
};

// A run of text with one format. link is a web address ("https://…") or an
// e-mail address ("mailto:…") over the run's text; pageNumber makes the run a
// page-number field, whose text is "#".
struct Run {
    QString text;
    CharFormat format;
    QString link;
    bool pageNumber = false;
};

struct Paragraph {
    std::vector<Run> runs;
    Alignment alignment = Alignment::Left;
};

// Position and size on the page, in points from its top left corner.
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct TextBox {
    Rect rect;
    std::vector<Paragraph> paragraphs;
};

struct WordArt {
    Rect rect;
    QString text;
    QString font = QStringLiteral("Arial");
};

// A table of equal columns and rows, one paragraph in each cell, given row
// by row.
struct Table {
    Rect rect;
    int columns = 1;
    std::vector<Paragraph> cells;
};

struct Page {
    std::vector<TextBox> boxes;
    std::vector<Table> tables; // their stories follow the boxes'
    std::vector<WordArt> wordArt;
};

struct Properties {
    QString title, subject, author, keywords, comments; // summary information
    QString company, manager, category;                 // document summary information
    std::vector<std::pair<QString, QString>> custom;    // the user's own: name, text
};

struct Document {
    double widthPt = 595.3; // A4
    double heightPt = 841.9;
    std::vector<Page> pages;
    Properties properties;
    // When it was made (the summary's dates and the file's); now when not set.
    QDateTime saved;
};

inline Run run(const QString &text, CharFormat format = {})
{
    return Run{text, std::move(format), {}, false};
}
inline Run link(const QString &text, const QString &target, CharFormat format = {})
{
    format.underline = true;
    format.rgb = 0x0066CC;
    return Run{text, std::move(format), target, false};
}
inline Paragraph paragraph(std::vector<Run> runs, Alignment alignment = Alignment::Left)
{
    return Paragraph{std::move(runs), alignment};
}

// The publication's bytes. Throws Failure, in plain words, for a model that
// cannot be written (no page, text holding control characters, a story too
// long) and when the result fails the engine's own reading.
QByteArray write(const Document &document);
// Writes write(document) to path, whole or not at all.
void writeFile(const Document &document, const QString &path);

} // namespace vantrelle::pubengine::writer
