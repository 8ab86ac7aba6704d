#pragma once
// Compound files (the container of a publication) read and written straight
// from and to bytes. The reader sees every entry as stored, checks that the
// file holds every sector its chains and sizes need, and reads every stream;
// the writer lays out a tree of entries afresh, keeping each entry's stored
// name, class id, state bits and times as given.
//
// Our own rather than libgsf's: in a batch run libgsf's GObject layer took
// about a third of the engine's CPU time, and its reader looked up the local
// time zone on disk for every directory entry (GLib 2.74), some twenty
// file-system calls a publication.
#include "pubengine/bytes.h"

#include <array>
#include <string>

namespace vantrelle::pubengine::cfb {

struct Entry {
    // The 128-byte directory entry as stored.
    std::array<std::uint8_t, 128> raw{};
    bool storage = false;
    std::uint64_t size = 0;
    // The name as readers show it: UTF-8, up to the first NUL.
    std::string name;
    // Indexes into Directory::entries, in tree order.
    std::vector<std::size_t> children;
    // A stream's bytes.
    Bytes data;
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
// damaged (a loop, a sector held by two chains, an early end) or the file
// ends before the data its entries declare.
Directory read(ByteView file);

// An entry to write: raw holds its stored name and name length, class id,
// state bits and times; the rest of the entry is laid out by write().
struct Node {
    std::array<std::uint8_t, 128> raw{};
    bool storage = false;
    ByteView data; // a stream's bytes
    std::vector<Node> children;
};

// Sets the stored name of raw; names have at most 31 units.
void setName(std::array<std::uint8_t, 128> &raw, const std::u16string &name);

// A compound file of 512-byte sectors (version 3) holding root (the root
// storage) and everything below it; each storage's entries ordered by name as
// the format asks. A version 4 source is written in version 3 too: its only
// gain, streams past 4 GiB, no publication needs, and version 3 is what
// libmspub, Apache POI and olefile all read. Kinds 3 and 4 keep their kind.
// Throws Failure when the tree cannot be stored.
Bytes write(const Node &root);

// Paths of the entries of a that b does not hold exactly so (stored name and
// kind, class id, state bits, times, and a stream's bytes unless its path is
// in except); "folder/*" when a folder of b holds other entries too. Empty
// when the two match.
std::vector<std::string> differences(const Directory &a, const Directory &b,
                                     const std::vector<std::vector<std::string>> &except);

} // namespace vantrelle::pubengine::cfb
