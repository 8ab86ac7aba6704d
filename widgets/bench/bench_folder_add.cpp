// Times a whole-folder add as the window does it: the walk, the listing of
// every folder and the filling of a visible list, with the event loop
// repainting the list between folders. Prints rows, seconds and repaints.
#include "doclist/addfolder.h"
#include "doclist/adding.h"
#include "shell/errorreport.h"
#include "widgets/doclistview.h"
#include "widgets/qtdialogs.h"

#include "widgets/paintcounter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

namespace {

// The disk without yielding, to tell the cost of keeping the window live.
class QuietDisk : public vantrelle::AddFolder::FolderSource {
public:
    void yield() override {}
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [PATTERN] [--no-yield]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString pattern = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("*.*");
    const bool yield = !(argc > 3 && qstrcmp(argv[3], "--no-yield") == 0);

    vantrelle::QtDialogs dialogs;
    vantrelle::DocListView list;
    list.createColumn();
    list.resize(520, 300);
    list.show();
    vantrelle::test::PaintCounter counter;
    list.viewport()->installEventFilter(&counter);
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    vantrelle::Guard guard(dialogs, vantrelle::loc::Form1_PushButton6_Click);
    QStringList folderSet{folder + QLatin1Char('/')};
    vantrelle::AddFolder::FolderListings listings;
    if (yield) {
        vantrelle::AddFolder::GetSubDirectories2016(folderSet, true, dialogs, &listings);
    } else {
        QuietDisk quiet;
        quiet.listings = &listings;
        vantrelle::AddFolder::GetSubDirectories2016(folderSet, true, dialogs, quiet);
    }
    const qint64 walked = timer.elapsed();
    QElapsedTimer listing;
    listing.start();
    vantrelle::MemoryDocumentList memory;
    vantrelle::Adding::AppendFolderSetFiles(memory, folderSet, pattern, guard, 112, &listings);
    const qint64 listed = listing.elapsed();
    timer.start();
    vantrelle::Adding::AppendFolderSetFiles(list, folderSet, pattern, guard, 112, &listings);
    QApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("folders %lld rows %d walk_ms %lld list_only_ms %lld seconds %.3f repaints %d\n",
                static_cast<long long>(folderSet.size()), list.count(),
                static_cast<long long>(walked), static_cast<long long>(listed),
                seconds + walked / 1000.0, counter.paints);
    return 0;
}
