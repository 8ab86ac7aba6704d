#pragma once
// The tool's console: its arguments as the user typed them, UTF-8 output, and
// whether a stream is a terminal. On Windows the narrow argv is in the ANSI
// code page and the console's output code page is rarely UTF-8, so both are
// taken from the wide-character side.
#include <QStringList>

#include <cstdio>

namespace vantrelle::cli {

QStringList commandArguments(int argc, char **argv);

// For the whole run of the tool: output in UTF-8 (the console's own code page
// comes back at the end), bytes written as they are (no CR added to LF), and
// colour escapes understood where the console can.
class ConsoleSetup {
public:
    ConsoleSetup();
#ifdef Q_OS_WIN
    ~ConsoleSetup();
#else
    ~ConsoleSetup() = default;
#endif
    ConsoleSetup(const ConsoleSetup &) = delete;
    ConsoleSetup &operator=(const ConsoleSetup &) = delete;

private:
    unsigned m_oldOutputCodePage = 0;
};

bool isTerminal(std::FILE *stream);

} // namespace vantrelle::cli
