#include "app/Session.h"

namespace qbx {

TSession::TSession(const QString &appCaption, TSessionPorts ports)
    : options_(appCaption), boxes_(ports.boxes), view_(ports.view),
      operationView_(ports.operationView), operation_(options_, ports.operationView, ports.boxes),
      shell_(options_, commands_, ports.view, operation_, ports.boxes),
      catalogue_(mainTree_, options_, ports.conflicts, &mainModel_),
      status_(ports.view, ports.operationView, shell_),
      files_({options_, shell_, commands_, operation_, ports.boxes, status_, ports.fileDialogs,
              catalogue_, searchTree_, std::move(ports.expandRoot)}),
      saving_({options_, shell_, commands_, operation_, ports.boxes, status_, ports.view,
               ports.saveDialog, files_, mainTree_, searchTree_, ports.fs,
               std::move(ports.freeSpace)}),
      views_(options_, shell_, commands_, searchModel_, std::move(ports.valueColumnWidth))
{
    // Every change of the catalogue tree marks the catalogue unsaved.
    catalogue_.OnTreeChanged = [this] {
        options_.TreeChanged = true;
        commands_.SetEnabled(cmd::SaveDbAction, true);
        if (AfterTreeChange)
            AfterTreeChange();
    };
    TShellHooks &hooks = shell_.hooks;
    hooks.LoadTable = [this] { files_.LoadTable(files_.OpenDialog().Title); };
    hooks.SaveDb = [this] { saving_.SaveDbClick(); };
    hooks.OpenCatalogue = [this](const QString &file) { files_.OpenFile(file); };
    // A query file opens like any file: the File commands hand it to the
    // query editor.
    hooks.OpenQuery = [this](const QString &file) { files_.OpenFile(file); };
    hooks.SaveOptions = [this, &window = ports.optionsWindow] { options_.Save(window); };
}

} // namespace qbx
