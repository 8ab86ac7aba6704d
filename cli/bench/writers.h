#pragma once
// The floors' writers: WRITERS threads taking the files of a list in turn.
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

// Calls copy(file) for each file on that many threads; false when any call was.
template <class File, class Copy>
bool copyOnWriters(const std::vector<File> &files, int writers, Copy copy)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w)
        threads.emplace_back([&] {
            for (std::size_t i = next++; i < files.size(); i = next++)
                if (!copy(files[i]))
                    ok = false;
        });
    for (std::thread &t : threads)
        t.join();
    return ok;
}
