#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace qbx {

class TTree;
class TTreeNode;

// What a typed item name is worth.
enum class TNameCheck {
    Ok,
    Invalid,      // empty, or a reserved device name (AUX, CON, NUL, PRN)
    BadCharacters // a control character, "\\" or "/"
};

TNameCheck CheckItemName(QStringView name);

// The name made unique among parent's children: while a child has that name,
// a number after the last space is counted up, or " 1" is appended
// ("Новый", "Новый 1", "Новый 2"...). Siblings never differ only in letter
// case, so names are compared ignoring case.
QString MakeUniqueChildName(QString name, const TTree &tree, const TTreeNode *parent);

// Text typed or pasted by the user, made fit for the catalogue (accents of
// characters the single-byte code page lacks are dropped). Nothing when the
// text holds characters the catalogue cannot store at all.
std::optional<QString> TypedText(const QString &text);

// The warning shown when an item's path below its disc would pass what the
// catalogue's Path field holds (a folder's stored path ends in "\\").
QString PathTooLongText();
// Whether the file node's stored path still fits once it is a folder.
bool FitsAsFolder(const TTreeNode *node);

// The node at a full item path ("CD1\\Docs\\a.txt") of the tree, found ignoring
// letter case; null when there is none. An empty path gives the root.
TTreeNode *NodeByFullPath(const TTree &tree, QStringView fullPath);

// The expanded nodes of the subtree below top (top included) whose
// ancestors up to top are expanded too, as item paths relative to top
// ("" for top itself).
std::vector<QString> ExpandedPathsBelow(const TTreeNode *top,
                                        const std::function<bool(const TTreeNode *)> &isExpanded);

} // namespace qbx
