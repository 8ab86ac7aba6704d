#pragma once
// The program's command line: vantrelle [FILE|FOLDER]... Files and folders
// given there (also by a file manager's "Open with") are added to the list
// once the window has started, like a drop.
#include <QString>
#include <QStringList>

#include <optional>

namespace vantrelle {

class Form1;

struct CommandLine {
    // Absolute paths of the files and folders to add, in the order given.
    QStringList paths;
    // Set when the program should end at once: --help, --version, a wrong option.
    std::optional<int> exitCode;
    // What to print: to standard output when exitCode is 0, else to standard
    // error (also the arguments that name nothing, while the program goes on).
    QString message;
};

CommandLine parseCommandLine(const QStringList &arguments);

// True when the arguments ask only for text (--help, --version), which is
// answered without a window system.
bool asksOnlyForText(const QStringList &arguments);

// Runs the start-up sequence, shows the window and, once the event loop runs,
// adds the paths.
void startWindow(Form1 &window, const QStringList &paths);

} // namespace vantrelle
