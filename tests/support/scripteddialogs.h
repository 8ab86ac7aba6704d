#pragma once
// A dialogs double: records what was shown, answers from queues set up by the
// test. An empty queue answers like a cancel (No, empty text, no files).
#include "shell/dialogs.h"
#include "tests/support/qtprinters.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace vantrelle::test {

struct Shown {
    QString kind;  // notice, question, error, input, open, save, folder, openFolder, openFile
    QString text;  // message, prompt or title
    QString extra; // initial text, filter, initial folder; "yes" when Yes is the default
};

class ScriptedDialogs : public Dialogs {
public:
    std::vector<Shown> shown;
    std::deque<bool> questionAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> folderAnswers;
    std::vector<FileDialogRequest> fileRequests;

    void notice(const QString &text) override { shown.push_back({"notice", text, {}}); }
    bool question(const QString &text, bool yesIsDefault) override
    {
        shown.push_back({"question", text, yesIsDefault ? "yes" : "no"});
        return take(questionAnswers, false);
    }
    void errorReport(const QString &text) override { shown.push_back({"error", text, {}}); }
    // During a run: true once as many reports as this were shown (the user
    // ticks "Don't show further errors" in that one); 0 never ticks.
    int quietAfter = 0;
    bool runErrorReport(const QString &text) override
    {
        errorReport(text);
        return quietAfter > 0 && count("error") >= quietAfter;
    }
    // The same for a run's notices ("Don't show further notices").
    int noticesQuietAfter = 0;
    bool runNotice(const QString &text) override
    {
        notice(text);
        return noticesQuietAfter > 0 && count("notice") >= noticesQuietAfter;
    }
        QString inputBox(const QString &prompt, const QString &initialText) override
    {
        shown.push_back({"input", prompt, initialText});
        return take(inputAnswers, QString());
    }
    QStringList openFiles(const FileDialogRequest &request) override
    {
        fileRequests.push_back(request);
        shown.push_back({"open", request.title, request.filter});
        return take(openAnswers, QStringList());
    }
    QString saveFile(const FileDialogRequest &request) override
    {
        fileRequests.push_back(request);
        shown.push_back({"save", request.title, request.filter});
        return take(saveAnswers, QString());
    }
    QString pickFolder(const QString &title, const QString &initialFolder) override
    {
        shown.push_back({"folder", title, initialFolder});
        return take(folderAnswers, QString());
    }
    void openFolder(const QString &path) override { shown.push_back({"openFolder", path, {}}); }
    void openFile(const QString &path) override { shown.push_back({"openFile", path, {}}); }

    // Texts of everything shown of one kind, in order.
    QStringList texts(const QString &kind) const
    {
        QStringList out;
        for (const auto &s : shown)
            if (s.kind == kind)
                out << s.text;
        return out;
    }
    int count(const QString &kind) const { return int(texts(kind).size()); }

private:
    template <class T> static T take(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace vantrelle::test
