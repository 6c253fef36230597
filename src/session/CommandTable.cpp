#include "session/CommandTable.h"

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
    {C(AddTreeAction), "Edit", "Добавить дерево файлов...", "Добавить дерево файлов и папок",
     K{"Ctrl+T"}, "AddTreeClick", 0, 0, 3},
    {C(CreateDbAction), "File", "Создать", "Создать новую базу данных", K{"Ctrl+N"},
     "CreateDbClick", 0, 0, 0},
    {C(OpenDbAction), "File", "Открыть...", "Открыть существующую базу данных", K{"Ctrl+O"},
     "OpenDbClick", 0, 0, 1},
    {C(AddDbAction), "File", "Добавить...", "Добавить существующую базу данных к текущей", K{},
     "AddDbClick"},
    {C(SaveDbAction), "File", "Сохранить", "Сохранить текущую базу данных", K{"Ctrl+S"},
     "SaveDbClick", 0, 0, 2},
    {C(SaveDbAsAction), "File", "Сохранить как...",
     "Сохранить текущую базу данных под новым именем", K{}, "SaveDbAsClick"},
    {C(SaveDbToAction), "File", "Сохранить в...",
     "Сохранить текущую базу данных добавлением в существующую", K{}, "SaveDbToClick"},
    {C(CloseDbAction), "File", "Закрыть", "Закрыть текущую базу данных", K{"Ctrl+F4"},
     "CloseDbClick"},
    {C(ExitAppAction), "File", "Выход", "Выход из программы", K{"Alt+F4"}, "ExitAppClick"},
    {C(AddSubitemAction), "Edit", "Добавить подэлемент", "Добавить подэлемент в дерево", K{"Ins"},
     "AddSubitemClick"},
    {C(RenameItemAction), "Edit", "Переименовать элемент", "Переименовать элемент дерева", K{"F2"},
     "RenameItemClick"},
    {C(FolderFileAction), "Edit", "Преобразовать папку/файл",
     "Преобразовать папку в файл или наоборот", K{"Alt+F2"}, "FolderFileClick"},
    {C(CalculateSizeAction), "Edit", "Рассчитать размер",
     "Рассчитать размер диска или папки по сумме размеров подэлементов", K{"="},
     "CalculateSizeClick"},
    {C(DeleteItemAction), "Edit", "Удалить элемент(ы)...", "Удалить элемент(ы) из дерева", K{"Del"},
     "DeleteItemClick"},
    {C(DeleteSubitemsAction), "Edit", "Удалить все подэлементы...",
     "Удалить все подэлементы из дерева", K{"Alt+Del"}, "DeleteSubitemsClick"},
    {C(PasteDescrAction), "Edit", "Вставить описание",
     "Вставить описание элемента дерева из буфера обмена", K{"Shift+Ins", "Ctrl+V"},
     "PasteDescrClick"},
    {C(CopyDescrAction), "Edit", "Копировать описание",
     "Копировать описание элемента дерева в буфер обмена", K{"Ctrl+Ins", "Ctrl+C"},
     "CopyDescrClick"},
    // Enter on the main keyboard is Return; the keypad key is Enter.
    {C(EditDescrAction), "Edit", "Изменить описание...", "Изменить описание элемента дерева",
     K{"Alt+Enter", "Alt+Return"}, "EditDescrClick", 0, 0, 4},
    {C(CutDescrAction), "Edit", "Вырезать описание",
     "Вырезать описание элемента дерева и поместить его в буфер обмена", K{"Shift+Del", "Ctrl+X"},
     "CutDescrClick"},
    {C(DeleteDescrAction), "Edit", "Удалить описание", "Удалить описание элемента дерева",
     K{"Ctrl+Del"}, "DeleteDescrClick"},
    {C(GlobalSearchAction), "Search", "Глобальный поиск...",
     "Глобальный поиск в текущей базе данных", K{"Ctrl+F"}, "GlobalSearchClick", 0, 0, 5},
    {C(LabelSearchAction), "Search", "Метка компакт-диска...",
     "Поиск в текущей базе данных по метке компакт-диска", K{}, "FieldSearchClick"},
    {C(PathSearchAction), "Search", "Полный путь...", "Поиск в текущей базе данных по полному пути",
     K{}, "FieldSearchClick", 0, 1},
    {C(ExtensionSearchAction), "Search", "Расширение файла...",
     "Поиск в текущей базе данных по расширению файла", K{}, "FieldSearchClick", 0, 7},
    {C(ProducerSearchAction), "Search", "Производитель...",
     "Поиск в текущей базе данных по производителю", K{}, "FieldSearchClick", 0, 2},
    {C(ProductSearchAction), "Search", "Продукт...", "Поиск в текущей базе данных по продукту", K{},
     "FieldSearchClick", 0, 3},
    {C(VersionSearchAction), "Search", "Версия...", "Поиск в текущей базе данных по версии", K{},
     "FieldSearchClick", 0, 4},
    {C(SizeSearchAction), "Search", "Размер...", "Поиск в текущей базе данных по размеру", K{},
     "SizeSearchClick", 0, 5},
    {C(DescrSearchAction), "Search", "Описание...", "Поиск в текущей базе данных по описанию", K{},
     "FieldSearchClick", 0, 6},
    {C(ComplexSearchAction), "Search", "Сложный поиск...", "Сложный поиск в текущей базе данных",
     K{"Alt+F"}, "ComplexSearchClick", 0, 0, 6},
    {C(EntireViewAction), "View", "Всё содержимое",
     "Режим просмотра и редактирования всей базы данных", K{"Ctrl+E"}, "EntireViewClick", 1, 0, 7},
    {C(FoundViewAction), "View", "Результаты поиска",
     "Режим просмотра результатов поиска в базе данных", K{"Ctrl+R"}, "FoundViewClick", 1, 0, 8},
    {C(FoundViewStandardAction), "View", "Стандартные результаты",
     "Стандартное представление результатов поиска в виде дерева файлов", K{"Ctrl+1"},
     "FoundViewSetClick", 2},
    {C(FoundViewProducerAction), "View", "По производителям",
     "Иерархическое представление результатов поиска с группировкой по производителям", K{"Ctrl+2"},
     "FoundViewSetClick", 2, 1},
    {C(FoundViewListAction), "View", "В виде списка",
     "Представление результатов поиска в виде списка полных путей", K{"Ctrl+3"},
     "FoundViewSetClick", 2, 2},
    {C(FoundViewLeafAction), "View", "В виде списка листьев",
     "Представление результатов поиска в виде списка оконечных элементов", K{"Ctrl+4"},
     "FoundViewSetClick", 2, 3},
    {C(ExpandNodeAction), "View", "Развернуть", "Показать подэлементы текущего элемента дерева",
     K{}, "ExpandNodeClick"},
    {C(ExpandNodesAction), "View", "Развернуть все",
     "Показать все подэлементы текущего элемента дерева", K{}, "ExpandNodesClick"},
    {C(CollapseNodeAction), "View", "Свернуть", "Скрыть подэлементы текущего элемента дерева", K{},
     "CollapseNodeClick"},
    {C(CollapseNodesAction), "View", "Свернуть все",
     "Скрыть все подэлементы текущего элемента дерева", K{}, "CollapseNodesClick"},
    {C(SizeByteAction), "View", "Байты", "Отображение всех размеров элементов в байтах", K{},
     "SizeUnitClick", 3},
    {C(SizeKByteAction), "View", "Килобайты", "Отображение всех размеров элементов в килобайтах",
     K{}, "SizeUnitClick", 3, 1},
    {C(SizeMByteAction), "View", "Мегабайты", "Отображение всех размеров элементов в мегабайтах",
     K{}, "SizeUnitClick", 3, 2},
    {C(SizeGByteAction), "View", "Гигабайты", "Отображение всех размеров элементов в гигабайтах",
     K{}, "SizeUnitClick", 3, 3},
    {C(SizeAutoAction), "View", "Автоматически",
     "Автоматическое определение оптимальной единицы размера элемента", K{}, "SizeUnitClick", 3, 4},
    {C(StatisticsAction), "Overview", "Статистика каталога...",
     "Папки, файлы и размеры по дискам и расширениям, самые большие файлы", K{}, "StatisticsClick"},
    {C(DuplicatesAction), "Overview", "Поиск дубликатов...",
     "Поиск файлов с одинаковыми именами и размерами", K{}, "DuplicatesClick"},
    {C(AppOptionsAction), "Tuning", "Параметры...", "Работа с параметрами программы", K{},
     "AppOptionsClick"},
    {C(DefaultOptionsAction), "Tuning", "По умолчанию...",
     "Установка значений параметров по умолчанию", K{}, "DefaultOptionsClick"},
    {C(HelpContentsAction), "Help", "Содержание", "Содержание помощи к программе", K{"F1"},
     "HelpContentsClick"},
    {C(AboutAppAction), "Help", "О программе...", "Краткая информация о программе", K{},
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
        d.caption = QString::fromUtf8(row.caption);
        d.hint = QString::fromUtf8(row.hint);
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
    static const TCommandTable table = BuildTable();
    return table;
}

} // namespace qbx
