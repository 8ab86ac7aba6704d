#pragma once
// Every replacement of one document in its sentence: before → after with the
// changed part bold, underlined and coloured, filterable by pair, copyable as
// text; and the button that shows the pages before and after.
#include "run/runcore.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace vantrelle {

class ChangeList : public QWidget {
    Q_OBJECT
public:
    explicit ChangeList(QWidget *parent = nullptr);

    // preview: the run wrote nothing, so changes read "would become".
    void setDocument(const DocumentResult &document, bool preview);
    // -1 shows every pair's changes.
    void setPairFilter(int pair);
    // The changes shown, one line each, as "Copy as text" copies them.
    QString text() const;
    // What the pages button does for this document, for tests and screenshots.
    QPushButton *pagesButton() const { return m_pages; }
    // The LibreOffice program the pages dialog starts; empty finds it on PATH.
    void setRenderProgram(const QString &program);

private:
    void refresh();
    void updatePagesButton();
    void showPages();

    DocumentResult m_document;
    bool m_preview = false;
    int m_pair = -1;
    QString m_program;
    QComboBox *m_filter = nullptr;
    QLabel *m_summary = nullptr;
    QTextBrowser *m_list = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_pages = nullptr;
};

// The change list of one document in a window of its own.
class ChangesDialog : public QDialog {
    Q_OBJECT
public:
    ChangesDialog(const DocumentResult &document, bool preview, QWidget *parent = nullptr);
    ChangeList *list() const { return m_list; }

private:
    ChangeList *m_list = nullptr;
};

} // namespace vantrelle
