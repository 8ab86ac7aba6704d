#pragma once
// Every modal interaction of the program goes through this one interface, so
// that handlers can be driven headless by a scripted double in tests.
#include <QString>
#include <QStringList>

class QWidget;

namespace vantrelle {

// One file dialog use: a title and a filter in the "Description|pattern|..."
// form the program's callers are written with.
struct FileDialogRequest {
    QString title;
    QString filter;
    bool multiSelect = false;
    // The folder the dialog starts in; empty for the current one.
    QString folder;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // OK only, no icon, the application title.
    virtual void notice(const QString &text) = 0;
    // Yes and No, no icon, the application title; true for Yes.
    virtual bool question(const QString &text, bool yesIsDefault) = 0;
    // OK only, exclamation icon, title "Application Error".
    virtual void errorReport(const QString &text) = 0;
    // Single-line prompt with OK and Cancel; empty on cancel.
    virtual QString inputBox(const QString &prompt, const QString &initialText) = 0;
    // Full paths of the chosen files; empty on cancel.
    virtual QStringList openFiles(const FileDialogRequest &request) = 0;
    // The chosen path; empty on cancel. Asks no overwrite question of its own.
    virtual QString saveFile(const FileDialogRequest &request) = 0;
    // The chosen folder (no trailing separator except for the root); empty on cancel.
    virtual QString pickFolder(const QString &title, const QString &initialFolder) = 0;
    // Opens a folder in the desktop's file manager.
    virtual void openFolder(const QString &path) = 0;
};

// The Qt implementation used by the program.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    void notice(const QString &text) override;
    bool question(const QString &text, bool yesIsDefault) override;
    void errorReport(const QString &text) override;
    QString inputBox(const QString &prompt, const QString &initialText) override;
    QStringList openFiles(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    QString pickFolder(const QString &title, const QString &initialFolder) override;
    void openFolder(const QString &path) override;

private:
    QWidget *m_owner = nullptr;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" -> "Text Files (*.txt);;All Files (*.*)".
QString qtFilterFromPipes(const QString &pipeFilter);

} // namespace vantrelle
