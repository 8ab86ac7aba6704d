// The window's layout, start-up, the persisted choices, the hover rule and
// the output destination.
#include "app/form1.h"

#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "render/pdfexport.h"
#include "run/publisher1.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "widgets/appearance.h"
#include "widgets/commondialog.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/form2.h"
#include "widgets/windowkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>

#include <algorithm>

namespace vantrelle {

namespace {

// An option button set by the program, as the store has it. Qt keeps one
// button of a group checked; a stored "False" must still clear it.
void setOptionValue(QRadioButton *option, bool value)
{
    if (value || !option->isChecked()) {
        option->setChecked(value);
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

// Fusion draws a scroll area's sunken frame with lines that fall between
// device pixels at fractional scale factors (1.25, 1.5), so an edge or two
// vanish. A plain one-pixel box in the same grey stays whole at any scale.
void keepFrameWhole(QFrame *frame)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Window).darker(140));
    frame->setPalette(palette);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
}

} // namespace

Form1::Form1(Form1Services services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    m_sets = new SetsModel(this);
    installFontSubstitutes();
    setFont(designFont());
    // The design's white background; a skin file turns it to button face.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setMouseTracking(true);
    buildControls();
    connectHandlers();
}

Form1::~Form1()
{
    // Its windows hide as they go, and a store that may not outlive the
    // window must not be written then (or by a later window of another).
    if (windowPlaceStore() == &m_services.settings)
        setWindowPlaceStore(nullptr);
}

void Form1::buildControls()
{
    setFixedSize(twipsX(this, 8040), twipsY(this, 9735));
    const QFont buttonFont = designButtonFont();

    ListView1 = new DocListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    place(ListView1, 120, 120, 7800, 1335);

    auto button = [&buttonFont](PushButton *&b, const char *name, const QString &caption,
                                QWidget *parent) {
        b = new PushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
    };
    auto label = [](QLabel *&l, const char *name, const QString &caption, QWidget *parent) {
        l = new QLabel(caption, parent);
        l->setObjectName(QString::fromLatin1(name));
    };

    button(PushButton3, "PushButton3", tr("Add Publisher File(s)"), this);
    place(PushButton3, 120, 1550, 3840, 405);
    button(PushButton6, "PushButton6", tr("Add All Publisher File(s) In Folder"), this);
    place(PushButton6, 4080, 1550, 3840, 405);
    button(PushButton2, "PushButton2", tr("Clear List"), this);
    place(PushButton2, 120, 2060, 3840, 405);
    button(PushButton8, "PushButton8", tr("Load Sample/Example Files"), this);
    place(PushButton8, 4080, 2060, 3840, 405);

    Frame1 = new Frame(tr("Match Option"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, 120, 2530, 7800, 1095);
    Check2 = new CheckBox(tr("Match Case"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    place(Check2, 240, 300, 1455, 255);
    // Beside Match Case on its row.
    CheckWholeWord = new CheckBox(tr("Whole words"), Frame1);
    CheckWholeWord->setObjectName(QStringLiteral("CheckWholeWord"));
    CheckWholeWord->setToolTip(tr("Find only whole words: “the” no longer finds "
                                  "“other” or “anthem”."));
    place(CheckWholeWord, 1815, 300, 1695, 255);
    CheckRegex = new CheckBox(tr("Regular expression"), Frame1);
    CheckRegex->setObjectName(QStringLiteral("CheckRegex"));
    CheckRegex->setToolTip(
        tr("Read each find text as a regular expression. In the replacement, $0 stands for what "
           "was found, $1 to $9 for its groups and $$ for a dollar sign."));
    place(CheckRegex, 3630, 300, 2415, 255);
    CheckKeepCase = new CheckBox(tr("Keep case"), Frame1);
    CheckKeepCase->setObjectName(QStringLiteral("CheckKeepCase"));
    CheckKeepCase->setToolTip(
        tr("Find any case and write each replacement in the case of what it replaces: "
           "acme → apex, Acme → Apex, ACME → APEX."));
    place(CheckKeepCase, 6165, 300, 1515, 255);
    // Where the pairs apply, seen before every run, on the frame's second
    // row: story text is always searched; link addresses and document
    // properties only when chosen.
    label(Label5, "Label5", tr("Replace in:"), Frame1);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(Label5, 240, 660, 1020, 255);
    Combo3 = new QComboBox(Frame1);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Combo3->addItems(
        {tr("text only"), tr("text and link addresses"), tr("text, links and properties")});
    Combo3->setToolTip(
        tr("Where the pairs apply: the text only; also the addresses of web, e-mail and file "
           "links; or also the document properties (title, subject, author, keywords, comments, "
           "company, manager, category and your own)."));
    Label5->setBuddy(Combo3);
    place(Combo3, 1320, 615, 2940, 345);
    // Beside it, where the publishing program is installed: who edits.
    label(LabelEngine, "LabelEngine", QString(), Frame1); // its caption comes with its mnemonic
    LabelEngine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(LabelEngine, 4290, 660, 900, 255);
    ComboEngine = new QComboBox(Frame1);
    ComboEngine->setObjectName(QStringLiteral("ComboEngine"));
    ComboEngine->addItems({tr("Vantrelle"), tr("the publishing program")});
    ComboEngine->setToolTip(
        tr("Who opens, edits and saves each publication: Vantrelle's own engine, or the "
           "publishing program installed on this computer. The program cannot use regular "
           "expressions, keep case, or replace in link addresses and properties, and does not "
           "say how many replacements it made."));
    place(ComboEngine, 5220, 615, 2460, 345);
    const bool offerEngines = m_services.program != nullptr;
    LabelEngine->setVisible(offerEngines);
    ComboEngine->setVisible(offerEngines);

    TabControl1 = new TabControl(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->tabBar()->setFont(buttonFont);
    place(TabControl1, 120, 3730, 7800, 2985);
    TabControl1->addTab(new QWidget, tr("Find and replace"));
    TabControl1->addTab(new QWidget, tr("Multiple find and replace (sets)"));
    // The design measures the tab's controls from the tab control's corner.
    auto onTab = [this](int tab, QWidget *control, int l, int t, int w, int h) {
        TabControl1->placeOnTab(tab, control, twipsRect(this, l, t, w, h));
    };
    label(Label1, "Label1", tr(" Find what (exact case):"), nullptr);
    onTab(0, Label1, 240, 480, 5415, 255);
    Text1 = new QPlainTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    onTab(0, Text1, 240, 720, 7290, 840);
    label(Label2, "Label2", tr(" Replace with:"), nullptr);
    onTab(0, Label2, 240, 1620, 6015, 255);
    Text2 = new QPlainTextEdit;
    Text2->setObjectName(QStringLiteral("Text2"));
    onTab(0, Text2, 240, 1860, 7290, 840);

    label(Label3, "Label3", tr(" Find what (exact case):"), nullptr);
    onTab(1, Label3, 240, 495, 5415, 255);
    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    onTab(1, Combo1, 240, 810, 7320, 345);
    label(Label4, "Label4", tr(" Replace with:"), nullptr);
    onTab(1, Label4, 240, 1230, 6015, 255);
    Combo2 = new QComboBox;
    Combo2->setObjectName(QStringLiteral("Combo2"));
    onTab(1, Combo2, 240, 1500, 7320, 345);
    button(PushButton1, "PushButton1", tr("Add Set"), nullptr);
    onTab(1, PushButton1, 240, 1950, 3600, 405);
    button(PushButton10, "PushButton10", tr("Load Sets"), nullptr);
    onTab(1, PushButton10, 3960, 1950, 1740, 405);
    button(PushButton9, "PushButton9", tr("Save Sets"), nullptr);
    onTab(1, PushButton9, 5820, 1950, 1740, 405);
    button(PushButton4, "PushButton4", tr("Remove Selected Set"), nullptr);
    onTab(1, PushButton4, 240, 2430, 3600, 405);
    button(PushButton5, "PushButton5", tr("Clear Sets"), nullptr);
    onTab(1, PushButton5, 3960, 2430, 3600, 405);

    Frame2 = new Frame(tr("Save Option"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 120, 6780, 7800, 1815);
    Option1 = new QRadioButton(tr("Save results to this folder:"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    place(Option1, 240, 300, 3615, 255);
    Frame3 = new Frame(QString(), Frame2);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    place(Frame3, 480, 510, 6840, 810);
    Text3 = new QLineEdit(Frame3);
    Text3->setObjectName(QStringLiteral("Text3"));
    place(Text3, 240, 300, 5670, 345);
    button(PushButton14, "PushButton14", QStringLiteral("..."), Frame3);
    place(PushButton14, 6000, 300, 600, 345);
    Option2 = new QRadioButton(tr("Save results in folder of original file"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    place(Option2, 240, 1410, 3615, 255);
    CheckPdf = new CheckBox(tr("Also save a PDF of each result"), Frame2);
    CheckPdf->setObjectName(QStringLiteral("CheckPdf"));
    place(CheckPdf, 4080, 1410, 3480, 255);
    CheckFit = new CheckBox(tr("Warn when text no longer fits its box"), Frame2);
    CheckFit->setObjectName(QStringLiteral("CheckFit"));
    CheckFit->setToolTip(tr("Count and each run lay out the stories the replacements make "
                            "longer, and the report says which no longer fit their boxes."));
    place(CheckFit, 3960, 300, 3720, 255);

    button(PushButton7, "PushButton7", tr("Start Replacing"), this);
    place(PushButton7, 120, 8710, 7800, 405);
    ProgressBar1 = new ProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    // At rest the bar says nothing; a run names the document it is on.
    ProgressBar1->setText(QString());
    place(ProgressBar1, 120, 9230, 7800, 405);

    for (QFrame *box : std::initializer_list<QFrame *>{ListView1, Text1, Text2})
        keepFrameWhole(box);

    CommonDialog1 = new CommonDialog(m_services.dialogs, this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    buildAccessControls();
}

void Form1::connectHandlers()
{
    connect(Check2, &QCheckBox::stateChanged, this, [this] { Check2_Click(); });
    connect(CheckWholeWord, &QCheckBox::stateChanged, this, [this] { CheckWholeWord_Click(); });
    connect(CheckRegex, &QCheckBox::stateChanged, this, [this] { CheckRegex_Click(); });
    connect(CheckKeepCase, &QCheckBox::stateChanged, this, [this] {
        m_services.settings.set(keys::CheckKeepCase, QString::number(checkValue(CheckKeepCase)));
    });
    connect(Combo3, &QComboBox::currentIndexChanged, this, [this] { Combo3_Click(); });
    connect(ComboEngine, &QComboBox::currentIndexChanged, this, [this] { ComboEngine_Click(); });
    connect(TabControl1, &QTabWidget::currentChanged, this,
            [this](int index) { TabControl1_SelectedChanged(index); });
    // Selecting an option raises its click, also when the program selects it.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(CheckPdf, &QCheckBox::toggled, this, [this] { CheckPdf_Click(); });
    connect(CheckFit, &QCheckBox::toggled, this, [this] { CheckFit_Click(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(PushButton14, &QPushButton::clicked, this, [this] { PushButton14_Click(); });
    connect(PushButton7, &QPushButton::clicked, this, [this] { PushButton7_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });

    for (PushButton *b :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6, PushButton7,
          PushButton8, PushButton9, PushButton10, PushButton14})
        connect(b, &PushButton::mouseMoved, this, [this] { hoverPushButton(); });
    connect(TabControl1, &TabControl::mouseMoved, this, [this] { hoverSurface(); });
    for (QWidget *surface : std::initializer_list<QWidget *>{Frame1, Frame2, Frame3, Text3}) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }

    connectDocListHandlers();
    connectSetsHandlers();
    connectRunHandlers();
    connectAccessHandlers();
}

Form2 *Form1::loadSetsDialog()
{
    if (!m_form2) {
        m_form2 = new Form2(m_services.dialogs, m_services.settings, *m_sets, this);
        m_form2->setMatching([this] { return matching(); });
        m_form2->Form_Load();
    }
    return m_form2;
}

void Form1::Form_Load()
{
    Guard guard(m_services.dialogs, loc::Form1_Form_Load);
    SettingsStore &settings = m_services.settings;
    settings.onWriteFailure = [this](const QString &text) { m_services.dialogs.notice(text); };
    setWindowPlaceStore(&settings);
    // A damaged stored value (written by hand, by another tool, by an older
    // version) gives its setting's default and is named once at the end.
    settings.checkAll();

    guard.run(100, [&] { ApplySkin(this); });
    if (guard.test(102, [&] { return DoesFileExist(handCursorPath()); })) {
        guard.run(104, [&] { loadHandPointer(m_pointer); });
    }
    if (guard.test(108, [&] { return settings.get(keys::Snapshot).isEmpty(); }))
        guard.run(108, [&] { RecordSampleFiles(); });
    guard.run(130, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        const QIcon icon = applicationIcon();
        setWindowIcon(icon);
        // Message boxes and the Load Sets dialog show it too.
        QApplication::setWindowIcon(icon);
        SetApplicationTitle();
    });
    guard.run(132, [&] { ListView1->setHeaderText(tr("Publisher File(s)")); });
    guard.run(134, [&] { ListView1->setColumnWidth(0, twipsX(ListView1, 7000)); });
    guard.run(136, [&] { setCheckValue(Check2, settings.number(keys::Check2)); });
    guard.run(136, [&] { setCheckValue(CheckWholeWord, settings.number(keys::CheckWholeWord)); });
    guard.run(136, [&] { setCheckValue(CheckRegex, settings.number(keys::CheckRegex)); });
    guard.run(136, [&] { setCheckValue(CheckKeepCase, settings.number(keys::CheckKeepCase)); });
    guard.run(136, [&] {
        Combo3->setCurrentIndex(
            std::clamp(settings.number(keys::ReplaceIn), 0, Combo3->count() - 1));
    });
    if (m_services.program)
        ComboEngine->setCurrentIndex(std::clamp(settings.number(keys::Engine), 0, 1));
    showEngineLimits();
    guard.run(138, [&] { TabControl1->setSelectedIndex(settings.number(keys::TabControl1)); });
    // The dialog's own start-up restores the stored separator.
    guard.run(140, [&] { loadSetsDialog(); });
    guard.run(142, [&] {
        // The desktop is asked for only when it is needed: a stored folder
        // must not be lost because the desktop cannot be found.
        const QString folder = settings.contains(keys::OutputFolder)
                                   ? settings.get(keys::OutputFolder)
                                   : GetDesktopFolder();
        Text3->setText(folder);
    });
    guard.run(144, [&] { setOptionValue(Option1, settings.boolean(keys::Option1)); });
    guard.run(146, [&] { setOptionValue(Option2, settings.boolean(keys::Option2)); });
    CheckPdf->setChecked(settings.boolean(keys::SavePdfs));
    CheckFit->setChecked(settings.boolean(keys::WarnFit));
    // Kept as chosen, but out of use until LibreOffice is there.
    const QString pdfHint = pdfExportMissingHint();
    CheckPdf->setEnabled(pdfHint.isEmpty());
    CheckPdf->setToolTip(pdfHint.isEmpty() ? tr("After each run, save NAME.pdf beside every result "
                                                "NAME.pub, made by LibreOffice.")
                                           : pdfHint);
    if (guard.test(148, [&] { return Option1->isChecked(); }))
        guard.run(150, [&] { Frame3->setEnabled(true); });
    else
        guard.run(152, [&] { Frame3->setEnabled(false); });
    guard.run(154, [&] {
        IsInstalled::CheckPublisherInstalled(m_services.dialogs, m_services.registry);
    });
    if (const QString reset = settingsResetNotice(settings.resetKeys()); !reset.isEmpty())
        m_services.dialogs.notice(reset);
}

void Form1::SetApplicationTitle()
{
    setApplicationTitle(shortenedTitle(QString::fromLatin1(kProductName)));
}

QString Form1::GetDesktopFolder()
{
    // A fresh account may have no Desktop folder: the home folder then, so
    // that the first Start does not stop at a folder that is not there.
    QString desktop = GetSpecialFolderPath(0);
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir())
        desktop = QDir::homePath();
    if (desktop.isEmpty())
        throw Failure("Invalid procedure call or argument");
    return desktop + kSeparator;
}

void Form1::Check2_Click()
{
    m_services.settings.set(keys::Check2, QString::number(checkValue(Check2)));
}

void Form1::CheckWholeWord_Click()
{
    m_services.settings.set(keys::CheckWholeWord, QString::number(checkValue(CheckWholeWord)));
}

void Form1::CheckRegex_Click()
{
    m_services.settings.set(keys::CheckRegex, QString::number(checkValue(CheckRegex)));
}

void Form1::Combo3_Click()
{
    m_services.settings.set(keys::ReplaceIn, QString::number(Combo3->currentIndex()));
}

void Form1::ComboEngine_Click()
{
    m_services.settings.set(keys::Engine, QString::number(ComboEngine->currentIndex()));
    showEngineLimits();
}

bool Form1::programEngine() const
{
    return m_services.program && ComboEngine->currentIndex() == 1;
}

automation::Registry &Form1::engine() const
{
    return programEngine() ? *m_services.program : m_services.registry;
}

void Form1::showEngineLimits()
{
    // The choices stay as they were, to come back with Vantrelle's engine.
    const bool program = programEngine();
    const QString why = tr("The publishing program cannot do this; choose Vantrelle under "
                           "“Edited by” for it.");
    constexpr char ownTip[] = "vantrelleOwnToolTip";
    for (QWidget *option : std::initializer_list<QWidget *>{CheckRegex, CheckKeepCase, Combo3}) {
        if (!option->property(ownTip).isValid())
            option->setProperty(ownTip, option->toolTip());
        option->setEnabled(!program);
        option->setToolTip(program ? why : option->property(ownTip).toString());
    }
    Label5->setEnabled(!program);
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

void Form1::CheckPdf_Click()
{
    m_services.settings.set(keys::SavePdfs, boolText(CheckPdf->isChecked()));
}

void Form1::CheckFit_Click()
{
    m_services.settings.set(keys::WarnFit, boolText(CheckFit->isChecked()));
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
        const QString last = m_services.settings.get(keys::LastFolderDot);
        chosen = m_services.dialogs.pickFolder(tr("Please select folder:"), last);
    });
    guard.reach(102);
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
    m_pointer.hoverButton();
}

void Form1::hoverSurface()
{
    m_pointer.hoverSurface();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the program: the hidden Load Sets dialog must
    // not keep it alive.
    m_closing = true;
    if (m_form2)
        m_form2->close();
    event->accept();
    QCoreApplication::quit();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Only the window's own background; a move over a control that reaches
    // here was not the window's.
    if (!childAt(event->position().toPoint()))
        hoverSurface();
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove &&
        (watched == Frame1 || watched == Frame2 || watched == Frame3 || watched == Text3)) {
        // A frame sees moves that its controls passed on; only its own
        // surface counts.
        const auto *surface = static_cast<QWidget *>(watched);
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!surface->childAt(move->position().toPoint()))
            hoverSurface();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantrelle
