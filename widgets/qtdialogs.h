#pragma once
// The dialogs seam answered by real Qt message boxes and file dialogs.
#include "shell/dialogs.h"

#include <QCoreApplication>

class QWidget;

namespace vantrelle {

// In English; shown translated (context "vantrelle::QtDialogs").
inline constexpr const char *kDontShowFurtherErrors =
    QT_TRANSLATE_NOOP("vantrelle::QtDialogs", "Don't show further errors during this run");
inline constexpr const char *kDontShowFurtherNotices =
    QT_TRANSLATE_NOOP("vantrelle::QtDialogs", "Don't show further notices during this run");

// The Qt implementation used by the program.
class QtDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::QtDialogs)

public:
    explicit QtDialogs(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    void notice(const QString &text) override;
    bool runNotice(const QString &text) override;
    bool question(const QString &text, bool yesIsDefault) override;
    void errorReport(const QString &text) override;
    bool runErrorReport(const QString &text) override;
    QString inputBox(const QString &prompt, const QString &initialText) override;
    QStringList openFiles(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    QString pickFolder(const QString &title, const QString &initialFolder) override;
    void openFolder(const QString &path) override;
    void openFile(const QString &path) override;

private:
    // Hands path to the desktop; failure (shown when nothing opened it) is
    // the notice, with the path filled in.
    void openWithDesktop(const QString &path, const char *failure);
    // The window the user is in (the report window, say), so that focus goes
    // back to it when the box closes; the owner when none is active.
    QWidget *parent() const;

    QWidget *m_owner = nullptr;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" -> "Text Files (*.txt);;All Files (*.*)".
QString qtFilterFromPipes(const QString &pipeFilter);

} // namespace vantrelle
