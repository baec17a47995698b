// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionary_check.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "dictionary/trie_format.h"

namespace {

constexpr int kLetters = 26;

DictionaryCheck Fault(DictionaryFault fault, std::uint64_t node)
{
    return {fault, node};
}

} // namespace

DictionaryCheck CheckDictionaryBytes(const std::uint8_t *bytes, std::size_t size)
{
    if (size == 0)
        return Fault(DictionaryFault::Empty, 0);
    if (size % trie::kNodeSize != 0)
        return Fault(DictionaryFault::PartialNode, size / trie::kNodeSize);
    const std::uint64_t nodeCount = size / trie::kNodeSize;
    if ((bytes[0] & trie::GroupHead) == 0)
        return Fault(DictionaryFault::NoRootGroup, 0);

    std::vector<bool> pointedAt(nodeCount, false);
    bool anyWord = false;
    int groupLength = 0;
    std::uint32_t groupLetters = 0;
    for (std::uint64_t n = 0; n < nodeCount; ++n) {
        const std::uint8_t *node = bytes + n * trie::kNodeSize;
        const int code = node[0] & trie::LetterCode;
        if (code < 1 || code > kLetters)
            return Fault(DictionaryFault::BadLetter, n);
        if ((node[0] & trie::GroupHead) != 0) {
            groupLength = 0;
            groupLetters = 0;
        }
        const std::uint32_t letterBit = 1u << code;
        if (++groupLength > kLetters || (groupLetters & letterBit) != 0)
            return Fault(DictionaryFault::EndlessGroup, n);
        groupLetters |= letterBit;
        anyWord = anyWord || (node[0] & trie::EndOfWord) != 0;

        const std::uint32_t child = trie::ChildIndex(node);
        if (child == 0)
            continue;
        if (child <= n || child >= nodeCount ||
            (bytes[std::uint64_t(child) * trie::kNodeSize] & trie::GroupHead) == 0)
            return Fault(DictionaryFault::BadChild, n);
        if (pointedAt[child])
            return Fault(DictionaryFault::SharedGroup, n);
        pointedAt[child] = true;
    }
    if (!anyWord)
        return Fault(DictionaryFault::NoWord, 0);
    return {};
}

DictionaryCheck CheckDictionaryFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Fault(DictionaryFault::Unreadable, 0);
    struct stat info {};
    DictionaryCheck check = Fault(DictionaryFault::Unreadable, 0);
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const auto size = std::size_t(info.st_size);
        if (size == 0) {
            check = Fault(DictionaryFault::Empty, 0);
        } else if (void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0); map != MAP_FAILED) {
            check = CheckDictionaryBytes(static_cast<const std::uint8_t *>(map), size);
            ::munmap(map, size);
        }
    }
    ::close(fd);
    return check;
}

std::string DictionaryFaultText(const DictionaryCheck &check)
{
    const std::string at = " (nœud " + std::to_string(check.node) + ")";
    switch (check.fault) {
    case DictionaryFault::None:
        return "Le dictionnaire est en bon état.";
    case DictionaryFault::Unreadable:
        return "Le fichier ne peut pas être lu.";
    case DictionaryFault::Empty:
        return "Le fichier est vide.";
    case DictionaryFault::PartialNode:
        return "Le fichier est tronqué : sa taille n'est pas un nombre entier de nœuds.";
    case DictionaryFault::BadLetter:
        return "Le fichier contient autre chose que des lettres de A à Z" + at + ".";
    case DictionaryFault::NoRootGroup:
        return "Le fichier ne commence pas comme un dictionnaire.";
    case DictionaryFault::EndlessGroup:
        return "Une liste de lettres du fichier ne se termine pas" + at + ".";
    case DictionaryFault::BadChild:
    case DictionaryFault::SharedGroup:
        return "Un lien du fichier mène hors de l'arbre des mots" + at + ".";
    case DictionaryFault::NoWord:
        return "Le fichier ne contient aucun mot.";
    }
    return std::string();
}
