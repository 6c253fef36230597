#include "storage/TCatalogueGui.h"

#include "app/MainWindow.h"
#include "options/TOptions.h"

#include <QTreeView>
#include <QTreeWidget>

namespace qbx {

TCatalogueGui::TCatalogueGui(TMainForm &form)
    : form_(form), conflictForm_(&form),
      catalogue_(mainTree_, form.Options(), conflictForm_, &mainModel_),
      status_(form, form, form.Shell()), dialogs_(&form),
      files_({form.Options(), form.Shell(), form.Commands(), form.Operation(), form.MessageBoxes(),
              status_, dialogs_, catalogue_, searchTree_, [this] { ExpandRoot(); }}),
      saveDialog_(&form), saving_({form.Options(),
                                   form.Shell(),
                                   form.Commands(),
                                   form.Operation(),
                                   form.MessageBoxes(),
                                   status_,
                                   form,
                                   saveDialog_,
                                   files_,
                                   mainTree_,
                                   searchTree_,
                                   engine::SystemFileSystem(),
                                   {}}),
      views_(form.Options(), form.Shell(), form.Commands(), searchModel_,
             [&form] { return form.DescrListView()->columnWidth(1); })
{
    form.SetTreeModel(TTreeKind::Main, &mainModel_);
    form.SetTreeModel(TTreeKind::Search, &searchModel_);
    pane_ = std::make_unique<TDescriptionPaneGui>(form, mainModel_, searchModel_);
    // Every change of the catalogue tree marks the catalogue unsaved and
    // refreshes the pane.
    catalogue_.OnTreeChanged = [this] {
        form_.Options().TreeChanged = true;
        form_.Commands().SetEnabled(cmd::SaveDbAction, true);
        pane_->TreeViewChange();
    };

    form.SetHandler(cmd::CreateDbAction, [this] { files_.CreateDbClick(); });
    form.SetHandler(cmd::OpenDbAction, [this] {
        if (files_.OpenDialog().InitialFolder.isEmpty())
            files_.SetOpenDialogFolder(form_.DbDialogsFolder());
        files_.OpenDbClick();
    });
    form.SetHandler(cmd::AddDbAction, [this] { files_.AddDbClick(); });
    const auto saveFolder = [this] {
        if (saving_.Dialog().InitialFolder.isEmpty())
            saving_.SetDialogFolder(form_.DbDialogsFolder());
    };
    form.SetHandler(cmd::SaveDbAction, [this, saveFolder] {
        saveFolder();
        saving_.SaveDbClick();
    });
    form.SetHandler(cmd::SaveDbAsAction, [this, saveFolder] {
        saveFolder();
        saving_.SaveDbAsClick();
    });
    form.SetHandler(cmd::SaveDbToAction, [this, saveFolder] {
        saveFolder();
        saving_.SaveDbToClick();
    });
    form.SetHandler(cmd::CloseDbAction, [this] { files_.CloseDbClick(); });
    form.SetHandler(cmd::EntireViewAction, [this] { views_.EntireViewClick(); });
    form.SetHandler(cmd::FoundViewAction, [this] { views_.FoundViewClick(); });

    TShellHooks &hooks = form.Shell().hooks;
    hooks.LoadTable = [this] { files_.LoadTable(files_.OpenDialog().Title); };
    hooks.SaveDb = [this] { saving_.SaveDbClick(); };
    hooks.OpenCatalogue = [this](const QString &file) { files_.OpenFile(file); };
    hooks.OpenQuery = [this](const QString &file) { files_.OpenFile(file); };
}

void TCatalogueGui::ExpandRoot()
{
    QTreeView *view = form_.MainTreeView();
    const QModelIndex root = mainModel_.IndexOf(mainTree_.Root());
    if (!view->isExpanded(root))
        view->expand(root);
}

} // namespace qbx
