// The floor for vantrelle-replace's batch timing: what any tool that gives the
// same durability must do per document, and nothing more. Each file of a list
// is read whole, written to a temporary file beside its result, synced
// (fdatasync, as the tool's saves are) and renamed over the result.
// Usage: vantrelle_bench_floor [--unnamed] WRITERS OUT_DIR LIST_FILE (one
// path a line)
#include "cli/bench/writers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool fail(const std::string &what)
{
    std::fprintf(stderr, "vantrelle_bench_floor: %s: %s\n", what.c_str(), std::strerror(errno));
    return false;
}

// How the temporary file is made: named and renamed over the result, or (as
// QSaveFile does on Linux) unnamed with O_TMPFILE and linked in as the result.
enum class Temp { Named, Unnamed };

bool copyDurably(const std::string &source, const std::string &outDir, Temp temp)
{
    std::string bytes;
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return fail(source);
    char block[65536];
    for (ssize_t n; (n = ::read(in, block, sizeof block)) > 0;)
        bytes.append(block, std::size_t(n));
    ::close(in);
    const std::string name = source.substr(source.find_last_of('/') + 1);
    const std::string target = outDir + "/" + name;
    const std::string named = target + ".tmp";
    const int fd = temp == Temp::Named
                       ? ::open(named.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)
                       : ::open(outDir.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail(named);
    bool done =
        ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size()) && ::fdatasync(fd) == 0;
    if (done && temp == Temp::Named) {
        done = ::rename(named.c_str(), target.c_str()) == 0;
    } else if (done) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        done = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }
    ::close(fd);
    return done || fail(target);
}

} // namespace

int main(int argc, char **argv)
{
    const Temp temp =
        argc > 1 && std::strcmp(argv[1], "--unnamed") == 0 ? Temp::Unnamed : Temp::Named;
    if (temp == Temp::Unnamed) {
        --argc;
        ++argv;
    }
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: vantrelle_bench_floor [--unnamed] WRITERS OUT_DIR LIST_FILE\n");
        return 2;
    }
    const int writers = std::atoi(argv[1]);
    const std::string outDir = argv[2];
    std::vector<std::string> files;
    std::ifstream list(argv[3]);
    for (std::string line; std::getline(list, line);)
        if (!line.empty())
            files.push_back(line);
    if (writers < 1 || files.empty()) {
        std::fprintf(stderr, "vantrelle_bench_floor: need 1 or more writers and a file list\n");
        return 2;
    }
    return copyOnWriters(files, writers,
                         [&](const std::string &file) { return copyDurably(file, outDir, temp); })
               ? 0
               : 1;
}
