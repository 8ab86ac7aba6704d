// The Load Sets dialog: its look, the separator it remembers, browse and help,
// and Load on real files, through the main window that owns the lists.
#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "setsfixture.h"
#include "widgets/controls.h"
#include "widgets/form2.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantrelle::test {
namespace {

class LoadSets : public SetsFixture {
protected:
    Form2 *form() { return window.loadSetsDialog(); }

    // Loads a file with the given bytes through the dialog's "Load".
    void load(const QByteArray &bytes, const QString &separator = QStringLiteral("::"))
    {
        const QString file = path("load.txt");
        writeFile(file, bytes);
        form()->Text1->setText(file);
        form()->Text2->setText(separator);
        form()->PushButton1_Click();
    }
};

int px(const QWidget *w, int twips)
{
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

TEST_F(LoadSets, DialogHasItsControlsCaptionsRectanglesAndFonts)
{
    Form2 *f = form();
    EXPECT_EQ(f->windowTitle(), "Load Sets");
    EXPECT_TRUE(f->isHidden());
    EXPECT_EQ(f->size(), QSize(px(f, 8040), px(f, 1605)));
    struct Expect {
        QWidget *w;
        const char *caption;
        QRect twips;
    };
    const Expect expected[] = {
        {f->Label1[0], "File To Load:", {120, 180, 1050, 225}},
        {f->Text1, "", {1320, 120, 5880, 345}},
        {f->PushButton16, "...", {7320, 120, 600, 345}},
        {f->Label1[1], "Separator:", {120, 660, 900, 225}},
        {f->Text2, nullptr, {1320, 600, 5880, 345}},
        {f->PushButton3, "?", {7320, 600, 600, 345}},
        {f->PushButton1, "Load", {120, 1080, 3840, 400}},
        {f->PushButton2, "Cancel", {4080, 1080, 3840, 405}},
    };
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.w->objectName().toStdString());
        const QRect r = e.twips;
        QRect design(px(f, r.x()), px(f, r.y()), px(f, r.width()), px(f, r.height()));
        // A label keeps its place but is as wide as its caption needs.
        if (qobject_cast<QLabel *>(e.w))
            design.setWidth(qMax(design.width(), e.w->sizeHint().width()));
        EXPECT_EQ(e.w->geometry(), design);
        EXPECT_EQ(e.w->font().family(), "Arial");
        EXPECT_TRUE(e.w->font().bold());
        const bool isButton = qobject_cast<PushButton *>(e.w) != nullptr;
        EXPECT_DOUBLE_EQ(e.w->font().pointSizeF(), isButton ? 11.25 : 9.0);
        if (auto *label = qobject_cast<QLabel *>(e.w)) {
            EXPECT_EQ(label->text(), e.caption);
            EXPECT_LT(label->geometry().right(), f->Text1->x()) << "reaches into the boxes";
        }
        if (isButton) {
            EXPECT_EQ(qobject_cast<PushButton *>(e.w)->text(), e.caption);
        }
    }
}

TEST_F(LoadSets, SeparatorComesFromTheSettingsAndIsStoredAtEveryChange)
{
    EXPECT_EQ(form()->Text2->text(), "::"); // nothing stored yet
    EXPECT_EQ(settings->get(keys::Form2Text2, "unset"), "::");
    form()->Text2->setText(QStringLiteral(","));
    EXPECT_EQ(settings->get(keys::Form2Text2, "unset"), ",");
    form()->Text2->clear();
    EXPECT_EQ(settings->get(keys::Form2Text2, "unset"), "");

    settings->set(keys::Form2Text2, QStringLiteral(" ; "));
    Form2 second(dialogs, *settings, window.sets());
    second.Form_Load();
    EXPECT_EQ(second.Text2->text(), " ; ");
}

TEST_F(LoadSets, BrowseFillsTheFileBoxAndACancelLeavesIt)
{
    dialogs.openAnswers.push_back({path("a.txt")});
    form()->PushButton16->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Select Text File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Text files (*.txt)|*.txt|All files (*)|*|");
    EXPECT_FALSE(dialogs.fileRequests[0].multiSelect);
    EXPECT_EQ(dialogs.fileRequests[0].folder, "");
    EXPECT_EQ(form()->Text1->text(), path("a.txt"));
    form()->PushButton16->click();
    EXPECT_EQ(form()->Text1->text(), path("a.txt"));
    // The next browse, and the next Save Sets, start where the file was.
    EXPECT_EQ(dialogs.fileRequests[1].folder, dir.path());
    window.PushButton9_Click();
    EXPECT_EQ(dialogs.fileRequests[2].folder, dir.path());
}

TEST_F(LoadSets, HelpShowsTheEighteenLines)
{
    form()->PushButton3->click();
    const QStringList notices = dialogs.texts("notice");
    ASSERT_EQ(notices.size(), 1);
    const QStringList lines = notices[0].split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[0], "If the text file you are loading looks like this:");
    EXPECT_EQ(lines[5], "then use :: as a Separator");
    EXPECT_EQ(lines[9], "hi,hello");
    EXPECT_EQ(lines[12], "then use , as a Separator");
    EXPECT_EQ(lines[14],
              "NOTE: The 'Save Sets' feature in this software always saves in this format:");
    EXPECT_EQ(lines[17], "peter::pete");
    EXPECT_FALSE(notices[0].endsWith("\n"));
}

TEST_F(LoadSets, LoadRefusesAMissingSeparatorOrFileAndIgnoresABlankFileBox)
{
    form()->Text2->clear();
    form()->Text1->setText(path("x.txt"));
    form()->PushButton1->click();
    form()->Text2->setText("::");
    form()->Text1->setText("   ");
    form()->PushButton1->click();
    form()->Text1->setText(path("nothing.txt"));
    form()->PushButton1->click();
    form()->Text1->setText(dir.path()); // a folder is no file
    form()->PushButton1->click();
    EXPECT_EQ(dialogs.texts("notice"),
              (QStringList{"You must enter separating character(s).",
                           path("nothing.txt") + " not found.", dir.path() + " not found."}));
    EXPECT_TRUE(pairs().isEmpty());
}

TEST_F(LoadSets, LoadAppendsThePairsOfEachLineInFileOrder)
{
    addPairs({"kept"}, {"first"});
    load("hi::hello\r\npeter::pete\r\n\r\nno separator\r\n\r\r\na::b::c\r\n::b\r\n   \r\n");
    EXPECT_EQ(pairs(), (QStringList{"kept->first", "hi->hello", "peter->pete", "a->b", "->b"}));
    load("hi,hello\npeter,pete", QStringLiteral(","));
    EXPECT_EQ(pairs().mid(5), (QStringList{"hi->hello", "peter->pete"}));
    EXPECT_EQ(dialogs.count("notice") + dialogs.count("error"), 0);
    // The lists show the last pair loaded.
    EXPECT_EQ(window.Combo1->currentText(), "peter");
    EXPECT_EQ(window.Combo2->currentText(), "pete");
}

TEST_F(LoadSets, BlankSeparatorCrOnlyAndEmptyFiles)
{
    load("   \n", QStringLiteral(" "));
    EXPECT_EQ(pairs(), QStringList{"->"});
    window.PushButton5_Click();
    load("a::b\rc::d\re::f\r");
    EXPECT_EQ(pairs(), QStringList{"a->bc"}); // the lines run together
    window.PushButton5_Click();
    load("");
    load("no pairs here\n");
    EXPECT_TRUE(pairs().isEmpty());
    EXPECT_EQ(dialogs.shown.size(), 0u);
}

TEST_F(LoadSets, APairAPublicationCannotHoldLoadsNothing)
{
    addPairs({"kept"}, {"first"});
    // "a::b", then "e::" and a lone surrogate: the UTF-16 a file can carry.
    load(QByteArray::fromHex("FFFE61003A003A0062000A0065003A003A0000D8"));
    EXPECT_EQ(pairs(), QStringList{"kept->first"});
    ASSERT_EQ(dialogs.texts("notice").size(), 1);
    EXPECT_TRUE(dialogs.texts("notice")[0].contains("pair 2 of load.txt (“e”)"));
    EXPECT_TRUE(dialogs.texts("notice")[0].contains("U+D800"));
}

TEST_F(LoadSets, ByteOrderMarksAreDroppedAndBigEndianIsRead)
{
    load(QByteArray::fromHex("FFFE68003A003A00690021000D000A00")); // little-endian: h -> i!
    load(QByteArray::fromHex("FEFF0416003A003A0079000D000A"));     // big-endian: Ж -> y
    load(QByteArray::fromHex("EFBBBF") + "k::v\r\n");
    EXPECT_EQ(pairs(), (QStringList{"h->i!", QString::fromUtf8("Ж->y"), "k->v"}));
}

TEST(SetsFileText, DecodesEachEncodingTheWayItsMarkOrContentTells)
{
    // Without a mark, a leading 0xFF or 0xFE still means little-endian units.
    // A trailing odd byte is half a unit and no character.
    EXPECT_EQ(decodeTextFile(QByteArray::fromHex("FE00410042")), QString::fromUtf8("\u00FEA"));
    EXPECT_EQ(decodeTextFile(QByteArray::fromHex("FFFE0B04")), QString::fromUtf8("\u040B"));
    EXPECT_EQ(decodeTextFile(QByteArray::fromHex("FEFF040B")), QString::fromUtf8("\u040B"));
    // Valid UTF-8 with non-ASCII content is UTF-8; anything else Windows-1252.
    EXPECT_EQ(decodeTextFile(QByteArray("caf\xC3\xA9")), QString::fromUtf8("café"));
    EXPECT_EQ(decodeTextFile(QByteArray("caf\xE9 \x80")), QString::fromUtf8("café €"));
    EXPECT_EQ(decodeTextFile(QByteArray("\xC3\xA9\xE9")), QString::fromUtf8("Ã©é"));
    EXPECT_EQ(decodeTextFile(QByteArray("plain")), "plain");
}

TEST_F(LoadSets, SavedSetsLoadBackUnchangedInEveryScript)
{
    const QStringList finds = {QString::fromUtf8("café"), QString::fromUtf8("Москва"),
                               QString::fromUtf8("東京"), "plain", ""};
    const QStringList replaces = {QString::fromUtf8("naïve"), QString::fromUtf8("Київ"),
                                  QString::fromUtf8("大阪"), "", "x"};
    for (const bool wide : {false, true}) {
        SCOPED_TRACE(wide ? "UTF-16" : "Windows-1252");
        window.PushButton5_Click();
        const qsizetype n = wide ? finds.size() : 1;
        addPairs(finds.mid(0, n), replaces.mid(0, n));
        const QStringList saved = pairs();
        const QString file = path(wide ? "wide.txt" : "narrow.txt");
        dialogs.saveAnswers.push_back(file);
        window.PushButton9_Click();
        EXPECT_EQ(static_cast<unsigned char>(readFile(file).at(0)), wide ? 0xFF : 0x63);

        window.PushButton5_Click();
        form()->Text1->setText(file);
        form()->Text2->setText("::");
        form()->PushButton1_Click();
        EXPECT_EQ(pairs(), saved);
    }
}

// With "Regular expression" ticked, Add Set and Load refuse a pattern the run
// could not use, naming it; unticked, the same texts are plain and go in.
TEST_F(LoadSets, TickedRegularExpressionsAreCheckedAsTheyComeIn)
{
    for (const bool regex : {true, false}) {
        SCOPED_TRACE(regex ? "ticked" : "not ticked");
        window.PushButton5_Click();
        dialogs.shown.clear();
        window.CheckRegex->setChecked(regex);
        dialogs.inputAnswers.push_back("(a::x");
        window.PushButton1_Click();
        load("b(::y\n::z\n");
        EXPECT_EQ(pairs().size(), regex ? 0 : 3) << pairs().join('|').toStdString();
        const QString said = dialogs.texts("notice").join(' ');
        EXPECT_EQ(said.contains("cannot be used") && said.contains("No pairs were loaded"), regex)
            << said.toStdString();
    }
}

TEST_F(LoadSets, LoadStopsAtTheLimitAndSaysHowManyLinesWereLeftOut)
{
    QStringList fill;
    for (int i = 0; i < kMaxSets - 2; ++i)
        fill << QString::number(i);
    addPairs(fill, fill);
    load("a::1\nb::2\nc::3\nskipped\nd::4\n");
    EXPECT_EQ(window.Combo1->count(), kMaxSets);
    EXPECT_EQ(window.Combo2->count(), kMaxSets);
    EXPECT_EQ(window.Combo2->itemText(kMaxSets - 1), "2");
    EXPECT_EQ(dialogs.texts("notice"),
              QStringList{"The sets list holds at most 32,767 pairs. 2 lines of the file were "
                          "not loaded."});
}

TEST_F(LoadSets, LoadSetsOpensAFreshModalDialogEachTime)
{
    const QString file = path("two.txt");
    writeFile(file, "one::1\r\ntwo::2\r\n");
    settings->set(keys::Form2Text2, "::");
    QString fileBoxAtOpen = "<not opened>";
    bool modal = false;
    auto driveDialog = [&](bool pressLoad) {
        QTimer::singleShot(0, [&, pressLoad] {
            auto *open = qobject_cast<Form2 *>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            modal = open->isModal() && open->isVisible();
            fileBoxAtOpen = open->Text1->text();
            open->Text1->setText(file);
            (pressLoad ? open->PushButton1 : open->PushButton2)->click();
        });
    };
    driveDialog(false);
    window.PushButton10->click();
    EXPECT_TRUE(modal);
    EXPECT_EQ(fileBoxAtOpen, "");
    EXPECT_TRUE(pairs().isEmpty()); // Cancel changes nothing

    driveDialog(true);
    window.PushButton10_Click();
    EXPECT_EQ(fileBoxAtOpen, ""); // not the path typed last time
    EXPECT_EQ(pairs(), (QStringList{"one->1", "two->2"}));
    EXPECT_FALSE(window.loadSetsDialog()->isVisible());
}

TEST_F(LoadSets, HoverShowsTheHandOverButtonsOnlyAndNeverReplacesAnHourglass)
{
    Form2 *f = form();
    f->hoverPushButton();
    EXPECT_EQ(f->MousePointer().code(), kPointerCustom);
    f->hoverSurface();
    EXPECT_EQ(f->MousePointer().code(), kPointerDefault);
    f->MousePointer().set(kPointerHourglass);
    f->hoverPushButton();
    f->hoverSurface();
    EXPECT_EQ(f->MousePointer().code(), kPointerHourglass);
}

} // namespace
} // namespace vantrelle::test
