#pragma once

#include <QString>

#include <functional>

namespace qbx {

class IMessageBoxes;

// The application title and the caption of the main window in mode 0.
QString AppTitle();

// The message shown when the table engine cannot be started.
QString EngineMissingText();

// Start-up step 2: starts the table engine once. When it cannot start, shows
// the engine-missing message (caption "Кварнис", error icon, OK) and returns
// false: the program then ends without creating any window.
bool CheckEngine(const std::function<bool()> &initialise, IMessageBoxes &boxes);

} // namespace qbx
