#include "interaction/CommandTable.h"

#include "platform/Translations.h"

#include <QCoreApplication>

#include <iterator>

namespace qbx {

namespace {

// One row of the command table as compile-time data. C(X) gives the id and
// the name from one spelling, so a name cannot drift from its id.
struct TCommandRow {
    cmd::Id id;
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
    std::array<const char *, 2> shortcuts;
    const char *handler;
    int group = 0;
    int tag = 0;
    int image = -1;
};

using K = std::array<const char *, 2>;
#define C(id) cmd::id, #id

constexpr TCommandRow Rows[] = {
    {C(AddTreeAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Добавить дерево файлов..."), QT_TRANSLATE_NOOP("Commands", "Добавить дерево файлов и папок"),
     K{"Ctrl+T"}, "AddTreeClick", 0, 0, 3},
    {C(CreateDbAction), "File", QT_TRANSLATE_NOOP("Commands", "Создать"), QT_TRANSLATE_NOOP("Commands", "Создать новую базу данных"), K{"Ctrl+N"},
     "CreateDbClick", 0, 0, 0},
    {C(OpenDbAction), "File", QT_TRANSLATE_NOOP("Commands", "Открыть..."), QT_TRANSLATE_NOOP("Commands", "Открыть существующую базу данных"), K{"Ctrl+O"},
     "OpenDbClick", 0, 0, 1},
    {C(AddDbAction), "File", QT_TRANSLATE_NOOP("Commands", "Добавить..."), QT_TRANSLATE_NOOP("Commands", "Добавить существующую базу данных к текущей"), K{},
     "AddDbClick"},
    {C(SaveDbAction), "File", QT_TRANSLATE_NOOP("Commands", "Сохранить"), QT_TRANSLATE_NOOP("Commands", "Сохранить текущую базу данных"), K{"Ctrl+S"},
     "SaveDbClick", 0, 0, 2},
    {C(SaveDbAsAction), "File", QT_TRANSLATE_NOOP("Commands", "Сохранить как..."), QT_TRANSLATE_NOOP("Commands", "Сохранить текущую базу данных под новым именем"), K{}, "SaveDbAsClick"},
    {C(SaveDbToAction), "File", QT_TRANSLATE_NOOP("Commands", "Сохранить в..."), QT_TRANSLATE_NOOP("Commands", "Сохранить текущую базу данных добавлением в существующую"), K{}, "SaveDbToClick"},
    {C(CloseDbAction), "File", QT_TRANSLATE_NOOP("Commands", "Закрыть"), QT_TRANSLATE_NOOP("Commands", "Закрыть текущую базу данных"), K{"Ctrl+F4"},
     "CloseDbClick"},
    {C(ExitAppAction), "File", QT_TRANSLATE_NOOP("Commands", "Выход"), QT_TRANSLATE_NOOP("Commands", "Выход из программы"), K{"Alt+F4"}, "ExitAppClick"},
    {C(AddSubitemAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Добавить подэлемент"), QT_TRANSLATE_NOOP("Commands", "Добавить подэлемент в дерево"), K{"Ins"},
     "AddSubitemClick"},
    {C(RenameItemAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Переименовать элемент"), QT_TRANSLATE_NOOP("Commands", "Переименовать элемент дерева"), K{"F2"},
     "RenameItemClick"},
    {C(FolderFileAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Преобразовать папку/файл"), QT_TRANSLATE_NOOP("Commands", "Преобразовать папку в файл или наоборот"), K{"Alt+F2"}, "FolderFileClick"},
    {C(CalculateSizeAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Рассчитать размер"), QT_TRANSLATE_NOOP("Commands", "Рассчитать размер диска или папки по сумме размеров подэлементов"), K{"="},
     "CalculateSizeClick"},
    {C(DeleteItemAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Удалить элемент(ы)..."), QT_TRANSLATE_NOOP("Commands", "Удалить элемент(ы) из дерева"), K{"Del"},
     "DeleteItemClick"},
    {C(DeleteSubitemsAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Удалить все подэлементы..."), QT_TRANSLATE_NOOP("Commands", "Удалить все подэлементы из дерева"), K{"Alt+Del"}, "DeleteSubitemsClick"},
    {C(PasteDescrAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Вставить описание"), QT_TRANSLATE_NOOP("Commands", "Вставить описание элемента дерева из буфера обмена"), K{"Shift+Ins", "Ctrl+V"},
     "PasteDescrClick"},
    {C(CopyDescrAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Копировать описание"), QT_TRANSLATE_NOOP("Commands", "Копировать описание элемента дерева в буфер обмена"), K{"Ctrl+Ins", "Ctrl+C"},
     "CopyDescrClick"},
    // Enter on the main keyboard is Return; the keypad key is Enter.
    {C(EditDescrAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Изменить описание..."), QT_TRANSLATE_NOOP("Commands", "Изменить описание элемента дерева"),
     K{"Alt+Enter", "Alt+Return"}, "EditDescrClick", 0, 0, 4},
    {C(CutDescrAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Вырезать описание"), QT_TRANSLATE_NOOP("Commands", "Вырезать описание элемента дерева и поместить его в буфер обмена"), K{"Shift+Del", "Ctrl+X"},
     "CutDescrClick"},
    {C(DeleteDescrAction), "Edit", QT_TRANSLATE_NOOP("Commands", "Удалить описание"), QT_TRANSLATE_NOOP("Commands", "Удалить описание элемента дерева"),
     K{"Ctrl+Del"}, "DeleteDescrClick"},
    {C(GlobalSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Глобальный поиск..."), QT_TRANSLATE_NOOP("Commands", "Глобальный поиск в текущей базе данных"), K{"Ctrl+F"}, "GlobalSearchClick", 0, 0, 5},
    {C(LabelSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Метка компакт-диска..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по метке компакт-диска"), K{}, "FieldSearchClick"},
    {C(PathSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Полный путь..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по полному пути"),
     K{}, "FieldSearchClick", 0, 1},
    {C(ExtensionSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Расширение файла..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по расширению файла"), K{}, "FieldSearchClick", 0, 7},
    {C(ProducerSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Производитель..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по производителю"), K{}, "FieldSearchClick", 0, 2},
    {C(ProductSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Продукт..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по продукту"), K{},
     "FieldSearchClick", 0, 3},
    {C(VersionSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Версия..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по версии"), K{},
     "FieldSearchClick", 0, 4},
    {C(SizeSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Размер..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по размеру"), K{},
     "SizeSearchClick", 0, 5},
    {C(DescrSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Описание..."), QT_TRANSLATE_NOOP("Commands", "Поиск в текущей базе данных по описанию"), K{},
     "FieldSearchClick", 0, 6},
    {C(ComplexSearchAction), "Search", QT_TRANSLATE_NOOP("Commands", "Сложный поиск..."), QT_TRANSLATE_NOOP("Commands", "Сложный поиск в текущей базе данных"),
     K{"Alt+F"}, "ComplexSearchClick", 0, 0, 6},
    {C(EntireViewAction), "View", QT_TRANSLATE_NOOP("Commands", "Всё содержимое"), QT_TRANSLATE_NOOP("Commands", "Режим просмотра и редактирования всей базы данных"), K{"Ctrl+E"}, "EntireViewClick", 1, 0, 7},
    {C(FoundViewAction), "View", QT_TRANSLATE_NOOP("Commands", "Результаты поиска"), QT_TRANSLATE_NOOP("Commands", "Режим просмотра результатов поиска в базе данных"), K{"Ctrl+R"}, "FoundViewClick", 1, 0, 8},
    {C(FoundViewStandardAction), "View", QT_TRANSLATE_NOOP("Commands", "Стандартные результаты"), QT_TRANSLATE_NOOP("Commands", "Стандартное представление результатов поиска в виде дерева файлов"), K{"Ctrl+1"},
     "FoundViewSetClick", 2},
    {C(FoundViewProducerAction), "View", QT_TRANSLATE_NOOP("Commands", "По производителям"), QT_TRANSLATE_NOOP("Commands", "Иерархическое представление результатов поиска с группировкой по производителям"), K{"Ctrl+2"},
     "FoundViewSetClick", 2, 1},
    {C(FoundViewListAction), "View", QT_TRANSLATE_NOOP("Commands", "В виде списка"), QT_TRANSLATE_NOOP("Commands", "Представление результатов поиска в виде списка полных путей"), K{"Ctrl+3"},
     "FoundViewSetClick", 2, 2},
    {C(FoundViewLeafAction), "View", QT_TRANSLATE_NOOP("Commands", "В виде списка листьев"), QT_TRANSLATE_NOOP("Commands", "Представление результатов поиска в виде списка оконечных элементов"), K{"Ctrl+4"},
     "FoundViewSetClick", 2, 3},
    {C(ExpandNodeAction), "View", QT_TRANSLATE_NOOP("Commands", "Развернуть"), QT_TRANSLATE_NOOP("Commands", "Показать подэлементы текущего элемента дерева"),
     K{}, "ExpandNodeClick"},
    {C(ExpandNodesAction), "View", QT_TRANSLATE_NOOP("Commands", "Развернуть все"), QT_TRANSLATE_NOOP("Commands", "Показать все подэлементы текущего элемента дерева"), K{}, "ExpandNodesClick"},
    {C(CollapseNodeAction), "View", QT_TRANSLATE_NOOP("Commands", "Свернуть"), QT_TRANSLATE_NOOP("Commands", "Скрыть подэлементы текущего элемента дерева"), K{},
     "CollapseNodeClick"},
    {C(CollapseNodesAction), "View", QT_TRANSLATE_NOOP("Commands", "Свернуть все"), QT_TRANSLATE_NOOP("Commands", "Скрыть все подэлементы текущего элемента дерева"), K{}, "CollapseNodesClick"},
    {C(SizeByteAction), "View", QT_TRANSLATE_NOOP("Commands", "Байты"), QT_TRANSLATE_NOOP("Commands", "Отображение всех размеров элементов в байтах"), K{},
     "SizeUnitClick", 3},
    {C(SizeKByteAction), "View", QT_TRANSLATE_NOOP("Commands", "Килобайты"), QT_TRANSLATE_NOOP("Commands", "Отображение всех размеров элементов в килобайтах"),
     K{}, "SizeUnitClick", 3, 1},
    {C(SizeMByteAction), "View", QT_TRANSLATE_NOOP("Commands", "Мегабайты"), QT_TRANSLATE_NOOP("Commands", "Отображение всех размеров элементов в мегабайтах"),
     K{}, "SizeUnitClick", 3, 2},
    {C(SizeGByteAction), "View", QT_TRANSLATE_NOOP("Commands", "Гигабайты"), QT_TRANSLATE_NOOP("Commands", "Отображение всех размеров элементов в гигабайтах"),
     K{}, "SizeUnitClick", 3, 3},
    {C(SizeAutoAction), "View", QT_TRANSLATE_NOOP("Commands", "Автоматически"), QT_TRANSLATE_NOOP("Commands", "Автоматическое определение оптимальной единицы размера элемента"), K{}, "SizeUnitClick", 3, 4},
    {C(StatisticsAction), "Overview", QT_TRANSLATE_NOOP("Commands", "Статистика каталога..."),
     QT_TRANSLATE_NOOP("Commands", "Папки, файлы и размеры по дискам и расширениям, самые большие файлы"), K{}, "StatisticsClick"},
    {C(DuplicatesAction), "Overview", QT_TRANSLATE_NOOP("Commands", "Поиск дубликатов..."),
     QT_TRANSLATE_NOOP("Commands", "Поиск файлов с одинаковыми именами и размерами"), K{}, "DuplicatesClick"},
    {C(AppOptionsAction), "Tuning", QT_TRANSLATE_NOOP("Commands", "Параметры..."), QT_TRANSLATE_NOOP("Commands", "Работа с параметрами программы"), K{},
     "AppOptionsClick"},
    {C(DefaultOptionsAction), "Tuning", QT_TRANSLATE_NOOP("Commands", "По умолчанию..."), QT_TRANSLATE_NOOP("Commands", "Установка значений параметров по умолчанию"), K{}, "DefaultOptionsClick"},
    {C(HelpContentsAction), "Help", QT_TRANSLATE_NOOP("Commands", "Содержание"), QT_TRANSLATE_NOOP("Commands", "Содержание помощи к программе"), K{"F1"},
     "HelpContentsClick"},
    {C(AboutAppAction), "Help", QT_TRANSLATE_NOOP("Commands", "О программе..."), QT_TRANSLATE_NOOP("Commands", "Краткая информация о программе"), K{},
     "AboutAppClick"},
};

#undef C

// Every command has exactly one row, in the order of cmd::Id.
constexpr bool RowsInListOrder()
{
    for (int i = 0; i < int(std::size(Rows)); ++i) {
        if (Rows[i].id != i)
            return false;
    }
    return true;
}
static_assert(std::size(Rows) == cmd::Count && RowsInListOrder(),
              "the command table must list every command once, in the order of cmd::Id");

TCommandTable BuildTable()
{
    TCommandTable t;
    for (const TCommandRow &row : Rows) {
        TCommandDef &d = t[row.id];
        d.name = QString::fromUtf8(row.name);
        d.category = QString::fromUtf8(row.category);
        d.caption = QCoreApplication::translate("Commands", row.caption);
        d.hint = QCoreApplication::translate("Commands", row.hint);
        for (const char *key : row.shortcuts) {
            if (key)
                d.shortcuts << QString::fromUtf8(key);
        }
        d.handler = QString::fromUtf8(row.handler);
        d.group = row.group;
        d.tag = row.tag;
        d.image = row.image;
    }
    t[cmd::FoundViewStandardAction].checked = true;
    return t;
}

} // namespace

const TCommandTable &CommandTable()
{
    // Built again when the language changes, in place, so references that
    // callers keep stay valid.
    static TCommandTable table = BuildTable();
    static int builtFor = LanguageGeneration();
    if (builtFor != LanguageGeneration()) {
        table = BuildTable();
        builtFor = LanguageGeneration();
    }
    return table;
}

} // namespace qbx
