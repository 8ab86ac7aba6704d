#pragma once
// The uniform error report: a guarded procedure runs its numbered statements
// through a Guard; a statement that throws is reported with the procedure's
// location and the last line reached, and the procedure goes on with the next
// statement. A PlainFailure (the user's situation, no fault of the program)
// is a notice in its own words instead.
#include <QString>

#include <exception>
#include <utility>

namespace vantrelle {

class Dialogs;

// The error box's last sentence: where to report, from the build setting
// VANTRELLE_SUPPORT_CONTACT (an e-mail address, or a sentence).
QString supportSentence();

// Location texts of the guarded procedures. Spelling and case are part of the
// report the user sends us, so they stay exactly as they are.
namespace loc {
inline constexpr char Form1_Form_Load[] = "in Hobmarrow2021/08/31.Form1.Form_Load ";
inline constexpr char Form1_PushButton1_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton1_Click ";
inline constexpr char Form1_PushButton10_Click[] =
    "in Hobmarrow2021/08/31.Form1.PushButton10_Click ";
inline constexpr char Form1_PushButton14_Click[] =
    "in Hobmarrow2021/08/31.Form1.PushButton14_Click ";
inline constexpr char Form1_PushButton2_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton2_Click ";
inline constexpr char Form1_PushButton3_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton3_Click ";
inline constexpr char Form1_PushButton4_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton4_Click ";
inline constexpr char Form1_PushButton5_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton5_Click ";
inline constexpr char Form1_PushButton6_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton6_Click ";
inline constexpr char Form1_Pushbutton7_Click[] = "in Hobmarrow2021/08/31.Form1.Pushbutton7_Click ";
inline constexpr char Form1_PushButton8_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton8_Click ";
inline constexpr char Form1_PushButton9_Click[] = "in Hobmarrow2021/08/31.Form1.PushButton9_Click ";
inline constexpr char Main_ValidateListFiles[] = "in Hobmarrow2021/08/31.Main.ValidateListFiles ";
inline constexpr char AddFolder_GetSubDirectories2016[] =
    "in Dunsprig2021/08/31.AddFolder.GetSubDirectories2016 ";
inline constexpr char Publisher1_ReplaceByFileXY[] =
    "in Hobmarrow2021/08/31.Publisher1.ReplaceByFileXY ";
inline constexpr char Publisher1_ReplaceByFileXYCombo[] =
    "in Hobmarrow2021/08/31.Publisher1.ReplaceByFileXYCombo ";
inline constexpr char Form2_Form_Load[] = "in Hobmarrow2021/08/31.Form2.Form_Load ";
inline constexpr char Form2_PushButton1_Click[] = "in Hobmarrow2021/08/31.Form2.PushButton1_Click ";
inline constexpr char Form2_PushButton16_Click[] =
    "in Hobmarrow2021/08/31.Form2.PushButton16_Click ";
inline constexpr char Form2_PushButton2_Click[] = "in Hobmarrow2021/08/31.Form2.PushButton2_Click ";
inline constexpr char Form2_PushButton3_Click[] = "in Hobmarrow2021/08/31.Form2.PushButton3_Click ";
} // namespace loc

// The text of the report box.
QString errorReportText(const QString &description, const QString &location, int line);
// The failure's own words in a report box's text, without the place in the
// window's code and the request to write, for reports read away from the
// window; any other text unchanged.
QString errorReportDescription(const QString &reportText);

// Shows the report box through the dialogs seam.
void ReportApplicationError(Dialogs &dialogs, const QString &description, const QString &location,
                            int line);

// The description of an exception in flight (call inside a catch block).
QString describeCurrentException();

class Guard {
public:
    Guard(Dialogs &dialogs, const char *location) : m_dialogs(dialogs), m_location(location) {}

    // A numbered statement: reported and passed over when it throws.
    template <class F> void run(int line, F &&statement)
    {
        m_line = line;
        try {
            std::forward<F>(statement)();
        } catch (...) {
            report();
        }
    }

    // The test of a numbered conditional. A test that throws is reported and
    // counts as holding, so the branch runs, as the statement after the test.
    template <class F> bool test(int line, F &&condition)
    {
        m_line = line;
        try {
            return static_cast<bool>(std::forward<F>(condition)());
        } catch (...) {
            report();
            return true;
        }
    }

    // Marks a numbered line reached without a statement of its own.
    void reach(int line) { m_line = line; }
    int lastLine() const { return m_line; }

private:
    void report();

    Dialogs &m_dialogs;
    const char *m_location;
    int m_line = 0;
};

} // namespace vantrelle
