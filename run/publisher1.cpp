#include "publisher1.h"

#include "fsutil/failure.h"
#include "shell/automation.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <memory>

namespace vantrelle {

using automation::Application;
using automation::Document;
using automation::FindReplace;

namespace {

const QString kProgId = QString::fromLatin1(automation::kPublisherProgId);

// Calls on an object that an earlier failed step never produced fail like the
// automation call would, with a description the report can show.
template <class T> T &need(const std::shared_ptr<T> &object)
{
    if (!object)
        throw Failure("Object variable or With block variable not set");
    return *object;
}

bool matchCaseChecked(const EditorContext &context)
{
    return context.matchCaseState() == 1;
}

// The settings of one pair, lines first .. first+14 of the procedure's numbering.
void applyPair(Guard &guard, const EditorContext &context, const std::shared_ptr<FindReplace> &find,
               const QString &findText, const QString &replaceText, int first)
{
    guard.run(first + 2, [&] { need(find).Clear(); });
    guard.run(first + 4, [&] { need(find).SetFindText(findText); });
    guard.run(first + 6, [&] { need(find).SetReplaceWithText(replaceText); });
    guard.run(first + 8, [&] { need(find).SetReplaceScope(automation::kReplaceScopeAll); });
    if (guard.test(first + 10, [&] { return matchCaseChecked(context); }))
        guard.run(first + 12, [&] { need(find).SetMatchCase(true); });
    else
        guard.run(first + 14, [&] { need(find).SetMatchCase(false); });
    guard.run(first + 16, [&] { need(find).SetMatchWholeWord(false); });
    guard.run(first + 18, [&] { need(find).Execute(); });
}

} // namespace

namespace Publisher1 {

void ReplaceByFileXY(const EditorContext &context, const QString &source, const QString &findText,
                     const QString &replaceText, const QString &output)
{
    Guard guard(context.dialogs, loc::Publisher1_ReplaceByFileXY);
    std::shared_ptr<Application> app;
    std::shared_ptr<Document> doc;
    std::shared_ptr<FindReplace> find;

    guard.run(100, [&] { app = context.registry.CreateObject(kProgId); });
    guard.run(102, [&] { doc = need(app).Open(source, false, true, 1); });
    guard.run(104, [&] { find = need(need(app).ActiveDocument()).Find(); });
    applyPair(guard, context, find, findText, replaceText, 104);
    find.reset();
    guard.run(124, [&] {
        need(need(app).ActiveDocument()).SaveAs(output, automation::kFormatPublication, true);
    });
    guard.run(126, [&] { need(app).Quit(); });
}

void ReplaceByFileXYCombo(const EditorContext &context, const QString &source,
                          const QStringList &findList, const QStringList &replaceList,
                          const QString &output)
{
    Guard guard(context.dialogs, loc::Publisher1_ReplaceByFileXYCombo);
    std::shared_ptr<Application> app;
    std::shared_ptr<Document> doc;

    guard.run(100, [&] { app = context.registry.CreateObject(kProgId); });
    guard.run(102, [&] { doc = need(app).Open(source, false, true, 1); });
    guard.reach(104);
    // The bound is taken once; the lists hold at most 32,767 pairs.
    const qsizetype count = findList.size();
    for (qsizetype i = 0; i < count; ++i) {
        std::shared_ptr<FindReplace> find;
        guard.run(106, [&] { find = need(need(app).ActiveDocument()).Find(); });
        applyPair(guard, context, find, findList.value(i), replaceList.value(i), 106);
        guard.reach(126);
    }
    guard.run(128, [&] {
        need(need(app).ActiveDocument()).SaveAs(output, automation::kFormatPublication, true);
    });
    guard.run(130, [&] { need(app).Quit(); });
}

bool IsPublisherRunning(automation::Registry &registry)
{
    try {
        const auto app = registry.GetObject(kProgId);
        return app && app->name() == QLatin1String(kPublisherRunningName);
    } catch (...) {
        return false;
    }
}

bool WarnIfPublisherOpen(Dialogs &dialogs, automation::Registry &registry)
{
    if (!IsPublisherRunning(registry))
        return false;
    const bool proceed = dialogs.question(QString::fromLatin1(kPublisherOpenQuestion), false);
    return !proceed;
}

} // namespace Publisher1

namespace IsInstalled {

void CheckPublisherInstalled(Dialogs &dialogs, automation::Registry &registry)
{
    std::shared_ptr<Application> app;
    try {
        app = registry.CreateObject(kProgId);
    } catch (...) {
        app.reset();
    }
    try {
        if (!app)
            dialogs.notice(QString::fromLatin1(kNotInstalledNotice));
    } catch (...) {
        // Nothing of this check may reach start-up.
    }
}

} // namespace IsInstalled

} // namespace vantrelle
