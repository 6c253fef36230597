#pragma once

#include "interaction/FolderPicker.h"
#include "desktop/Help.h"
#include "optionsdialog/OptionsDialogLogic.h"

#include <QString>

class QWidget;

#include <memory>

namespace qbx {

class TAboutForm;
class TFolderPickerGui;
class THelpKeyGui;
class THelpWindow;
class IOptionsWindow;
class IWindowCommands;
class TSession;
class TOptionsCommands;
class TOptionsForm;
class TQtMessageBoxes;

// The desktop services of the running program, attached to the main window:
// its help window (F1 and "Содержание"), the About box ("О программе..."),
// F1 in the window's menus, the folder picker, and the options dialog with
// the Tuning menu's two commands. Made once at start-up, right after the
// main window, and kept as long as it. owner: the window, the dialogs' parent.
class TDesktopServicesGui : private IOptionsDialogHost {
public:
    TDesktopServicesGui(TSession &session, IWindowCommands &commands, IOptionsWindow &window,
                      QWidget *owner);
    ~TDesktopServicesGui() override;
    TDesktopServicesGui(const TDesktopServicesGui &) = delete;
    TDesktopServicesGui &operator=(const TDesktopServicesGui &) = delete;

    // For the dialogs: their F1 (THelpKeyGui or ShowHelpTopic) and their
    // folder buttons.
    IHelp &Help();
    IFolderPicker &FolderPicker();
    THelpKeyGui &HelpKeys() { return *helpKeys_; }
    TOptionsForm &OptionsForm() { return *optionsForm_; }

    // The handlers of HelpContentsAction and AboutAppAction.
    void HelpContentsClick();
    void AboutAppClick();

private:
    // IOptionsDialogHost
    void ShowOptionsDialog() override;
    void RefreshPane() override;

    TSession &session_;
    QWidget *owner_;
    std::unique_ptr<THelpWindow> helpWindow_;
    std::unique_ptr<THelpKeyGui> helpKeys_;
    std::unique_ptr<TAboutForm> aboutForm_;
    std::unique_ptr<TFolderPickerGui> folderPicker_;
    // The options dialog's messages are owned by the dialog, in front of it.
    std::unique_ptr<TQtMessageBoxes> optionsBoxes_;
    std::unique_ptr<TOptionsForm> optionsForm_;
    std::unique_ptr<TOptionsCommands> optionsCommands_;
};

} // namespace qbx
