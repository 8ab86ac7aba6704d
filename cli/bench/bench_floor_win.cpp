// The floor for vantrelle-replace.exe's batch timing on Windows: what any
// tool that gives the same durability must do per document there, and
// nothing more. Each file of a list is read whole (CreateFileW, ReadFile),
// written to a temporary name beside its result (WriteFile), flushed
// (FlushFileBuffers, as QSaveFile's commit does) and renamed over the result
// (MoveFileExW).
// Usage: vantrelle_bench_floor_win WRITERS OUT_DIR LIST_FILE (one path a
// line, UTF-8)
#include "cli/bench/writers.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <windows.h>

namespace {

std::wstring wide(const std::string &utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
    return out;
}

bool fail(const std::wstring &what)
{
    std::fwprintf(stderr, L"vantrelle_bench_floor_win: %ls: error %lu\n", what.c_str(),
                  GetLastError());
    return false;
}

bool copyDurably(const std::wstring &source, const std::wstring &outDir)
{
    const HANDLE in = CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return fail(source);
    std::string bytes;
    char block[65536];
    DWORD n = 0;
    while (ReadFile(in, block, sizeof block, &n, nullptr) && n > 0)
        bytes.append(block, n);
    CloseHandle(in);
    const std::wstring target = outDir + L"\\" + source.substr(source.find_last_of(L"\\/") + 1);
    const std::wstring temporary = target + L".tmp";
    const HANDLE out = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return fail(temporary);
    DWORD written = 0;
    bool done = WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                written == bytes.size() && FlushFileBuffers(out);
    CloseHandle(out);
    done = done && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
    return done || fail(target);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: vantrelle_bench_floor_win WRITERS OUT_DIR LIST_FILE\n");
        return 2;
    }
    const int writers = std::atoi(argv[1]);
    const std::wstring outDir = wide(argv[2]);
    std::vector<std::wstring> files;
    std::ifstream list(argv[3]);
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            files.push_back(wide(line));
    }
    if (writers < 1 || files.empty()) {
        std::fprintf(stderr, "vantrelle_bench_floor_win: need 1 or more writers and a file list\n");
        return 2;
    }
    return copyOnWriters(files, writers,
                         [&](const std::wstring &file) { return copyDurably(file, outDir); })
               ? 0
               : 1;
}
