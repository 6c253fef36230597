#pragma once

#include "tree/TFoundRecord.h"

#include <QStringView>

#include <functional>
#include <string>

namespace qbx {

namespace engine {
class Query;
}
class TTree;
class TTreeNode;

// The current row of a search's query as a result record: the seven
// catalogue fields read by position, the size with its fraction dropped.
TFoundRecord ReadFoundRecord(const engine::Query &query);

// Adds one row to the result tree in a presentation (TPresentation):
//  - standard: discs, folders and files like the catalogue tree; a node met
//    on the way below a disc becomes a folder unless it is an archive;
//  - producer: a group per producer (case ignored, spelled as the latest row
//    spells it), the row below it named by the last component of its path;
//  - list: a node per full item path (rows naming one item meet in one node);
//  - leaf list: a node per row, named by the last component of its path.
// The node reached or added takes the record. Gives that node.
TTreeNode *AddFoundRow(TTree &tree, int presentation, TFoundRecord record);

// The order of the result tree's siblings outside the standard presentation:
// the texts alone, by the Russian collation and case-sensitive (a lower-case
// letter before its upper-case form when the texts differ only in case).
// Equal texts keep a fixed order by their records' label and path.
int CompareFoundTexts(QStringView a, QStringView b);
bool FoundTextLess(const TTreeNode &a, const TTreeNode &b);
// Its sort key (TSortKey): the text's AppendFileNameKey.
bool FoundTextKey(const TTreeNode &node, std::string &key);

// Empties the tree and fills it with the rows of the open query, from the
// first, in a presentation (order and nodes as above). step runs after each
// row and ends the filling when it gives false. Call it inside a
// TTreeUpdate so that each sibling list is put in order once.
void FillFoundTree(TTree &tree, int presentation, engine::Query &query,
                    const std::function<bool()> &step);

// Makes the tree keep the sibling order of a presentation: the catalogue's
// order for the standard one, FoundTextLess for the others.
void SetPresentationOrder(TTree &tree, int presentation);

} // namespace qbx
