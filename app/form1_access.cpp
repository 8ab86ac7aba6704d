// What makes the window workable from the keyboard and by a screen reader:
// mnemonics, label buddies and accessible names, Tab out of the text boxes,
// a visible focus in the document list; and the controls a new user looks
// for: Count Only beside Start Replacing, the number of pairs on the sets
// tab, Help ▸ About with the version; and the earlier run's results left out
// of an adding.
#include "app/form1.h"

#include "doclist/adding.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/windowkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>

namespace vantrelle {

namespace {

// Ctrl+Tab types a tab into a text box whose Tab moves the focus on, as in
// Qt's own editors; the list draws its frame in the highlight colour while it
// has the focus, since an empty list has no row to show it on.
class KeyboardAccess : public QObject {
public:
    KeyboardAccess(QWidget *list, QObject *parent) : QObject(parent), m_list(list) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            auto *edit = qobject_cast<QPlainTextEdit *>(watched);
            if (edit && key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
                edit->insertPlainText(QStringLiteral("\t"));
                return true;
            }
        } else if (watched == m_list &&
                   (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            auto *frame = static_cast<QFrame *>(m_list);
            QPalette palette = frame->palette();
            const QColor edge = event->type() == QEvent::FocusIn
                                    ? palette.color(QPalette::Highlight)
                                    : palette.color(QPalette::Window).darker(140);
            palette.setColor(QPalette::WindowText, edge);
            frame->setPalette(palette);
            frame->setLineWidth(event->type() == QEvent::FocusIn ? 2 : 1);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_list;
};

QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&')).trimmed();
}

} // namespace

void Form1::buildAccessControls()
{
    // Count Only takes the right end of Start Replacing's row.
    place(PushButton7, 120, 8710, 5820, 405);
    CountButton = new PushButton(tr("Cou&nt Only"), this);
    CountButton->setObjectName(QStringLiteral("CountButton"));
    CountButton->setFont(PushButton7->font());
    CountButton->setAutoDefault(false);
    CountButton->setFocusPolicy(Qt::TabFocus);
    CountButton->setToolTip(tr("Count the occurrences in every listed document "
                               "without writing anything (%1).")
                                .arg(QString::fromLatin1(kCountShortcut)));
    place(CountButton, 6060, 8710, 1860, 405);
    setTabOrder(PushButton7, CountButton);

    SetsCount = new QLabel;
    SetsCount->setObjectName(QStringLiteral("SetsCount"));
    SetsCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TabControl1->placeOnTab(1, SetsCount, twipsRect(this, 5700, 495, 1860, 255));

    // Mnemonics that do not clash: A F L M C D X K I W P S N E O V R T H G B.
    const std::pair<QAbstractButton *, const char *> captions[] = {
        {PushButton3, QT_TR_NOOP("&Add Publisher File(s)")},
        {PushButton6, QT_TR_NOOP("Add All Publisher File(s) In &Folder")},
        {PushButton2, QT_TR_NOOP("C&lear List")},
        {PushButton8, QT_TR_NOOP("Load Sa&mple/Example Files")},
        {Check2, QT_TR_NOOP("Match &Case")},
        {CheckWholeWord, QT_TR_NOOP("Whole wor&ds")},
        {CheckRegex, QT_TR_NOOP("Regular e&xpression")},
        {CheckKeepCase, QT_TR_NOOP("&Keep case")},
        {PushButton7, QT_TR_NOOP("&Start Replacing")},
        {PushButton1, QT_TR_NOOP("Add S&et")},
        {PushButton10, QT_TR_NOOP("L&oad Sets")},
        {PushButton9, QT_TR_NOOP("Sa&ve Sets")},
        {PushButton4, QT_TR_NOOP("&Remove Selected Set")},
        {PushButton5, QT_TR_NOOP("Clear Se&ts")},
        {Option1, QT_TR_NOOP("Save results to t&his folder:")},
        {Option2, QT_TR_NOOP("Save results in folder of ori&ginal file")},
    };
    for (const auto &[button, caption] : captions)
        button->setText(tr(caption));
    const std::pair<QLabel *, QWidget *> buddies[] = {
        {Label1, Text1}, {Label2, Text2}, {Label3, Combo1}, {Label4, Combo2}, {Label5, Combo3}, {LabelEngine, ComboEngine}};
    Label1->setText(tr(" Find &what (exact case):"));
    Label2->setText(tr(" Re&place with:"));
    Label3->setText(Label1->text());
    Label4->setText(Label2->text());
    Label5->setText(tr("Replace &in:"));
    LabelEngine->setText(tr("Edited &by:"));
    for (const auto &[label, box] : buddies) {
        label->setBuddy(box);
        box->setAccessibleName(withoutMnemonic(label->text()).chopped(1).trimmed());
    }
    for (PushButton *b :
         {PushButton3, PushButton6, PushButton2, PushButton8, PushButton7, CountButton, PushButton1,
          PushButton10, PushButton9, PushButton4, PushButton5})
        b->setAccessibleName(withoutMnemonic(b->text()));
    for (QAbstractButton *b : {Check2, CheckWholeWord, CheckRegex, CheckKeepCase})
        b->setAccessibleName(withoutMnemonic(b->text()));
    ListView1->setAccessibleName(tr("Publisher File(s)"));
    Text3->setAccessibleName(tr("Output folder"));
    PushButton14->setAccessibleName(tr("Browse for the output folder"));
    ProgressBar1->setAccessibleName(tr("Progress"));
    TabControl1->setAccessibleName(tr("What to find"));

    Text1->setTabChangesFocus(true);
    Text2->setTabChangesFocus(true);
    auto *keys = new KeyboardAccess(ListView1, this);
    Text1->installEventFilter(keys);
    Text2->installEventFilter(keys);
    ListView1->installEventFilter(keys);
    ListView1->setFocusPolicy(Qt::StrongFocus);
    buildMenuBar();
}

void Form1::buildMenuBar()
{
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    // No Alt letter: every letter of "Help" is taken by a control already;
    // F1 reaches it from the keyboard.
    QMenu *help = MenuBar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction *about = help->addAction(tr("&About Vantrelle"), this, [this] { Help_About(); });
    about->setObjectName(QStringLiteral("About"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    addAction(about);
    // The design has no menu bar. The window keeps its size (at 150 % it
    // just fits a 1920 x 1080 screen above the taskbar): the bar takes the
    // list's top margin and the top of the list, whose rows scroll.
    // A multiple of 4 px keeps the list's edges on whole device pixels at
    // 125 % as well as at 150 % and 200 %.
    const int bar = (MenuBar->sizeHint().height() + 3) / 4 * 4;
    MenuBar->setGeometry(0, 0, width(), bar);
    const QRect list = ListView1->geometry();
    ListView1->setGeometry(list.adjusted(0, std::max(0, bar - list.top()), 0, 0));
}

void Form1::Help_About()
{
    m_services.dialogs.notice(
        tr("%1 %2\n\nFinds and replaces text in many publications in one run.\n\nMade with Qt %3.")
            .arg(QString::fromLatin1(kProductName), productVersion(),
                 QString::fromLatin1(qVersion())));
}

void Form1::showMatchCaseInLabels()
{
    const QString find = Check2->checkState() == Qt::Checked ? tr(" Find &what (exact case):")
                                                             : tr(" Find &what:");
    for (const auto &[label, box] : {std::pair<QLabel *, QWidget *>{Label1, Text1}, {Label3, Combo1}}) {
        label->setText(find);
        box->setAccessibleName(withoutMnemonic(find).chopped(1).trimmed());
    }
}

void Form1::connectAccessHandlers()
{
    connect(CountButton, &QPushButton::clicked, this, [this] { ListView1_CountOccurrences(); });
    connect(CountButton, &PushButton::mouseMoved, this, [this] { hoverPushButton(); });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_sets, signal, this, [this] { updateSetsCount(); });
    connect(m_sets, &QAbstractItemModel::modelReset, this, [this] { updateSetsCount(); });
    updateSetsCount();
    connect(Check2, &QCheckBox::stateChanged, this, [this] { showMatchCaseInLabels(); });
    showMatchCaseInLabels();
}

void Form1::updateSetsCount()
{
    const int pairs = m_sets->rowCount();
    SetsCount->setText(tr("%n pairs", nullptr, pairs));
    SetsCount->setAccessibleName(tr("Sets: %1").arg(SetsCount->text()));
}

void Form1::leaveOutEarlierResults(int firstNew)
{
    const QList<int> rows = Adding::EarlierResultRows(*ListView1, firstNew);
    if (rows.isEmpty())
        return;
    if (m_services.dialogs.question(Adding::EarlierResultsQuestion(rows.size()), true))
        Adding::RemoveRows(*ListView1, rows);
}

} // namespace vantrelle
