#include "app/ScanAttachGui.h"

#include "app/MainWindow.h"
#include "app/TCatalogueGui.h"
#include "scan/TScanGui.h"
#include "session/CommandTable.h"

namespace qbx {

std::unique_ptr<TScanGui> AttachScanGui(TMainForm &form, IFolderPicker &picker, IHelp &help)
{
    TCatalogueGui &catalogue = form.Catalogue();
    auto scan = std::make_unique<TScanGui>(TScanGuiContext{
        form.Options(), form.Shell(), form.Operation(), form.MessageBoxes(), catalogue.MainModel(),
        *form.MainTreeView(), catalogue.ConflictForm(), picker, help, &form, [&catalogue] {
            if (catalogue.Catalogue().OnTreeChanged)
                catalogue.Catalogue().OnTreeChanged();
        }});
    TAddTree &command = scan->AddTree();
    form.SetHandler(cmd::AddTreeAction, [&command] { command.AddTreeClick(); });
    form.SetHandler(cmd::CalculateSizeAction, [&command] { command.CalculateSizeClick(); });
    return scan;
}

} // namespace qbx
