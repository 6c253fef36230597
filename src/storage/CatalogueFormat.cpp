#include "storage/CatalogueFormat.h"
#include "platform/EngineFileName.h"

#include "engine/Error.h"
#include "engine/Restructure.h"
#include "engine/Table.h"
#include "interaction/MessageBoxes.h"
#include "storage/CatalogueFields.h"
#include "storage/CatalogueTable.h"
#include "storage/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

namespace qbx {

int TableFormatOfFields(const std::vector<engine::FieldDef> &fields)
{
    const auto &expected = CatalogueFields();
    if (fields.size() != expected.size())
        return TfNotCatalogue;
    int format = TfCurrent;
    for (size_t i = 0; i < fields.size(); ++i) {
        const engine::FieldDef &f = fields[i];
        const TCatalogueField &e = expected[i];
        if (f.name != e.name || f.CharSize() != uint32_t(e.size))
            return TfNotCatalogue;
        if (i == CfByteSize && f.Kind() == engine::FieldKind::Integer)
            format = TfOld;
        else if (f.Kind() != e.type)
            return TfNotCatalogue;
    }
    return format;
}

namespace {

bool TryCreate(const QString &fileName)
{
    try {
        engine::CreateOptions options;
        options.blockKiB = kCatalogueBlockKiB;
        engine::Table::Create(EngineFileName(fileName), CatalogueFieldDefs(), options);
        return true;
    } catch (const engine::Error &) {
        return false;
    }
}

} // namespace

QString TableProblemText(int engineCode)
{
    switch (engineCode) {
    case engine::ErrFileNotFound:
        return QCoreApplication::translate("CatalogueFormat", "Файл не найден");
    case engine::ErrAccessDenied:
        return QCoreApplication::translate("CatalogueFormat", "Нет доступа к файлу");
    case engine::ErrLocked:
        return QCoreApplication::translate("CatalogueFormat", "Файл занят другой программой");
    case engine::ErrCorrupt:
        return QCoreApplication::translate("CatalogueFormat", "Файл повреждён или не является таблицей");
    case engine::ErrEncrypted:
        return QCoreApplication::translate("CatalogueFormat", "Таблица защищена паролем");
    case engine::ErrDiskFull:
        return QCoreApplication::translate("CatalogueFormat", "Недостаточно места на диске");
    case engine::ErrTableFull:
        return QCoreApplication::translate("CatalogueFormat", "Таблица базы данных заполнена");
    case engine::ErrFileExists:
        return QCoreApplication::translate("CatalogueFormat", "Файл с таким именем уже существует");
    case engine::ErrSqlSyntax:
        return QCoreApplication::translate("CatalogueFormat", "Ошибка в условии запроса");
    case engine::ErrIo:
        return QCoreApplication::translate("CatalogueFormat", "Ошибка чтения или записи файла");
    default:
        return QCoreApplication::translate("CatalogueFormat", "Внутренняя ошибка ядра базы данных");
    }
}

QString EngineErrorText(int engineCode)
{
    return TableProblemText(engineCode) + u'.';
}

QString EngineErrorText(const engine::Error &error)
{
    return EngineErrorText(error.code());
}

int CheckTableFormat(const QString &fileName, IStorageStatus &status, QString *reason)
{
    if (reason)
        reason->clear();
    status.SetStatusText(QCoreApplication::translate("CatalogueFormat", "Проверка формата базы данных"));
    status.ProcessPendingEvents();
    const TOpenedCatalogue opened = OpenCatalogueTable(fileName, engine::OpenMode::Shared);
    if (reason && !opened.Ok() && opened.problem != TOpenProblem::NotCatalogue)
        *reason = TableProblemText(opened.engineCode);
    status.SetStatusText(QString());
    return opened.Ok() ? opened.format : int(TfNotCatalogue);
}

bool CreateCatalogueTable(QString &tableName, QString &searchTable, IStorageStatus &status)
{
    status.SetStatusText(QCoreApplication::translate("CatalogueFormat", "Создание базы данных"));
    status.ProcessPendingEvents();
    bool created = TryCreate(tableName);
    if (!created && !searchTable.isEmpty() && tableName == searchTable) {
        // The temporary copy's name cannot be used: put the table inside a
        // folder of that name instead.
        QFile::remove(searchTable);
        const QString fallback = searchTable + QLatin1Char('/') + QFileInfo(searchTable).fileName();
        if (QDir().mkdir(searchTable)) {
            searchTable = fallback;
            tableName = fallback;
            created = TryCreate(tableName);
        }
    }
    status.SetStatusText(QString());
    return created;
}

bool UpgradeCatalogueTable(QString &fileName, QString &errorText, IStorageStatus &status)
{
    status.EnableCommands(false);
    status.SetStatusText(QCoreApplication::translate("CatalogueFormat", "Обновление формата базы данных"));
    status.ProcessPendingEvents();
    bool ok = true;
    errorText.clear();
    try {
        // Through a symbolic link the file it points to is rewritten.
        engine::RestructureTable(FollowLinks(EngineFileName(fileName)), CatalogueFieldDefs(false));
        const QFileInfo info(fileName);
        const QString suffix = info.suffix();
        if (suffix != suffix.toLower()) {
            const QString lower = fileName.left(fileName.size() - suffix.size()) + suffix.toLower();
            if (QFile::rename(fileName, lower))
                fileName = lower;
        }
    } catch (const engine::Error &e) {
        ok = false;
        errorText = EngineErrorText(e);
    }
    status.EnableCommands(true);
    status.SetStatusText(QString());
    status.ProcessPendingEvents();
    return ok;
}

QString TableLanguageDriver(const QString &fileName)
{
    // The name goes to the engine as it is: file names here are Unicode, so
    // no detour through a temporary name with Latin letters is needed.
    try {
        return QString::fromLatin1(engine::LanguageDriverOfFile(EngineFileName(fileName)))
            .toUpper();
    } catch (const engine::Error &) {
        return QString();
    }
}

void ReportTableFull(int engineCode, const QString &tableName, IStorageStatus &status,
                     IMessageBoxes &boxes)
{
    if (engineCode != engine::ErrTableFull)
        return;
    boxes.Show(tableName + QCoreApplication::translate("CatalogueFormat", "\rТаблица заполнена до отказа. Сохраните данные в "
                                          "другой файл."),
               status.StatusText(), TMsgIcon::Error, MbOk);
}

} // namespace qbx
