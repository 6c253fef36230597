#include "app/gui/DesktopServicesGui.h"

#include "app/gui/QtMessageBoxes.h"
#include "app/Session.h"
#include "app/WindowCommands.h"
#include "options/TOptions.h"
#include "interaction/CommandTable.h"
#include "desktop/gui/TAboutForm.h"
#include "desktop/gui/TFolderPickerGui.h"
#include "desktop/gui/THelpKeyGui.h"
#include "desktop/gui/THelpWindow.h"
#include "optionsdialog/gui/TOptionsForm.h"

#include <QApplication>
#include <QMenu>

namespace qbx {

TDesktopServicesGui::TDesktopServicesGui(TSession &session, IWindowCommands &commands,
                                     IOptionsWindow &window, QWidget *owner)
    : session_(session), owner_(owner),
      helpWindow_(std::make_unique<THelpWindow>(session.Environment().HelpFile)),
      helpKeys_(std::make_unique<THelpKeyGui>(*helpWindow_)),
      aboutForm_(std::make_unique<TAboutForm>(*helpWindow_, owner)),
      folderPicker_(std::make_unique<TFolderPickerGui>(owner))
{
    commands.SetHandler(cmd::HelpContentsAction, [this] { HelpContentsClick(); });
    commands.SetHandler(cmd::AboutAppAction, [this] { AboutAppClick(); });
    // An open menu takes the keys: F1 there shows the menu's topic.
    for (const char *name :
         {"FileMenuItem", "EditMenuItem", "SearchMenuItem", "FieldSearchMenuItem", "ViewMenuItem",
          "SizeUnitMenuItem", "TuningMenuItem", "HelpMenuItem", "TreePopupMenu", "SearchPopupMenu",
          "ViewPopupMenu", "SizePopupMenu"})
        helpKeys_->Watch(commands.Menu(QString::fromLatin1(name)));

    optionsBoxes_ = std::make_unique<TQtMessageBoxes>();
    optionsForm_ = std::make_unique<TOptionsForm>(session.OptionsStorage(), session.Window().Panes, window, *optionsBoxes_,
                                                  *folderPicker_, owner);
    optionsBoxes_->SetOwner(optionsForm_.get());
    helpKeys_->Watch(optionsForm_.get());
    optionsCommands_ = std::make_unique<TOptionsCommands>(
        session.OptionsStorage(), session.Window(), session.MessageBoxes(),
        static_cast<IOptionsDialogHost &>(*this));
    commands.SetHandler(cmd::AppOptionsAction, [this] { optionsCommands_->EditOptions(); });
    commands.SetHandler(cmd::DefaultOptionsAction,
                        [this] { optionsCommands_->RestoreDefaults(); });
}

TDesktopServicesGui::~TDesktopServicesGui() = default;

IHelp &TDesktopServicesGui::Help()
{
    return *helpWindow_;
}

IFolderPicker &TDesktopServicesGui::FolderPicker()
{
    return *folderPicker_;
}

void TDesktopServicesGui::ShowOptionsDialog()
{
    optionsForm_->exec();
}

void TDesktopServicesGui::RefreshPane()
{
    if (session_.ModeLogic().hooks.SelectionChange)
        session_.ModeLogic().hooks.SelectionChange(session_.ModeLogic().ActiveTree());
}

void TDesktopServicesGui::HelpContentsClick()
{
    qbx::ShowHelpForFocus(*helpWindow_, QApplication::focusWidget(), owner_);
}

void TDesktopServicesGui::AboutAppClick()
{
    session_.View().SetStatusPanelText(QString());
    aboutForm_->exec();
}

} // namespace qbx
