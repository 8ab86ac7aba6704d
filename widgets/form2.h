#pragma once
// Form2, the "Load Sets" dialog: a file and a separator; Load appends the
// file's pairs to the sets lists.
#include "shell/pairtext.h"
#include "widgets/windowpointer.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace vantrelle {

class Dialogs;
class PushButton;
class SettingsStore;
class SetsModel;

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(Dialogs &dialogs, SettingsStore &settings, SetsModel &sets, QWidget *parent = nullptr);

    // Appearance, icon, hand pointer and the stored separator.
    void Form_Load();

    void Text2_Change();
    void PushButton16_Click(); // "..."
    void PushButton3_Click();  // "?"
    void PushButton1_Click();  // "Load"
    void PushButton2_Click();  // "Cancel"

    // Hover rule: hand over the push buttons, default over the dialog and its
    // labels, never replacing an hourglass.
    void hoverPushButton();
    void hoverSurface();
    WindowPointer &MousePointer() { return m_pointer; }
    // How the main window's pairs are matched now: with regular expressions
    // ticked, a file whose patterns cannot be used loads nothing.
    void setMatching(std::function<MatchOptions()> matching) { m_matching = std::move(matching); }

    std::array<QLabel *, 2> Label1{}; // "File To Load:", "Separator:"
    QLineEdit *Text1 = nullptr;       // the file to load
    PushButton *PushButton16 = nullptr;
    QLineEdit *Text2 = nullptr; // the separator
    PushButton *PushButton3 = nullptr;
    PushButton *PushButton1 = nullptr;
    PushButton *PushButton2 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Dialogs &m_dialogs;
    SettingsStore &m_settings;
    SetsModel &m_sets;
    WindowPointer m_pointer{this};
    std::function<MatchOptions()> m_matching = [] { return MatchOptions{}; };
};

// The text of the "?" message.
QString loadSetsHelpText();

} // namespace vantrelle
