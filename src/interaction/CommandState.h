#pragma once

#include "interaction/CommandTable.h"

#include <QObject>

#include <array>

namespace qbx {

// Menus and tool buttons whose enabled state the command logic sets besides
// the commands themselves.
enum class TUiItem : int {
    EditMenuItem,
    SearchMenuItem,
    ViewMenuItem,
    FieldSearchMenuItem,
    SizeUnitMenuItem,
    SimpleSearchToolButton,
    Count
};

// Enabled and checked state of every command and of the menus above. This is
// the one place the state lives; the window's QActions follow it through the
// change signals.
class TCommandState : public QObject {
    Q_OBJECT
public:
    TCommandState(); // everything enabled, FoundViewStandardAction checked

    bool Enabled(cmd::Id command) const { return enabled_[Index(command)]; }
    bool Checked(cmd::Id command) const { return checked_[Index(command)]; }
    bool ItemEnabled(TUiItem item) const { return items_[static_cast<int>(item)]; }

    void SetEnabled(cmd::Id command, bool on);
    // Checking a command of a radio group unchecks the others of its group.
    void SetChecked(cmd::Id command, bool on);
    void SetItemEnabled(TUiItem item, bool on);

    // Enables or disables the commands first..last (inclusive).
    void SetRangeEnabled(cmd::Id first, cmd::Id last, bool on);

signals:
    void CommandChanged(int command);
    void ItemChanged(int item);

private:
    static size_t Index(cmd::Id command)
    {
        QBX_CHECK(command >= 0 && command < cmd::Count, "command id outside the command table");
        return static_cast<size_t>(command);
    }

    std::array<bool, cmd::Count> enabled_{};
    std::array<bool, cmd::Count> checked_{};
    std::array<bool, static_cast<int>(TUiItem::Count)> items_{};
};

} // namespace qbx
