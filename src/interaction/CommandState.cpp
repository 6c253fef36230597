#include "interaction/CommandState.h"

namespace qbx {

TCommandState::TCommandState()
{
    enabled_.fill(true);
    items_.fill(true);
    for (int i = 0; i < cmd::Count; ++i)
        checked_[i] = CommandTable()[i].checked;
}

void TCommandState::SetEnabled(cmd::Id command, bool on)
{
    if (enabled_[Index(command)] == on)
        return;
    enabled_[Index(command)] = on;
    emit CommandChanged(command);
}

void TCommandState::SetChecked(cmd::Id command, bool on)
{
    const int group = CommandTable()[Index(command)].group;
    if (on && group != 0) {
        for (int i = 0; i < cmd::Count; ++i) {
            if (i != command && checked_[i] && CommandTable()[i].group == group) {
                checked_[i] = false;
                emit CommandChanged(i);
            }
        }
    }
    if (checked_[Index(command)] == on)
        return;
    checked_[Index(command)] = on;
    emit CommandChanged(command);
}

void TCommandState::SetItemEnabled(TUiItem item, bool on)
{
    const int i = static_cast<int>(item);
    if (items_[i] == on)
        return;
    items_[i] = on;
    emit ItemChanged(i);
}

void TCommandState::SetRangeEnabled(cmd::Id first, cmd::Id last, bool on)
{
    for (int i = first; i <= last; ++i)
        SetEnabled(CommandAt(i), on);
}

} // namespace qbx
