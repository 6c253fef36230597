#include "tree/SizeMapLayout.h"

#include "tree/NodePaths.h"
#include "tree/TTreeNode.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace qbx {

namespace {

// The worst aspect ratio of a row of areas summing to sum, whose largest
// is largest and smallest is smallest, laid along a side of length side.
double WorstRatio(double sum, double largest, double smallest, double side)
{
    const double side2 = side * side;
    const double sum2 = sum * sum;
    return std::max(side2 * largest / sum2, sum2 / (side2 * smallest));
}

} // namespace

std::vector<TMapRect> SquarifyRects(const TMapRect &bounds, const std::vector<int64_t> &sizes)
{
    const size_t n = sizes.size();
    std::vector<TMapRect> rects(n, TMapRect{bounds.x, bounds.y, 0, 0});
    // Sizes are summed and scaled in doubles: the sum of sizes near 2^62
    // overflows 64-bit integers but not a double's range.
    double total = 0;
    for (int64_t s : sizes)
        if (s > 0)
            total += double(s);
    if (total <= 0 || !(bounds.w > 0) || !(bounds.h > 0))
        return rects;

    // The layout takes the largest items first; equal sizes keep their order.
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return sizes[a] > sizes[b]; });
    const double scale = bounds.w * bounds.h / total;
    std::vector<double> area(n);
    size_t count = 0;
    for (; count < n && sizes[order[count]] > 0; ++count)
        area[count] = double(sizes[order[count]]) * scale;

    TMapRect free = bounds;
    size_t i = 0;
    while (i < count) {
        const double side = std::min(free.w, free.h);
        double sum = area[i];
        double worst = WorstRatio(sum, area[i], area[i], side);
        size_t end = i + 1;
        while (end < count) {
            const double next = WorstRatio(sum + area[end], area[i], area[end], side);
            if (next > worst)
                break;
            sum += area[end];
            worst = next;
            ++end;
        }
        // The last row takes what is left, so rounding never leaves a gap.
        const bool last = end == count;
        if (free.w >= free.h) {
            // A column along the left edge.
            const double width = last ? free.w : std::min(free.w, sum / free.h);
            double y = free.y;
            for (size_t k = i; k < end; ++k) {
                const double h = k + 1 == end ? free.y + free.h - y : area[k] / width;
                rects[order[k]] = {free.x, y, width, h};
                y += h;
            }
            free.x += width;
            free.w -= width;
        } else {
            // A row along the top edge.
            const double height = last ? free.h : std::min(free.h, sum / free.w);
            double x = free.x;
            for (size_t k = i; k < end; ++k) {
                const double w = k + 1 == end ? free.x + free.w - x : area[k] / height;
                rects[order[k]] = {x, free.y, w, height};
                x += w;
            }
            free.y += height;
            free.h -= height;
        }
        i = end;
    }
    return rects;
}

namespace {

void LayOutChildren(const TTreeNode *node, const TMapRect &inside, int depth,
                    const TSizeMapStyle &style, std::vector<TMapCell> &cells)
{
    const int count = node->ChildCount();
    std::vector<int64_t> sizes(size_t(count), 0);
    for (int i = 0; i < count; ++i)
        sizes[size_t(i)] = SubtreeSize(node->Child(i));
    const std::vector<TMapRect> rects = SquarifyRects(inside, sizes);
    for (int i = 0; i < count; ++i) {
        const TMapRect &r = rects[size_t(i)];
        if (sizes[size_t(i)] <= 0 || r.w < style.minSide || r.h < style.minSide)
            continue;
        const TTreeNode *child = node->Child(i);
        cells.push_back({child, r, sizes[size_t(i)], depth});
        if (!child->IsFolder() || !child->HasChildren())
            continue;
        TMapRect in{r.x + style.border, r.y + style.border, r.w - 2 * style.border,
                    r.h - 2 * style.border};
        if (style.header > 0 && in.h >= 3 * style.header) {
            in.y += style.header;
            in.h -= style.header;
        }
        if (in.w >= style.minSide && in.h >= style.minSide)
            LayOutChildren(child, in, depth + 1, style, cells);
    }
}

} // namespace

std::vector<TMapCell> LayOutSizeMap(const TTreeNode *node, const TMapRect &bounds,
                                    const TSizeMapStyle &style)
{
    std::vector<TMapCell> cells;
    if (node)
        LayOutChildren(node, bounds, 0, style, cells);
    return cells;
}

} // namespace qbx
