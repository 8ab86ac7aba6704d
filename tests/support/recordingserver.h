#pragma once
// A recording double of the automation server: every call is logged as one
// line ("Open(a.pub,false,true,1)"), and any call can be told to fail.
#include "fsutil/failure.h"
#include "shell/automation.h"
#include "tests/support/qtprinters.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace vantrelle::test {

struct ServerLog {
    QStringList calls;
    QSet<QString> failing; // member names that throw
    bool createFails = false;
    bool running = false; // an instance is running
    QString runningName = QStringLiteral("Microsoft Publisher");
    bool executeResult = true;
    // False: a server like the publishing program's, which cannot count.
    bool counting = true;
    // What each Execute reports it did, in order; past the end it did nothing.
    QList<automation::ExecuteCounts> counts;
    int executed = 0;
    // Runs at every call, after it is logged (a test looks at the window then).
    std::function<void(const QString &)> onCall;

    void call(const QString &member, const QString &args = QString())
    {
        calls << member + QLatin1Char('(') + args + QLatin1Char(')');
        if (onCall)
            onCall(calls.last());
        if (failing.contains(member))
            throw Failure(QStringLiteral("%1 failed").arg(member));
    }
};

class RecordingFind : public automation::FindReplace, public automation::CountingFindReplace {
public:
    explicit RecordingFind(ServerLog &log) : m_log(log) {}
    void Clear() override { m_log.call("Clear"); }
    void SetFindText(const QString &t) override { m_log.call("FindText", t); }
    void SetReplaceWithText(const QString &t) override { m_log.call("ReplaceWithText", t); }
    void SetReplaceScope(int s) override { m_log.call("ReplaceScope", QString::number(s)); }
    void SetMatchCase(bool on) override { m_log.call("MatchCase", on ? "true" : "false"); }
    void SetMatchWholeWord(bool on) override
    {
        m_log.call("MatchWholeWord", on ? "true" : "false");
    }
    bool Execute() override
    {
        m_last = m_log.counts.value(m_log.executed++);
        m_log.call("Execute");
        return m_log.executeResult;
    }
    automation::ExecuteCounts lastCounts() const override { return m_last; }

private:
    ServerLog &m_log;
    automation::ExecuteCounts m_last;
};

// The same calls, without the counts.
class UncountedFind : public automation::FindReplace {
public:
    explicit UncountedFind(ServerLog &log) : m_find(log) {}
    void Clear() override { m_find.Clear(); }
    void SetFindText(const QString &t) override { m_find.SetFindText(t); }
    void SetReplaceWithText(const QString &t) override { m_find.SetReplaceWithText(t); }
    void SetReplaceScope(int s) override { m_find.SetReplaceScope(s); }
    void SetMatchCase(bool on) override { m_find.SetMatchCase(on); }
    void SetMatchWholeWord(bool on) override { m_find.SetMatchWholeWord(on); }
    bool Execute() override { return m_find.Execute(); }

private:
    RecordingFind m_find;
};

class RecordingDocument : public automation::Document {
public:
    explicit RecordingDocument(ServerLog &log) : m_log(log) {}
    std::shared_ptr<automation::FindReplace> Find() override
    {
        m_log.call("Find");
        if (!m_log.counting)
            return std::make_shared<UncountedFind>(m_log);
        return std::make_shared<RecordingFind>(m_log);
    }
    void SaveAs(const QString &f, int format, bool recent) override
    {
        m_log.call("SaveAs",
                   QStringLiteral("%1,%2,%3").arg(f).arg(format).arg(recent ? "true" : "false"));
    }

private:
    ServerLog &m_log;
};

class RecordingApplication : public automation::Application {
public:
    explicit RecordingApplication(ServerLog &log) : m_log(log) {}
    QString name() override
    {
        m_log.call("name");
        return m_log.runningName;
    }
    std::shared_ptr<automation::Document> Open(const QString &f, bool ro, bool recent,
                                               int save) override
    {
        m_log.call("Open", QStringLiteral("%1,%2,%3,%4")
                               .arg(f, ro ? "true" : "false", recent ? "true" : "false")
                               .arg(save));
        return std::make_shared<RecordingDocument>(m_log);
    }
    std::shared_ptr<automation::Document> ActiveDocument() override
    {
        m_log.call("ActiveDocument");
        return std::make_shared<RecordingDocument>(m_log);
    }
    void Quit() override { m_log.call("Quit"); }

private:
    ServerLog &m_log;
};

class RecordingServer : public automation::Server {
public:
    explicit RecordingServer(ServerLog &log) : m_log(log) {}
    std::shared_ptr<automation::Application> CreateInstance() override
    {
        m_log.calls << QStringLiteral("Create()");
        if (m_log.createFails)
            throw Failure("ActiveX component can't create object");
        return std::make_shared<RecordingApplication>(m_log);
    }
    std::shared_ptr<automation::Application> RunningInstance() override
    {
        m_log.calls << QStringLiteral("GetObject()");
        return m_log.running ? std::make_shared<RecordingApplication>(m_log) : nullptr;
    }

private:
    ServerLog &m_log;
};

} // namespace vantrelle::test
