#pragma once

class QApplication;

namespace qbx {

// The application's name, icon and language (see InstallLanguage). No display
// name is set: the X11 platform would append it to every window title, and
// dialogs and message boxes carry their own titles exactly.
void SetUpApplication(QApplication &app);

} // namespace qbx
