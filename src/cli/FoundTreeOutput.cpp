#include "cli/CliOutput.h"

#include "engine/Query.h"
#include "platform/TextRules.h"
#include "search/FoundRows.h"
#include "tree/TTree.h"

#include <vector>

namespace qbx::cli {

void PrintFoundTree(engine::Query &query, int presentation)
{
    TTree tree;
    {
        const TTreeUpdate bulk(tree);
        FillFoundTree(tree, presentation, query, {});
    }
    // The nodes below the root in pre-order, a tab per level below the
    // first; a node made from a row shows its size.
    QString out;
    std::vector<std::pair<const TTreeNode *, int>> stack;
    const TTreeNode *root = tree.Root();
    for (int i = root->ChildCount() - 1; i >= 0; --i)
        stack.emplace_back(root->Child(i), 0);
    while (!stack.empty()) {
        const auto [node, level] = stack.back();
        stack.pop_back();
        for (int i = node->ChildCount() - 1; i >= 0; --i)
            stack.emplace_back(node->Child(i), level + 1);
        out += QString(level, u'\t') + text::Visible(node->Text());
        if (const TFoundRecord *r = node->FoundRecord(); r && r->Size != 0)
            out += QStringLiteral("  (") + HumanSize(r->Size) + u')';
        out += u'\n';
        if (out.size() >= (1 << 19)) {
            Print(stdout, out);
            out.clear();
        }
    }
    Print(stdout, out);
}

} // namespace qbx::cli
