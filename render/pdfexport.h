#pragma once
// Many publications saved as PDF by LibreOffice: several headless processes
// side by side, each with a profile of its own and converting a batch of
// documents per start (its start-up is the cost). A document that takes too
// long is ended and reported, and the process restarted for the rest. Every
// PDF is written whole or not at all; temporary files go at the end.
#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QTemporaryDir;

namespace vantrelle {

enum class PdfState {
    None,       // no PDF was asked for
    Written,    // the PDF is in place
    Failed,     // message says why; nothing was written
    NotReached, // the export stopped before it
};

struct PdfResult {
    PdfState state = PdfState::None;
    // Where the PDF goes (or would have gone).
    QString path;
    QString message;
};

// "written", "failed", "not reached"; empty for None.
QString pdfStateText(PdfState state);

// How to get LibreOffice for PDFs; empty when it can be started.
QString pdfExportMissingHint(const QString &program = {});

// In the user's cache folder.
QString defaultProfileTemplate();

struct PdfJob {
    QString source;
    QString pdf;
};

class PdfExport : public QObject {
    Q_OBJECT
public:
    explicit PdfExport(QObject *parent = nullptr);
    // Ends the processes still running, without emitting finished().
    ~PdfExport() override;

    void setProgram(const QString &program) { m_program = program; }
    void setJobs(int jobs) { m_jobs = std::max(1, jobs); }
    // How long one document may take before its process is ended.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Where the private temporary folder goes; the system's unless set.
    void setWorkFolder(const QString &folder) { m_workFolder = folder; }
    // A LibreOffice profile kept between exports: each process starts from a
    // copy, which saves LibreOffice making a new one. Empty: none kept.
    void setProfileTemplate(const QString &folder) { m_profileTemplate = folder; }

    // Starts converting; finished() follows exactly once, also when
    // LibreOffice is missing (every job failed with the hint) or jobs is empty.
    void start(const QList<PdfJob> &jobs);
    // Ends every process: what is written stays, the rest is not reached.
    void stop();
    bool isRunning() const { return m_running; }
    // Starts and returns once every job has its outcome, the event loop
    // turning meanwhile.
    QList<PdfResult> run(const QList<PdfJob> &jobs);

    // One per job, in the order given.
    const QList<PdfResult> &results() const { return m_results; }
    int doneCount() const { return m_done; }

signals:
    // LibreOffice began on the job (as far as can be told).
    void converting(int index);
    void documentDone(int index);
    void finished();

private:
    struct Worker;

    void dispatch();
    void startWorker(Worker &worker);
    void readOutput(Worker &worker);
    void timedOut(Worker &worker);
    void processEnded(Worker &worker);
    // The batch's first count jobs get their outcome: written when their
    // PDF is whole, failed with message otherwise.
    void settle(Worker &worker, qsizetype count, const QString &message);
    void settleOne(int index, const QString &message);
    void fail(int index, const QString &message);
    void endProcess(Worker &worker);
    void finishIfDone();
    void keepProfile();
    QString inputPath(int index) const;
    QString outputPath(int index) const;

    QString m_program;
    QString m_workFolder;
    QString m_profileTemplate = defaultProfileTemplate();
    int m_jobs = 1;
    std::chrono::milliseconds m_timeout{std::chrono::minutes(2)};
    QList<PdfJob> m_list;
    QList<PdfResult> m_results;
    QList<int> m_pending;
    std::vector<std::unique_ptr<Worker>> m_workers;
    std::unique_ptr<QTemporaryDir> m_temp;
    int m_done = 0;
    bool m_running = false;
    bool m_stopping = false;
};

} // namespace vantrelle
