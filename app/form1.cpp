#include "app/form1.h"

#include "app/shell/apptitle.h"
#include "app/shell/controls.h"
#include "app/shell/dialogs.h"
#include "app/shell/errorreport.h"
#include "app/shell/settings.h"
#include "doclist/doclistview.h"
#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "run/publisher1.h"
#include "sets/form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace vantrelle {

namespace {

// The window design is in twips: 1440 to the logical inch.
int twips(const QWidget *w, int value)
{
    return qRound(value * w->logicalDpiX() / 1440.0);
}

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twips(w, left), twips(w, top), twips(w, width), twips(w, height));
}

} // namespace

Form1::Form1(Form1Services services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    connectHandlers();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    setFixedSize(twips(this, 8040), twips(this, 9735));

    ListView1 = new DocListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    place(ListView1, 120, 120, 7800, 1335);

    auto button = [this](PushButton *&b, const char *name, const char *caption, QWidget *parent,
                         int l, int t, int w, int h) {
        b = new PushButton(QString::fromUtf8(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        place(b, l, t, w, h);
    };
    button(PushButton3, "PushButton3", "Add Publisher File(s)", this, 120, 1550, 3840, 405);
    button(PushButton6, "PushButton6", "Add All Publisher File(s) In Folder", this, 4080, 1550,
           3840, 405);
    button(PushButton2, "PushButton2", "Clear List", this, 120, 2060, 3840, 405);
    button(PushButton8, "PushButton8", "Load Sample/Example Files", this, 4080, 2060, 3840, 405);

    Frame1 = new QGroupBox(QStringLiteral("Match Option"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 120, 2530, 7800, 735);
    Check2 = new QCheckBox(QStringLiteral("Match Case"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    place(Check2, 240, 300, 1455, 255);

    TabControl1 = new TabControl(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    place(TabControl1, 120, 3370, 7800, 3345);
    auto *page0 = new QWidget;
    auto *page1 = new QWidget;
    TabControl1->addTab(page0, QStringLiteral("Find and replace"));
    TabControl1->addTab(page1, QStringLiteral("Multiple find and replace (sets)"));
    // Tab pages start below the tab row; the design measures from the control's top.
    const int tabTop = 360;
    auto label = [this](QLabel *&l, const char *name, const char *caption, QWidget *parent,
                        int x, int y, int w, int h) {
        l = new QLabel(QString::fromUtf8(caption), parent);
        l->setObjectName(QString::fromLatin1(name));
        place(l, x, y, w, h);
    };
    label(Label1, "Label1", " Find what (exact case):", page0, 240, 480 - tabTop, 5415, 255);
    Text1 = new QPlainTextEdit(page0);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, 240, 720 - tabTop, 7290, 1020);
    label(Label2, "Label2", " Replace with:", page0, 240, 1800 - tabTop, 6015, 255);
    Text2 = new QPlainTextEdit(page0);
    Text2->setObjectName(QStringLiteral("Text2"));
    place(Text2, 240, 2040 - tabTop, 7290, 1020);

    label(Label3, "Label3", " Find what (exact case):", page1, 240, 495 - tabTop, 5415, 255);
    Combo1 = new QComboBox(page1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    place(Combo1, 240, 810 - tabTop, 7320, 345);
    label(Label4, "Label4", " Replace with:", page1, 240, 1320 - tabTop, 6015, 255);
    Combo2 = new QComboBox(page1);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    place(Combo2, 240, 1600 - tabTop, 7320, 345);
    button(PushButton1, "PushButton1", "Add Set", page1, 240, 2100 - tabTop, 3600, 405);
    button(PushButton10, "PushButton10", "Load Sets", page1, 3960, 2100 - tabTop, 1740, 405);
    button(PushButton9, "PushButton9", "Save Sets", page1, 5820, 2100 - tabTop, 1740, 405);
    button(PushButton4, "PushButton4", "Remove Selected Set", page1, 240, 2640 - tabTop, 3600, 405);
    button(PushButton5, "PushButton5", "Clear Sets", page1, 3960, 2640 - tabTop, 3600, 405);

    Frame2 = new QGroupBox(QStringLiteral("Save Option"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 120, 6780, 7800, 1815);
    Option1 = new QRadioButton(QStringLiteral("Save results to this folder:"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    place(Option1, 240, 300, 3615, 255);
    Frame3 = new QGroupBox(Frame2);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    place(Frame3, 480, 510, 6840, 810);
    Text3 = new QLineEdit(Frame3);
    Text3->setObjectName(QStringLiteral("Text3"));
    place(Text3, 240, 300, 5670, 345);
    button(PushButton14, "PushButton14", "...", Frame3, 6000, 300, 600, 345);
    Option2 = new QRadioButton(QStringLiteral("Save results in folder of original file"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    place(Option2, 240, 1410, 3615, 255);

    button(PushButton7, "PushButton7", "Start Replacing", this, 120, 8710, 7800, 405);
    ProgressBar1 = new ProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setText(QStringLiteral("Progress Bar"));
    place(ProgressBar1, 120, 9230, 7800, 405);
}

void Form1::connectHandlers()
{
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2_Click(); });
    connect(TabControl1, &QTabWidget::currentChanged, this,
            [this](int index) { TabControl1_SelectedChanged(index); });
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(PushButton14, &QPushButton::clicked, this, [this] { PushButton14_Click(); });
    connect(PushButton7, &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connectDocListHandlers();
    connectSetsHandlers();
}

Form2 *Form1::loadSetsDialog()
{
    if (!m_form2) {
        m_form2 = new Form2(m_services.dialogs, m_services.settings, Combo1, Combo2, this);
        m_form2->Form_Load();
    }
    return m_form2;
}

void Form1::Form_Load()
{
    Guard guard(m_services.dialogs, loc::Form1_Form_Load);
    SettingsStore &settings = m_services.settings;
    guard.run(130, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        SetApplicationTitle();
    });
    guard.run(136, [&] { Check2->setChecked(settingToInt(settings.get(keys::Check2, "0")) == 1); });
    guard.run(138, [&] {
        TabControl1->setSelectedIndex(settingToInt(settings.get(keys::TabControl1, "0")));
    });
    guard.run(140, [&] { loadSetsDialog(); });
    guard.run(142, [&] { Text3->setText(settings.get(keys::OutputFolder, GetDesktopFolder())); });
    guard.run(144, [&] { Option1->setChecked(settingToBool(settings.get(keys::Option1, "1"))); });
    guard.run(146, [&] { Option2->setChecked(settingToBool(settings.get(keys::Option2, "0"))); });
    if (guard.test(148, [&] { return Option1->isChecked(); }))
        guard.run(150, [&] { Frame3->setEnabled(true); });
    else
        guard.run(152, [&] { Frame3->setEnabled(false); });
    guard.run(154, [&] {
        IsInstalled::CheckPublisherInstalled(m_services.dialogs, m_services.registry);
    });
}

void Form1::SetApplicationTitle()
{
    setApplicationTitle(shortenedTitle(QString::fromLatin1(kProductName)));
}

QString Form1::GetDesktopFolder()
{
    const QString desktop = GetSpecialFolderPath(0);
    if (desktop.isEmpty())
        throw Failure("Invalid procedure call or argument");
    return desktop + kSeparator;
}

void Form1::Check2_Click()
{
    m_services.settings.set(keys::Check2, Check2->isChecked() ? "1" : "0");
}

void Form1::TabControl1_SelectedChanged(int index)
{
    m_services.settings.set(keys::TabControl1, QString::number(index));
}

void Form1::Option1_Click()
{
    m_services.settings.set(keys::Option1, boolText(Option1->isChecked()));
    m_services.settings.set(keys::Option2, boolText(Option2->isChecked()));
    Frame3->setEnabled(Option1->isChecked());
}

void Form1::Option2_Click()
{
    Option1_Click();
}

void Form1::Text3_Change()
{
    m_services.settings.set(keys::OutputFolder, Text3->text());
}

void Form1::PushButton14_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton14_Click);
    QString chosen;
    guard.run(100, [&] {
        const QString last = m_services.settings.get(keys::LastFolderDot, QString());
        chosen = BrowseForFolder(m_services.dialogs, QStringLiteral("Please select folder:"), last);
    });
    if (chosen.isEmpty())
        return;
    guard.run(104, [&] { m_services.settings.set(keys::LastFolderDot, chosen); });
    if (guard.test(106, [&] { return !chosen.endsWith(kSeparator); }))
        guard.run(108, [&] { Text3->setText(chosen + kSeparator); });
    else
        guard.run(110, [&] { Text3->setText(chosen); });
}

void Form1::hoverPushButton()
{
    if (!m_pointer.isHourglass())
        m_pointer.set(kPointerCustom);
}

void Form1::hoverSurface()
{
    if (!m_pointer.isHourglass())
        m_pointer.set(kPointerDefault);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program, hidden dialogs included.
    if (m_form2)
        m_form2->close();
    event->accept();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    hoverSurface();
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    return QWidget::eventFilter(watched, event);
}

} // namespace vantrelle
