// The query editor's file commands: loading and saving query files.
#include "search/TQueryEditor.h"

#include "options/TOptions.h"
#include "search/IQueryFileDialogs.h"
#include "search/QueryFile.h"
#include "interaction/MessageBoxes.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace qbx {

void TQueryEditor::LoadWithDialog()
{
    if (openDialog_.InitialFolder.isEmpty())
        openDialog_.InitialFolder = options_.QryFolder;
    const QString name = dialogs_.GetOpenFileName(openDialog_);
    if (name.isEmpty())
        return;
    openDialog_.FileName = name;
    ReadFile(name);
}

bool TQueryEditor::LoadQueryFile(const QString &fileName)
{
    if (!ReadFile(fileName))
        return false;
    saveDialog_.FileName = fileName;
    return true;
}

bool TQueryEditor::ReadFile(const QString &fileName)
{
    auto tree = ReadQueryFile(fileName);
    if (!tree) {
        boxes_.Show(fileName +
                        QCoreApplication::translate("TQueryEditorFiles", "\rФайл сложного запроса недоступен или имеет неверный "
                                       "формат.\r\n\nПроверьте его содержимое."),
                    openDialog_.Title, TMsgIcon::Warning, MbOk);
        return false;
    }
    ReplaceTree(std::move(tree));
    if (expandAll)
        expandAll();
    return true;
}

void TQueryEditor::SaveWithDialog()
{
    if (saveDialog_.InitialFolder.isEmpty())
        saveDialog_.InitialFolder = options_.QryFolder;
    QString name = dialogs_.GetSaveFileName(saveDialog_, options_.ConfirmOverwrite);
    if (name.isEmpty())
        return;
    saveDialog_.FileName = name;
    if (QFileInfo(name).suffix().toLower() != QLatin1String("cdq")) {
        name += QStringLiteral(".cdq");
        if (options_.ConfirmOverwrite && QFileInfo::exists(name) &&
            boxes_.Show(name + QCoreApplication::translate("TQueryEditorFiles", "\rФайл сложного запроса уже существует.\r\n\n"
                                              "Заменить его?"),
                        saveDialog_.Title, TMsgIcon::Warning, MbYesNo) != TMsgAnswer::Yes)
            return;
    }
    bool encodable = false;
    const QByteArray bytes = QueryFileBytes(model_.Tree(), &encodable);
    if (!encodable) {
        boxes_.Show(name + QCoreApplication::translate("TQueryEditorFiles", "\rЗапрос содержит символы, которые нельзя записать "
                                          "в файл сложного запроса."),
                    saveDialog_.Title, TMsgIcon::Warning, MbOk);
        return;
    }
    QString reason;
    if (!writeFile(name, bytes, &reason))
        boxes_.Show(name + QCoreApplication::translate("TQueryEditorFiles", "\rНе удалось записать файл сложного запроса.\r\n\n") +
                        reason,
                    saveDialog_.Title, TMsgIcon::Error, MbOk);
}

} // namespace qbx
