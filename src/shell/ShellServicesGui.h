#pragma once

#include "shell/FolderPicker.h"
#include "shell/Help.h"

#include <QString>

#include <memory>

namespace qbx {

class TAboutForm;
class TFolderPickerGui;
class THelpKeyGui;
class THelpWindow;
class TMainForm;

// The shell services of the running program, attached to the main window:
// its help window (F1 and "Содержание"), the About box ("О программе..."),
// F1 in the window's menus, and the folder picker. Made once at start-up,
// right after the main window, and kept as long as it.
class TShellServicesGui {
public:
    explicit TShellServicesGui(TMainForm &form);
    ~TShellServicesGui();
    TShellServicesGui(const TShellServicesGui &) = delete;
    TShellServicesGui &operator=(const TShellServicesGui &) = delete;

    // For the dialogs: their F1 (THelpKeyGui or ShowHelpTopic) and their
    // folder buttons.
    IHelp &Help();
    IFolderPicker &FolderPicker();
    THelpKeyGui &HelpKeys() { return *helpKeys_; }

    // The handlers of HelpContentsAction and AboutAppAction.
    void HelpContentsClick();
    void AboutAppClick();

private:
    TMainForm &form_;
    std::unique_ptr<THelpWindow> helpWindow_;
    std::unique_ptr<THelpKeyGui> helpKeys_;
    std::unique_ptr<TAboutForm> aboutForm_;
    std::unique_ptr<TFolderPickerGui> folderPicker_;
};

} // namespace qbx
