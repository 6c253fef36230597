#pragma once

#include "optionsdialog/OptionsControls.h"

#include <QString>

namespace qbx {

class IFolderPicker;
class IMessageBoxes;
class IOptionsWindow;
class TOptions;
class TOptionsStorage;
class TWindowState;
struct TPaneWidths;

// What the options dialog's logic needs of its window: the controls' states
// as one value, and bringing the dialog back in front of the main window.
class IOptionsDialogView {
public:
    virtual ~IOptionsDialogView() = default;
    virtual TOptionsControls Controls() const = 0;
    virtual void SetControls(const TOptionsControls &controls) = 0;
    virtual void BringToFront() = 0;
};

// The texts of the dialog that name the places where options are kept: the
// INI file is named by its real place (the home folder shown as "~").
struct TOptionsPlaceTexts {
    explicit TOptionsPlaceTexts(const QString &iniFileName, bool portable);

    QString storageLabel; // StorageLabel
    QString storeItem;    // StorageRadioGroup's first item
    QString iniItem;      // StorageRadioGroup's second item
    QString folderLabel;  // FolderLabel
    QString iniShown;     // the INI file as the messages name it
};

// The handlers of the options dialog ("Параметры"): the transfers when it is
// shown and accepted, the defaults, loading, saving and removing options at
// the chosen place with their messages, and the two folder buttons.
class TOptionsDialogLogic {
public:
    // storage: the options and where they are kept; panes: the window's pane
    // widths, which the panel geometry stores and restores.
    TOptionsDialogLogic(TOptionsStorage &storage, TPaneWidths &panes, IOptionsWindow &mainWindow,
                        IMessageBoxes &boxes, IFolderPicker &folderPicker,
                        IOptionsDialogView &view);

    const TOptionsPlaceTexts &Texts() const { return texts_; }

    // The dialog is shown: the options into its controls.
    void ShowOptions();
    // OK: the controls into the options.
    void ApplyControls();
    // The dialog's defaults button.
    void RestoreDefaults();
    // Load, Save and Remove at the place chosen in the storage group (the
    // registry store or the INI file).
    void LoadFromChosenPlace();
    void SaveToChosenPlace();
    void RemoveFromChosenPlace();
    // The two folder buttons.
    void PickDbFolder();
    void PickQueryFolder();
    // A question box with a dependent box was clicked.
    void MatchDependentBox(TConfirmPair pair);

private:
    bool IniChosen() const;
    void PickFolder(const QString &prompt, QString TOptionsControls::*edit);

    TOptionsStorage &storage_;
    TOptions &options_;
    TPaneWidths &panes_;
    IOptionsWindow &mainWindow_;
    IMessageBoxes &boxes_;
    IFolderPicker &folderPicker_;
    IOptionsDialogView &view_;
    TOptionsPlaceTexts texts_;
};

// What the options command asks of the window. The window implements it;
// tests record the calls.
class IOptionsDialogHost {
public:
    virtual ~IOptionsDialogHost() = default;
    // Shows the options dialog modally.
    virtual void ShowOptionsDialog() = 0;
    // Re-runs the selection-change handler of the visible tree.
    virtual void RefreshPane() = 0;
};

// The Tuning menu's two commands.
class TOptionsCommands {
public:
    TOptionsCommands(TOptionsStorage &storage, const TWindowState &window, IMessageBoxes &boxes,
                     IOptionsDialogHost &host);

    // AppOptionsAction: the dialog; afterwards, whatever button closed it,
    // the pane of the tree shown in modes 2 and 3 follows changed options
    // (the size unit, empty sizes).
    void EditOptions();
    // DefaultOptionsAction: after the question, every option gets its
    // default. Nothing is redrawn or written.
    void RestoreDefaults();

private:
    TOptionsStorage &storage_;
    const TWindowState &window_;
    IMessageBoxes &boxes_;
    IOptionsDialogHost &host_;
};

} // namespace qbx
