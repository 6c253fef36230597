#include "search/TQueryEditor.h"

#include "options/TOptions.h"
#include "platform/AtomicFile.h"
#include "platform/Codec.h"
#include "search/IQueryFileDialogs.h"
#include "search/QueryComparison.h"
#include "search/QueryCondition.h"
#include "search/SearchConditions.h"
#include "interaction/MessageBoxes.h"
#include "interaction/WindowState.h"
#include "storage/CatalogueDocument.h"
#include "storage/CatalogueFields.h"

#include <algorithm>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kQueryFilter()
{
    return QCoreApplication::translate("TQueryEditor", "Запрос по компакт-дискам (*.cdq)|*.cdq|Все файлы (*.*)|*.*");
}
QString kCheckTitle()
{
    return QCoreApplication::translate("TQueryEditor", "Проверка запроса");
}

bool IsLogicWord(const QString &item)
{
    return item == kQueryAndCaption || item == kQueryOrCaption || item == kQueryNotCaption;
}

int KindOfWord(const QString &item)
{
    return item == kQueryAndCaption ? QkAnd : item == kQueryOrCaption ? QkOr : QkNot;
}

} // namespace

TQueryEditor::TQueryEditor(const TOptions &options, const TWindowState &window,
                           TCatalogueDocument &document, IMessageBoxes &boxes,
                           IQueryFileDialogs &dialogs)
    : writeFile([](const QString &name, const QByteArray &bytes, QString *error) {
          return WriteFileAtomically(name, bytes, error);
      }),
      options_(options), window_(window), document_(document), boxes_(boxes), dialogs_(dialogs)
{
    openDialog_.Title = QCoreApplication::translate("TQueryEditor", "Загрузка сложного запроса");
    saveDialog_.Title = QCoreApplication::translate("TQueryEditor", "Сохранение сложного запроса");
    openDialog_.Filter = saveDialog_.Filter = kQueryFilter();
    selected_ = model_.Top();
    Refresh();
}

void TQueryEditor::Notify()
{
    if (changed)
        changed();
}

void TQueryEditor::PrepareToShow()
{
    if (document_.QueryFilePending) {
        document_.QueryFilePending = false;
        LoadQueryFile(openDialog_.FileName);
    }
    if (c_.unit < 0)
        c_.unit = SuByte;
    UpdateOkEnabled();
    Notify();
}

void TQueryEditor::Select(TQueryNode *node)
{
    selected_ = node ? node : model_.Top();
    Refresh();
    Notify();
}

void TQueryEditor::SetForm(TOperandForm form)
{
    if (form != c_.form)
        c_.caseSensitive = false;
    c_.form = form;
    c_.caseEnabled = form == TOperandForm::Text;
}

void TQueryEditor::SetFieldLists(int field)
{
    c_.field = field;
    const bool size = field == CfByteSize;
    c_.operators = size ? QuerySizeOperators() : QueryTextOperators();
    c_.op = -1;
    SetForm(size ? TOperandForm::Size : TOperandForm::Text);
}

void TQueryEditor::Refresh()
{
    const TQueryNode &node = *selected_;
    const int kind = node.Kind();
    const bool roomBelow = node.Depth() < kMaxQueryDepth;
    c_.deleteItem = kind != QkTop;
    c_.newEnabled = c_.saveEnabled = kind != QkTop || model_.Top()->ChildCount() > 0;
    if (kind == QkCompare) {
        c_.addBoolean = c_.addCompare = false;
        c_.fieldEnabled = c_.operatorEnabled = true;
        const TComparison parsed = ParseComparison(node.Caption());
        if (parsed.valid) {
            SetFieldLists(parsed.field);
            c_.op = int(c_.operators.indexOf(parsed.op));
            if (parsed.unit >= 0) {
                c_.number = int(std::clamp<qint64>(TextToInt64(parsed.value), 0, 2147483647));
                c_.unit = parsed.unit;
            } else {
                c_.value = parsed.value;
                c_.caseSensitive = parsed.caseSensitive;
            }
        } else {
            c_.field = -1;
            c_.operators = QueryTextOperators();
            c_.op = -1;
            SetForm(TOperandForm::Text);
            c_.value.clear();
            c_.number = 0;
            c_.caseSensitive = false;
        }
    } else {
        c_.addBoolean = c_.addCompare = roomBelow && (kind != QkNot || node.ChildCount() == 0);
        c_.fieldEnabled = false;
        c_.field = -1;
        c_.operatorEnabled = kind != QkTop;
        c_.operators.clear();
        c_.op = -1;
        if (kind != QkTop) {
            c_.operators = QStringList{kQueryAndCaption, kQueryOrCaption};
            if (kind == QkNot || node.ChildCount() < 2)
                c_.operators << kQueryNotCaption;
            c_.op = kind - QkAnd;
        }
        SetForm(TOperandForm::Disabled);
        c_.value.clear();
    }
    UpdateOkEnabled();
}

void TQueryEditor::UpdateOkEnabled()
{
    // More than the bare "?": a child below it, or a logic node on top.
    const bool query = model_.Top()->ChildCount() > 0 || model_.Top()->Kind() != QkTop;
    c_.okEnabled = window_.DbState() != DbNone && query && (c_.cd || c_.folder || c_.file);
}

void TQueryEditor::AddBoolean()
{
    if (!c_.addBoolean)
        return;
    if (selected_->Kind() == QkTop)
        model_.SetNode(selected_, kQueryOrCaption, QkOr);
    else
        model_.AddChild(selected_, kQueryOrCaption, QkOr);
    if (expand)
        expand(selected_);
    Select(selected_);
}

void TQueryEditor::AddCompare()
{
    if (!c_.addCompare)
        return;
    model_.AddChild(selected_, kQueryUndefinedCaption, QkCompare);
    if (expand)
        expand(selected_);
    if (selected_->Kind() == QkTop && selected_->ChildCount() > 1)
        model_.SetNode(selected_, kQueryAndCaption, QkAnd);
    Select(selected_);
}

void TQueryEditor::DeleteSelected()
{
    TQueryNode *node = selected_;
    TQueryNode *parent = node->Parent();
    if (!parent) {
        ReplaceTree(std::make_unique<TQueryTree>());
        return;
    }
    const int row = node->Row();
    TQueryNode *next = row + 1 < parent->ChildCount() ? parent->Child(row + 1)
                       : row > 0                      ? parent->Child(row - 1)
                                                      : parent;
    selected_ = next; // never left pointing at the removed node
    model_.Remove(node);
    Select(next);
}

void TQueryEditor::ReplaceTree(std::unique_ptr<TQueryTree> tree)
{
    // The selection moves first: the views ask for it while the model resets.
    selected_ = tree->Top();
    model_.Reset(std::move(tree));
    Select(selected_);
}

void TQueryEditor::ClearQuery()
{
    selected_ = model_.Top();
    DeleteSelected();
}

void TQueryEditor::ChooseField(int field)
{
    if (selected_->Kind() != QkCompare || field < 0 || field >= CfCount)
        return;
    SetFieldLists(field);
    UpdateComparison();
}

void TQueryEditor::ChooseOperator(int index)
{
    if (index < 0 || index >= c_.operators.size())
        return;
    const QString item = c_.operators[index];
    if (IsLogicWord(item)) {
        model_.SetNode(selected_, item, KindOfWord(item));
        Select(selected_);
        return;
    }
    c_.op = index;
    UpdateComparison();
}

void TQueryEditor::SetValue(const QString &value)
{
    c_.value = value;
    UpdateComparison();
}

void TQueryEditor::SetNumber(int number)
{
    c_.number = number;
    UpdateComparison();
}

void TQueryEditor::ChooseUnit(int unit)
{
    c_.unit = unit;
    UpdateComparison();
}

void TQueryEditor::SetMatchCase(bool on)
{
    c_.caseSensitive = on;
    UpdateComparison();
}

void TQueryEditor::UpdateComparison()
{
    if (selected_->Kind() != QkCompare)
        return;
    QString value;
    if (c_.form == TOperandForm::Text) {
        // A line break would split the node's line in a query file.
        value = c_.value;
        value.replace(u'\r', u' ').replace(u'\n', u' ');
        // Typed text meets the catalogue's code page as names do: accents
        // that 1251 lacks are dropped. Text it cannot hold at all stays, and
        // is refused when the query is saved or searched.
        value = codec::ToCatalogueText(value).value_or(value);
    } else if (c_.unit >= 0 && c_.unit < QuerySizeUnits().size()) {
        value = QString::number(c_.number) + u' ' + QuerySizeUnits()[c_.unit];
    }
    QString caption = kQueryUndefinedCaption;
    if (c_.field >= 0 && c_.op >= 0 && !value.isEmpty())
        caption = ComparisonCaption(QueryFieldNames()[c_.field], c_.operators[c_.op], value,
                                    c_.caseSensitive);
    model_.SetNode(selected_, caption, QkCompare);
    UpdateOkEnabled();
    Notify();
}

void TQueryEditor::SetKinds(bool cd, bool folder, bool file)
{
    c_.cd = cd;
    c_.folder = folder;
    c_.file = file;
    UpdateOkEnabled();
    Notify();
}

bool TQueryEditor::CanDrop(const TQueryNode *dragged, const TQueryNode *target) const
{
    if (!dragged || !target || dragged == model_.Top())
        return false;
    if (target == dragged)
        return true;
    if (target == dragged->Parent() || dragged->Contains(target))
        return false;
    const int kind = target->Kind();
    const bool takesChildren = kind == QkTop || kind == QkAnd || kind == QkOr ||
                               (kind == QkNot && target->ChildCount() == 0);
    return takesChildren && target->Depth() + 1 + dragged->Height() <= kMaxQueryDepth;
}

void TQueryEditor::Drop(TQueryNode *dragged, TQueryNode *target)
{
    if (!CanDrop(dragged, target) || target == dragged)
        return;
    model_.Move(dragged, target);
    // A second child under "?" makes it "И", as adding a comparison does, so
    // the tree keeps meaning what it shows and its file stays loadable.
    if (target->Kind() == QkTop && target->ChildCount() > 1)
        model_.SetNode(target, kQueryAndCaption, QkAnd);
    if (expand)
        expand(target);
    Select(dragged);
}

bool TQueryEditor::Accept()
{
    if (!c_.okEnabled)
        return false;
    // Every node in tree order; the first refused problem keeps the dialog open.
    std::vector<TQueryNode *> nodes;
    model_.Tree().Visit([&nodes](TQueryNode &n) { nodes.push_back(&n); });
    for (TQueryNode *node : nodes) {
        const int kind = node->Kind();
        QString problem;
        if ((kind == QkAnd || kind == QkOr) && node->ChildCount() < 2 && options_.ConfirmEffectless)
            problem = QCoreApplication::translate("TQueryEditor", "В дереве запроса неэффективно использован оператор %1.\r"
                                     "Пропустить?")
                          .arg(node->Caption());
        else if (kind == QkNot && node->ChildCount() == 0 && options_.ConfirmEffectless)
            problem = QCoreApplication::translate("TQueryEditor", "В дереве запроса неэффективно использован оператор НЕ.\r"
                                     "Пропустить?");
        if (kind == QkCompare && node->Caption() == kQueryUndefinedCaption) {
            Select(node);
            boxes_.Show(QCoreApplication::translate("TQueryEditor", "В дереве запроса не полностью определено сравнение.\r"
                                       "Необходимо это исправить."),
                        kCheckTitle(), TMsgIcon::Warning, MbOk);
            return false;
        }
        if (problem.isEmpty())
            continue;
        Select(node);
        if (boxes_.Show(problem, kCheckTitle(), TMsgIcon::Warning, MbYesNo) != TMsgAnswer::Yes)
            return false;
    }
    const QString condition = BuildCondition(*model_.Top());
    if (condition.isEmpty()) {
        boxes_.Show(QCoreApplication::translate("TQueryEditor", "С логической точки зрения запрос пуст,\r"
                                   "и поэтому он не будет выполнен."),
                    kCheckTitle(), TMsgIcon::Warning, MbOk);
        return false;
    }
    condition_ = QueryCondition(condition, c_.cd, c_.folder, c_.file);
    return true;
}

} // namespace qbx
