#include "storage/TCatalogueFiles.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/CommandBoundary.h"
#include "interaction/CommandState.h"
#include "interaction/IStorageStatus.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"
#include "storage/CatalogueFormat.h"
#include "storage/CatalogueReader.h"
#include "storage/IQueryFileEditor.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTree.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <new>
#include <QCoreApplication>

namespace qbx {
namespace {

QString kCheckTitle()
{
    return QCoreApplication::translate("TCatalogueFiles", "Проверка формата базы данных");
}
QString kOpenTitle()
{
    return QCoreApplication::translate("TCatalogueFiles", "Открытие базы данных");
}
QString kOpenFilter()
{
    return QCoreApplication::translate("TCatalogueFiles", "Базы данных по компакт-дискам (*.db)|*.db|Файлы сложных запросов (*.cdq)|*.cdq|"
                   "Все файлы (*.*)|*.*");
}
QString kAddTitle()
{
    return QCoreApplication::translate("TCatalogueFiles", "Добавление базы данных");
}
QString kAddFilter()
{
    return QCoreApplication::translate("TCatalogueFiles", "Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*");
}

// One spelling per file, so that a save to the same file under another
// spelling ("./a.db", a link) is still known as that file.
QString FileKey(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

bool TCatalogueFiles::HoldsMore(const QString &fileName) const
{
    return !holdingMore_.isEmpty() && holdingMore_.contains(FileKey(fileName));
}

void TCatalogueFiles::SetHoldsMore(const QString &fileName, bool holdsMore)
{
    const QString key = FileKey(fileName);
    holdingMore_.removeAll(key);
    if (holdsMore)
        holdingMore_.append(key);
}

void TCatalogueFiles::RememberOnDisk(const QString &fileName)
{
    stampKey_ = FileKey(fileName);
    stamp_ = FileStampOf(stampKey_);
}

bool TCatalogueFiles::ChangedOnDisk(const QString &fileName) const
{
    if (stampKey_.isEmpty() || FileKey(fileName) != stampKey_)
        return false;
    const TFileStamp now = FileStampOf(stampKey_);
    return now.exists && now != stamp_;
}

bool TCatalogueFiles::CurrentOnDisk(const QString &fileName) const
{
    return !stampKey_.isEmpty() && FileKey(fileName) == stampKey_ &&
           FileStampOf(stampKey_) == stamp_;
}

TCatalogueFiles::TCatalogueFiles(TCatalogueContext context) : c_(std::move(context))
{
    openDialog_.Title = kOpenTitle();
    openDialog_.Filter = kOpenFilter();
}

bool TCatalogueFiles::IsQueryFile(const QString &fileName) const
{
    return QFileInfo(fileName).suffix().toLower() == QLatin1String("cdq");
}

void TCatalogueFiles::WarnBadFormat(const QString &fileName)
{
    c_.boxes.Show(fileName +
                      QCoreApplication::translate("TCatalogueFiles", "\rФайл базы данных недоступен или имеет неверный формат."
                                     "\r\n\nПроверьте его содержимое."),
                  kCheckTitle(), TMsgIcon::Warning, MbOk);
}

void TCatalogueFiles::CreateCatalogue()
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    if (c_.modes.DbState() != DbNone) {
        CloseCatalogue();
        if (c_.modes.DbState() != DbNone)
            return;
    }
    holdingMore_.clear();
    stampKey_.clear();
    document_.FirstEntireView = true;
    document_.DbIsNew = true;
    document_.DbName = QStringLiteral("Qubrix");
    document_.FileName = c_.options.DbFolder + document_.DbName + QStringLiteral(".db");
    c_.modes.SetDbState(DbEntire);
    c_.modes.Unsaved().Set(true);
}

void TCatalogueFiles::OpenWithDialog()
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    TOpenDialogState state = openDialog_;
    state.FileName.clear();
    const QString chosen = c_.dialogs.GetOpenFileName(state);
    if (chosen.isEmpty())
        return;
    // The dialog opens where it was last used.
    openDialog_.InitialFolder = QFileInfo(chosen).absolutePath() + QLatin1Char('/');
    if (!IsQueryFile(chosen)) {
        if (c_.modes.DbState() != DbNone) {
            CloseCatalogue();
            if (c_.modes.DbState() != DbNone)
                return;
        }
    }
    OpenChosen(chosen);
}

void TCatalogueFiles::OpenFile(const QString &fileName)
{
    OpenChosen(fileName);
}

void TCatalogueFiles::OpenChosen(const QString &fileName)
{
    if (IsQueryFile(fileName)) {
        document_.QueryFilePending = true;
        if (queryEditor_)
            queryEditor_->EditQueryFile(fileName);
        return;
    }
    const QFileInfo info(fileName);
    document_.FirstEntireView = true;
    document_.DbReadOnly = !info.isWritable();
    document_.DbName = info.completeBaseName();

    QString reason;
    if (CheckTableFormat(fileName, c_.status, &reason) == TfNotCatalogue) {
        WarnBadFormat(fileName);
        // Why the file could not be read stays in the status bar.
        c_.status.SetStatusText(reason);
        return;
    }
    holdingMore_.clear();
    stampKey_.clear();
    document_.FileName = fileName;
    c_.modes.SetDbState(DbOpen);

    const QString driver = TableLanguageDriver(fileName);
    if (driver.isEmpty() || driver == QLatin1String("ANCYRR"))
        return;
    bool recode;
    if (c_.options.ConfirmRecode.isEmpty()) {
        recode =
            c_.boxes.Show(
                fileName + QCoreApplication::translate("TCatalogueFiles", "\rФайл базы данных был сохранён с использованием неверного "
                               "языкового драйвера, вследствие чего возможен некорректный поиск "
                               "русских букв.\r\n\nВы хотите открыть его в режиме редактирования "
                               "для сохранения с использованием правильного языкового драйвера?"),
                kCheckTitle(), TMsgIcon::Warning, MbYesNo) == TMsgAnswer::Yes;
    } else {
        recode = c_.options.ConfirmRecode != QLatin1String("0");
    }
    if (recode) {
        c_.modes.SetDbState(DbEntire);
        c_.modes.Unsaved().Set(true);
    }
}

void TCatalogueFiles::AddCatalogue()
{
    TOpenDialogState state = openDialog_;
    state.FileName = document_.FileName;
    state.Filter = kAddFilter();
    state.Title = kAddTitle();
    const QString chosen = c_.dialogs.GetOpenFileName(state);
    if (!chosen.isEmpty()) {
        if (CheckTableFormat(chosen, c_.status) != TfNotCatalogue) {
            // An incomplete merge leaves the open file's own records whole.
            ReadTable(chosen, kAddTitle());
            c_.modes.Unsaved().Set(true);
            if (c_.catalogue.Tree().Root()->HasChildren())
                c_.view.ExpandRoot(TTreeKind::Main);
        } else {
            WarnBadFormat(chosen);
        }
    }
}

void TCatalogueFiles::LoadTable(const QString &title)
{
    RememberOnDisk(document_.FileName);
    SetHoldsMore(document_.FileName, !ReadTable(document_.FileName, title));
}

bool TCatalogueFiles::ReadTable(const QString &fileName, const QString &title)
{
    c_.modes.FreezeCommands();
    c_.status.SetStatusText(QCoreApplication::translate("TCatalogueFiles", "Подготовка к открытию базы данных"));
    c_.status.ProcessPendingEvents();

    TTree &tree = c_.catalogue.Tree();
    // A first load fills an empty tree: the view then hears one reset instead
    // of a signal per node. A merge into a shown tree is one change of
    // layout, which keeps the view's expanded folders and selection.
    struct BulkUpdate {
        TTree *tree = nullptr;
        void End()
        {
            if (tree)
                tree->EndUpdate();
            tree = nullptr;
        }
        ~BulkUpdate() { End(); }
    } bulk{&tree};
    if (!tree.Root()->HasChildren())
        tree.BeginUpdate();
    else
        tree.BeginMerge();

    QString failure;
    bool complete = false;
    try {
        complete = ReadCatalogueTable(
            fileName, c_.catalogue,
            [&](uint32_t count) {
                c_.modes.State().TotalText = QCoreApplication::translate("TCatalogueFiles", "Всего записей: ") + QString::number(count);
                c_.operation.StartOperation(title, int(std::min<uint32_t>(count, INT32_MAX)));
            },
            [&] {
                c_.operation.StepOperation();
                return !c_.answers.Cancelled() &&
                       !c_.operation.OperationStopped();
            });
    } catch (const std::bad_alloc &) {
        failure = OutOfMemoryText();
    } catch (const engine::Error &e) {
        failure = EngineErrorText(e);
    } catch (const std::exception &e) {
        // Anything else that stops the reading.
        failure = QString::fromStdString(e.what());
    }
    // What was read stays in the tree; the commands come back and a failure
    // is reported with the file's name.
    bulk.End();
    c_.modes.RestoreCommands();
    if (!failure.isNull())
        c_.boxes.Show(fileName + QCoreApplication::translate("TCatalogueFiles", "\rОшибка чтения базы данных.\r\n\n") + failure,
                      title, TMsgIcon::Error, MbOk);
    return complete;
}

void TCatalogueFiles::CloseCatalogue()
{
    if (!c_.modes.SettleUnsavedChanges(QCoreApplication::translate("TCatalogueFiles", "Закрытие базы данных"),
                                       c_.catalogue.Tree().Root()->HasChildren()))
        return;
    c_.status.SetStatusText(QCoreApplication::translate("TCatalogueFiles", "Закрытие базы данных"));
    c_.status.ProcessPendingEvents();
    c_.catalogue.Tree().ResetTree();
    c_.searchTree.ResetTree();
    holdingMore_.clear();
    stampKey_.clear();
    // The item to select on return to the catalogue was one of its results.
    c_.modes.State().EntireSelPath.clear();
    c_.modes.SetDbState(DbNone);
}

} // namespace qbx
