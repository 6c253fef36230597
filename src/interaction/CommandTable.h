#pragma once

#include "platform/Check.h"

#include <QString>
#include <QStringList>

#include <array>

namespace qbx {

namespace cmd {
// The commands of the main window in list order; the command table is checked
// against this order when it compiles. The order matters: every
// command before AppOptionsAction is frozen during a long operation, the four
// result presentations follow the values of SearchView and the five size
// commands the values of SizeUnit.
enum Id : int {
    AddTreeAction,
    CreateDbAction,
    OpenDbAction,
    AddDbAction,
    SaveDbAction,
    SaveDbAsAction,
    SaveDbToAction,
    CloseDbAction,
    ExitAppAction,
    AddSubitemAction,
    RenameItemAction,
    FolderFileAction,
    CalculateSizeAction,
    DeleteItemAction,
    DeleteSubitemsAction,
    PasteDescrAction,
    CopyDescrAction,
    EditDescrAction,
    CutDescrAction,
    DeleteDescrAction,
    GlobalSearchAction,
    LabelSearchAction,
    PathSearchAction,
    ExtensionSearchAction,
    ProducerSearchAction,
    ProductSearchAction,
    VersionSearchAction,
    SizeSearchAction,
    DescrSearchAction,
    ComplexSearchAction,
    EntireViewAction,
    FoundViewAction,
    FoundViewStandardAction,
    FoundViewProducerAction,
    FoundViewListAction,
    FoundViewLeafAction,
    ExpandNodeAction,
    ExpandNodesAction,
    CollapseNodeAction,
    CollapseNodesAction,
    SizeByteAction,
    SizeKByteAction,
    SizeMByteAction,
    SizeGByteAction,
    SizeAutoAction,
    StatisticsAction,
    DuplicatesAction,
    AppOptionsAction,
    DefaultOptionsAction,
    HelpContentsAction,
    AboutAppAction,
    Count
};
} // namespace cmd

// One command of the main window. Shortcuts are in QKeySequence's portable
// form; the first one is the one menus show.
struct TCommandDef {
    QString name;     // "SaveDbAction"
    QString category; // "File", "Edit", "Search", "View", "Overview", "Tuning", "Help"
    QString caption;  // menu text
    QString hint;     // status-bar hint and tool tip
    QStringList shortcuts;
    QString handler; // "SaveDbClick"
    int group = 0;   // radio group (0 = none); a grouped command is checkable
    int tag = 0;
    bool checked = false; // checked at start
    int image = -1;       // tool-bar image index, -1 = none
};

using TCommandTable = std::array<TCommandDef, cmd::Count>;

// The command table, in list order.
const TCommandTable &CommandTable();

// The command at a list position (a loop counter, a first command plus an
// offset); a position outside the list is a programming error.
inline cmd::Id CommandAt(int index)
{
    QBX_CHECK(index >= 0 && index < cmd::Count, "command id outside the command table");
    return static_cast<cmd::Id>(index);
}

// First and last commands of the result presentations and the size units.
inline constexpr cmd::Id FirstFoundViewSet = cmd::FoundViewStandardAction;
inline constexpr cmd::Id LastFoundViewSet = cmd::FoundViewLeafAction;
inline constexpr cmd::Id FirstSizeUnit = cmd::SizeByteAction;
inline constexpr cmd::Id LastSizeUnit = cmd::SizeAutoAction;

} // namespace qbx
