// SPDX-License-Identifier: GPL-3.0-or-later
// Insertion of words with in-place growth of the file, and the clearing of
// the user-word marks. The bytes written follow the trie layout exactly:
// a new root letter goes at the end of the root group, a new letter below a
// parent right after the first node of the parent's child group, and a
// parent without children gets a new group appended at the end of the file.
#include <algorithm>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "dictionary/dictionnaire_lookup.h"

using dictionnaire::NodeBlock;

namespace {

constexpr std::int64_t kFailed = -2;
constexpr std::int64_t kRoot = -1;

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// The letters A-Z of a word as typed: ASCII upper-cased, trimmed, accents
// folded (the folded small letters upper-cased as well, so that "élève"
// gives ELEVE), everything else dropped. `folded` receives the text before
// the filtering, which is what the "already stored" test looks up.
std::string LettersOf(const std::string &word, std::string &folded)
{
    std::string text = word;
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    text = first < last ? std::string(first, last) : std::string();
    folded = FoldAccents(text);
    std::string letters;
    for (char c : folded) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z')
            letters += c;
    }
    return letters;
}

} // namespace

bool TDictionnaire::AddWord(const std::string &word, bool userFlag)
{
    file_.Refresh();
    std::string folded;
    const std::string letters = LettersOf(word, folded);
    if (letters.empty())
        return false;
    if (dictionnaire::StoredWord(file_, folded))
        return true;
    if (!IsWritable())
        return false;
    return AsOneChange([&] {
        // Looked up again: another writer may have added it before the lock.
        return dictionnaire::StoredWord(file_, folded) || AddWordToCopy(letters, userFlag);
    });
}

bool TDictionnaire::AddWordToCopy(const std::string &letters, bool userFlag)
{
    std::int64_t parent = kRoot;
    for (std::size_t k = 0; k < letters.size() && parent != kFailed; ++k)
        parent = AddLetter(letters[k], parent, k + 1 == letters.size(), userFlag);
    return parent != kFailed;
}

std::int64_t TDictionnaire::AddLetter(char letter, std::int64_t parent, bool endOfWord, bool userFlag)
{
    std::uint8_t node[trie::kNodeSize] = {};
    node[0] = std::uint8_t(trie::CodeOf(letter) | (endOfWord ? trie::EndOfWord : 0) |
                           (userFlag ? trie::UserWord : 0));
    const std::uint64_t nodeCount = file_.NodeCount();
    NodeBlock block;

    // Sets the end-of-word flag of an existing node (its user mark stays).
    auto reuse = [&](std::uint64_t index, std::uint8_t letterByte) -> std::int64_t {
        if (!endOfWord || (letterByte & trie::EndOfWord) != 0)
            return std::int64_t(index);
        letterByte |= trie::EndOfWord;
        return file_.Write(index * trie::kNodeSize, &letterByte, 1) ? std::int64_t(index) : kFailed;
    };
    // Makes room at `position` and writes the new node there.
    auto insertAt = [&](std::uint64_t position) -> std::int64_t {
        OpenGap(position);
        const std::uint64_t offset = std::min<std::uint64_t>(position * trie::kNodeSize, file_.Size());
        return file_.Write(offset, node, sizeof node) ? std::int64_t(position) : kFailed;
    };

    if (parent == kRoot) {
        block.Load(file_, 0);
        if (nodeCount == 0) {
            // Empty file (or one shorter than a node): the word starts the root group.
            node[0] |= trie::GroupHead;
            return file_.Write(0, node, sizeof node) ? 0 : kFailed;
        }
        int i = 1;
        while (std::uint64_t(i) <= nodeCount && i <= trie::kGroupScanLimit) {
            if (block.Letter(i) == letter)
                return reuse(std::uint64_t(i - 1), block.LetterByte(i));
            ++i;
            if ((block.LetterByte(i) & trie::GroupHead) != 0 || block.LetterByte(i) == 0)
                break;
        }
        // New root letters go at the end of the root group.
        return insertAt(std::uint64_t(i - 1));
    }

    std::uint8_t parentNode[trie::kNodeSize];
    file_.Read(std::uint64_t(parent) * trie::kNodeSize, parentNode, sizeof parentNode);
    const std::uint64_t child = trie::ChildIndex(parentNode);
    if (child == 0 || child >= nodeCount) {
        // No children yet (a child index past the end counts as none): a new
        // group of one node at the end of the file. It goes right after the
        // last whole node, so that the child index points at it even when the
        // file ends with a truncated node.
        trie::SetChildIndex(parentNode, std::uint32_t(nodeCount));
        if (!file_.Write(std::uint64_t(parent) * trie::kNodeSize, parentNode, sizeof parentNode))
            return kFailed;
        node[0] |= trie::GroupHead;
        return file_.Write(nodeCount * trie::kNodeSize, node, sizeof node) ? std::int64_t(nodeCount)
                                                                           : kFailed;
    }
    block.Load(file_, child);
    for (int j = 1; j <= trie::kGroupScanLimit;) {
        if (block.Letter(j) == letter)
            return reuse(child + std::uint64_t(j - 1), block.LetterByte(j));
        ++j;
        if ((block.LetterByte(j) & trie::GroupHead) != 0 || block.LetterByte(j) == 0)
            break;
    }
    // New letters below a parent go second in its group.
    return insertAt(child + 1);
}

void TDictionnaire::OpenGap(std::uint64_t position)
{
    const std::uint64_t gapOffset = position * trie::kNodeSize;
    std::vector<std::uint8_t> &image = file_.Image();
    const std::uint64_t oldSize = image.size();
    if (oldSize <= gapOffset)
        return; // nothing to move: the new node simply extends the file

    // Everything from the gap moves by one node (the old node stays in the
    // gap until it is overwritten), then every child index at or past the
    // gap is renumbered.
    image.resize(oldSize + trie::kNodeSize);
    std::copy_backward(image.begin() + std::ptrdiff_t(gapOffset), image.begin() + std::ptrdiff_t(oldSize),
                       image.end());
    const std::uint64_t nodeCount = image.size() / trie::kNodeSize;
    std::uint8_t *node = image.data();
    for (std::uint64_t n = 0; n < nodeCount; ++n, node += trie::kNodeSize) {
        const std::uint32_t child = trie::ChildIndex(node);
        if (child >= position)
            trie::SetChildIndex(node, child + 1);
    }
}

bool TDictionnaire::ClearUserFlags()
{
    file_.Refresh();
    if (!IsWritable())
        return false;
    return AsOneChange([this] {
        ClearUserFlagsOfCopy();
        return true;
    });
}

void TDictionnaire::ClearUserFlagsOfCopy()
{
    const std::uint64_t nodeCount = file_.NodeCount();
    std::uint8_t block[dictionnaire::kBlockBytes];
    for (std::uint64_t first = 0;; first += trie::kNodesPerRead) {
        const std::size_t bytesRead = file_.Read(first * trie::kNodeSize, block, sizeof block);
        int lastChanged = 0;
        int firstChanged = 0;
        for (int i = 1; i <= trie::kNodesPerRead && first + std::uint64_t(i - 1) < nodeCount; ++i) {
            std::uint8_t &letterByte = block[(i - 1) * trie::kNodeSize];
            if (letterByte == 0)
                break;
            if ((letterByte & trie::EndOfWord) != 0 && (letterByte & trie::UserWord) != 0) {
                letterByte &= std::uint8_t(~trie::UserWord);
                firstChanged = firstChanged == 0 ? i : firstChanged;
                lastChanged = i;
            }
        }
        if (lastChanged > 0) {
            const std::size_t from = std::size_t(firstChanged - 1) * trie::kNodeSize;
            const std::size_t to = std::size_t(lastChanged - 1) * trie::kNodeSize + 1;
            file_.Write(first * trie::kNodeSize + from, block + from, to - from);
        }
        if (bytesRead < sizeof block)
            break;
    }
}
