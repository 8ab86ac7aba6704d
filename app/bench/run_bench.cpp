// Times "Start Replacing" over many copies of one publication through the
// window's own code path, against copying the same files with cp, and counts
// how often the window repainted meanwhile.
//   run-bench PUBLICATION [COUNT [FIND REPLACE]]
// The copies are hard links where the file system allows, so that a run over
// 100,000 documents needs room only for its results.
#include "app/form1.h"
#include "pubengine/server.h"
#include "shell/automation.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"

#include "widgets/paintcounter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

namespace {

// Answers every modal interaction at once: a benchmark must not block.
class BenchDialogs : public vantrelle::Dialogs {
public:
    int reports = 0;
    void notice(const QString &) override {}
    bool question(const QString &, bool) override { return true; }
    void errorReport(const QString &text) override
    {
        if (++reports <= 3)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    QString inputBox(const QString &, const QString &) override { return {}; }
    QStringList openFiles(const vantrelle::FileDialogRequest &) override { return {}; }
    QString saveFile(const vantrelle::FileDialogRequest &) override { return {}; }
    QString pickFolder(const QString &, const QString &) override { return {}; }
    void openFolder(const QString &) override {}
    void openFile(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: run-bench PUBLICATION [COUNT]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int count = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (!QFileInfo(source).isFile()) {
        std::fprintf(stderr, "no publication at %s\nusage: run-bench PUBLICATION [COUNT]\n",
                     argv[1]);
        return 2;
    }
    using namespace vantrelle;

    QTemporaryDir dir;
    QDir(dir.path()).mkpath("in");
    QDir(dir.path()).mkpath("out");
    QDir(dir.path()).mkpath("copied");
    SettingsStore settings(dir.filePath("settings.ini"));
    BenchDialogs dialogs;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    Form1 form({dialogs, settings, registry});
    form.show();
    vantrelle::test::PaintCounter counter;
    form.ProgressBar1->installEventFilter(&counter);
    // Straight into the window's list: a list of our own here would count
    // against the window's memory.
    for (int i = 0; i < count; ++i) {
        const QString path =
            dir.filePath(QStringLiteral("in/doc%1.pub").arg(i, 6, 10, QLatin1Char('0')));
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(path).constData()) !=
                0 &&
            !QFile::copy(source, path)) {
            std::fprintf(stderr, "cannot copy %s\n", argv[1]);
            return 1;
        }
        form.ListView1->append(path);
    }
    form.Option1->setChecked(true);
    form.Text3->setText(dir.filePath("out") + "/");
    form.Text1->setPlainText(argc > 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("the"));
    form.Text2->setPlainText(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("THE"));

    QElapsedTimer timer;
    timer.start();
    form.PushButton7_Click();
    const double runSeconds = timer.nsecsElapsed() / 1e9;

    timer.restart();
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), dir.filePath("in"), dir.filePath("copied")});
    const double cpSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("documents: %d\nrun: %.3f s (%.0f documents/s)\ncp: %.3f s\nratio: %.1fx\n"
                "progress bar repaints during the run: %d\nerror reports: %d\n",
                count, runSeconds, count / runSeconds, cpSeconds, runSeconds / cpSeconds,
                counter.paints, dialogs.reports);
    return dialogs.reports == 0 ? 0 : 1;
}
