// The window as built for Windows, under Wine: its settings in the registry
// where the old program kept them, the samples run from the keyboard, and the
// publishing program (the fake server tools/test-windows.sh registers) as a
// second engine.
#include "app/form1.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "run/comserver.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "tests/support/oddsettings.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/changelist.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/pagesdialog.h"
#include "widgets/reportwindow.h"
#include "wincom/client.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vantrelle {
namespace {

const QString kOldProgramsKey =
    QStringLiteral("HKCU\\Software\\VB and VBA Program Settings\\Quillorn\\Vantrelle");

// Wine's own reg.exe, as a user or an old installation would have written.
QString reg(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("reg.exe"), arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString storiesText(const QString &path)
{
    const pubengine::Publication pub = pubengine::Publication::open(path);
    const std::u16string &text = pub.quill().text();
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

bool tabTo(QWidget *control)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != control; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

struct WindowOnWindows : ::testing::Test {
    test::ScriptedDialogs dialogs;
    automation::Registry registry;
    automation::Registry program;
    wincom::Apartment apartment;
    QTemporaryDir dir;
    // Before the window, which stores its place in them as it goes.
    test::TempSettings settings;
    std::unique_ptr<SettingsStore> registryStore;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    }
    void open(SettingsStore &store, bool offerProgram = false)
    {
        Form1Services services{dialogs, store, registry};
        if (offerProgram) {
            program.Register(automation::kPublisherProgId,
                             automation::makeComServer(automation::kPublisherProgId));
            services.program = &program;
        }
        form = std::make_unique<Form1>(services);
        form->Form_Load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
    }
    QString path(const QString &name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
};

TEST_F(WindowOnWindows, StartsWithTheOldProgramsChoicesFromTheRegistry)
{
    reg({"delete", kOldProgramsKey, "/f"});
    reg({"add", kOldProgramsKey, "/v", "Check2", "/d", "1", "/f"});
    reg({"add", kOldProgramsKey, "/v", "Output Folder", "/d", path("Results"), "/f"});
    registryStore = std::make_unique<SettingsStore>(); // the registry, as installed
    open(*registryStore);
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_EQ(form->Text3->text(), path("Results"));

    QTest::mouseClick(form->Check2, Qt::LeftButton);
    EXPECT_FALSE(form->Check2->isChecked());
    // There at once, not when the window closes.
    EXPECT_TRUE(reg({"query", kOldProgramsKey, "/v", "Check2"}).contains(QRegularExpression("REG_SZ\\s+0")));
    form.reset();
    reg({"delete", kOldProgramsKey, "/f"});
}

// Whatever the registry holds for it (text, a DWORD, a multi-string, a
// 100,000-character text), the window starts: each value its setting cannot
// have gives the default, one notice names them, and they are reset there.
TEST_F(WindowOnWindows, EveryOddRegistryValueStartsTheWindowWithOneNotice)
{
    QSettings raw(QLatin1String(kSettingsRegistryRoot) + QLatin1String(kSettingsApplication),
                  QSettings::NativeFormat);
    for (const test::OddValue &odd : test::oddValues()) {
        SCOPED_TRACE(odd.what);
        test::storeEverywhere(raw, odd);
        const QStringList reset = test::resetNames(odd);
        for (int start = 0; start < 2; ++start) {
            dialogs.shown.clear();
            registryStore = std::make_unique<SettingsStore>();
            open(*registryStore);
            EXPECT_TRUE(dialogs.texts("error").isEmpty())
                << dialogs.texts("error").join('\n').toStdString();
            const QStringList notices =
                dialogs.texts("notice").filter(QStringLiteral("stored settings"));
            // The second start finds the defaults stored.
            EXPECT_EQ(notices,
                      start == 0 ? QStringList{settingsResetNotice(reset)} : QStringList{});
            EXPECT_EQ(form->Check2->checkState(), Qt::Unchecked);
            EXPECT_EQ(form->Combo3->currentIndex(), 0);
            EXPECT_EQ(form->CheckPdf->isChecked(),
                      !reset.contains("SavePdfs") &&
                          settingBool(odd.value.toString()).value_or(false));
            form.reset();
        }
    }
    reg({"delete", kOldProgramsKey, "/f"});
}

TEST_F(WindowOnWindows, KeyboardRunsTheSamplesAndShowsTheChanges)
{
    open(*settings);
    if (!QApplication::focusWidget())
        QTest::keyClick(form.get(), Qt::Key_Tab);
    ASSERT_TRUE(tabTo(form->PushButton8));
    QTest::keyClick(form->PushButton8, Qt::Key_Space);
    const QStringList samples = form->ListView1->rows().toStringList();
    ASSERT_EQ(samples.size(), 3) << "the Samples folder beside the program holds three";

    ASSERT_TRUE(tabTo(form->Text1));
    QTest::keyClicks(form->Text1, "2026");
    QTest::keyClick(form->Text1, Qt::Key_Tab);
    QTest::keyClicks(form->Text2, "2027");
    ASSERT_TRUE(tabTo(form->Option1));
    QTest::keyClick(form->Option1, Qt::Key_Space);
    ASSERT_TRUE(tabTo(form->Text3));
    QTest::keyClick(form->Text3, Qt::Key_A, Qt::ControlModifier);
    QDir(dir.path()).mkpath("out");
    QTest::keyClicks(form->Text3, path("out") + "\\");
    ASSERT_TRUE(tabTo(form->PushButton7));
    QTest::keyClick(form->PushButton7, Qt::Key_Space);

    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
    for (const QString &sample : samples) {
        auto pub = pubengine::Publication::open(sample);
        pub.replaceAll(QStringLiteral("2026"), QStringLiteral("2027"), false);
        const std::u16string &expected = pub.quill().text();
        EXPECT_EQ(storiesText(path("out/" + QFileInfo(sample).fileName())),
                  QString::fromUtf16(expected.data(), qsizetype(expected.size())))
            << sample.toStdString();
    }
    ASSERT_NE(form->reportWindow(), nullptr);
    EXPECT_TRUE(form->reportWindow()->isVisible());
    auto *changes = form->reportWindow()->findChild<QTreeWidget *>();
    ASSERT_NE(changes, nullptr);
    EXPECT_GT(changes->topLevelItemCount(), 0) << "the selected result's changes are listed";
}

TEST_F(WindowOnWindows, OffersThePublishingProgramOnlyWhereItIsRegistered)
{
    EXPECT_TRUE(automation::isRegistered(automation::kPublisherProgId)) << "the fake server";
    EXPECT_FALSE(automation::isRegistered(QStringLiteral("Vantrelle.NoSuchProgram")));
    open(*settings, false);
    EXPECT_FALSE(form->ComboEngine->isVisibleTo(form.get()));
    open(*settings, true);
    ASSERT_TRUE(form->ComboEngine->isVisibleTo(form.get()));
    EXPECT_EQ(form->ComboEngine->itemText(1), "the publishing program");
}

TEST_F(WindowOnWindows, ThePublishingProgramEditsWhenChosen)
{
    open(*settings, true);
    form->CheckRegex->setChecked(true);
    form->ComboEngine->setCurrentIndex(1);
    EXPECT_EQ(settings->get(keys::Engine), "1");
    for (QWidget *option : std::initializer_list<QWidget *>{form->CheckRegex, form->CheckKeepCase,
                                                             form->Combo3}) {
        EXPECT_FALSE(option->isEnabled());
        EXPECT_TRUE(option->toolTip().contains("publishing program cannot do this"));
    }
    // The fake program edits plain text.
    QDir(dir.path()).mkpath("out");
    QFile flyer(path("Flyer.pub"));
    ASSERT_TRUE(flyer.open(QIODevice::WriteOnly));
    flyer.write("Spring Fair 2026");
    flyer.close();
    form->ListView1->append(dir.filePath("Flyer.pub")); // as the file dialog gives it
    form->Text1->setPlainText("2026");
    form->Text2->setPlainText("2027");
    form->Option1->setChecked(true);
    form->Text3->setText(path("out"));
    form->PushButton7->click();
    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
    QFile result(path("out/Flyer.pub"));
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "Spring Fair 2027") << "what the program saved";

    form->ComboEngine->setCurrentIndex(0);
    EXPECT_TRUE(form->CheckRegex->isEnabled());
    EXPECT_TRUE(form->CheckRegex->isChecked()) << "kept for Vantrelle's engine";
}

// Without Qt's PDF view, "Pages before and after" opens LibreOffice's two
// drawings in whatever Windows opens PDFs with: here a copy command standing
// in for a viewer, registered for .pdf; with none that can, it says so.
// LibreOffice is the stand-in tools/windows/test-engine.sh builds. The
// associations go to HKEY_CLASSES_ROOT (the test prefix's own): Wine does not
// merge the user's classes into it as Windows does.
TEST_F(WindowOnWindows, PagesOpenInTheSystemsPdfViewer)
{
    const QString soffice = qEnvironmentVariable("VANTRELLE_SOFFICE_STANDIN");
    if (soffice.isEmpty())
        GTEST_SKIP() << "no stand-in for LibreOffice (VANTRELLE_SOFFICE_STANDIN)";
    const QString sample = QCoreApplication::applicationDirPath() + "/Samples/Letterhead.pub";
    const QString classes = QStringLiteral("HKCR\\");
    QDir(dir.path()).mkpath("viewed");
    reg({"add", classes + ".pdf", "/ve", "/d", "VantrelleTest.Pdf", "/f"});
    reg({"add", classes + "VantrelleTest.Pdf\\shell\\open\\command", "/ve", "/d",
         "cmd.exe /c copy \"%1\" \"" + path("viewed") + "\"", "/f"});
    {
        PagesDialog pages(sample, sample, nullptr, soffice);
        QSignalSpy ended(&pages, &PagesDialog::drawingEnded);
        ASSERT_TRUE(ended.wait(60000));
        EXPECT_TRUE(ended.at(0).at(0).toBool()) << pages.statusText().toStdString();
        EXPECT_EQ(pages.openedFiles().size(), 2);
        EXPECT_TRUE(pages.statusText().contains("open in your PDF viewer"));
    }
    for (int i = 0; i < 100 && QDir(path("viewed")).entryList(QDir::Files).size() < 2; ++i)
        QTest::qWait(100);
    EXPECT_EQ(QDir(path("viewed")).entryList(QDir::Files),
              (QStringList{"After - Letterhead.pdf", "Before - Letterhead.pdf"}));

    // A type nothing opens.
    reg({"delete", classes + "VantrelleTest.Pdf\\shell", "/f"});
    PagesDialog pages(sample, sample, nullptr, soffice);
    QSignalSpy ended(&pages, &PagesDialog::drawingEnded);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_FALSE(ended.at(0).at(0).toBool());
    EXPECT_TRUE(pages.statusText().startsWith("No program on this computer opens PDF files"))
        << pages.statusText().toStdString();
}

// The design's twips at the monitor's DPI: run once at 96 DPI and once with
// Windows set to 150 % (tools/windows/test-engine.sh sets LogPixels and
// VANTRELLE_EXPECTED_SCALE).
TEST_F(WindowOnWindows, IsTheDesignsSizeAtTheMonitorsScale)
{
    const double scale = qEnvironmentVariableIsSet("VANTRELLE_EXPECTED_SCALE")
                             ? qEnvironmentVariable("VANTRELLE_EXPECTED_SCALE").toDouble()
                             : 1.0;
    open(*settings);
    // 8040 twips at 96 DPI, 15 twips a pixel.
    EXPECT_EQ(qRound(form->width() * form->devicePixelRatioF()), qRound(8040 / 15 * scale));
    EXPECT_EQ(qRound(form->PushButton7->width() * form->devicePixelRatioF()),
              qRound(5820 / 15 * scale));
}

} // namespace
} // namespace vantrelle
