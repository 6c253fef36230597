#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace qbx {

class TQueryTree;

// Query files: Windows-1251 text, one line per node in tree order, each line
// as many tabs as the node's depth, then the caption, then CR LF.

// Builds a tree from the text of a query file. Lines end at CR, LF or CR LF;
// leading tabs and spaces give a line's level, the rest is the caption. The
// first line is the top node whatever its indentation; a line at the level
// of the node before is its next sibling, one level deeper its first child,
// shallower the next sibling of its ancestor at that level. Gives null for a
// second line at level 0, a line more than one level deeper than the one
// before, or one deeper than kMaxQueryDepth. Kinds are not set here.
std::unique_ptr<TQueryTree> ParseQueryText(const QString &text);

// Files larger than this are not query files.
inline constexpr qint64 kMaxQueryFileBytes = 4 * 1024 * 1024;

// Reads, parses and validates a query file; null when the file cannot be
// read, is too large, or does not describe a valid tree.
std::unique_ptr<TQueryTree> ReadQueryFile(const QString &fileName);

// The bytes of the tree's file; *ok is false when a caption holds a
// character that Windows-1251 has not.
QByteArray QueryFileBytes(const TQueryTree &tree, bool *ok);

} // namespace qbx
