#pragma once
// Every replacement of one document in its sentence: before → after with the
// changed part bold, underlined and coloured, grouped and filterable by pair,
// copyable as text; and the button that shows the pages before and after.
// After a count for a review each change has a check box: what is ticked is
// what "Write the Ticked Changes" replaces.
#include "run/runcore.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrelle {

class ChangeList : public QWidget {
    Q_OBJECT
public:
    explicit ChangeList(QWidget *parent = nullptr);

    // Each item's text as drawn, in HTML; its display text is the same in
    // plain words, for screen readers.
    static constexpr int kHtmlRole = Qt::UserRole + 1;

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
    // The decisions of a review, changed as the user ticks; null for none.
    // A previewed document that is in it shows check boxes.
    void setReview(Review *review);
    QTreeWidget *tree() const { return m_tree; }
    // Ticks or unticks every change of the document shown (pair -1) or of
    // one pair; across the review, pair's changes in every document.
    void tickDocument(int pair, bool tick);
    void tickPairEverywhere(int pair, bool tick);

signals:
    // The user ticked or unticked something.
    void ticksChanged();

private:
    void refresh();
    // For a change in a story that no longer fits (or may not): the mark
    // saying so; empty otherwise.
    QString fitMark(const automation::Change &change) const;
    // A change's texts and state from the document and the ticks.
    void showRow(QTreeWidgetItem *row);
    void itemTicked(QTreeWidgetItem *item);
    static QString tickedText(qint64 ticked, qint64 choices);
    void fillTickMenu();
    // The pair the tick menu's "every document" entries mean: the filter's,
    // else that of the current item; -1 for none.
    int currentPair() const;
    ReviewedDocument *reviewed() const;
    void updatePagesButton();
    void showPages();

    DocumentResult m_document;
    bool m_preview = false;
    int m_pair = -1;
    QString m_program;
    Review *m_review = nullptr;
    // The review of the document shown, while its listing is the count's.
    ReviewedDocument *m_choices = nullptr;
    // Some change of it was found in the new text of another.
    bool m_dependents = false;
    bool m_filling = false;
    QComboBox *m_filter = nullptr;
    QLabel *m_summary = nullptr;
    QTreeWidget *m_tree = nullptr;
    QPushButton *m_tick = nullptr;
    QMenu *m_tickMenu = nullptr;
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
