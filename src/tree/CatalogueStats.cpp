#include "tree/CatalogueStats.h"

#include "platform/TextRules.h"
#include "tree/NodePaths.h"
#include "tree/TTreeNode.h"

#include <QHash>

#include <algorithm>
#include <unordered_map>

namespace qbx {

QString FileExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? text::Lower(QStringView(name).mid(dot)) : QString();
}

TCatalogueStats::TCatalogueStats(const TTreeNode *root, size_t largestShown)
    : largestShown_(largestShown)
{
    std::unordered_map<QString, size_t> byExtension;
    std::vector<TExtensionStats> extensions;
    discs_.reserve(size_t(root->ChildCount()));
    for (int i = 0; i < root->ChildCount(); ++i) {
        const TTreeNode *disc = root->Child(i);
        TDiscStats stats;
        stats.label = disc->Text();
        // The disc's own bytes as "Рассчитать размер" gives them: files and
        // folders without contents count their own size, a folder with
        // contents only its contents, so nothing is counted twice.
        stats.bytes = SubtreeSize(disc);
        std::vector<const TTreeNode *> stack{disc};
        while (!stack.empty()) {
            const TTreeNode *node = stack.back();
            stack.pop_back();
            for (int c = node->ChildCount() - 1; c >= 0; --c)
                stack.push_back(node->Child(c));
            if (node == disc)
                continue;
            if (node->IsFolder()) {
                ++stats.folders;
                continue;
            }
            ++stats.files;
            const int64_t size = OwnSize(node);
            const auto [it, added] =
                byExtension.try_emplace(FileExtension(node->Text()), extensions.size());
            if (added)
                extensions.push_back({it->first, 0, 0});
            TExtensionStats &ext = extensions[it->second];
            ++ext.files;
            ext.bytes = AddSizes(ext.bytes, size);
            AddLargest(node, size);
        }
        total_.folders += stats.folders;
        total_.files += stats.files;
        total_.bytes = AddSizes(total_.bytes, stats.bytes);
        discs_.push_back(std::move(stats));
    }
    const auto more = [](const TExtensionStats &a, const TExtensionStats &b) {
        if (a.bytes != b.bytes)
            return a.bytes > b.bytes;
        if (a.files != b.files)
            return a.files > b.files;
        return a.extension < b.extension;
    };
    const size_t shown = std::min(extensions.size(), ExtensionsShown);
    std::partial_sort(extensions.begin(), extensions.begin() + ptrdiff_t(shown), extensions.end(),
                      more);
    for (size_t i = shown; i < extensions.size(); ++i) {
        others_.files += extensions[i].files;
        others_.bytes = AddSizes(others_.bytes, extensions[i].bytes);
    }
    extensions.resize(shown);
    extensions_ = std::move(extensions);
}

void TCatalogueStats::AddLargest(const TTreeNode *file, int64_t size)
{
    // Files come in tree order, so a later file of equal size stays behind.
    if (size <= 0 || largestShown_ == 0 ||
        (largest_.size() == largestShown_ && size <= largest_.back().size))
        return;
    const auto at = std::find_if(largest_.begin(), largest_.end(),
                                 [size](const TFileSize &f) { return f.size < size; });
    largest_.insert(at, {file, size});
    if (largest_.size() > largestShown_)
        largest_.pop_back();
}

} // namespace qbx
