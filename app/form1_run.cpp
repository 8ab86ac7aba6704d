// "Start Replacing" and the sample documents.
#include "app/form1.h"

#include "doclist/addfolder.h"
#include "doclist/screening.h"
#include "fsutil/paths.h"
#include "run/outputpath.h"
#include "run/publisher1.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <cmath>
#include <optional>

namespace vantrelle {

namespace {

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    texts.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList rowsOf(const DocumentList &list)
{
    QStringList rows;
    for (int i = 1; i <= list.count(); ++i)
        rows << list.rowText(i);
    return rows;
}

QString samplesFolder()
{
    return programFolder() + QStringLiteral("/Samples");
}

} // namespace

void Form1::PushButton7_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_Pushbutton7_Click);
    Dialogs &dialogs = m_services.dialogs;
    guard.reach(100);
    if (m_runInProgress)
        return;
    guard.run(102, [&] { m_runInProgress = true; });

    const bool folderUsable = guard.test(104, [&] {
        const bool exists = FolderExists(Text3->text());
        const bool ownFolder = Option2->isChecked();
        return exists || ownFolder;
    });
    if (!folderUsable) {
        guard.run(162, [&] {
            dialogs.notice(QStringLiteral("Folder does not exist. Please select another folder."));
        });
    } else if (!guard.test(106, [&] { return ListView1->count() >= 1; })) {
        guard.run(160, [&] { dialogs.notice(QStringLiteral("No files added.")); });
    } else {
        guard.run(108, [&] { screenDocumentList(); });
        const bool goOn = guard.test(
            110, [&] { return !Publisher1::WarnIfPublisherOpen(dialogs, m_services.registry); });
        if (goOn) {
            runDocuments(guard);
            if (!m_closing)
                guard.run(158, [&] { dialogs.notice(QStringLiteral("Done.")); });
        }
    }
    guard.reach(164);
    m_runInProgress = false;
}

void Form1::runDocuments(Guard &guard)
{
    const EditorContext editor{m_services.dialogs, m_services.registry,
                               [this] { return int(Check2->checkState()); }};
    int n = 0;
    guard.run(112, [&] { n = ListView1->count(); });
    RunOutputGuard outputs(rowsOf(*ListView1));
    for (int i = 1; i <= n; ++i) {
        // Rows can only be reordered while the run yields; a row that is gone
        // ends the run rather than processing an empty path. A closed window
        // ends the program, so the run stops too.
        if (i > ListView1->count() || m_closing)
            break;
        QString source;
        QString output;
        guard.run(114, [&] { m_pointer.set(kPointerHourglass); });
        guard.run(116, [&] { source = ListView1->rowText(i); });
        guard.run(118, [&] {
            ProgressBar1->setValue(int(std::floor(double(i) / double(ListView1->count()) * 100.0)));
        });
        guard.run(120, [&] {
            ProgressBar1->setText(QStringLiteral("Processing: ") + GetFileNameOfPath(source));
        });
        guard.run(122, [&] { YieldToEventLoop(); });
        if (m_closing)
            break;
        if (guard.test(124, [&] { return Option1->isChecked(); }))
            guard.run(126, [&] { output = JoinOutput(Text3->text(), source, kSeparator); });
        else if (guard.test(128, [&] { return Option2->isChecked(); }))
            guard.run(130,
                      [&] { output = JoinOutput(GetFolderOfPath(source), source, kSeparator); });
        guard.run(132, [&] { output = CollapseBackslashes(output); });
        if (guard.test(134, [&] { return OutputIsSource(source, output, kSeparator); }))
            guard.run(136, [&] { output = ReplacedOutputName(output, source, kSeparator); });

        // Never write over another document of the list or a result of this run.
        if (const std::optional<QString> refusal = outputs.refusal(source, output)) {
            m_services.dialogs.notice(*refusal);
            guard.run(148, [&] { m_pointer.set(kPointerHourglass); });
            continue;
        }
        guard.run(138, [&] { DeleteFileQuiet(output); });
        if (guard.test(140, [&] { return TabControl1->selectedIndex() == 0; })) {
            guard.run(142, [&] {
                Publisher1::ReplaceByFileXY(editor, source, Text1->toPlainText(),
                                            Text2->toPlainText(), output);
            });
        } else if (guard.test(144, [&] { return TabControl1->selectedIndex() == 1; })) {
            guard.run(146, [&] {
                Publisher1::ReplaceByFileXYCombo(editor, source, comboTexts(Combo1),
                                                 comboTexts(Combo2), output);
            });
        }
        outputs.recordOutput(source, output);
        guard.run(148, [&] { m_pointer.set(kPointerHourglass); });
    }
    guard.reach(150);
    guard.run(152, [&] { m_pointer.set(kPointerDefault); });
    guard.run(154, [&] { ProgressBar1->setValue(0); });
    guard.run(156, [&] { ProgressBar1->setText(QStringLiteral("Progress Bar")); });
}

void Form1::screenDocumentList()
{
    Main::ValidateListFiles(*ListView1, m_services.dialogs);
}

void Form1::PushButton8_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton8_Click);
    guard.run(100, [&] { AddSampleFiles(); });
    guard.run(110, [&] { screenDocumentList(); });
}

void Form1::RecordSampleFiles()
{
    const QString folder = samplesFolder();
    QStringList paths;
    for (const QString &name : AddFolder::GetFilesInFolder(folder, QStringLiteral("*.*")))
        paths << folder + kSeparator + name;
    m_services.settings.set(keys::Snapshot, paths.join(QLatin1Char('|')));
}

void Form1::AddSampleFiles()
{
    const QString recorded = m_services.settings.get(keys::Snapshot, QStringLiteral("False"));
    const QStringList parts = recorded.isEmpty() ? QStringList() : recorded.split(QLatin1Char('|'));
    for (const QString &part : parts) {
        if (DoesFileExist(part) && !ListContains(*ListView1, part))
            ListView1->append(part);
    }
    const bool open = m_services.dialogs.question(
        QStringLiteral("Would you like this software to open the folder where these sample files "
                       "are stored (so that you can view them before working with them)?"),
        false);
    if (open)
        m_services.dialogs.openFolder(samplesFolder() + kSeparator);
}

} // namespace vantrelle
