#include "form2.h"

#include "fsutil/paths.h"
#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "widgets/appearance.h"
#include "widgets/controls.h"
#include "widgets/windowkit.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace vantrelle {

namespace {

// Hidden files count as missing, as folders do; patterns are not expanded.
bool fileFound(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

// Only blanks are trimmed, not tabs or line breaks.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString loadSetsHelpText()
{
    return Form2::tr("If the text file you are loading looks like this:\n"
                     "\n"
                     "hi::hello\n"
                     "peter::pete\n"
                     "\n"
                     "then use :: as a Separator\n"
                     "\n"
                     "If the text file you are loading looks like this:\n"
                     "\n"
                     "hi,hello\n"
                     "peter,pete\n"
                     "\n"
                     "then use , as a Separator\n"
                     "\n"
                     "NOTE: The 'Save Sets' feature in this software always saves in this format:\n"
                     "\n"
                     "hi::hello\n"
                     "peter::pete")
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

Form2::Form2(Dialogs &dialogs, SettingsStore &settings, SetsModel &sets, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_settings(settings), m_sets(sets)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Load Sets"));
    setFont(designFont());
    setFixedSize(twipsX(this, 8040), twipsY(this, 1605));
    setMouseTracking(true);

    auto label = [this](int index, const QString &caption, int l, int t, int w, int h) {
        auto *l1 = new QLabel(caption, this);
        l1->setObjectName(QStringLiteral("Label1_%1").arg(index));
        l1->setMouseTracking(true);
        l1->installEventFilter(this);
        place(l1, l, t, w, h);
        // The designed width is too narrow for the caption in the fonts at
        // hand; the label keeps its place and grows to show it whole.
        l1->resize(qMax(l1->width(), l1->sizeHint().width()), l1->height());
        Label1[index] = l1;
    };
    auto box = [this](QLineEdit *&b, const char *name, int l, int t, int w, int h) {
        b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(name));
        place(b, l, t, w, h);
    };
    auto button = [this](PushButton *&b, const char *name, const QString &caption, int l, int t,
                         int w, int h) {
        b = new PushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(designButtonFont());
        b->setAutoDefault(false);
        place(b, l, t, w, h);
        connect(b, &PushButton::mouseMoved, this, [this] { hoverPushButton(); });
    };
    label(0, tr("File To Load:"), 120, 180, 1050, 225);
    box(Text1, "Text1", 1320, 120, 5880, 345);
    button(PushButton16, "PushButton16", QStringLiteral("..."), 7320, 120, 600, 345);
    label(1, tr("Separator:"), 120, 660, 900, 225);
    box(Text2, "Text2", 1320, 600, 5880, 345);
    button(PushButton3, "PushButton3", QStringLiteral("?"), 7320, 600, 600, 345);
    button(PushButton1, "PushButton1", tr("Load"), 120, 1080, 3840, 400);
    button(PushButton2, "PushButton2", tr("Cancel"), 4080, 1080, 3840, 405);
    // A screen reader reads the boxes by their labels and the two small
    // buttons by what they do, not as "..." and "?".
    Label1[0]->setBuddy(Text1);
    Label1[1]->setBuddy(Text2);
    Text1->setAccessibleName(tr("File To Load"));
    Text2->setAccessibleName(tr("Separator"));
    PushButton16->setAccessibleName(tr("Browse for the file to load"));
    PushButton16->setToolTip(PushButton16->accessibleName());
    PushButton3->setAccessibleName(tr("Separator examples"));
    PushButton3->setToolTip(PushButton3->accessibleName());

    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(PushButton16, &QPushButton::clicked, this, [this] { PushButton16_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
}

void Form2::Form_Load()
{
    Guard guard(m_dialogs, loc::Form2_Form_Load);
    guard.run(100, [&] { ApplyFormColors(this); });
    guard.run(102, [&] {
        setWindowIcon(parentWidget() ? parentWidget()->windowIcon() : QApplication::windowIcon());
    });
    if (guard.test(104, [&] { return DoesFileExist(handCursorPath()); })) {
        guard.run(106, [&] { loadHandPointer(m_pointer); });
    }
    guard.run(108, [&] { Text2->setText(m_settings.get(keys::Form2Text2)); });
}

void Form2::Text2_Change()
{
    m_settings.set(keys::Form2Text2, Text2->text());
}

void Form2::PushButton16_Click()
{
    Guard guard(m_dialogs, loc::Form2_PushButton16_Click);
    FileDialogRequest request;
    QString chosen;
    guard.run(100, [&] { chosen.clear(); });
    guard.run(102, [&] { request.title = tr("Select Text File"); });
    guard.run(104, [&] {
        request.filter = tr("Text files (*.txt)|*.txt|All files (*)|*|");
        request.folder = m_settings.get(keys::LastSetsFolder, QString());
    });
    guard.run(106, [&] {
        const QStringList files = m_dialogs.openFiles(request);
        chosen = files.isEmpty() ? QString() : files.first();
    });
    if (guard.test(108, [&] { return !chosen.isEmpty(); }))
        guard.run(110, [&] {
            Text1->setText(chosen);
            rememberFolderOf(m_settings, keys::LastSetsFolder, chosen);
        });
}

void Form2::PushButton3_Click()
{
    Guard guard(m_dialogs, loc::Form2_PushButton3_Click);
    guard.run(100, [&] { m_dialogs.notice(loadSetsHelpText()); });
}

void Form2::PushButton1_Click()
{
    Guard guard(m_dialogs, loc::Form2_PushButton1_Click);
    if (guard.test(100, [&] { return Text2->text().isEmpty(); })) {
        guard.run(130, [&] { m_dialogs.notice(tr("You must enter separating character(s).")); });
        return;
    }
    if (guard.test(102, [&] { return trimBlanks(Text1->text()).isEmpty(); }))
        return;
    const QString path = Text1->text();
    if (guard.test(104, [&] { return !fileFound(path); })) {
        guard.run(128, [&] { m_dialogs.notice(tr("%1 not found.").arg(path)); });
        return;
    }
    const QString separator = Text2->text();
    QString text;
    SetsPairs pairs;
    guard.run(106, [&] { text = ReadTextFile(path); });
    guard.run(108, [&] { pairs = pairsFromText(text, separator); });
    // A pair a publication cannot hold loads nothing, so no run meets it later.
    QString refusal;
    guard.run(110, [&] {
        refusal = pairsRefusal(pairs, tr("of %1").arg(QFileInfo(path).fileName()),
                               EmptyFind::Allowed, m_matching());
    });
    if (!refusal.isEmpty()) {
        guard.run(112, [&] { m_dialogs.notice(tr("%1 No pairs were loaded.").arg(refusal)); });
        return;
    }
    // Pairs past the lists' limit are left out, and the user is told how many.
    int notLoaded = 0;
    guard.run(120, [&] { notLoaded = int(pairs.size()) - m_sets.append(pairs); });
    if (notLoaded > 0)
        guard.run(124, [&] { m_dialogs.notice(setsNotLoadedMessage(notLoaded)); });
    guard.run(126, [&] { close(); });
}

void Form2::PushButton2_Click()
{
    Guard guard(m_dialogs, loc::Form2_PushButton2_Click);
    guard.run(100, [&] { close(); });
}

void Form2::hoverPushButton()
{
    m_pointer.hoverButton();
}

void Form2::hoverSurface()
{
    m_pointer.hoverSurface();
}

void Form2::mouseMoveEvent(QMouseEvent *event)
{
    hoverSurface();
    QDialog::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && (watched == Label1[0] || watched == Label1[1]))
        hoverSurface();
    return QDialog::eventFilter(watched, event);
}

} // namespace vantrelle
