#pragma once
// Form1, the one working window. Controls keep the names of the window
// design; each event has a handler of its own, named control_event. The
// handlers are short sequences of numbered steps that call the units of the
// subsystem folders, and they live in one file per subsystem:
//   form1.cpp          layout, start-up, settings, appearance, output destination
//   form1_doclist.cpp  adding, removing and clearing documents
//   form1_sets.cpp     the sets lists, Save Sets, Load Sets
//   form1_run.cpp      Start Replacing, counting, stopping, the report and the
//                      sample documents
#include "run/runcore.h"
#include "widgets/windowpointer.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QRadioButton;
class QShortcut;

namespace vantrelle {

class CommonDialog;
class Dialogs;
class DocListView;
class Form2;
class Guard;
class ProgressBar;
class PushButton;
class ReportWindow;
class SettingsStore;
class SetsModel;
class TabControl;
namespace automation {
class Registry;
}

// What the window needs from outside; tests pass doubles.
// The window's notices, in English; shown through tr().
inline constexpr const char *kNothingToFind = QT_TRANSLATE_NOOP(
    "vantrelle::Form1", "There is nothing to find: type the text to find in \"Find what\" first.");
inline constexpr const char *kNoSets =
    QT_TRANSLATE_NOOP("vantrelle::Form1", "There is nothing to find: the sets list is empty. "
                                          "Add a set or load sets first.");
inline constexpr const char *kStopQuestion =
    QT_TRANSLATE_NOOP("vantrelle::Form1", "Stop after this document?");
inline constexpr const char *kBusyAdding =
    QT_TRANSLATE_NOOP("vantrelle::Form1", "Files are still being added from the folder. Start "
                                          "again when they are all in the list.");
inline constexpr char kCountShortcut[] = "Ctrl+Shift+C";

struct Form1Services {
    Dialogs &dialogs;
    SettingsStore &settings;
    // The native engine, serving the automation interface.
    automation::Registry &registry;
    // The publishing program over COM, where it is registered (Windows);
    // null elsewhere, and the window offers no choice of engine.
    automation::Registry *program = nullptr;
};

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence; run once after construction.
    void Form_Load();

    // Controls, named as in the window design.
    DocListView *ListView1 = nullptr;
    PushButton *PushButton3 = nullptr;   // Add Publisher File(s)
    PushButton *PushButton6 = nullptr;   // Add All Publisher File(s) In Folder
    PushButton *PushButton2 = nullptr;   // Clear List
    PushButton *PushButton8 = nullptr;   // Load Sample/Example Files
    QGroupBox *Frame1 = nullptr;         // Match Option
    QCheckBox *Check2 = nullptr;         // Match Case
    QCheckBox *CheckWholeWord = nullptr; // Whole words
    QCheckBox *CheckRegex = nullptr;     // Regular expression
    QCheckBox *CheckKeepCase = nullptr;  // Keep case
    QLabel *Label5 = nullptr;            // Replace in:
    QComboBox *Combo3 = nullptr;         // text only / ... link addresses / ... properties
    QLabel *LabelEngine = nullptr;       // Edited by:
    QComboBox *ComboEngine = nullptr;    // Vantrelle / the publishing program
    TabControl *TabControl1 = nullptr;
    QLabel *Label1 = nullptr;
    QPlainTextEdit *Text1 = nullptr; // find what
    QLabel *Label2 = nullptr;
    QPlainTextEdit *Text2 = nullptr; // replace with
    QLabel *Label3 = nullptr;
    QComboBox *Combo1 = nullptr; // find texts of the sets
    QLabel *Label4 = nullptr;
    QComboBox *Combo2 = nullptr;        // replace texts of the sets
    PushButton *PushButton1 = nullptr;  // Add Set
    PushButton *PushButton10 = nullptr; // Load Sets
    PushButton *PushButton9 = nullptr;  // Save Sets
    PushButton *PushButton4 = nullptr;  // Remove Selected Set
    PushButton *PushButton5 = nullptr;  // Clear Sets
    QGroupBox *Frame2 = nullptr;        // Save Option
    QRadioButton *Option1 = nullptr;    // Save results to this folder:
    QGroupBox *Frame3 = nullptr;
    QLineEdit *Text3 = nullptr;         // output folder
    PushButton *PushButton14 = nullptr; // browse for the output folder
    QRadioButton *Option2 = nullptr;    // Save results in folder of original file
    QCheckBox *CheckPdf = nullptr;      // Also save a PDF of each result
    QCheckBox *CheckFit = nullptr;      // Warn when text no longer fits its box
    PushButton *PushButton7 = nullptr;  // Start Replacing
    PushButton *CountButton = nullptr;  // Count Only: Start Replacing's count without writing
    QLabel *SetsCount = nullptr;        // "12 pairs" on the sets tab
    ProgressBar *ProgressBar1 = nullptr;
    QMenuBar *MenuBar = nullptr;        // Help ▸ About, above the design's controls
    CommonDialog *CommonDialog1 = nullptr; // file pickers: add files, save sets

    // The window's pointer; the hourglass is the program's busy flag.
    WindowPointer &MousePointer() { return m_pointer; }
    // The Load Sets dialog, made anew for every opening.
    Form2 *loadSetsDialog();
    SetsModel &sets() { return *m_sets; }

    // Start-up and settings (form1.cpp).
    void Check2_Click();
    void CheckWholeWord_Click();
    void CheckRegex_Click();
    void Combo3_Click();
    void ComboEngine_Click();
    void TabControl1_SelectedChanged(int index);
    void Option1_Click();
    void Option2_Click();
    void CheckPdf_Click();
    void CheckFit_Click();
    void Text3_Change();
    void PushButton14_Click();
    void SetApplicationTitle();
    QString GetDesktopFolder();
    // Help ▸ About (also F1): the name, version and purpose.
    void Help_About();
    // Hover rule: hand over push buttons, default over the window's surfaces.
    void hoverPushButton();
    void hoverSurface();

    // Document list (form1_doclist.cpp).
    void PushButton3_Click();
    void PushButton6_Click();
    void PushButton2_Click();
    void ListView1_OLEDragDrop(const QStringList &paths);
    // Files and folders given on the command line: added like a drop, with
    // folders walked for their publications only.
    void OpenPaths(const QStringList &paths);

    // Sets (form1_sets.cpp).
    void PushButton1_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void PushButton9_Click();
    void PushButton10_Click();

    // The run and the samples (form1_run.cpp).
    void PushButton7_Click();
    // Count Only (the button, the list's menu or the shortcut): the run of Start
    // Replacing that writes and deletes nothing.
    void ListView1_CountOccurrences();
    // "Write the Ticked Changes" after a count: the count's run again, writing
    // in each document counted exactly the changes still ticked.
    void WriteTickedChanges();
    // Esc: during a run, asks whether to stop after the current document.
    void Form_Escape();
    void PushButton8_Click();
    void RecordSampleFiles();
    void AddSampleFiles();
    bool runInProgress() const { return m_runInProgress; }
    // The totals of the last run; its documents are the report window's rows.
    const RunReport &lastReport() const { return m_lastReport; }
    // The report of the last run that reached its loop; null before one.
    ReportWindow *reportWindow() const { return m_reportWindow; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void connectDocListHandlers();
    void connectSetsHandlers();
    void connectRunHandlers();
    // The extension screening over the whole list.
    void screenDocumentList();
    class RunView;
    // Start Replacing and Count Only.
    void startRun(bool preview);
    // The run loop with the report window, for a request fixed already.
    void performRun(RunRequest request, Guard &guard);
    void showReport();
    ReportWindow *reportWindow(bool create);
    // What the controls ask of a run, read once at its start.
    RunRequest runRequest(bool preview) const;
    // Who edits in the next run: the native engine or the publishing program.
    bool programEngine() const;
    automation::Registry &engine() const;
    // The options the publishing program cannot follow are off while it edits.
    void showEngineLimits();
    // How the three Match Option boxes ask texts to be matched now.
    MatchOptions matching() const;
    // The notice for a run with nothing to find or with a text a publication
    // cannot hold (which box, which character, where); empty when it can run.
    QString textsRefusal() const;

    // Keyboard and screen-reader access (form1_access.cpp).
    void buildAccessControls();
    void buildMenuBar();
    // "(exact case)" in the Find labels only while Match Case is ticked.
    void showMatchCaseInLabels();
    void connectAccessHandlers();
    void updateSetsCount();
    // After an adding: offers to leave out the rows from firstNew on that
    // look like results of an earlier run.
    void leaveOutEarlierResults(int firstNew);

    Form1Services m_services;
    WindowPointer m_pointer{this};
    Form2 *m_form2 = nullptr;
    // The sets; Combo1 and Combo2 show its two columns.
    SetsModel *m_sets = nullptr;
    bool m_runInProgress = false;
    // "Add All Publisher File(s) In Folder" is walking a folder tree.
    bool m_walkInProgress = false;
    RunReport m_lastReport;
    RunRequest m_lastRequest;
    // The last count's decisions, ticked in the report window; null after a
    // run that wrote.
    std::shared_ptr<Review> m_review;
    // Set when the window closes; a run that is yielding stops at its next document.
    bool m_closing = false;
    // Set when the user chose to stop; the run stops after its current document.
    bool m_stopAsked = false;
    QShortcut *m_escape = nullptr;
    ReportWindow *m_reportWindow = nullptr;
};

} // namespace vantrelle
