#include "app/gui/TCatalogueGui.h"

#include "app/Session.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"

namespace qbx {

TCatalogueGui::TCatalogueGui(TSession &session, IWindowCommands &commands,
                             IWindowControls &controls)
    : controls_(controls)
{
    controls.SetTreeModel(TTreeKind::Main, &session.MainModel());
    controls.SetTreeModel(TTreeKind::Search, &session.SearchModel());
    pane_ = std::make_unique<TDescriptionPaneGui>(session, commands, controls);
    session.AfterTreeChange = [this] { pane_->SelectionChanged(); };

    TCatalogueFiles &files = session.Files();
    TCatalogueSaving &saving = session.Saving();
    commands.SetHandler(cmd::CreateDbAction, [&files] { files.CreateCatalogue(); });
    commands.SetHandler(cmd::OpenDbAction, [this, &files] {
        if (files.OpenDialog().InitialFolder.isEmpty())
            files.SetOpenDialogFolder(controls_.DbDialogsFolder());
        files.OpenWithDialog();
    });
    commands.SetHandler(cmd::AddDbAction, [&files] { files.AddCatalogue(); });
    const auto saveFolder = [this, &saving] {
        if (saving.Dialog().InitialFolder.isEmpty())
            saving.SetDialogFolder(controls_.DbDialogsFolder());
    };
    commands.SetHandler(cmd::SaveDbAction, [saveFolder, &saving] {
        saveFolder();
        saving.Save();
    });
    commands.SetHandler(cmd::SaveDbAsAction, [saveFolder, &saving] {
        saveFolder();
        saving.SaveAs();
    });
    commands.SetHandler(cmd::SaveDbToAction, [saveFolder, &saving] {
        saveFolder();
        saving.SaveInto();
    });
    commands.SetHandler(cmd::CloseDbAction, [&files] { files.CloseCatalogue(); });
    commands.SetHandler(cmd::EntireViewAction, [&session] { session.Views().ShowEntireView(); });
    commands.SetHandler(cmd::FoundViewAction, [&session] { session.Views().ShowFoundView(); });
}

} // namespace qbx
