#pragma once

#include "interaction/CommandTable.h"

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace qbx {

// The main window's commands as the parts bound to it see them: each
// command's QAction, its handler, and the menus that show the commands.
class IWindowCommands {
public:
    virtual ~IWindowCommands() = default;
    // The QAction of a command (objectName = the command's name).
    virtual QAction *Action(cmd::Id command) const = 0;
    // Connects the handler of a command; an empty handler disconnects it.
    virtual void SetHandler(cmd::Id command, std::function<void()> handler) = 0;
    // Whether the command whose handler runs was checked before it was chosen.
    virtual bool WasChecked() const = 0;
    // A menu by its objectName ("FileMenuItem", "SizePopupMenu"...), or none.
    virtual QMenu *Menu(const QString &name) const = 0;
    // Makes a search command the default entry of SearchPopupMenu.
    virtual void SetSimpleSearchDefault(cmd::Id command) = 0;
};

} // namespace qbx
