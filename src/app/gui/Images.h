#pragma once

#include <QIcon>

namespace qbx {

// Tool-bar images by index: CreateDb 0, OpenDb 1, SaveDb 2, AddTree 3,
// EditDescr 4, the searches 5, ComplexSearch 6, EntireView 7, FoundView 8.
inline constexpr int ToolImageCount = 9;
// Tree images by node kind: root 0, disc 1, folder collapsed 2, folder
// expanded 3, file 4.
inline constexpr int TreeImageCount = 5;

// Each image list comes as a whole either from the desktop's icon theme (when
// the theme has every picture of it) or from the pictures bundled with the
// program, so the pictures of one list always look alike. Every icon carries
// a greyed variant for disabled buttons.
QIcon ToolImage(int index);
QIcon TreeImage(int index);
// The program's icon.
QIcon AppIcon();

} // namespace qbx
