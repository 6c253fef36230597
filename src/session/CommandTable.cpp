#include "session/CommandTable.h"

namespace qbx {

namespace {

TCommandDef Def(const char *name, const char *category, const char *caption, const char *hint,
                QStringList shortcuts, const char *handler, int group = 0, int tag = 0,
                int image = -1)
{
    TCommandDef d;
    d.name = QString::fromUtf8(name);
    d.category = QString::fromUtf8(category);
    d.caption = QString::fromUtf8(caption);
    d.hint = QString::fromUtf8(hint);
    d.shortcuts = std::move(shortcuts);
    d.handler = QString::fromUtf8(handler);
    d.group = group;
    d.tag = tag;
    d.image = image;
    return d;
}

TCommandTable BuildTable()
{
    using L = QStringList;
    TCommandTable t{{
        Def("AddTreeAction", "Edit", "Добавить дерево файлов...", "Добавить дерево файлов и папок",
            L{"Ctrl+T"}, "AddTreeClick", 0, 0, 3),
        Def("CreateDbAction", "File", "Создать", "Создать новую базу данных", L{"Ctrl+N"},
            "CreateDbClick", 0, 0, 0),
        Def("OpenDbAction", "File", "Открыть...", "Открыть существующую базу данных", L{"Ctrl+O"},
            "OpenDbClick", 0, 0, 1),
        Def("AddDbAction", "File", "Добавить...", "Добавить существующую базу данных к текущей",
            L{}, "AddDbClick"),
        Def("SaveDbAction", "File", "Сохранить", "Сохранить текущую базу данных", L{"Ctrl+S"},
            "SaveDbClick", 0, 0, 2),
        Def("SaveDbAsAction", "File", "Сохранить как...",
            "Сохранить текущую базу данных под новым именем", L{}, "SaveDbAsClick"),
        Def("SaveDbToAction", "File", "Сохранить в...",
            "Сохранить текущую базу данных добавлением в существующую", L{}, "SaveDbToClick"),
        Def("CloseDbAction", "File", "Закрыть", "Закрыть текущую базу данных", L{"Ctrl+F4"},
            "CloseDbClick"),
        Def("ExitAppAction", "File", "Выход", "Выход из программы", L{"Alt+F4"}, "ExitAppClick"),
        Def("AddSubitemAction", "Edit", "Добавить подэлемент", "Добавить подэлемент в дерево",
            L{"Ins"}, "AddSubitemClick"),
        Def("RenameItemAction", "Edit", "Переименовать элемент", "Переименовать элемент дерева",
            L{"F2"}, "RenameItemClick"),
        Def("FolderFileAction", "Edit", "Преобразовать папку/файл",
            "Преобразовать папку в файл или наоборот", L{"Alt+F2"}, "FolderFileClick"),
        Def("CalculateSizeAction", "Edit", "Рассчитать размер",
            "Рассчитать размер диска или папки по сумме размеров подэлементов", L{"="},
            "CalculateSizeClick"),
        Def("DeleteItemAction", "Edit", "Удалить элемент(ы)...", "Удалить элемент(ы) из дерева",
            L{"Del"}, "DeleteItemClick"),
        Def("DeleteSubitemsAction", "Edit", "Удалить все подэлементы...",
            "Удалить все подэлементы из дерева", L{"Alt+Del"}, "DeleteSubitemsClick"),
        Def("PasteDescrAction", "Edit", "Вставить описание",
            "Вставить описание элемента дерева из буфера обмена", L{"Shift+Ins", "Ctrl+V"},
            "PasteDescrClick"),
        Def("CopyDescrAction", "Edit", "Копировать описание",
            "Копировать описание элемента дерева в буфер обмена", L{"Ctrl+Ins", "Ctrl+C"},
            "CopyDescrClick"),
        // Enter on the main keyboard is Return; the keypad key is Enter.
        Def("EditDescrAction", "Edit", "Изменить описание...", "Изменить описание элемента дерева",
            L{"Alt+Enter", "Alt+Return"}, "EditDescrClick", 0, 0, 4),
        Def("CutDescrAction", "Edit", "Вырезать описание",
            "Вырезать описание элемента дерева и поместить его в буфер обмена",
            L{"Shift+Del", "Ctrl+X"}, "CutDescrClick"),
        Def("DeleteDescrAction", "Edit", "Удалить описание", "Удалить описание элемента дерева",
            L{"Ctrl+Del"}, "DeleteDescrClick"),
        Def("GlobalSearchAction", "Search", "Глобальный поиск...",
            "Глобальный поиск в текущей базе данных", L{"Ctrl+F"}, "GlobalSearchClick", 0, 0, 5),
        Def("LabelSearchAction", "Search", "Метка компакт-диска...",
            "Поиск в текущей базе данных по метке компакт-диска", L{}, "FieldSearchClick"),
        Def("PathSearchAction", "Search", "Полный путь...",
            "Поиск в текущей базе данных по полному пути", L{}, "FieldSearchClick", 0, 1),
        Def("ExtensionSearchAction", "Search", "Расширение файла...",
            "Поиск в текущей базе данных по расширению файла", L{}, "FieldSearchClick", 0, 7),
        Def("ProducerSearchAction", "Search", "Производитель...",
            "Поиск в текущей базе данных по производителю", L{}, "FieldSearchClick", 0, 2),
        Def("ProductSearchAction", "Search", "Продукт...",
            "Поиск в текущей базе данных по продукту", L{}, "FieldSearchClick", 0, 3),
        Def("VersionSearchAction", "Search", "Версия...", "Поиск в текущей базе данных по версии",
            L{}, "FieldSearchClick", 0, 4),
        Def("SizeSearchAction", "Search", "Размер...", "Поиск в текущей базе данных по размеру",
            L{}, "SizeSearchClick", 0, 5),
        Def("DescrSearchAction", "Search", "Описание...", "Поиск в текущей базе данных по описанию",
            L{}, "FieldSearchClick", 0, 6),
        Def("ComplexSearchAction", "Search", "Сложный поиск...",
            "Сложный поиск в текущей базе данных", L{"Alt+F"}, "ComplexSearchClick", 0, 0, 6),
        Def("EntireViewAction", "View", "Всё содержимое",
            "Режим просмотра и редактирования всей базы данных", L{"Ctrl+E"}, "EntireViewClick", 1,
            0, 7),
        Def("FoundViewAction", "View", "Результаты поиска",
            "Режим просмотра результатов поиска в базе данных", L{"Ctrl+R"}, "FoundViewClick", 1, 0,
            8),
        Def("FoundViewStandardAction", "View", "Стандартные результаты",
            "Стандартное представление результатов поиска в виде дерева файлов", L{"Ctrl+1"},
            "FoundViewSetClick", 2),
        Def("FoundViewProducerAction", "View", "По производителям",
            "Иерархическое представление результатов поиска с группировкой по производителям",
            L{"Ctrl+2"}, "FoundViewSetClick", 2, 1),
        Def("FoundViewListAction", "View", "В виде списка",
            "Представление результатов поиска в виде списка полных путей", L{"Ctrl+3"},
            "FoundViewSetClick", 2, 2),
        Def("FoundViewLeafAction", "View", "В виде списка листьев",
            "Представление результатов поиска в виде списка оконечных элементов", L{"Ctrl+4"},
            "FoundViewSetClick", 2, 3),
        Def("ExpandNodeAction", "View", "Развернуть",
            "Показать подэлементы текущего элемента дерева", L{}, "ExpandNodeClick"),
        Def("ExpandNodesAction", "View", "Развернуть все",
            "Показать все подэлементы текущего элемента дерева", L{}, "ExpandNodesClick"),
        Def("CollapseNodeAction", "View", "Свернуть", "Скрыть подэлементы текущего элемента дерева",
            L{}, "CollapseNodeClick"),
        Def("CollapseNodesAction", "View", "Свернуть все",
            "Скрыть все подэлементы текущего элемента дерева", L{}, "CollapseNodesClick"),
        Def("SizeByteAction", "View", "Байты", "Отображение всех размеров элементов в байтах", L{},
            "SizeUnitClick", 3),
        Def("SizeKByteAction", "View", "Килобайты",
            "Отображение всех размеров элементов в килобайтах", L{}, "SizeUnitClick", 3, 1),
        Def("SizeMByteAction", "View", "Мегабайты",
            "Отображение всех размеров элементов в мегабайтах", L{}, "SizeUnitClick", 3, 2),
        Def("SizeGByteAction", "View", "Гигабайты",
            "Отображение всех размеров элементов в гигабайтах", L{}, "SizeUnitClick", 3, 3),
        Def("SizeAutoAction", "View", "Автоматически",
            "Автоматическое определение оптимальной единицы размера элемента", L{}, "SizeUnitClick",
            3, 4),
        Def("AppOptionsAction", "Tuning", "Параметры...", "Работа с параметрами программы", L{},
            "AppOptionsClick"),
        Def("DefaultOptionsAction", "Tuning", "По умолчанию...",
            "Установка значений параметров по умолчанию", L{}, "DefaultOptionsClick"),
        Def("HelpContentsAction", "Help", "Содержание", "Содержание помощи к программе", L{"F1"},
            "HelpContentsClick"),
        Def("AboutAppAction", "Help", "О программе...", "Краткая информация о программе", L{},
            "AboutAppClick"),
    }};
    t[cmd::FoundViewStandardAction].checked = true;
    return t;
}

} // namespace

const TCommandTable &CommandTable()
{
    static const TCommandTable table = BuildTable();
    return table;
}

int CommandIndex(const QString &name)
{
    const TCommandTable &t = CommandTable();
    for (int i = 0; i < cmd::Count; ++i) {
        if (t[i].name == name)
            return i;
    }
    return -1;
}

} // namespace qbx
