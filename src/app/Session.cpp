#include "app/Session.h"

namespace qbx {

TSession::TSession(const QString &appCaption, const TEnvironment &environment, TSessionPorts ports)
    : environment_(environment), options_(TOptions::Defaults(environment)),
      optionsWindow_(ports.optionsWindow), boxes_(ports.boxes), view_(ports.view),
      operationView_(ports.operationView), operation_(options_, ports.operationView, ports.boxes),
      modes_(appCaption, options_, environment_, commands_, ports.view, operation_, ports.boxes,
             *this, answers_),
      catalogue_(mainTree_, answers_, ports.conflicts, &mainModel_),
      status_(ports.view, ports.operationView, modes_),
      files_({options_, modes_, answers_, commands_, operation_, ports.boxes, status_,
              ports.fileDialogs, catalogue_, searchTree_, ports.view}),
      saving_({options_, lastSearch_, modes_, commands_, operation_, ports.boxes,
               status_, ports.view, ports.saveDialog, files_, mainTree_, searchTree_, ports.fs,
               std::move(ports.freeSpace)}),
      views_(modes_, commands_, searchModel_, ports.view)
{
    // Every change of the catalogue tree marks the catalogue unsaved.
    catalogue_.OnTreeChanged = [this] {
        modes_.Unsaved().Set(true);
        if (AfterTreeChange)
            AfterTreeChange();
    };
}

QString TSession::DbName() const
{
    return files_.Document().DbName;
}

bool TSession::DbIsNew() const
{
    return files_.Document().DbIsNew;
}

bool TSession::EnterEntireView()
{
    TCatalogueDocument &document = files_.Document();
    if (!document.FirstEntireView)
        return false;
    document.FirstEntireView = false;
    if (!document.DbIsNew)
        files_.LoadTable(files_.OpenDialog().Title);
    return true;
}

bool TSession::SaveDb()
{
    return saving_.Save();
}

void TSession::OpenFile(const QString &fileName)
{
    // A query file opens like any file: the File commands hand it to the
    // query editor.
    files_.OpenFile(fileName);
}

void TSession::CatalogueClosed()
{
    files_.Document().Closed();
    lastSearch_.LastCondition.clear();
}

void TSession::WindowClosing()
{
    storage_.Save(optionsWindow_, modes_.State().Panes);
}

} // namespace qbx
