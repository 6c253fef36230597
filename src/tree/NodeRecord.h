#pragma once

#include "interaction/WindowState.h"
#include "tree/DisplayRecord.h"

namespace qbx {

class TTreeNode;

// The four presentations of search results (the value of SearchView and the
// order of the presentation commands).
enum TPresentation : int {
    PresentStandard = 0, // discs, folders and files like the catalogue tree
    PresentProducer = 1, // one group node per producer
    PresentList = 2,     // one node per row, named by its full item path
    PresentLeaves = 3,   // one node per row, named by its last path component
};

// What the description pane shows for a node of the visible tree. Nothing
// (empty texts, size -1) for no node and for the visible tree's root. In the
// catalogue tree (DbEntire) and in standard results the label and path come
// from the node's place (a folder's path ends in "\\"); in the producer
// presentation a node shows its text as the producer. A node's own data then
// takes over: a description gives producer, product, version, size and
// description, a result record (DbFound) all seven values.
TDisplayRecord GetNodeRecord(const TTreeNode *node, const TTreeNode *activeRoot, TDbState mode,
                             int presentation);

} // namespace qbx
