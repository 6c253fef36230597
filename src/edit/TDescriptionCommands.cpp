#include "edit/TDescriptionCommands.h"

#include "edit/ItemNames.h"
#include "edit/TEditValues.h"
#include "edit/TItemOperations.h"
#include "interaction/CommandState.h"
#include "interaction/UnsavedChanges.h"
#include "interaction/MessageBoxes.h"
#include "interaction/WindowState.h"
#include "storage/CatalogueDocument.h"
#include "tree/TDescriptionPane.h"
#include "tree/TCatalogueTree.h"
#include "tree/TTreeModel.h"
#include <QCoreApplication>

namespace qbx {

QString DescriptionClipboardText(const QString &producer, const QString &product,
                                 const QString &version, const QString &description)
{
    return producer + u'\r' + product + u'\r' + version + u'\r' + description;
}

std::array<QString, 4> ParseDescriptionClipboard(const QString &text)
{
    static constexpr qsizetype capacity[4] = {
        TItemDescription::ProducerCapacity, TItemDescription::ProductCapacity,
        TItemDescription::VersionCapacity, TItemDescription::DescriptionCapacity};
    std::array<QString, 4> values;
    const QString all = text + u'\r';
    qsizetype pos = 0;
    for (size_t i = 0; i < values.size() && pos < all.size(); ++i) {
        const qsizetype cr = all.indexOf(u'\r', pos);
        values[i] = text::Cut(all.mid(pos, cr - pos), capacity[i]);
        pos = cr + 1;
        if (pos < all.size() && all[pos] == u'\n')
            ++pos;
    }
    return values;
}

TDescriptionCommands::TDescriptionCommands(TDeps deps) : d_(std::move(deps))
{
}

void TDescriptionCommands::Changed()
{
    d_.unsaved.Set(true);
    if (SelectionChanged)
        SelectionChanged();
}

void TDescriptionCommands::EditDescription()
{
    if (d_.window.DbState() == DbFound) {
        d_.items.AskEditorFromResults();
        return;
    }
    if (d_.window.DbState() != DbEntire)
        return;
    d_.items.EndLabelEdit();
    TEditValues v;
    v.Label = d_.pane.RowText(0);
    v.Path = d_.pane.RowText(1);
    v.Producer = d_.pane.RowText(2);
    v.Product = d_.pane.RowText(3);
    v.Version = d_.pane.RowText(4);
    v.Size = d_.pane.SelSize;
    v.Descr = d_.pane.RowText(6);
    switch (d_.pane.EditFieldRow) {
    case 0:
        v.FirstControl = FieldLabel;
        break;
    case 1:
        v.FirstControl = FieldPath;
        break;
    case 3:
        v.FirstControl = FieldProduct;
        break;
    case 4:
        v.FirstControl = FieldVersion;
        break;
    case 5:
        v.FirstControl = FieldSize;
        break;
    case 6:
        v.FirstControl = FieldDescr;
        break;
    default:
        v.FirstControl = FieldProducer;
        break;
    }
    if (!d_.editor.Execute(v))
        return;

    TTree &tree = d_.catalogue.Tree();
    const std::vector<TTreeNode *> selected = d_.model.SelectedNodes();
    bool tooLong = false;
    if (v.KindChange == 1 || v.KindChange == 2) {
        for (TTreeNode *n : selected) {
            if (n->Image() < ImageFolder)
                continue; // only folders and files change their kind
            if (v.KindChange == 1) {
                tree.SetImage(n, ImageFile);
            } else if (n->Image() == ImageFile && !FitsAsFolder(n)) {
                tooLong = true; // stays a file; told below
            } else {
                tree.SetImage(n, n->HasChildren() && d_.items.IsExpanded(n) ? ImageFolderOpen
                                                                            : ImageFolder);
            }
        }
        d_.unsaved.Set(true);
    }
    if (tooLong)
        d_.boxes.Show(PathTooLongText(), QCoreApplication::translate("TDescriptionCommands", "Редактирование описания"),
                      TMsgIcon::Warning, MbOk);
    if (!v.DescrChanged) {
        if (v.KindChange && SelectionChanged)
            SelectionChanged();
        return;
    }
    const bool blank = v.Producer.isEmpty() && v.Product.isEmpty() && v.Version.isEmpty() &&
                       v.Descr.isEmpty() && v.Size == 0;
    for (TTreeNode *n : selected) {
        if (n == tree.Root())
            continue;
        tree.SetDescription(n, blank ? nullptr
                                     : std::make_unique<TItemDescription>(TItemDescription::Make(
                                           v.Producer, v.Product, v.Version, v.Size, v.Descr)));
    }
    Changed();
}

void TDescriptionCommands::CopyDescription()
{
    if (d_.window.DbState() == DbEntire)
        d_.items.EndLabelEdit();
    d_.clipboard.SetText(
        DescriptionClipboardText(d_.pane.RowText(2), d_.pane.RowText(3), d_.pane.RowText(4), d_.pane.RowText(6)));
}

void TDescriptionCommands::CutDescription()
{
    CopyDescription();
    DeleteDescription();
}

void TDescriptionCommands::DeleteDescription()
{
    if (d_.window.DbState() != DbEntire)
        return;
    d_.items.EndLabelEdit();
    TTree &tree = d_.catalogue.Tree();
    for (TTreeNode *n : d_.model.SelectedNodes()) {
        if (n->Description())
            tree.SetDescription(n, nullptr);
    }
    Changed();
}

void TDescriptionCommands::PasteDescription()
{
    if (d_.window.DbState() != DbEntire)
        return;
    d_.items.EndLabelEdit();
    if (!d_.clipboard.HasText())
        return;
    std::array<QString, 4> values = ParseDescriptionClipboard(d_.clipboard.Text());
    for (QString &value : values) {
        const std::optional<QString> typed = TypedText(value);
        if (!typed) {
            d_.boxes.Show(QCoreApplication::translate("TDescriptionCommands", "Описание в буфере обмена содержит символы, которые "
                                         "нельзя сохранить в базе данных.\rВставка отменена."),
                          QCoreApplication::translate("TDescriptionCommands", "Вставка описания"), TMsgIcon::Warning, MbOk);
            return;
        }
        value = *typed;
    }
    TTree &tree = d_.catalogue.Tree();
    for (TTreeNode *n : d_.model.SelectedNodes()) {
        if (n == tree.Root())
            continue;
        const int64_t size = n->Description() ? n->Description()->Size : 0;
        // Every item gets the pasted texts, four empty ones too: an item
        // without a description gets one of size 0.
        tree.SetDescription(n, std::make_unique<TItemDescription>(TItemDescription::Make(
                                   values[0], values[1], values[2], size, values[3])));
    }
    Changed();
}

} // namespace qbx
