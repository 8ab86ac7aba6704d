#include "samples/samples.h"

#include "fsutil/failure.h"

#include <QDir>

namespace vantrelle::samples {

namespace {

using namespace pubengine::writer;

CharFormat format(double sizePt, bool bold = false, std::uint32_t rgb = 0x000000,
                  const QString &font = QStringLiteral("Arial"))
{
    CharFormat f;
    f.sizePt = sizePt;
    f.bold = bold;
    f.rgb = rgb;
    f.font = font;
    return f;
}

CharFormat italic(CharFormat f)
{
    f.italic = true;
    return f;
}

constexpr std::uint32_t kGreen = 0x2E7D32;
constexpr std::uint32_t kNavy = 0x1A237E;

Document flyer()
{
    const CharFormat body = format(16);
    Document d;
    d.properties.title = QStringLiteral("Spring Fair 2026");
    d.properties.subject = QStringLiteral("A flyer for the spring fair");
    d.properties.author = QStringLiteral("Vantrelle");
    d.properties.keywords = QStringLiteral("fair, flyer, 2026");
    Page p;
    p.boxes.push_back(
        {{50, 60, 495, 90},
         {paragraph({run(QStringLiteral("Spring Fair 2026"), format(44, true, kGreen))},
                    Alignment::Centre)}});
    p.boxes.push_back(
        {{70, 180, 455, 260},
         {paragraph(
              {run(QStringLiteral("Saturday, 16 May 2026, 10:00 to 17:00"), format(20, true))},
              Alignment::Centre),
          paragraph({run(QStringLiteral("Market Square, Old Town"), body)}, Alignment::Centre),
          paragraph({}),
          paragraph({run(QStringLiteral("Entry: "), body),
                     run(QStringLiteral("€4.50"), format(16, true)),
                     run(QStringLiteral(" for adults, children free"), body)},
                    Alignment::Centre),
          paragraph({run(QStringLiteral("Food stalls, music and a plant swap"), italic(body))},
                    Alignment::Centre)}});
    p.boxes.push_back(
        {{70, 500, 455, 120},
         {paragraph({run(QStringLiteral("Stall bookings: call 0161 496 0726"), format(18, true))},
                    Alignment::Centre),
          paragraph({run(QStringLiteral("or write to "), body),
                     link(QStringLiteral("fair@example.org"),
                          QStringLiteral("mailto:fair@example.org"), body)},
                    Alignment::Centre)}});
    p.boxes.push_back({{70, 740, 455, 40},
                       {paragraph({run(QStringLiteral("© 2026 Old Town Traders"), format(9))},
                                  Alignment::Centre)}});
    d.pages.push_back(std::move(p));
    return d;
}

Document newsletter()
{
    const CharFormat body = format(11);
    const CharFormat heading = format(16, true, kNavy);
    Document d;
    d.properties.title = QStringLiteral("Neighbourhood News, Spring 2026");
    d.properties.author = QStringLiteral("Vantrelle");
    d.properties.company = QStringLiteral("Riverside Residents’ Association");
    auto footer = [](int) {
        return TextBox{
            {50, 790, 495, 24},
            {paragraph({run(QStringLiteral("Neighbourhood News, Spring 2026, page "), format(9)),
                        Run{QString(), format(9), QString(), true}},
                       Alignment::Right)}};
    };
    Page one;
    one.boxes.push_back(
        {{50, 50, 495, 60},
         {paragraph({run(QStringLiteral("Neighbourhood News"), format(32, true, kNavy))}),
          paragraph({run(QStringLiteral("Spring 2026 · Issue 14"), italic(body))})}});
    one.boxes.push_back(
        {{50, 140, 240, 600},
         {paragraph({run(QStringLiteral("Riverside clean-up"), heading)}),
          paragraph({run(QStringLiteral("Thank you to the 42 neighbours who joined the clean-up "
                                        "on 14 March 2026. Together we filled 63 bags."),
                         body)},
                    Alignment::Justify),
          paragraph({run(QStringLiteral("Photos are on "), body),
                     link(QStringLiteral("our website"),
                          QStringLiteral("https://riverside.example.org/photos-2026"), body),
                     run(QStringLiteral("."), body)})}});
    one.boxes.push_back(
        {{305, 140, 240, 600},
         {paragraph({run(QStringLiteral("Dates for 2026"), heading)}),
          paragraph(
              {run(QStringLiteral("Residents’ meeting: Tuesday 21 April 2026, 19:30"), body)}),
          paragraph({run(QStringLiteral("Summer street party: Saturday 27 June 2026"), body)}),
          paragraph({run(QStringLiteral("Garden trail: Sunday 12 July 2026"), body)}),
          paragraph({run(QStringLiteral("Membership for 2026 stays at £5 a household."), body)})}});
    one.boxes.push_back(footer(1));
    Page two;
    two.boxes.push_back(
        {{50, 50, 495, 140},
         {paragraph({run(QStringLiteral("Contacts"), heading)}),
          paragraph({run(QStringLiteral("Chair: Amira Osei, "), body),
                     link(QStringLiteral("chair@riverside.example.org"),
                          QStringLiteral("mailto:chair@riverside.example.org"), body)}),
          paragraph({run(QStringLiteral("Newsletter: "), body),
                     link(QStringLiteral("news@riverside.example.org"),
                          QStringLiteral("mailto:news@riverside.example.org"), body)}),
          paragraph({})}});
    two.boxes.push_back(
        {{50, 200, 495, 100},
         {paragraph({run(QStringLiteral("Website: "), body),
                     link(QStringLiteral("riverside.example.org"),
                          QStringLiteral("https://riverside.example.org/"), body)}),
          paragraph({run(QStringLiteral("The next issue appears in June 2026."), italic(body))})}});
    two.tables.push_back({{50, 330, 495, 80},
                          2,
                          {paragraph({run(QStringLiteral("Event"), format(11, true))}),
                           paragraph({run(QStringLiteral("Date"), format(11, true))}),
                           paragraph({run(QStringLiteral("Summer street party"), body)}),
                           paragraph({run(QStringLiteral("27 June 2026"), body)}),
                           paragraph({run(QStringLiteral("Garden trail"), body)}),
                           paragraph({run(QStringLiteral("12 July 2026"), body)})}});
    two.boxes.push_back(footer(2));
    d.pages.push_back(std::move(one));
    d.pages.push_back(std::move(two));
    return d;
}

Document letterhead()
{
    Document d;
    d.properties.title = QStringLiteral("Letterhead");
    d.properties.author = QStringLiteral("Vantrelle");
    d.properties.company = QStringLiteral("Calder & Finch Ltd");
    Page p;
    p.boxes.push_back({{50, 40, 300, 60},
                       {paragraph({run(QStringLiteral("Calder & Finch Ltd"),
                                       format(26, true, kNavy, QStringLiteral("Georgia")))}),
                        paragraph({run(QStringLiteral("Bookbinders since 1926"),
                                       italic(format(12, false, kNavy)))})}});
    p.boxes.push_back(
        {{370, 40, 175, 80},
         {paragraph({run(QStringLiteral("12 Mill Lane"), format(9))}, Alignment::Right),
          paragraph({run(QStringLiteral("Halifax HX1 2AB"), format(9))}, Alignment::Right),
          paragraph({run(QStringLiteral("01422 555 2026"), format(9))}, Alignment::Right),
          paragraph({link(QStringLiteral("www.calderfinch.example.com"),
                          QStringLiteral("https://www.calderfinch.example.com/"), format(9))},
                    Alignment::Right)}});
    p.boxes.push_back(
        {{50, 780, 495, 30},
         {paragraph({run(QStringLiteral("Registered in England, company no. 2026 1926. "
                                        "Prices valid for 2026."),
                         format(8))},
                    Alignment::Centre)}});
    d.pages.push_back(std::move(p));
    return d;
}

} // namespace

std::vector<Sample> all()
{
    std::vector<Sample> out{{QStringLiteral("Spring-Fair-Flyer.pub"), flyer()},
                            {QStringLiteral("Neighbourhood-Newsletter.pub"), newsletter()},
                            {QStringLiteral("Letterhead.pub"), letterhead()}};
    // A fixed date, so that every build writes the same files.
    for (Sample &s : out)
        s.document.saved = QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC);
    return out;
}

void writeAll(const QString &folder)
{
    for (const Sample &s : all()) {
        const QString path = QDir(folder).filePath(s.fileName);
        try {
            pubengine::writer::writeFile(s.document, path);
        } catch (const Failure &e) {
            throw Failure(QStringLiteral("%1: %2").arg(path, e.description()));
        }
    }
}

} // namespace vantrelle::samples
