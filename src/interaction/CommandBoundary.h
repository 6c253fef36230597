#pragma once

#include <QString>

#include <functional>

namespace qbx {

class IMessageBoxes;
class TModeLogic;

// Runs a command's handler. Whatever it throws (running out of memory, an
// unexpected error of a library) ends here instead of in the event loop: a
// frozen command state and a running operation are given back, and the
// failure is reported in an error box with the command's caption.
void RunAtCommandBoundary(const std::function<void()> &handler, const QString &caption,
                          TModeLogic &modes, IMessageBoxes &boxes);

// The texts of that error box.
QString OutOfMemoryText();
QString CommandFailedText(const QString &what);

} // namespace qbx
