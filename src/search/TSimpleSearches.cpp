#include "search/TSimpleSearches.h"
#include "tree/FieldCapacities.h"

#include "engine/Query.h"
#include "options/TOptions.h"
#include "platform/TextRules.h"
#include "search/SearchConditions.h"
#include "search/TFoundView.h"
#include "search/TSearchRunner.h"
#include "interaction/CommandState.h"
#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"
#include "tree/LastSearch.h"

#include <array>
#include "platform/Translations.h"

#include <QCoreApplication>

namespace qbx {

namespace {

std::array<TFieldSearch, 7> BuildFieldSearches()
{
    return {{
        {0, QStringLiteral("Label"), kLabelCapacity, QCoreApplication::translate("TSimpleSearches", "метку компакт-диска:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан компакт-диск с меткой \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать другой компакт-диск?")},
        {1, QStringLiteral("Path"), kPathCapacity, QCoreApplication::translate("TSimpleSearches", "полный путь к продукту:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт с полным путём \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать по другому полному пути?")},
        {7, QStringLiteral("Path"), kPathCapacity - 2, QCoreApplication::translate("TSimpleSearches", "расширение файла продукта:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан файл продукта с расширением \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать по другому расширению?")},
        {2, QStringLiteral("Producer"), kProducerCapacity,
         QCoreApplication::translate("TSimpleSearches", "наименование производителя:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт, произведённый \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать по другому производителю?")},
        {3, QStringLiteral("Product"), kProductCapacity, QCoreApplication::translate("TSimpleSearches", "название продукта:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт под названием \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать другой продукт?")},
        {4, QStringLiteral("Version"), kVersionCapacity, QCoreApplication::translate("TSimpleSearches", "версию продукта:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт версии \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать по другой версии?")},
        {6, QStringLiteral("Description"), kDescriptionCapacity,
         QCoreApplication::translate("TSimpleSearches", "описание продукта:"),
         QCoreApplication::translate("TSimpleSearches", "В базе данных нет продукта, описанного как \"%1\"."),
         QCoreApplication::translate("TSimpleSearches", "\rИскать по другому описанию?")},
    }};
}

// Built again when the language changes, in place.
const std::array<TFieldSearch, 7> &FieldSearches()
{
    static std::array<TFieldSearch, 7> searches = BuildFieldSearches();
    static int builtFor = LanguageGeneration();
    if (builtFor != LanguageGeneration()) {
        searches = BuildFieldSearches();
        builtFor = LanguageGeneration();
    }
    return searches;
}

// The search command of a field search's tag.
int FieldCommand(int tag)
{
    switch (tag) {
    case 0:
        return cmd::LabelSearchAction;
    case 1:
        return cmd::PathSearchAction;
    case 7:
        return cmd::ExtensionSearchAction;
    case 2:
        return cmd::ProducerSearchAction;
    case 3:
        return cmd::ProductSearchAction;
    case 4:
        return cmd::VersionSearchAction;
    default:
        return cmd::DescrSearchAction;
    }
}

// "%1" replaced by the text as typed; arg() would also read "%" signs of
// the text itself.
QString Format(QString message, const QString &text)
{
    return message.replace(QStringLiteral("%1"), text);
}

} // namespace

const TFieldSearch *FieldSearchOf(int tag)
{
    for (const TFieldSearch &f : FieldSearches())
        if (f.tag == tag)
            return &f;
    return nullptr;
}

TSimpleSearches::TSimpleSearches(TSimpleSearchContext context) : c_(std::move(context))
{
}

void TSimpleSearches::Begin(int command)
{
    if (c_.modes.DbState() == DbEntire && c_.modes.hooks.EndLabelEdit)
        c_.modes.hooks.EndLabelEdit();
    c_.defaultSearch.SetDefaultSearch(command);
}

int TSimpleSearches::Run(const QString &condition)
{
    c_.runner.ExecuteSearch(condition);
    return c_.runner.Query().IsOpen() ? int(c_.runner.Query().RecordCount()) : -1;
}

bool TSimpleSearches::AgainAfterNotFound(const QString &message, const QString &question)
{
    if (!c_.options.ConfirmResearch) {
        c_.boxes.Show(message, Title, TMsgIcon::Warning, MbOk);
        return false;
    }
    return c_.boxes.Show(message + question, Title, TMsgIcon::Warning, MbYesNo) == TMsgAnswer::Yes;
}

void TSimpleSearches::Show(int view)
{
    if (view >= 0 && view <= LastFoundViewSet - FirstFoundViewSet)
        c_.commands.SetChecked(CommandAt(FirstFoundViewSet + view), true);
    if (c_.results.OpenResults(true))
        c_.modes.SetDbState(DbFound);
}

void TSimpleSearches::RunGlobalSearch()
{
    Begin(cmd::GlobalSearchAction);
    const TStringSearchSetup setup{10, QCoreApplication::translate("TSimpleSearches", "Введите строку для поиска:"), kPathCapacity};
    TStringSearchAnswer answer;
    for (;;) {
        if (!c_.stringForm.Run(setup, GlobalSearchText, CurrentPresentation(c_.commands),
                               answer))
            return;
        GlobalSearchText = answer.text;
        QString condition =
            GlobalSearchCondition(answer.text, answer.substring, !answer.caseSensitive) +
            KindFilter(answer.kinds.discs, answer.kinds.folders, answer.kinds.files);
        int found = Run(condition);
        if (found < 0)
            return;
        if (const QString yo = YoFallbackCondition(answer.text, condition);
            found == 0 && !yo.isEmpty()) {
            condition = yo;
            found = Run(condition);
            if (found < 0)
                return;
        }
        if (found > 0) {
            c_.lastSearch.LastCondition = condition;
            c_.lastSearch.ResultName = MakeFileName(GlobalSearchText);
            break;
        }
        if (!AgainAfterNotFound(Format(QCoreApplication::translate("TSimpleSearches", "В базе данных не содержится строка \"%1\"."),
                                       GlobalSearchText),
                                QCoreApplication::translate("TSimpleSearches", "\rИскать другую строку?")))
            return;
    }
    Show(answer.kinds.view);
}

void TSimpleSearches::RunFieldSearch(int tag)
{
    const TFieldSearch *field = FieldSearchOf(tag);
    if (!field)
        return;
    Begin(FieldCommand(tag));
    const TStringSearchSetup setup{11, QCoreApplication::translate("TSimpleSearches", "Введите ") + field->prompt,
                                   field->maxLength};
    QString &remembered = FieldSearchText[size_t(tag)];
    TStringSearchAnswer answer;
    for (;;) {
        if (!c_.stringForm.Run(setup, remembered, CurrentPresentation(c_.commands), answer))
            return;
        remembered = answer.text;
        const QString condition =
            FieldSearchCondition(field->field, tag == 7, answer.text, answer.substring,
                                 !answer.caseSensitive) +
            KindFilter(answer.kinds.discs, answer.kinds.folders, answer.kinds.files);
        const int found = Run(condition);
        if (found < 0)
            return;
        if (found > 0) {
            c_.lastSearch.LastCondition = condition;
            c_.lastSearch.ResultName = MakeFileName(remembered);
            break;
        }
        if (!AgainAfterNotFound(Format(field->notFound, remembered), field->question))
            return;
    }
    Show(answer.kinds.view);
}

void TSimpleSearches::RunSizeSearch()
{
    Begin(cmd::SizeSearchAction);
    TSizeSearchAnswer answer;
    for (;;) {
        if (!c_.sizeForm.Run(CurrentPresentation(c_.commands), answer))
            return;
        const bool range = !answer.toBytes.isEmpty();
        const int64_t from = TextToInt64(answer.fromBytes);
        const QString condition =
            (range ? SizeRangeCondition(from, TextToInt64(answer.toBytes))
                   : SizeExactCondition(from)) +
            KindFilter(answer.kinds.discs, answer.kinds.folders, answer.kinds.files);
        const int found = Run(condition);
        if (found < 0)
            return;
        if (found > 0) {
            c_.lastSearch.LastCondition = condition;
            c_.lastSearch.ResultName = MakeFileName(answer.fromBytes);
            break;
        }
        const QString message =
            range ? QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт размером от %1 до %2 %3.")
                        .arg(answer.from)
                        .arg(answer.to)
                        .arg(answer.unitText)
                  : QCoreApplication::translate("TSimpleSearches", "В базе данных не описан продукт размером %1 %2.")
                        .arg(answer.from)
                        .arg(answer.unitText);
        if (!AgainAfterNotFound(message, QCoreApplication::translate("TSimpleSearches", "\rИскать продукт другого размера?")))
            return;
    }
    Show(answer.kinds.view);
}

} // namespace qbx
