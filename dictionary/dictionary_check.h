// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A quick structural check of a dictionary file, made before the program
// relies on it (at start-up, when the dictionary manager opens it). The
// readers survive any file, but a damaged, empty or foreign one would leave
// the games without words: the computer players would only ever exchange.
//
// One pass over the nodes, work proportional to the file size and stopped at
// the first fault. A sound file, as the builder and the insertions make it,
// has:
// - a size that is a whole number of nodes, and at least one node;
// - letter codes 1 to 26 only;
// - the root group at node 0, its first node a group head;
// - groups that end: at most 26 nodes each, with distinct letters;
// - child indices inside the file, each after its own node (so that no walk
//   can loop) and pointing at a group head that no other node points at;
// - at least one word.
#include <cstddef>
#include <cstdint>
#include <string>

enum class DictionaryFault {
    None,
    Unreadable,   // cannot be opened or read
    Empty,        // no node at all
    PartialNode,  // the size is not a whole number of nodes
    BadLetter,    // a letter code outside 1-26
    NoRootGroup,  // node 0 does not start a group
    EndlessGroup, // a group of more than 26 nodes, or a letter twice
    BadChild,     // a child index outside the file, or that could loop
    SharedGroup,  // two nodes point at the same child group
    NoWord,       // no node ends a word
};

struct DictionaryCheck {
    DictionaryFault fault = DictionaryFault::None;
    std::uint64_t node = 0; // where the fault was found
    bool Sound() const { return fault == DictionaryFault::None; }
};

DictionaryCheck CheckDictionaryBytes(const std::uint8_t *bytes, std::size_t size);
DictionaryCheck CheckDictionaryFile(const std::string &path);

// What is wrong, in French (UTF-8), as a sentence ending with a full stop.
std::string DictionaryFaultText(const DictionaryCheck &check);
