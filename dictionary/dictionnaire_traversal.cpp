// SPDX-License-Identifier: GPL-3.0-or-later
// The depth-first visit of the whole trie used by the export and the
// statistics: groups in file order, each node followed by its child group.
#include "dictionary/dictionnaire.h"
#include "dictionary/dictionnaire_walk.h"

using dictionnaire::NodeBlock;
using dictionnaire::WalkBudget;

namespace {

struct Traversal {
    const dictionnaire::DictionnaireFile &file;
    const std::function<void(const std::string &, std::uint8_t)> &visit;
    std::uint64_t nodeCount;
    WalkBudget budget;

    void Group(std::uint64_t start, std::string &word, int depth)
    {
        if (depth >= dictionnaire::kMaxDepth)
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && block.NodeOf(i) < nodeCount; ++i) {
            if (!budget.Spend())
                return;
            word.push_back(block.Letter(i));
            visit(word, block.LetterByte(i));
            if (block.Child(i) != 0)
                Group(block.Child(i), word, depth + 1);
            word.pop_back();
        }
    }
};

} // namespace

void TDictionnaire::Traverse(const std::function<void(const std::string &, std::uint8_t)> &visit) const
{
    file_.Refresh();
    Traversal traversal{file_, visit, file_.NodeCount(), WalkBudget(file_.NodeCount())};
    std::string word;
    traversal.Group(0, word, 0);
}
