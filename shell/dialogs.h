#pragma once
// Every modal interaction of the program goes through this one interface, so
// that handlers can be driven headless by a scripted double in tests.
#include <QString>
#include <QStringList>

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
    // The same box during a run, with a check box "Don't show further errors
    // during this run"; true when the user ticked it.
    virtual bool runErrorReport(const QString &text)
    {
        errorReport(text);
        return false;
    }
    // A notice about one document during a run (a document skipped, say),
    // with a check box "Don't show further notices during this run"; true
    // when the user ticked it.
    virtual bool runNotice(const QString &text)
    {
        notice(text);
        return false;
    }
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
    // Opens a file in the program the desktop gives its kind (a result in
    // the publishing program, a PDF in the PDF viewer).
    virtual void openFile(const QString &path) = 0;
};

// Passes every interaction on to another Dialogs; a subclass overrides what it
// watches or changes.
class ForwardingDialogs : public Dialogs {
public:
    explicit ForwardingDialogs(Dialogs &inner) : m_inner(inner) {}
    void notice(const QString &text) override { m_inner.notice(text); }
    bool question(const QString &text, bool yes) override { return m_inner.question(text, yes); }
    void errorReport(const QString &text) override { runErrorReport(text); }
    bool runErrorReport(const QString &text) override { return m_inner.runErrorReport(text); }
    bool runNotice(const QString &text) override { return m_inner.runNotice(text); }
    QString inputBox(const QString &p, const QString &t) override { return m_inner.inputBox(p, t); }
    QStringList openFiles(const FileDialogRequest &r) override { return m_inner.openFiles(r); }
    QString saveFile(const FileDialogRequest &r) override { return m_inner.saveFile(r); }
    QString pickFolder(const QString &t, const QString &f) override
    {
        return m_inner.pickFolder(t, f);
    }
    void openFolder(const QString &path) override { m_inner.openFolder(path); }
    void openFile(const QString &path) override { m_inner.openFile(path); }

protected:
    Dialogs &m_inner;
};

// Shows nothing and answers every question with its default button, where no
// one is at the screen: the run's workers, whose reports are kept in the
// document's result, and the command line.
class SilentDialogs : public Dialogs {
public:
    void notice(const QString &) override {}
    bool question(const QString &, bool yesIsDefault) override { return yesIsDefault; }
    void errorReport(const QString &) override {}
    QString inputBox(const QString &, const QString &initialText) override { return initialText; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString pickFolder(const QString &, const QString &) override { return {}; }
    void openFolder(const QString &) override {}
    void openFile(const QString &) override {}
};

} // namespace vantrelle
