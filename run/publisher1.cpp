#include "publisher1.h"

#include "fsutil/failure.h"
#include "shell/automation.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

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

// Only the native engine reads regular expressions and keeps case; asking
// another server for either fails rather than letting it search for the
// pattern as plain text or write the replacement as typed.
void setPattern(FindReplace &find, bool regex, bool keepCase)
{
    if (auto *pattern = dynamic_cast<automation::PatternFindReplace *>(&find)) {
        pattern->SetMatchRegularExpression(regex);
        pattern->SetKeepCase(keepCase);
    } else if (regex) {
        throw Failure("This publishing program cannot read find texts as regular expressions; "
                      "nothing was searched.");
    } else if (keepCase) {
        throw Failure("This publishing program cannot keep the case of what it finds; nothing "
                      "was searched.");
    }
}

QByteArray fileDigest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// One call's guard and what it has learnt so far.
class Edit {
public:
    Edit(const EditorContext &editor, const char *location)
        : context(editor), guard(editor.dialogs, location)
    {
    }

    // A numbered step. After a failure no further step is attempted (they
    // would only fail on what the failed one did not produce), so one failure
    // gives one report.
    template <class F> bool step(int line, F &&statement)
    {
        if (result.failed)
            return false;
        bool ok = true;
        guard.run(line, [&] {
            try {
                statement();
            } catch (...) {
                ok = false;
                result.failed = true;
                throw;
            }
        });
        return ok;
    }

    void create()
    {
        step(100, [&] { app = context.registry.CreateObject(kProgId); });
    }

    void open(const QString &source)
    {
        if (!app)
            return;
        result.opened = step(102, [&] {
            auto *digesting = dynamic_cast<automation::DigestingApplication *>(app.get());
            if (context.sourceDigest) {
                // A server that cannot hash what it reads has the file hashed
                // just before.
                if (digesting)
                    digesting->SetExpectedDigest(*context.sourceDigest);
                else
                    result.sourceDigest = fileDigest(source);
                if (!digesting && !context.sourceDigest->isEmpty() &&
                    result.sourceDigest != *context.sourceDigest)
                    throw Failure(QCoreApplication::translate("vantrelle::RunText",
                                                              "Cannot open “%1”: it changed "
                                                              "since it was reviewed.")
                                      .arg(source));
            }
            doc = need(app).Open(source, false, true, 1);
            if (context.sourceDigest && digesting)
                result.sourceDigest = digesting->LastDigest();
        });
    }

    // The settings of one pair, from the line after the one that fetched the
    // FindReplace, and its Execute. The counts are read even when Execute
    // fails: the engine fails it for occurrences it had to leave.
    void applyPair(const std::shared_ptr<automation::FindReplace> &find, const QString &findText,
                   const QString &replaceText, int first, qsizetype pair = 0)
    {
        if (!find)
            return;
        const bool matchCase = context.matchCase == kMatchCaseTicked;
        step(first + 2, [&] { find->Clear(); });
        step(first + 4, [&] { find->SetFindText(findText); });
        step(first + 6, [&] { find->SetReplaceWithText(replaceText); });
        step(first + 8, [&] { find->SetReplaceScope(automation::kReplaceScopeAll); });
        guard.reach(first + 10);
        step(matchCase ? first + 12 : first + 14, [&] { find->SetMatchCase(matchCase); });
        step(first + 16, [&] {
            find->SetMatchWholeWord(context.wholeWord);
            setPattern(*find, context.regex, context.keepCase);
        });
        if (context.inLinks || context.inProperties) {
            step(first + 16, [&] {
                auto *places = dynamic_cast<automation::PlacesFindReplace *>(find.get());
                if (!places)
                    throw Failure(
                        QCoreApplication::translate("vantrelle::IsInstalled", kPlacesNotOffered));
                places->SetReplaceInLinkAddresses(context.inLinks);
                places->SetReplaceInDocumentProperties(context.inProperties);
            });
        }
        if (context.listEveryChange || context.choices) {
            step(first + 16, [&] {
                auto *review = dynamic_cast<automation::ReviewFindReplace *>(find.get());
                if (!review)
                    throw Failure("This publishing program cannot replace reviewed changes one "
                                  "by one; nothing was searched.");
                review->SetListEveryChange(context.listEveryChange);
                if (context.choices)
                    review->SetChosenChanges(context.choices->value(pair));
            });
        }
        bool executed = false;
        bool found = false;
        step(first + 18, [&] {
            executed = true;
            found = find->Execute();
        });
        if (!executed)
            return;
        const auto *counting = dynamic_cast<const automation::CountingFindReplace *>(find.get());
        result.counts << (counting ? counting->lastCounts() : automation::ExecuteCounts{});
        result.found << found;
        result.counted = result.counted && counting;
    }

    // A check that fails says so as a note; it never fails the document.
    void checkFit(int line)
    {
        if (!result.opened || result.failed || !context.fitCheck)
            return;
        std::shared_ptr<automation::Document> active;
        try {
            active = need(app).ActiveDocument();
            if (auto *fitting = dynamic_cast<automation::FitCheckingDocument *>(active.get())) {
                result.fitChecked = true;
                result.fit = fitting->CheckFit();
            }
        } catch (...) {
            result.fitChecked = true;
            result.fit = {{-1, 0, automation::FitVerdict::CouldNotCheck, 0,
                           QCoreApplication::translate("vantrelle::RunText",
                                                       "could not check: %1")
                               .arg(describeCurrentException())}};
        }
        if (!context.fitStrict)
            return;
        for (const automation::FitNote &note : std::as_const(result.fit)) {
            if (note.verdict != automation::FitVerdict::Overflows)
                continue;
            step(line, [&] {
                throw Failure(QCoreApplication::translate(
                                  "vantrelle::RunText",
                                  "Story %1 on page %2 no longer fits its box (%3); "
                                  "nothing was written.")
                                  .arg(note.story)
                                  .arg(note.page)
                                  .arg(note.reason));
            });
            return;
        }
    }

    // Nothing is saved after a failed step: the result would not be what
    // was asked for.
    void save(int line, const QString &output)
    {
        if (!result.opened || result.failed || context.preview)
            return;
        if (context.mayWrite) {
            result.refused = context.mayWrite();
            if (result.refused)
                return;
        }
        result.saved = step(line, [&] {
            need(need(app).ActiveDocument()).SaveAs(output, automation::kFormatPublication, true);
        });
    }

    // Attempted whatever failed before, so no instance is left running. A
    // result already saved whole stands even when this fails.
    void quit(int line)
    {
        if (app)
            guard.run(line, [&] { app->Quit(); });
    }

    const EditorContext &context;
    Guard guard;
    std::shared_ptr<automation::Application> app;
    std::shared_ptr<automation::Document> doc;
    EditResult result;
};

} // namespace

namespace Publisher1 {

EditResult ReplaceByFileXY(const EditorContext &context, const QString &source,
                           const QString &findText, const QString &replaceText,
                           const QString &output)
{
    Edit edit(context, loc::Publisher1_ReplaceByFileXY);
    edit.create();
    edit.open(source);
    if (edit.result.opened) {
        std::shared_ptr<automation::FindReplace> find;
        edit.step(104, [&] { find = need(need(edit.app).ActiveDocument()).Find(); });
        edit.applyPair(find, findText, replaceText, 104);
    }
    edit.checkFit(124);
    edit.save(124, output);
    edit.quit(126);
    return edit.result;
}

EditResult ReplaceByFileXYCombo(const EditorContext &context, const QString &source,
                                const QStringList &findList, const QStringList &replaceList,
                                const QString &output)
{
    Edit edit(context, loc::Publisher1_ReplaceByFileXYCombo);
    edit.create();
    edit.open(source);
    edit.guard.reach(104);
    // The bound is taken once; the lists hold at most 32,767 pairs.
    const qsizetype count = edit.result.opened ? findList.size() : 0;
    for (qsizetype i = 0; i < count; ++i) {
        std::shared_ptr<automation::FindReplace> find;
        edit.step(106, [&] { find = need(need(edit.app).ActiveDocument()).Find(); });
        edit.applyPair(find, findList.value(i), replaceList.value(i), 106, i);
        edit.guard.reach(126);
    }
    edit.checkFit(128);
    edit.save(128, output);
    edit.quit(130);
    return edit.result;
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
    const bool proceed = dialogs.question(
        QCoreApplication::translate("vantrelle::IsInstalled", kPublisherOpenQuestion)
            .replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
        false);
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
            dialogs.notice(
                QCoreApplication::translate("vantrelle::IsInstalled", kNotInstalledNotice));
    } catch (...) {
        // Nothing of this check may reach start-up.
    }
}

} // namespace IsInstalled

} // namespace vantrelle
