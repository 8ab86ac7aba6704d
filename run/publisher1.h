#pragma once
// The publication editor: applies find/replace pairs to one publication
// through the automation server and saves the result as a new file. Every
// step is guarded: a failing step is reported and the next one still runs.
#include <QString>
#include <QStringList>

#include <functional>

namespace vantrelle {
class Dialogs;
namespace automation {
class Registry;
}

// What the editor needs from its surroundings.
struct EditorContext {
    Dialogs &dialogs;
    automation::Registry &registry;
    // The state of the "Match Case" box at the moment it is read: 0 clear,
    // 1 checked, 2 grayed. Only 1 means match case. May throw.
    std::function<int()> matchCaseState;
};

namespace Publisher1 {

void ReplaceByFileXY(const EditorContext &context, const QString &source, const QString &findText,
                     const QString &replaceText, const QString &output);

void ReplaceByFileXYCombo(const EditorContext &context, const QString &source,
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
inline constexpr char kNotInstalledNotice[] =
    "Publisher is not installed on this computer. You need to have it installed to use this "
    "software without error.";
inline constexpr char kPublisherOpenQuestion[] =
    "Publisher may be open. It is recommended that you close Publisher first.\r\n\r\n"
    "Would you like to proceed anyway?";

} // namespace vantrelle
