// The save commands of TCatalogueSaving: Save, Save As and Save Into, with
// their dialogs and questions.

#include "storage/TCatalogueSaving.h"

#include "options/TOptions.h"
#include "interaction/CommandState.h"
#include "interaction/IStorageStatus.h"
#include "interaction/ModeLogic.h"
#include "interaction/MainView.h"
#include "interaction/MessageBoxes.h"
#include "storage/CatalogueFormat.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TextTreeWriter.h"
#include "tree/LastSearch.h"
#include "tree/TTree.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kSaveTitle()
{
    return QCoreApplication::translate("TCatalogueSaving", "Сохранение базы данных");
}
QString kResultsTitle()
{
    return QCoreApplication::translate("TCatalogueSaving", "Сохранение результатов поиска");
}
QString kSaveIntoTitle()
{
    return QCoreApplication::translate("TCatalogueSaving", "Сохранение добавлением в базу данных");
}
QString kSaveIntoFilter()
{
    return QCoreApplication::translate("TCatalogueSaving", "Базы данных по компакт-дискам (*.db)|*.db|Все файлы (*.*)|*.*");
}
constexpr int kTextFilter = 2;

QString ExtensionOf(int filterIndex)
{
    return filterIndex == kTextFilter ? QStringLiteral(".txt") : QStringLiteral(".db");
}

// The name with its extension (from the last '.' of the file name on)
// replaced by `extension`.
QString ChangeExtension(const QString &name, const QString &extension)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? name.left(dot) : name) + extension;
}

QString ExtensionOfName(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? name.mid(dot) : QString();
}

} // namespace

bool TCatalogueSaving::Save()
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    if (c_.files.Document().DbIsNew)
        return SaveAs(true);
    dialog_.Title = kSaveTitle();
    if (c_.files.Document().DbReadOnly) {
        Warn(c_.files.Document().FileName +
                 QCoreApplication::translate("TCatalogueSaving", "\rЭтот файл базы данных существует и доступен только для "
                                "чтения.\r\n\nУкажите другое имя файла."),
             dialog_.Title);
        return false;
    }
    return WriteCatalogue(c_.files.Document().FileName);
}

TTree &TCatalogueSaving::ShownTree()
{
    return c_.modes.DbState() == DbFound ? c_.searchTree : c_.catalogue;
}

// With a catalogue open but no tree shown, the tree is not loaded yet: a
// text tree or an append then reads the catalogue into the tree for the time
// of the export. Gives whether it did.
bool TCatalogueSaving::LoadForExport(const QString &title)
{
    if (c_.modes.DbState() != DbOpen || !c_.files.Document().FirstEntireView || c_.files.Document().DbIsNew ||
        c_.catalogue.Root()->HasChildren())
        return false;
    c_.files.LoadTable(title);
    return true;
}

// The tree read for an export goes again: the first switch to the entire
// view loads it as always.
void TCatalogueSaving::EndExport(bool loaded)
{
    if (loaded)
        c_.catalogue.ResetTree();
}

bool TCatalogueSaving::SaveAs(bool viaSave)
{
    const bool resultMode = c_.modes.DbState() == DbFound && !viaSave;
    const QString table = c_.files.Document().FileName;
    QString extension = ExtensionOf(dialog_.FilterIndex);
    TSaveDialogState state = dialog_;
    if (resultMode) {
        state.FileName =
            table.left(table.size() - 3) + QLatin1Char(' ') + c_.lastSearch.ResultName + extension;
        state.Title = kResultsTitle();
    } else {
        state.FileName = ChangeExtension(table, extension);
        state.Title = kSaveTitle();
    }
    state.OverwritePrompt = c_.options.ConfirmOverwrite;
    dialog_.Title = state.Title;
    const TSaveDialogAnswer answer = c_.dialog.GetSaveFileName(state);
    dialog_.OverwritePrompt = true;
    if (answer.FileName.isEmpty())
        return false;
    dialog_.FilterIndex = answer.FilterIndex;
    dialog_.InitialFolder = QFileInfo(answer.FileName).absolutePath() + QLatin1Char('/');

    // A typed extension of one of the offered formats chooses that format,
    // whichever filter is selected; any other typed extension stays and
    // the filter's is added to it.
    QString name = answer.FileName;
    const QString typed = ExtensionOfName(name).toLower();
    const bool text = typed == ExtensionOf(kTextFilter) ||
                      (typed != ExtensionOf(1) && answer.FilterIndex == kTextFilter);
    extension = text ? ExtensionOf(kTextFilter) : ExtensionOf(1);
    if (typed != extension) {
        name += extension;
        if (QFileInfo::exists(name) && c_.options.ConfirmOverwrite &&
            c_.boxes.Show(name + QCoreApplication::translate("TCatalogueSaving", "\rФайл базы данных уже существует.\r\n\n"
                                                "Заменить его?"),
                          state.Title, TMsgIcon::Warning, MbYesNo) != TMsgAnswer::Yes)
            return false;
    }

    if (text) {
        const bool loaded = LoadForExport(state.Title);
        TTree &tree = ShownTree();
        RunWrite(state.Title, name, tree, TRecordSource::Catalogue, [&](IWriteProgress &progress) {
            return WriteTextTreeFile(tree.Root(), name, progress, c_.fs);
        });
        EndExport(loaded);
        return false;
    }
    if (resultMode) {
        WriteSearchResults(name);
        return false;
    }
    // On failure the catalogue stays the file it was: nothing was written
    // under the new name.
    if (!WriteCatalogue(name))
        return false;
    TCatalogueDocument &document = c_.files.Document();
    document.FileName = name;
    document.DbName = QFileInfo(name).completeBaseName();
    document.DbReadOnly = false;
    c_.view.SetWindowCaption(document.DbName + QStringLiteral(" - ") +
                             c_.modes.State().AppCaption());
    return true;
}

void TCatalogueSaving::SaveInto()
{
    TSaveDialogState state = dialog_;
    state.Filter = kSaveIntoFilter();
    state.FilterIndex = 1;
    state.OverwritePrompt = false;
    state.Title = kSaveIntoTitle();
    state.FileName.clear();
    const QString title = state.Title;
    const TSaveDialogAnswer answer = c_.dialog.GetSaveFileName(state);
    if (answer.FileName.isEmpty())
        return;
    dialog_.InitialFolder = QFileInfo(answer.FileName).absolutePath() + QLatin1Char('/');
    QString name = answer.FileName;
    if (name.right(3).toLower() != QLatin1String(".db"))
        name += QStringLiteral(".db");
    if (!QFileInfo::exists(name)) {
        Warn(name + QCoreApplication::translate("TCatalogueSaving", "\rФайл базы данных не существует.\r\n\nПроверьте "
                                   "правильность указания пути и имени файла."),
             title);
        return;
    }
    const int format = CheckTableFormat(name, c_.status);
    if (format == TfNotCatalogue) {
        Warn(name + QCoreApplication::translate("TCatalogueSaving", "\rФайл базы данных недоступен или имеет неверный формат."
                                   "\r\n\nПроверьте его содержимое."),
             title);
        return;
    }
    if (format == TfOld) {
        QString error;
        const QString old = name;
        if (!UpgradeCatalogueTable(name, error, c_.status)) {
            Warn(old +
                     QCoreApplication::translate("TCatalogueSaving", "\rФайл базы данных имеет старый формат, однако в "
                                    "процессе\rобновления его структуры произошла ошибка."
                                    "\r\n\n") +
                     error + QCoreApplication::translate("TCatalogueSaving", "\r\n\nПоэтому текущая база данных не была сохранена."),
                 title);
            return;
        }
    }

    const bool results = c_.modes.DbState() == DbFound;
    const bool loaded = !results && LoadForExport(title);
    TTree &tree = results ? c_.searchTree : c_.catalogue;
    const TRecordSource source = results ? TRecordSource::Results : TRecordSource::Catalogue;
    const qint64 grows = EstimatedCatalogueSize(CountNodes(tree.Root()));
    if (HasRoomFor(QFileInfo(name).size() + grows, name, title)) {
        // Appending to the open catalogue's own file is this program's change:
        // the next Save must not take it for another program's.
        const bool ownFile = c_.files.CurrentOnDisk(name);
        const TWriteResult result =
            RunWrite(title, name, tree, source, [&](IWriteProgress &progress) {
                return AppendToCatalogueFile(tree.Root(), source, name, progress, c_.fs);
            });
        if (result.Ok() && ownFile)
            c_.files.RememberOnDisk(name);
        if (result.Ok() && !results)
            c_.modes.State().TotalText =
                QCoreApplication::translate("TCatalogueSaving", "Всего записей: ") + QString::number(result.records);
    }
    EndExport(loaded);
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.SelectionChange)
        c_.modes.hooks.SelectionChange(TTreeKind::Main);
}

} // namespace qbx
