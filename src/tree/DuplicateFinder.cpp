#include "tree/DuplicateFinder.h"

#include "platform/TextRules.h"
#include "tree/TTreeNode.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace qbx {

namespace {

// A candidate file; sorted by size and name hash, equal names meet.
struct TCandidate {
    int64_t size;
    uint32_t hash;
    uint32_t order; // pre-order position, so groups keep the tree's order
    const TTreeNode *node;
};

const TTreeNode *DiscOf(const TTreeNode *node)
{
    while (node->Parent() && node->Parent()->Parent())
        node = node->Parent();
    return node;
}

bool OnSeveralDiscs(const std::vector<const TTreeNode *> &files)
{
    const TTreeNode *first = DiscOf(files.front());
    return std::any_of(files.begin() + 1, files.end(),
                       [first](const TTreeNode *f) { return DiscOf(f) != first; });
}

} // namespace

int64_t TDuplicateGroup::Wasted() const
{
    const int64_t copies = int64_t(files.size()) - 1;
    if (copies <= 0)
        return 0;
    return size > std::numeric_limits<int64_t>::max() / copies ? std::numeric_limits<int64_t>::max()
                                                               : size * copies;
}

TDuplicateFinder::TDuplicateFinder(const TTreeNode *root, int64_t minSize, bool acrossDiscs)
{
    const int64_t least = std::max<int64_t>(minSize, 1);
    std::vector<TCandidate> candidates;
    std::vector<const TTreeNode *> stack{root};
    uint32_t order = 0;
    while (!stack.empty()) {
        const TTreeNode *node = stack.back();
        stack.pop_back();
        for (int c = node->ChildCount() - 1; c >= 0; --c)
            stack.push_back(node->Child(c));
        if (node->Kind() != ImageFile)
            continue;
        const TDescriptionRef d = node->Description();
        if (d && d->Size >= least)
            candidates.push_back({d->Size, node->NameHash(), order++, node});
    }
    std::sort(candidates.begin(), candidates.end(), [](const TCandidate &a, const TCandidate &b) {
        return std::tie(a.size, a.hash, a.order) < std::tie(b.size, b.hash, b.order);
    });

    // Within a run of one size and hash, names that differ despite the same
    // hash form groups of their own.
    std::vector<TDuplicateGroup> run;
    const auto flush = [&] {
        for (TDuplicateGroup &g : run)
            if (g.files.size() > 1 && (!acrossDiscs || OnSeveralDiscs(g.files)))
                groups_.push_back(std::move(g));
        run.clear();
    };
    for (size_t i = 0; i < candidates.size(); ++i) {
        const TCandidate &c = candidates[i];
        if (i > 0 && (c.size != candidates[i - 1].size || c.hash != candidates[i - 1].hash))
            flush();
        const auto same = std::find_if(run.begin(), run.end(), [&](const TDuplicateGroup &g) {
            return text::EqualFolded(g.files.front()->Text(), c.node->Text());
        });
        if (same != run.end())
            same->files.push_back(c.node);
        else
            run.push_back({c.size, {c.node}, c.order});
    }
    flush();

    // The first file's position in the tree breaks ties: it never repeats.
    std::sort(groups_.begin(), groups_.end(),
              [](const TDuplicateGroup &a, const TDuplicateGroup &b) {
                  const int64_t wa = a.Wasted(), wb = b.Wasted();
                  return std::tie(wb, b.size, a.first) < std::tie(wa, a.size, b.first);
              });
}

} // namespace qbx
