#pragma once

#include <cstdint>
#include <vector>

namespace qbx {

class TTreeNode;

// A rectangle of the size map, in the drawing's units (pixels for the
// window). Kept in doubles so that small items keep their share exactly.
struct TMapRect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    double Area() const { return w * h; }
};

// Splits bounds into one rectangle per size, in the order of sizes, with
// areas proportional to the sizes and sides as close to squares as the
// squarified layout gets them. Sizes of 0 or less get an empty rectangle
// (no area) at bounds' corner. The rectangles tile bounds without overlap.
std::vector<TMapRect> SquarifyRects(const TMapRect &bounds, const std::vector<int64_t> &sizes);

// One rectangle of a laid-out subtree.
struct TMapCell {
    const TTreeNode *node = nullptr;
    TMapRect rect;
    int64_t size = 0; // the item's size as the program's size calculation gives it
    int depth = 0;    // 0 for the items directly below the laid-out node
};

// How a subtree is laid out: folders big enough to show their contents keep
// a frame of `border` and, when tall enough, a `header` strip for their name
// above the contents. Items with a side below minSide are left out, with
// everything below them: a sliver too thin to see or point at.
struct TSizeMapStyle {
    double minSide = 2.0;
    double border = 1.0;
    double header = 0.0;
};

// Lays out the items below node inside bounds, folders containing their
// contents, parents before their children. Items of size 0 take no area
// and get no cell.
std::vector<TMapCell> LayOutSizeMap(const TTreeNode *node, const TMapRect &bounds,
                                    const TSizeMapStyle &style = {});

} // namespace qbx
