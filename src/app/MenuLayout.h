#pragma once

#include <QString>

#include <vector>

namespace qbx {

// One entry of a menu: a command, a separator, or a submenu.
struct TMenuEntry {
    int command = -1; // index into the command table
    int subMenu = -1; // index into TMenuDef::subMenus
    bool IsSeparator() const { return command < 0 && subMenu < 0; }
};

// A menu as data: the GUI builds the real menus from it. Entries of a command
// are named after the command with the menu's entry ending
// ("CreateDbAction" + "MenuItem" -> "CreateDbMenuItem").
struct TMenuDef {
    QString name;    // "FileMenuItem", "TreePopupMenu"
    QString caption; // with its "&" accelerator; empty for popup menus
    QString hint;
    QString entryEnding; // "MenuItem", "PopupItem" or "ToolItem"
    std::vector<TMenuEntry> entries;
    std::vector<TMenuDef> subMenus;
    int defaultCommand = -1; // the entry shown as default at start, -1 none
};

// Name of the menu entry of a command: "CreateDbAction" -> "CreateDb" + ending.
QString MenuEntryName(int command, const QString &ending);

// The six top-level menus of the main menu, left to right.
const std::vector<TMenuDef> &MainMenuLayout();

// The popup menus.
const TMenuDef &TreePopupLayout();
const TMenuDef &SearchPopupLayout();
const TMenuDef &ViewPopupLayout();
const TMenuDef &SizePopupLayout();

} // namespace qbx
