#include "app/TCatalogueGui.h"

#include "app/MainWindow.h"
#include "app/Session.h"

namespace qbx {

TCatalogueGui::TCatalogueGui(TMainForm &form, TSession &session) : form_(form), session_(session)
{
    form.SetTreeModel(TTreeKind::Main, &session.MainModel());
    form.SetTreeModel(TTreeKind::Search, &session.SearchModel());
    pane_ = std::make_unique<TDescriptionPaneGui>(form, session.MainModel(), session.SearchModel());
    session.AfterTreeChange = [this] { pane_->TreeViewChange(); };

    TCatalogueFiles &files = session.Files();
    TCatalogueSaving &saving = session.Saving();
    form.SetHandler(cmd::CreateDbAction, [&files] { files.CreateDbClick(); });
    form.SetHandler(cmd::OpenDbAction, [this, &files] {
        if (files.OpenDialog().InitialFolder.isEmpty())
            files.SetOpenDialogFolder(form_.DbDialogsFolder());
        files.OpenDbClick();
    });
    form.SetHandler(cmd::AddDbAction, [&files] { files.AddDbClick(); });
    const auto saveFolder = [this, &saving] {
        if (saving.Dialog().InitialFolder.isEmpty())
            saving.SetDialogFolder(form_.DbDialogsFolder());
    };
    form.SetHandler(cmd::SaveDbAction, [saveFolder, &saving] {
        saveFolder();
        saving.SaveDbClick();
    });
    form.SetHandler(cmd::SaveDbAsAction, [saveFolder, &saving] {
        saveFolder();
        saving.SaveDbAsClick();
    });
    form.SetHandler(cmd::SaveDbToAction, [saveFolder, &saving] {
        saveFolder();
        saving.SaveDbToClick();
    });
    form.SetHandler(cmd::CloseDbAction, [&files] { files.CloseDbClick(); });
    form.SetHandler(cmd::EntireViewAction, [&session] { session.Views().EntireViewClick(); });
    form.SetHandler(cmd::FoundViewAction, [&session] { session.Views().FoundViewClick(); });
}

TTree &TCatalogueGui::MainTree()
{
    return session_.MainTree();
}
TTree &TCatalogueGui::SearchTree()
{
    return session_.SearchTree();
}
TTreeModel &TCatalogueGui::MainModel()
{
    return session_.MainModel();
}
TTreeModel &TCatalogueGui::SearchModel()
{
    return session_.SearchModel();
}
TCatalogueTree &TCatalogueGui::Catalogue()
{
    return session_.Catalogue();
}
TCatalogueFiles &TCatalogueGui::Files()
{
    return session_.Files();
}
TCatalogueSaving &TCatalogueGui::Saving()
{
    return session_.Saving();
}
TMessageForm &TCatalogueGui::ConflictForm()
{
    return form_.ConflictForm();
}

} // namespace qbx
