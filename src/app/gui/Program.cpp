#include "app/gui/Program.h"

#include "app/gui/MainForm.h"
#include "app/Session.h"
#include "app/gui/DesktopServicesGui.h"
#include "app/StartUp.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TItemEditGui.h"
#include "app/gui/TOverviewGui.h"
#include "app/gui/TQueryGui.h"
#include "app/gui/TSearchGui.h"
#include "options/TOptions.h"
#include "scan/gui/TScanGui.h"
#include "interaction/CommandTable.h"
#include "desktop/gui/THelpKeyGui.h"
#include "storage/gui/TMessageForm.h"
#include "storage/gui/TQtFileDialogs.h"
#include "storage/gui/TQtSaveDialog.h"

#include <QTreeView>
#include <QTreeWidget>

namespace qbx {

TProgram::TProgram(TProgramSeams seams)
    : environment_(seams.environment ? *seams.environment : TEnvironment::Detect()),
      window_(std::make_unique<TMainForm>()),
      conflictForm_(std::make_unique<TMessageForm>(window_.get())),
      fileDialogs_(std::make_unique<TQtFileDialogs>(window_.get())),
      saveDialog_(std::make_unique<TQtSaveDialog>(window_.get()))
{
    TMainForm &window = *window_;
    session_ = std::make_unique<TSession>(
        window.windowTitle(), environment_,
        TSessionPorts{window, window, window, window.MessageBoxes(), *conflictForm_, *fileDialogs_,
                      *saveDialog_});
    TSession &session = *session_;
    session.OptionsStorage().Load();
    window.Attach(session);

    catalogue_ = std::make_unique<TCatalogueGui>(session, window, window);
    search_ = std::make_unique<TSearchGui>(session, window, window);
    edit_ = std::make_unique<TItemEditGui>(session, window, window, catalogue_->Pane());
    // Help window, About box, F1 in the menus, the folder picker and the
    // options dialog.
    services_ = std::make_unique<TDesktopServicesGui>(session, window, window, &window);
    IHelp &help = seams.help ? *seams.help : services_->Help();
    IFolderPicker &picker = seams.folderPicker ? *seams.folderPicker : services_->FolderPicker();
    conflictForm_->OnHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    services_->HelpKeys().Watch(&search_->StringForm());
    services_->HelpKeys().Watch(&search_->SizeForm());
    edit_->EditForm().OnHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    // The complex query editor and query files.
    query_ = std::make_unique<TQueryGui>(session, window, window, *search_, help);
    // Statistics, size map and duplicates of the catalogue.
    overview_ = std::make_unique<TOverviewGui>(session, window, window, help);

    // The scan dialog and the scan commands.
    TCatalogueTree &tree = session.Catalogue();
    scan_ = std::make_unique<TScanGui>(
        TScanGuiContext{environment_, session.ModeLogic(), session.Options(), session.Operation(),
                        session.MessageBoxes(), session.MainModel(), *window.MainTreeView(),
                        *conflictForm_, picker, help, &window, [&tree] {
                            if (tree.OnTreeChanged)
                                tree.OnTreeChanged();
                        }});
    TAddTree &command = scan_->AddTree();
    window.SetHandler(cmd::AddTreeAction, [&command] { command.AddScannedTree(); });
    window.SetHandler(cmd::CalculateSizeAction, [&command] { command.CalculateSize(); });
}

TProgram::~TProgram()
{
    // The window stops reacting to the session before the parts and the
    // session go; the window itself goes last.
    window_->Detach();
}

} // namespace qbx
