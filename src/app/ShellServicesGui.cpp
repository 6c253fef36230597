#include "app/ShellServicesGui.h"

#include "app/MainWindow.h"
#include "app/QtMessageBoxesGui.h"
#include "app/TCatalogueGui.h"
#include "options/TOptions.h"
#include "session/CommandTable.h"
#include "shell/TAboutForm.h"
#include "shell/TFolderPickerGui.h"
#include "shell/THelpKeyGui.h"
#include "shell/THelpWindow.h"
#include "shell/TOptionsForm.h"

#include <QApplication>
#include <QMenu>

namespace qbx {

TShellServicesGui::TShellServicesGui(TMainForm &form)
    : form_(form), helpWindow_(std::make_unique<THelpWindow>(form.Options().HelpFile)),
      helpKeys_(std::make_unique<THelpKeyGui>(*helpWindow_)),
      aboutForm_(std::make_unique<TAboutForm>(*helpWindow_, &form)),
      folderPicker_(std::make_unique<TFolderPickerGui>(&form))
{
    form.SetHandler(cmd::HelpContentsAction, [this] { HelpContentsClick(); });
    form.SetHandler(cmd::AboutAppAction, [this] { AboutAppClick(); });
    // F1 in the name-conflict form opens its topic.
    form.Catalogue().ConflictForm().OnHelp = [this](int topic) {
        helpWindow_->ShowHelpTopic(topic);
    };
    // An open menu takes the keys: F1 there shows the menu's topic.
    for (const char *name :
         {"FileMenuItem", "EditMenuItem", "SearchMenuItem", "FieldSearchMenuItem", "ViewMenuItem",
          "SizeUnitMenuItem", "TuningMenuItem", "HelpMenuItem", "TreePopupMenu", "SearchPopupMenu",
          "ViewPopupMenu", "SizePopupMenu"})
        helpKeys_->Watch(form.Menu(QString::fromLatin1(name)));

    optionsBoxes_ = std::make_unique<TQtMessageBoxes>();
    optionsForm_ =
        std::make_unique<TOptionsForm>(form.Options(), form, *optionsBoxes_, *folderPicker_, &form);
    optionsBoxes_->SetOwner(optionsForm_.get());
    helpKeys_->Watch(optionsForm_.get());
    optionsCommands_ = std::make_unique<TOptionsCommands>(
        form.Options(), form.MessageBoxes(), [this] { optionsForm_->exec(); },
        [this] {
            if (form_.Shell().hooks.SelectionChange)
                form_.Shell().hooks.SelectionChange(form_.Shell().ActiveTree());
        });
    form.SetHandler(cmd::AppOptionsAction, [this] { optionsCommands_->AppOptionsClick(); });
    form.SetHandler(cmd::DefaultOptionsAction, [this] { optionsCommands_->DefaultOptionsClick(); });
}

TShellServicesGui::~TShellServicesGui() = default;

IHelp &TShellServicesGui::Help()
{
    return *helpWindow_;
}

IFolderPicker &TShellServicesGui::FolderPicker()
{
    return *folderPicker_;
}

void TShellServicesGui::HelpContentsClick()
{
    qbx::HelpContentsClick(*helpWindow_, QApplication::focusWidget(), &form_);
}

void TShellServicesGui::AboutAppClick()
{
    form_.SetStatusPanelText(QString());
    aboutForm_->exec();
}

} // namespace qbx
