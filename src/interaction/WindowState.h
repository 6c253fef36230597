#pragma once

#include "options/TPaneWidths.h"

#include <QString>

#include <cstdint>

namespace qbx {

// The modes of the main window (TWindowState::DbState, switched by the mode
// logic). The numbers are the ones tests and the help pages speak of: mode 0
// .. mode 3.
enum TDbState : uint8_t {
    DbNone = 0,   // no catalogue
    DbOpen = 1,   // a catalogue is open, no pane is shown
    DbEntire = 2, // the whole catalogue is shown in MainTreeView
    DbFound = 3,  // the search results are shown in SearchTreeView
};

// What the main window shows beside its widgets: the mode, the caption's
// end, the texts status panel 0 falls back to and the remembered pane
// widths. The mode logic (TModeLogic) owns it and alone switches the mode;
// the parts that count records write their status text; the rest read it.
class TWindowState {
public:
    explicit TWindowState(const QString &appCaption) : appCaption_(appCaption) {}

    TDbState DbState() const { return dbState_; }
    // The window's caption in mode 0 and the end of every other caption.
    const QString &AppCaption() const { return appCaption_; }

    // Status panel 0 while no hint is shown; cleared by every mode switch.
    QString StatusText;
    // Status texts of mode 2 ("Всего записей: N") and mode 3 ("Найдено
    // записей: N"); both are cleared in mode 0.
    QString TotalText;
    QString FoundText;
    // Path of the node selected in mode 2, selected again on return to mode 2.
    QString EntireSelPath;
    TPaneWidths Panes;

    // The mode switch sets the mode last, once the window shows it. Parts
    // tested without a window set a mode here.
    void SetMode(TDbState state) { dbState_ = state; }

private:
    TDbState dbState_ = DbNone;
    QString appCaption_;
};

} // namespace qbx
