#pragma once
// The directory of a compound file read straight from its bytes, next to
// libgsf. libgsf drops entries it cannot use and shortens names at their first
// NUL; this reader sees every entry as stored, checks that the file holds
// every sector its chains and sizes need, and puts the stored names, class
// ids, state bits and times back into a file libgsf wrote.
#include "pubengine/bytes.h"

#include <array>
#include <string>

namespace vantrelle::pubengine::cfb {

struct Entry {
    // The 128-byte directory entry as stored.
    std::array<std::uint8_t, 128> raw{};
    bool storage = false;
    std::uint64_t size = 0;
    // The name as libgsf shows it: UTF-8, up to the first NUL.
    std::string name;
    // Indexes into Directory::entries, in tree order.
    std::vector<std::size_t> children;
};

struct Directory {
    // entries[0] is the root; only entries reachable from it are listed.
    std::vector<Entry> entries;
    // Where each 128-byte directory slot lies in the file, by slot number.
    std::vector<std::size_t> slotOffsets;
    // The slot each listed entry came from.
    std::vector<std::uint32_t> entrySlots;
};

// Throws FormatError, in plain words, when the directory or any chain is
// damaged or the file ends before the data its entries declare.
Directory read(ByteView file);

// Copies every stored name, class id, state bits and time of source onto the
// matching entries of written (a file libgsf produced from the same tree) and
// orders each storage's entries by those names, as the format requires.
// Throws Failure when the two trees do not match.
void restoreEntries(Bytes &written, const Directory &source);

// The entries of a and b that differ in name, class id, state bits or times,
// as paths; empty when every entry matches. Both trees must have the same shape.
std::vector<std::string> entryDifferences(const Directory &a, const Directory &b);

} // namespace vantrelle::pubengine::cfb
