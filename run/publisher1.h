#pragma once
// The publication editor: applies find/replace pairs to one publication
// through the automation server and saves the result as a new file. Every
// step is guarded and reported; a step that needs the open publication is not
// attempted when the open failed, nothing is saved when any step of the
// replacement failed, and the instance is always quit.
#include "shell/automation.h"

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vantrelle {
class Dialogs;

// The "Match Case" box's value: 0 clear, 1 ticked, 2 grayed. Only 1 means
// match case.
inline constexpr int kMatchCaseTicked = 1;

// What the editor needs from its surroundings, fixed for a whole run.
struct EditorContext {
    Dialogs &dialogs;
    automation::Registry &registry;
    int matchCase = 0;
    bool wholeWord = false;
    // Each find text a regular expression; needs a server that offers
    // automation::PatternFindReplace.
    bool regex = false;
    // Any case, the replacement in the case of what it replaces; the same
    // server only.
    bool keepCase = false;
    // Count only: every step but the save.
    bool preview = false;
    // Also replace in link addresses and in document properties; only a
    // server that offers automation::PlacesFindReplace can.
    bool inLinks = false;
    bool inProperties = false;
    // List every change; replace only the chosen ones of each pair (by the
    // pair's index). Both need a server that offers
    // automation::ReviewFindReplace.
    bool listEveryChange = false;
    const QList<QList<automation::ChosenChange>> *choices = nullptr;
    // Asked right before the result takes its name: why it must not, or
    // nothing. The save is not attempted then.
    std::function<std::optional<QString>()> mayWrite = nullptr;
    // Ask the document, after the pairs, whether the stories they made
    // longer still fit their boxes (servers that cannot tell are not
    // asked). With fitStrict a story that overflows fails the document, so
    // nothing is saved.
    bool fitCheck = false;
    bool fitStrict = false;
    // Hash the source as it is opened (EditResult::sourceDigest) and refuse
    // it unless its bytes have this SHA-256 (hex; empty refuses none).
    std::optional<QByteArray> sourceDigest{};
};

inline constexpr const char *kPlacesNotOffered =
    QT_TRANSLATE_NOOP("vantrelle::IsInstalled",
                      "This publishing program cannot replace in link addresses or document "
                      "properties; turn those options off to use it.");

// What one call did. counts has one entry per pair whose Execute ran; a
// server that cannot count leaves them at zero and counted false.
struct EditResult {
    bool opened = false;
    bool failed = false; // some step was reported
    bool saved = false;
    // Why the result was not saved although the edit was whole.
    std::optional<QString> refused;
    QList<automation::ExecuteCounts> counts;
    // What each of those Executes returned: true when anything was found.
    QList<bool> found;
    bool counted = true;
    // What the fit check found, when it was asked for and the server can tell.
    QList<automation::FitNote> fit;
    bool fitChecked = false;
    // Of the bytes opened, when the context asked for it.
    QByteArray sourceDigest;
};

namespace Publisher1 {

EditResult ReplaceByFileXY(const EditorContext &context, const QString &source,
                           const QString &findText, const QString &replaceText,
                           const QString &output);

EditResult ReplaceByFileXYCombo(const EditorContext &context, const QString &source,
                                const QStringList &findList, const QStringList &replaceList,
                                const QString &output);

// True when a running instance answers with the publishing program's name.
bool IsPublisherRunning(automation::Registry &registry);

// True when the run is to be abandoned (an instance runs and the user did
// not choose to go on). Errors in showing the question reach the caller.
bool WarnIfPublisherOpen(Dialogs &dialogs, automation::Registry &registry);

} // namespace Publisher1

namespace IsInstalled {
// Tells the user when no instance can be created; swallows every error.
void CheckPublisherInstalled(Dialogs &dialogs, automation::Registry &registry);
} // namespace IsInstalled

inline constexpr char kPublisherRunningName[] = "Microsoft Publisher";
// In English; shown translated (context "vantrelle::IsInstalled"), with
// Windows line ends.
inline constexpr const char *kNotInstalledNotice = QT_TRANSLATE_NOOP(
    "vantrelle::IsInstalled", "Publisher is not installed on this computer. You need to have it "
                              "installed to use this software without error.");
inline constexpr const char *kPublisherOpenQuestion = QT_TRANSLATE_NOOP(
    "vantrelle::IsInstalled", "Publisher may be open. It is recommended that you close Publisher "
                              "first.\n\nWould you like to proceed anyway?");

} // namespace vantrelle
