// The main window on the offscreen platform: start-up, the persisted choices,
// the hover rule, appearance and the output destination. Dialogs and the
// automation server are doubles; the settings and the program folder are
// temporary.
#include "app/form1.h"
#include "run/publisher1.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/appearance.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QAccessible>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace vantrelle;

namespace {

class MainWindow : public ::testing::Test {
protected:
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    test::ServerLog log;
    automation::Registry registry;
    QTemporaryDir programDir;

    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        setProgramFolderForTesting(programDir.path());
        registry.Register(automation::kPublisherProgId,
                          std::make_shared<test::RecordingServer>(log));
    }
    void TearDown() override { setProgramFolderForTesting(QString()); }

    std::unique_ptr<Form1> start()
    {
        auto form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        form->Form_Load();
        return form;
    }

    // Every stored key and value, to see what a start-up wrote.
    QMap<QString, QString> stored()
    {
        QMap<QString, QString> values;
        for (const SettingKey &key : keys::all)
            if (settings->contains(key))
                values[key.name] = settings->get(key);
        return values;
    }

    void putBesideProgram(const QString &name, const QByteArray &bytes)
    {
        const QString path = programDir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void copyHandCursor()
    {
        QFile source(QStringLiteral(VANTRELLE_SOURCE_DIR "/app/resources/HAND-M.CUR"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        putBesideProgram(QStringLiteral("HAND-M.CUR"), source.readAll());
    }
};

QString desktopWithSeparator()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + QLatin1Char('/');
}

// A home folder of the test's own, with or without a Desktop folder in it.
class TempHome {
public:
    explicit TempHome(bool withDesktop)
        : m_home(qgetenv("HOME")), m_xdg(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral(".config")).toUtf8());
        if (withDesktop)
            QDir(m_dir.path()).mkdir(QStringLiteral("Desktop"));
    }
    ~TempHome()
    {
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_xdg);
    }
    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;
    QString path(const QString &name = {}) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_xdg;
};

QRect designRect(const QWidget *w, int l, int t, int width, int h)
{
    auto x = [w](int v) { return qRound(v * w->logicalDpiX() / 1440.0); };
    auto y = [w](int v) { return qRound(v * w->logicalDpiY() / 1440.0); };
    return {x(l), y(t), x(width), y(h)};
}

} // namespace

TEST_F(MainWindow, FirstStartShowsTheDesignDefaults)
{
    const TempHome home(true);
    auto form = start();
    EXPECT_EQ(form->windowTitle(), "Vantrelle");
    EXPECT_EQ(applicationTitle(), "Vantrelle");
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->Check2->checkState(), Qt::Unchecked);
    EXPECT_EQ(form->TabControl1->selectedIndex(), 0);
    EXPECT_EQ(form->TabControl1->tabText(0), "Find and replace");
    EXPECT_EQ(form->TabControl1->tabText(1), "Multiple find and replace (sets)");
    EXPECT_EQ(form->Text3->text(), desktopWithSeparator());
    EXPECT_TRUE(form->Option1->isChecked());
    EXPECT_FALSE(form->Option2->isChecked());
    EXPECT_TRUE(form->Frame3->isEnabled());
    EXPECT_TRUE(form->Text1->toPlainText().isEmpty());
    EXPECT_TRUE(form->Text2->toPlainText().isEmpty());
    EXPECT_EQ(form->ProgressBar1->text(), "");
    EXPECT_EQ(form->ProgressBar1->value(), 0);

    // The list's one column, 7000 twips wide.
    EXPECT_EQ(form->ListView1->headerText(), "Publisher File(s)");
    EXPECT_EQ(form->ListView1->header()->model()->headerData(0, Qt::Horizontal).toString(),
              "Publisher File(s)");
    EXPECT_EQ(form->ListView1->model()->columnCount(), 1);
    EXPECT_FALSE(form->ListView1->header()->isHidden());
    EXPECT_EQ(form->ListView1->columnWidth(0), designRect(form.get(), 0, 0, 7000, 0).width());

    // The Load Sets dialog exists, hidden, with the default separator.
    Form2 *sets = form->loadSetsDialog();
    EXPECT_FALSE(sets->isVisible());
    EXPECT_EQ(sets->Text2->text(), "::");

    EXPECT_TRUE(dialogs.shown.empty());
    // Publisher was created once and let go without being quit.
    EXPECT_EQ(log.calls, QStringList{"Create()"});

    // Only the handlers raised by restoring controls wrote, with what start-up
    // read; the samples were recorded (none are there).
    const auto values = stored();
    EXPECT_EQ(values.value("Snapshot", "absent"), "");
    EXPECT_EQ(values.value("Output Folder"), desktopWithSeparator());
    EXPECT_EQ(values.value("Option1"), "True");
    EXPECT_EQ(values.value("Option2"), "False");
    EXPECT_FALSE(values.contains("Check2"));
    EXPECT_FALSE(values.contains("TabControl1"));
    EXPECT_FALSE(values.contains("LastFolderDot"));
    EXPECT_EQ(desktopWithSeparator(), home.path(QStringLiteral("Desktop/")));
}

// A fresh account without a Desktop folder starts on its home folder, one
// that Start accepts.
TEST_F(MainWindow, WithoutADesktopFolderTheOutputFolderIsHome)
{
    const TempHome home(false);
    auto form = start();
    EXPECT_EQ(form->Text3->text(), home.path() + QLatin1Char('/'));
    EXPECT_TRUE(dialogs.shown.empty());
}

// What a screen reader reads in Load Sets: each box by its label, the two
// small buttons by what they do rather than "..." and "?".
TEST_F(MainWindow, LoadSetsBoxesAndButtonsHaveNamesAScreenReaderReads)
{
    auto form = start();
    Form2 *sets = form->loadSetsDialog();
    const struct {
        QWidget *control;
        const char *name;
        QLabel *label;
    } rows[] = {
        {sets->Text1, "File To Load", sets->Label1[0]},
        {sets->Text2, "Separator", sets->Label1[1]},
        {sets->PushButton16, "Browse for the file to load", nullptr},
        {sets->PushButton3, "Separator examples", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(row.control);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->text(QAccessible::Name), row.name);
        if (!row.label)
            continue;
        const auto labels = read->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const auto &relation) {
            return relation.first->object() == row.label;
        }));
    }
}

TEST_F(MainWindow, EveryControlHasItsCaptionPlaceAndFont)
{
    auto form = start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    EXPECT_EQ(form->size(), designRect(form.get(), 0, 0, 8040, 9735).size());
    // The menu bar above the list, which gives up its top for it.
    const int bar = form->MenuBar->height();
    EXPECT_EQ(form->MenuBar->geometry(), QRect(0, 0, form->width(), bar));
    const QRect list = designRect(form.get(), 120, 120, 7800, 1335);
    EXPECT_EQ(form->ListView1->geometry(), list.adjusted(0, bar - list.top(), 0, 0));
    struct Row {
        QWidget *control;
        QString caption;
        QWidget *container;
        int l, t, w, h;
    };
    Form1 &f = *form;
    const std::vector<Row> rows = {
        {f.PushButton3, "&Add Publisher File(s)", &f, 120, 1550, 3840, 405},
        {f.PushButton6, "Add All Publisher File(s) In &Folder", &f, 4080, 1550, 3840, 405},
        {f.PushButton2, "C&lear List", &f, 120, 2060, 3840, 405},
        {f.PushButton8, "Load Sa&mple/Example Files", &f, 4080, 2060, 3840, 405},
        {f.Frame1, "Match Option", &f, 120, 2530, 7800, 1095},
        {f.Check2, "Match &Case", f.Frame1, 240, 300, 1455, 255},
        {f.CheckWholeWord, "Whole wor&ds", f.Frame1, 1815, 300, 1695, 255},
        {f.CheckRegex, "Regular e&xpression", f.Frame1, 3630, 300, 2415, 255},
        {f.Label5, "Replace &in:", f.Frame1, 240, 660, 1020, 255},
        {f.Combo3, "", f.Frame1, 1320, 615, 2940, 345},
        {f.TabControl1, "", &f, 120, 3730, 7800, 2985},
        {f.Label1, " Find &what:", f.TabControl1, 240, 480, 5415, 255},
        {f.Text1, "", f.TabControl1, 240, 720, 7290, 840},
        {f.Label2, " Re&place with:", f.TabControl1, 240, 1620, 6015, 255},
        {f.Text2, "", f.TabControl1, 240, 1860, 7290, 840},
        {f.Label3, " Find &what:", f.TabControl1, 240, 495, 5415, 255},
        {f.SetsCount, "0 pairs", f.TabControl1, 5700, 495, 1860, 255},
        {f.Combo1, "", f.TabControl1, 240, 810, 7320, 345},
        {f.Label4, " Re&place with:", f.TabControl1, 240, 1230, 6015, 255},
        {f.Combo2, "", f.TabControl1, 240, 1500, 7320, 345},
        {f.PushButton1, "Add S&et", f.TabControl1, 240, 1950, 3600, 405},
        {f.PushButton10, "L&oad Sets", f.TabControl1, 3960, 1950, 1740, 405},
        {f.PushButton9, "Sa&ve Sets", f.TabControl1, 5820, 1950, 1740, 405},
        {f.PushButton4, "&Remove Selected Set", f.TabControl1, 240, 2430, 3600, 405},
        {f.PushButton5, "Clear Se&ts", f.TabControl1, 3960, 2430, 3600, 405},
        {f.Frame2, "Save Option", &f, 120, 6780, 7800, 1815},
        {f.Option1, "Save results to t&his folder:", f.Frame2, 240, 300, 3615, 255},
        {f.Frame3, "", f.Frame2, 480, 510, 6840, 810},
        {f.Text3, "", f.Frame3, 240, 300, 5670, 345},
        {f.PushButton14, "...", f.Frame3, 6000, 300, 600, 345},
        {f.Option2, "Save results in folder of ori&ginal file", f.Frame2, 240, 1410, 3615, 255},
        {f.PushButton7, "&Start Replacing", &f, 120, 8710, 5820, 405},
        {f.CountButton, "Cou&nt Only", &f, 6060, 8710, 1860, 405},
        {f.ProgressBar1, "", &f, 120, 9230, 7800, 405},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.control->objectName().toStdString());
        const QRect expected = designRect(&f, row.l, row.t, row.w, row.h);
        EXPECT_EQ(QRect(row.control->mapTo(row.container, QPoint(0, 0)), row.control->size()),
                  expected);
        QString caption;
        if (auto *b = qobject_cast<QAbstractButton *>(row.control))
            caption = b->text();
        else if (auto *l = qobject_cast<QLabel *>(row.control))
            caption = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(row.control))
            caption = g->title();
        else if (auto *p = qobject_cast<ProgressBar *>(row.control))
            caption = p->text();
        EXPECT_EQ(caption, row.caption);
    }
    // The Match Option row's controls neither overlap nor clip their texts.
    const QList<QWidget *> options{f.Check2, f.CheckWholeWord, f.CheckRegex, f.Label5, f.Combo3};
    for (QWidget *a : options) {
        SCOPED_TRACE(a->objectName().toStdString());
        EXPECT_GE(a->width(), a->sizeHint().width());
        EXPECT_TRUE(f.Frame1->contentsRect().contains(a->geometry()));
        for (QWidget *b : options)
            EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry())) << b->objectName().toStdString();
    }
    EXPECT_EQ(f.ListView1->toolTip(), "Drag and drop files here. Double-click item to remove it. "
                                      "Move | line to right and out of window to reveal full "
                                      "names.");

    // Arial bold, rendered by its metric twin where Arial itself is missing.
    const QFontInfo text(f.Check2->font());
    EXPECT_TRUE(text.family() == "Arial" || text.family() == "Liberation Sans")
        << text.family().toStdString();
    EXPECT_TRUE(text.bold());
    EXPECT_DOUBLE_EQ(f.Frame1->font().pointSizeF(), 9);
    EXPECT_DOUBLE_EQ(f.ListView1->font().pointSizeF(), 9);
    EXPECT_DOUBLE_EQ(f.PushButton5->font().pointSizeF(), 11.25);
    EXPECT_DOUBLE_EQ(f.TabControl1->tabBar()->font().pointSizeF(), 11.25);
    EXPECT_DOUBLE_EQ(f.Label3->font().pointSizeF(), 9);
}

TEST_F(MainWindow, ChoicesAreStoredAtOnceAndComeBackAtTheNextStart)
{
    {
        auto form = start();
        form->TabControl1->tabBar()->setCurrentIndex(1);
        EXPECT_EQ(settings->get(keys::TabControl1, ""), "1");
        form->Check2->click();
        EXPECT_EQ(settings->get(keys::Check2, ""), "1");
        // Every typed character rewrites the folder.
        form->Text3->clear();
        EXPECT_EQ(settings->get(keys::OutputFolder, "absent"), "");
        QTest::keyClicks(form->Text3, "/srv/a, b");
        EXPECT_EQ(settings->get(keys::OutputFolder, ""), "/srv/a, b");
        QTest::keyClick(form->Text3, Qt::Key_Backspace);
        EXPECT_EQ(settings->get(keys::OutputFolder, ""), "/srv/a, ");
        QTest::keyClicks(form->Text3, "c/");

        // The other destination disables the folder box and keeps its text.
        form->Option2->click();
        EXPECT_EQ(settings->get(keys::Option1, ""), "False");
        EXPECT_EQ(settings->get(keys::Option2, ""), "True");
        EXPECT_FALSE(form->Frame3->isEnabled());
        EXPECT_EQ(settings->get(keys::OutputFolder, ""), "/srv/a, c/");
    }
    const auto before = stored();

    auto again = start();
    EXPECT_EQ(again->TabControl1->selectedIndex(), 1);
    EXPECT_EQ(again->Check2->checkState(), Qt::Checked);
    EXPECT_FALSE(again->Option1->isChecked());
    EXPECT_TRUE(again->Option2->isChecked());
    EXPECT_FALSE(again->Frame3->isEnabled());
    EXPECT_EQ(again->Text3->text(), "/srv/a, c/");
    EXPECT_TRUE(dialogs.texts("error").isEmpty());
    // The handlers raised by restoring wrote back exactly what was read.
    EXPECT_EQ(stored(), before);

    // Back to the first tab and a clear box, and that comes back too.
    again->TabControl1->tabBar()->setCurrentIndex(0);
    again->Check2->click();
    again.reset();
    auto third = start();
    EXPECT_EQ(third->TabControl1->selectedIndex(), 0);
    EXPECT_EQ(third->Check2->checkState(), Qt::Unchecked);
}

TEST_F(MainWindow, GrayedMatchCaseIsRestoredAndAClickClearsTheGray)
{
    settings->set(keys::Check2, "2");
    auto form = start();
    EXPECT_EQ(form->Check2->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(settings->get(keys::Check2, ""), "2");
    form->Check2->click();
    EXPECT_EQ(form->Check2->checkState(), Qt::Checked);
    EXPECT_EQ(settings->get(keys::Check2, ""), "1");
    form->Check2->click();
    EXPECT_EQ(settings->get(keys::Check2, ""), "0");
}

TEST_F(MainWindow, MissingPublisherIsToldOnceAndStartUpEnds)
{
    log.createFails = true;
    auto form = start();
    EXPECT_EQ(dialogs.texts("notice"), QStringList{kNotInstalledNotice});
    EXPECT_TRUE(dialogs.texts("error").isEmpty());
    EXPECT_TRUE(form->Option1->isChecked());
}

// Moves the pointer to a point of the window the way the platform does, so Qt
// delivers it to whatever control lies there.
static void pointAt(Form1 &form, QWidget *control, QPoint where)
{
    QTest::mouseMove(&form, control->mapTo(&form, where));
    QApplication::processEvents();
}

static QPoint middle(QWidget *w)
{
    return w->rect().center();
}

TEST_F(MainWindow, HoverShowsTheHandOverButtonsAndNeverReplacesTheHourglass)
{
    copyHandCursor();
    auto form = start();
    EXPECT_TRUE(dialogs.shown.empty());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    WindowPointer &pointer = form->MousePointer();
    ASSERT_TRUE(pointer.hasCustomCursor());

    pointAt(*form, form->PushButton3, middle(form->PushButton3));
    EXPECT_EQ(pointer.code(), kPointerCustom);
    EXPECT_EQ(form->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(13, 4));

    // Check2 is in neither list: the hand stays. Frame1 around it restores the default.
    pointAt(*form, form->Check2, middle(form->Check2));
    EXPECT_EQ(pointer.code(), kPointerCustom);
    pointAt(*form, form->Frame1, QPoint(form->Frame1->width() - 6, form->Frame1->height() - 6));
    EXPECT_EQ(pointer.code(), kPointerDefault);
    EXPECT_NE(form->cursor().shape(), Qt::BitmapCursor);

    // A button inside a frame: the frame beneath does not take the hand away.
    pointAt(*form, form->PushButton14, middle(form->PushButton14));
    EXPECT_EQ(pointer.code(), kPointerCustom);
    pointAt(*form, form->Text3, middle(form->Text3));
    EXPECT_EQ(pointer.code(), kPointerDefault);

    // The tab row and the bare part of a page are the tab control's surface;
    // the labels and boxes on it are not.
    pointAt(*form, form->PushButton7, middle(form->PushButton7));
    pointAt(*form, form->Label1, middle(form->Label1));
    pointAt(*form, form->Text1, middle(form->Text1));
    EXPECT_EQ(pointer.code(), kPointerCustom);
    pointAt(*form, form->TabControl1->tabBar(), QPoint(10, 5));
    EXPECT_EQ(pointer.code(), kPointerDefault);
    pointAt(*form, form->PushButton2, middle(form->PushButton2));
    QWidget *page = form->TabControl1->currentWidget();
    pointAt(*form, page, QPoint(page->width() - 4, page->height() - 4));
    EXPECT_EQ(pointer.code(), kPointerDefault);

    // The window's own background; Frame2 too.
    pointAt(*form, form->PushButton8, middle(form->PushButton8));
    pointAt(*form, form.get(), QPoint(3, form->height() - 3));
    EXPECT_EQ(pointer.code(), kPointerDefault);
    pointAt(*form, form->PushButton8, middle(form->PushButton8));
    pointAt(*form, form->Frame2, QPoint(4, form->Frame2->height() - 4));
    EXPECT_EQ(pointer.code(), kPointerDefault);

    // While busy nothing changes the pointer.
    pointer.set(kPointerHourglass);
    for (QWidget *w : {static_cast<QWidget *>(form->PushButton3),
                       static_cast<QWidget *>(form->Text3), static_cast<QWidget *>(form->Frame1)}) {
        pointAt(*form, w, QPoint(3, w->height() - 3));
        EXPECT_EQ(pointer.code(), kPointerHourglass);
        EXPECT_EQ(form->cursor().shape(), Qt::WaitCursor);
    }
}

TEST_F(MainWindow, WithoutTheCursorFileTheSystemPointersStay)
{
    auto form = start();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(form->MousePointer().hasCustomCursor());
    form->hoverPushButton();
    EXPECT_EQ(form->MousePointer().code(), kPointerCustom);
    EXPECT_NE(form->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(MainWindow, AnUnreadableCursorFileIsReportedAtItsLine)
{
    putBesideProgram("HAND-M.CUR", "not a picture");
    auto form = start();
    const QStringList errors = dialogs.texts("error");
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_TRUE(errors[0].startsWith("Invalid picture\r\n") && errors[0].contains("line 104"));
    EXPECT_FALSE(form->MousePointer().hasCustomCursor());
    EXPECT_EQ(form->windowTitle(), "Vantrelle");
}

TEST_F(MainWindow, SkinFileSwitchesTheButtonFaceColoursOn)
{
    const QColor face = buttonFaceColor();
    ASSERT_NE(face, QColor(Qt::white));
    auto background = [](QWidget *w) { return w->palette().color(QPalette::Window); };
    {
        auto plain = start();
        EXPECT_EQ(background(plain.get()), QColor(Qt::white));
        EXPECT_EQ(background(plain->Frame1), QColor(Qt::white));
        EXPECT_EQ(background(plain->Option2), QColor(Qt::white));
        EXPECT_EQ(background(plain->Label2), QColor(Qt::white));
    }
    // A folder of that name is no skin file.
    QDir(programDir.path()).mkpath("x/o.cjs");
    EXPECT_EQ(background(start().get()), QColor(Qt::white));
    QDir(programDir.path()).rmdir("x/o.cjs");

    putBesideProgram("x/o.cjs", "skin");
    auto skinned = start();
    EXPECT_TRUE(dialogs.texts("error").isEmpty());
    for (QWidget *w :
         std::initializer_list<QWidget *>{skinned.get(), skinned->Frame1, skinned->Frame3,
                                          skinned->Check2, skinned->Option1, skinned->Label4}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(background(w), face);
        EXPECT_TRUE(w->autoFillBackground());
    }
    EXPECT_FALSE(skinned->PushButton3->autoFillBackground());
    EXPECT_FALSE(skinned->Text3->autoFillBackground());
}

TEST_F(MainWindow, OutputFolderPicker)
{
    auto form = start();
    const QString before = form->Text3->text();

    form->PushButton14->click(); // cancelled
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "folder");
    EXPECT_EQ(dialogs.shown[0].text, "Please select folder:");
    EXPECT_EQ(dialogs.shown[0].extra, "");
    EXPECT_EQ(form->Text3->text(), before);
    EXPECT_FALSE(settings->contains(keys::LastFolderDot));
    EXPECT_EQ(settings->get(keys::OutputFolder, ""), before);

    dialogs.folderAnswers = {"/srv/results", "/"};
    form->PushButton14->click();
    EXPECT_EQ(form->Text3->text(), "/srv/results/");
    EXPECT_EQ(settings->get(keys::LastFolderDot, ""), "/srv/results");
    EXPECT_EQ(settings->get(keys::OutputFolder, ""), "/srv/results/");

    // The last choice opens the picker; a root gets no second separator.
    form->PushButton14->click();
    EXPECT_EQ(dialogs.shown.back().extra, "/srv/results");
    EXPECT_EQ(form->Text3->text(), "/");
    EXPECT_EQ(settings->get(keys::LastFolderDot, ""), "/");
    EXPECT_TRUE(dialogs.texts("error").isEmpty());
}

TEST_F(MainWindow, ClosingTheWindowEndsTheProgramDespiteTheHiddenDialog)
{
    auto form = start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_NE(form->loadSetsDialog(), nullptr);
    // The event loop ends when the window closes; a loop kept alive by the
    // hidden dialog would run into the time limit instead.
    QTimer::singleShot(0, form.get(), [&form] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->loadSetsDialog()->isVisible());
}

// Help ▸ About, from the menu bar or with F1: the name and the build's version.
TEST_F(MainWindow, AboutShowsTheVersion)
{
    auto form = start();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QAction *help = form->MenuBar->actions().value(0);
    ASSERT_EQ(help ? help->text() : "", "Help");
    QTest::mouseClick(form->MenuBar, Qt::LeftButton, {}, form->MenuBar->actionGeometry(help).center());
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions()[0]).center());
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.texts("notice").size(), 2);
    for (const QString &text : dialogs.texts("notice"))
        EXPECT_TRUE(text.startsWith("Vantrelle " + productVersion() + "\n")) << text.toStdString();
}

// "(exact case)" is said only while Match Case is ticked, on both tabs.
TEST_F(MainWindow, TheFindLabelsFollowMatchCase)
{
    auto form = start();
    form->show();
    for (const QString caption : {" Find &what (exact case):", " Find &what:"}) {
        QTest::mouseClick(form->Check2, Qt::LeftButton);
        EXPECT_EQ(form->Label1->text(), caption);
        EXPECT_EQ(form->Label3->text(), caption);
    }
}
