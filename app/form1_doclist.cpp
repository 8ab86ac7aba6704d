#include "app/form1.h"

#include "doclist/addfolder.h"
#include "doclist/adding.h"
#include "doclist/screening.h"
#include "fsutil/paths.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "widgets/appearance.h"
#include "widgets/commondialog.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"

namespace vantrelle {

void Form1::connectDocListHandlers()
{
    ListView1->isBusy = [this] { return MousePointer().isHourglass(); };
    ListView1->onPointerMove = [this] { hoverSurface(); };
    ListView1->dragCursorFile = dragCursorPath();
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    // Handled once the drop is over, so the source isn't held while a dropped
    // folder is walked.
    connect(
        ListView1, &DocListView::filesDropped, this,
        [this](const QStringList &paths) { ListView1_OLEDragDrop(paths); }, Qt::QueuedConnection);
}

void Form1::PushButton3_Click()
{
    Dialogs &dialogs = m_services.dialogs;
    Guard guard(dialogs, loc::Form1_PushButton3_Click);
    const int before = ListView1->count();
    guard.run(100, [&] {
        CommonDialog1->FileName.clear();
        CommonDialog1->DialogTitle = Adding::shown(Adding::kAddFilesTitle);
        CommonDialog1->Filter = Adding::shown(Adding::kAddFilesFilter);
        CommonDialog1->Flags = kOFNReadOnly | kOFNAllowMultiselect | kOFNExplorer | kOFNLongNames;
        CommonDialog1->InitDir = m_services.settings.get(keys::LastFileFolder, QString());
    });
    bool tooMany = false;
    guard.run(102, [&] {
        try {
            CommonDialog1->ShowOpen();
        } catch (const CommonDialogError &error) {
            if (error.number() != kCdlBufferTooSmall)
                throw;
            tooMany = true;
        }
    });
    if (tooMany) {
        guard.run(104, [&] { dialogs.notice(Adding::shown(Adding::kTooManyFiles)); });
        return;
    }
    QStringList rows;
    guard.run(106, [&] {
        rows = Adding::FileDialogRows(CommonDialog1->FileName);
        if (!rows.isEmpty())
            rememberFolderOf(m_services.settings, keys::LastFileFolder, rows.front());
    });
    for (const QString &row : std::as_const(rows))
        guard.run(108, [&] { ListView1->append(row); });
    guard.run(110, [&] { Main::ValidateListFiles(*ListView1, dialogs); });
    guard.run(110, [&] { leaveOutEarlierResults(before + 1); });
}

void Form1::PushButton6_Click()
{
    Dialogs &dialogs = m_services.dialogs;
    SettingsStore &settings = m_services.settings;
    Guard guard(dialogs, loc::Form1_PushButton6_Click);
    const int before = ListView1->count();
    QString extension;
    guard.run(100, [&] {
        extension = dialogs.inputBox(Adding::shown(Adding::kExtensionPrompt),
                                     settings.get(keys::Extension));
    });
    if (extension.isEmpty())
        return;
    guard.run(102, [&] { settings.set(keys::Extension, extension); });
    QString folder;
    guard.run(104, [&] {
        const QString lastFolder = settings.get(keys::LastFolder);
        folder = dialogs.pickFolder(Adding::shown(Adding::kFolderPrompt), lastFolder);
    });
    if (!folder.isEmpty()) {
        guard.run(106, [&] { settings.set(keys::LastFolder, folder); });
        guard.run(108, [&] { MousePointer().set(kPointerHourglass); });
        m_walkInProgress = true;
        QStringList folderSet{folder + kSeparator};
        // The walk keeps what it read of each folder; the add takes the files from it.
        AddFolder::FolderListings listings;
        guard.run(110,
                  [&] { AddFolder::GetSubDirectories2016(folderSet, true, dialogs, &listings); });
        Adding::AppendFolderSetFiles(*ListView1, folderSet, QStringLiteral("*.") + extension, guard,
                                     112, &listings);
        m_walkInProgress = false;
        guard.run(116, [&] { MousePointer().set(kPointerDefault); });
    }
    guard.run(118, [&] { Main::ValidateListFiles(*ListView1, dialogs); });
    guard.run(118, [&] { leaveOutEarlierResults(before + 1); });
}

void Form1::PushButton2_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton2_Click);
    if (guard.test(100, [&] { return MousePointer().isHourglass(); }))
        return;
    guard.run(102, [&] { ListView1->clear(); });
}

void Form1::ListView1_OLEDragDrop(const QStringList &paths)
{
    const int before = ListView1->count();
    Adding::DropPaths(*ListView1, paths, m_services.dialogs);
    leaveOutEarlierResults(before + 1);
}

void Form1::OpenPaths(const QStringList &paths)
{
    const int before = ListView1->count();
    Adding::DropPaths(*ListView1, paths, m_services.dialogs, QStringLiteral("*.pub"));
    leaveOutEarlierResults(before + 1);
}

} // namespace vantrelle
