#include "widgets/qtdialogs.h"
#include "shell/apptitle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vantrelle {

namespace {

// A message of more lines than fit on a screen (thousands of flagged files)
// goes into a scrollable box so that its buttons stay reachable.
constexpr int kMaxLinesInMessageBox = 25;

// The program's texts break lines with CR LF and, in places, lone CRs; Qt
// breaks lines at LF only.
QString displayText(const QString &text)
{
    return QString(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

bool isLong(const QString &text)
{
    return displayText(text).count(QLatin1Char('\n')) > kMaxLinesInMessageBox;
}

bool scrollableQuestion(QWidget *owner, const QString &text, bool yesIsDefault)
{
    QDialog dialog(owner);
    dialog.setWindowTitle(applicationTitle());
    auto *layout = new QVBoxLayout(&dialog);
    auto *body = new QPlainTextEdit(&dialog);
    body->setReadOnly(true);
    body->setPlainText(displayText(text));
    body->setMinimumSize(560, 360);
    layout->addWidget(body);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, &dialog);
    buttons->button(yesIsDefault ? QDialogButtonBox::Yes : QDialogButtonBox::No)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

QString qtFilterFromPipes(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        QString description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt takes the patterns from the parentheses; add them where the
        // description does not show them.
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + pattern + QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

QWidget *QtDialogs::parent() const
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_owner;
}

void QtDialogs::notice(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), displayText(text), QMessageBox::Ok,
                    parent());
    box.exec();
}

bool QtDialogs::runNotice(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), displayText(text), QMessageBox::Ok,
                    parent());
    // The box takes ownership of the check box.
    box.setCheckBox(new QCheckBox(tr(kDontShowFurtherNotices)));
    box.exec();
    return box.checkBox()->isChecked();
}

bool QtDialogs::question(const QString &text, bool yesIsDefault)
{
    if (isLong(text))
        return scrollableQuestion(parent(), text, yesIsDefault);
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent());
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::errorReport(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("Application Error"), displayText(text),
                    QMessageBox::Ok, parent());
    box.exec();
}

bool QtDialogs::runErrorReport(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("Application Error"), displayText(text),
                    QMessageBox::Ok, parent());
    // The box takes ownership of the check box.
    box.setCheckBox(new QCheckBox(tr(kDontShowFurtherErrors)));
    box.exec();
    return box.checkBox()->isChecked();
}

QString QtDialogs::inputBox(const QString &prompt, const QString &initialText)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent(), applicationTitle(), displayText(prompt),
                                                 QLineEdit::Normal, initialText, &ok);
    return ok ? answer : QString();
}

QStringList QtDialogs::openFiles(const FileDialogRequest &request)
{
    const QString filter = qtFilterFromPipes(request.filter);
    if (request.multiSelect)
        return QFileDialog::getOpenFileNames(parent(), request.title, request.folder, filter);
    const QString one =
        QFileDialog::getOpenFileName(parent(), request.title, request.folder, filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

QString QtDialogs::saveFile(const FileDialogRequest &request)
{
    return QFileDialog::getSaveFileName(parent(), request.title, request.folder,
                                        qtFilterFromPipes(request.filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtDialogs::pickFolder(const QString &title, const QString &initialFolder)
{
    return QFileDialog::getExistingDirectory(parent(), title, initialFolder);
}

void QtDialogs::openFolder(const QString &path)
{
    openWithDesktop(path, QT_TR_NOOP("No file manager opened the folder %1. Open it yourself, "
                                     "or install a file manager."));
}

void QtDialogs::openFile(const QString &path)
{
    openWithDesktop(path, QT_TR_NOOP("No program on this computer opened %1. Open it yourself, "
                                     "or install a program for this kind of file."));
}

void QtDialogs::openWithDesktop(const QString &path, const char *failure)
{
    const QString failed = tr(failure).arg(QDir::toNativeSeparators(path));
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices only learns whether xdg-open started; its exit status
    // says whether anything answered.
    auto *opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener,
                     [this, opener, failed](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || code != 0)
                             notice(failed);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [this, opener, failed](QProcess::ProcessError e) {
                         if (e != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         notice(failed);
                     });
    opener->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(path).toString()});
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        notice(failed);
#endif
}

} // namespace vantrelle
