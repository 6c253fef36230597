// The writing half of TCatalogueSaving: the frame every save runs in, the
// catalogue and result writes.

#include "storage/TCatalogueSaving.h"

#include "options/TOptions.h"
#include "platform/Volumes.h"
#include "interaction/CommandState.h"
#include "interaction/IStorageStatus.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"
#include "storage/CatalogueFormat.h"
#include "storage/FileReplacement.h"
#include "storage/TCatalogueFiles.h"
#include "tree/TTree.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kWriteTitle()
{
    return QCoreApplication::translate("TCatalogueWrite", "Сохранение базы данных");
}
QString kCatalogueError()
{
    return QCoreApplication::translate("TCatalogueWrite", "В процессе сохранения базы данных возникла ошибка.");
}
QString kResultsError()
{
    return QCoreApplication::translate("TCatalogueWrite", "В процессе сохранения результатов поиска возникла ошибка.");
}

// Records per 32 KiB block of the 503-byte catalogue record, and the header.
constexpr qint64 kRecordsPerBlock = (32768 - 6) / 503;
constexpr qint64 kHeaderBytes = 0x800;

class TOperationProgress : public IWriteProgress {
public:
    explicit TOperationProgress(TLongOperation &operation) : operation_(operation) {}
    bool Stopped() override { return operation_.OperationStopped(); }
    void Step() override { operation_.StepOperation(); }

private:
    TLongOperation &operation_;
};

} // namespace

qint64 EstimatedCatalogueSize(int nodes)
{
    const qint64 records = nodes > 1 ? nodes - 1 : 0;
    return kHeaderBytes + (records + kRecordsPerBlock - 1) / kRecordsPerBlock * 32768;
}

TCatalogueSaving::TCatalogueSaving(TSavingContext context) : c_(std::move(context))
{
    if (!c_.freeSpace)
        c_.freeSpace = [](const QString &folder) { return FreeSpace(folder); };
    dialog_.Title = kWriteTitle();
    dialog_.Filter = QCoreApplication::translate("TCatalogueWrite", "Базы данных по компакт-дискам (*.db)|*.db|Текстовые деревья "
                                    "(*.txt)|*.txt|Все файлы (*.*)|*.*");
}

void TCatalogueSaving::Warn(const QString &text, const QString &title)
{
    c_.boxes.Show(text, title, TMsgIcon::Warning, MbOk);
}

// The free space of the target's file system must hold `bytes` when both
// are known; otherwise the save is refused with a box naming the folder.
bool TCatalogueSaving::HasRoomFor(qint64 bytes, const QString &target, const QString &title)
{
    const qint64 free = c_.freeSpace(QFileInfo(target).absolutePath());
    if (bytes < 0 || free < 0 || free >= bytes)
        return true;
    ReportNoRoom(target, title);
    return false;
}

void TCatalogueSaving::ReportNoRoom(const QString &target, const QString &title)
{
    c_.boxes.Show(QCoreApplication::translate("TCatalogueWrite", "Невозможно сохранить файл базы данных из-за недостатка "
                                 "свободного места на диске %1.")
                      .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath())),
                  title, TMsgIcon::Error, MbOk);
}

void TCatalogueSaving::ReportFailure(const TWriteResult &result, const QString &target,
                                     const QString &text, const QString &title)
{
    if (result.outcome == TWriteResult::Failed) {
        ReportTableFull(result.engineCode, target, c_.status, c_.boxes);
        // The reasons a user can act on come first: the disk filled up while
        // the file was written (told as when the space is found missing
        // before the save), no write permission, another program's lock.
        if (result.engineCode == engine::ErrDiskFull)
            ReportNoRoom(target, title);
        else if (result.engineCode == engine::ErrAccessDenied)
            c_.boxes.Show(target + QCoreApplication::translate("TCatalogueWrite", "\rНет прав на запись в файл базы данных или "
                                                  "в его папку."),
                          title, TMsgIcon::Error, MbOk);
        else if (result.engineCode == engine::ErrLocked)
            c_.boxes.Show(target + QCoreApplication::translate("TCatalogueWrite", "\rФайл занят другой программой."), title,
                          TMsgIcon::Error, MbOk);
    }
    c_.boxes.Show(text, title, TMsgIcon::Error, MbOk);
}

// The long-operation frame of a save: commands frozen and the popup menu
// taken off, the status texts, progress over the tree's nodes, the error
// box on failure, then everything given back. Any failure, even running
// out of memory, ends as a failed save.
TWriteResult TCatalogueSaving::RunWrite(const QString &title, const QString &target, TTree &tree,
                                        TRecordSource source,
                                        const std::function<TWriteResult(IWriteProgress &)> &write)
{
    c_.modes.FreezeCommands();
    c_.status.SetStatusText(QCoreApplication::translate("TCatalogueWrite", "Подготовка к сохранению базы данных"));
    c_.status.ProcessPendingEvents();
    c_.operation.StartOperation(title, CountNodes(tree.Root()));
    TOperationProgress progress(c_.operation);
    TWriteResult result;
    try {
        result = write(progress);
    } catch (const std::exception &e) {
        result.outcome = TWriteResult::Failed;
        result.engineMessage = QString::fromLocal8Bit(e.what());
    }
    if (!result.Ok())
        ReportFailure(result, target,
                      source == TRecordSource::Results ? kResultsError() : kCatalogueError(), title);
    c_.modes.RestoreCommands();
    c_.operation.EndOperation();
    return result;
}

bool TCatalogueSaving::WriteCatalogue(const QString &target)
{
    const QString title = dialog_.Title;
    if (!c_.modes.Unsaved().Any()) {
        // The file on disk already holds the tree: copy it.
        const QString source = c_.files.Document().FileName;
        if (!HasRoomFor(QFileInfo(source).size(), target, title))
            return false;
        const TWriteResult copied = CopyCatalogueFile(source, target, c_.fs);
        if (!copied.Ok()) {
            ReportFailure(copied, target, kCatalogueError(), title);
        } else {
            if (c_.files.HoldsMore(source))
                c_.files.SetHoldsMore(target, true); // the copy holds what the tree lacks too
            c_.files.RememberOnDisk(target);
        }
        return copied.Ok();
    }
    // The file holds records the tree lacks (its load was stopped or failed):
    // the user decides whether the tree replaces them. The name is the
    // file's, the open catalogue's except after Save As to another file.
    const bool overPartial = c_.files.HoldsMore(target);
    if (overPartial &&
        c_.boxes.Show(QCoreApplication::translate("TCatalogueWrite", "База данных %1 загружена не полностью. Если сохранить её "
                                     "в тот же файл, незагруженные записи будут потеряны. "
                                     "Сохранить?")
                          .arg(QFileInfo(target).completeBaseName()),
                      title, TMsgIcon::Warning, MbYesNo | MbDefaultNo) != TMsgAnswer::Yes)
        return false;

    // Another program (a second copy of this one) wrote or replaced the
    // file since the tree was read: the user decides whether the tree
    // replaces what it wrote.
    if (c_.files.ChangedOnDisk(target) &&
        c_.boxes.Show(target + QCoreApplication::translate("TCatalogueWrite", "\rФайл базы данных был изменён другой "
                                              "программой после того, как был открыт.\r\n\n"
                                              "Если сохранить, эти изменения будут потеряны. "
                                              "Сохранить?"),
                      title, TMsgIcon::Warning, MbYesNo | MbDefaultNo) != TMsgAnswer::Yes)
        return false;

    TTree &tree = c_.catalogue;
    if (!HasRoomFor(EstimatedCatalogueSize(CountNodes(tree.Root())), target, title))
        return false;
    const TWriteResult result =
        RunWrite(title, target, tree, TRecordSource::Catalogue, [&](IWriteProgress &progress) {
            return WriteCatalogueFile(tree.Root(), TRecordSource::Catalogue, target, progress,
                                      c_.fs);
        });
    if (result.Ok()) {
        c_.modes.State().TotalText = QCoreApplication::translate("TCatalogueWrite", "Всего записей: ") + QString::number(result.records);
        c_.files.Document().DbIsNew = false;
        c_.modes.Unsaved().Set(false);
        if (overPartial)
            c_.files.SetHoldsMore(target, false); // the user chose to replace it
        c_.files.RememberOnDisk(target);
    }
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.SelectionChange)
        c_.modes.hooks.SelectionChange(TTreeKind::Main);
    return result.Ok();
}

bool TCatalogueSaving::WriteSearchResults(const QString &target)
{
    TTree &tree = c_.searchTree;
    const TWriteResult result = RunWrite(
        dialog_.Title, target, tree, TRecordSource::Results, [&](IWriteProgress &progress) {
            return WriteCatalogueFile(tree.Root(), TRecordSource::Results, target, progress, c_.fs);
        });
    return result.Ok();
}

} // namespace qbx
