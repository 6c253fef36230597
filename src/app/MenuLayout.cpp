#include "app/MenuLayout.h"

#include "platform/Translations.h"
#include "interaction/CommandTable.h"

#include <QCoreApplication>

#include <initializer_list>

namespace qbx {

namespace {

constexpr int Sep = -1;

TMenuDef Menu(const char *name, const char *caption, const char *hint, const char *ending,
              std::initializer_list<int> commands)
{
    TMenuDef m;
    m.name = QString::fromUtf8(name);
    m.caption = *caption ? QCoreApplication::translate("Menus", caption) : QString();
    m.hint = *hint ? QCoreApplication::translate("Menus", hint) : QString();
    m.entryEnding = QString::fromUtf8(ending);
    for (int c : commands)
        m.entries.push_back(TMenuEntry{c, -1});
    return m;
}

// Appends a submenu entry to m.
void AddSubMenu(TMenuDef &m, TMenuDef sub)
{
    m.entries.push_back(TMenuEntry{-1, static_cast<int>(m.subMenus.size())});
    m.subMenus.push_back(std::move(sub));
}

std::vector<TMenuDef> BuildMainMenu()
{
    using namespace cmd;
    std::vector<TMenuDef> menus;
    menus.push_back(Menu("FileMenuItem", QT_TRANSLATE_NOOP("Menus", "&Файл"),
                QT_TRANSLATE_NOOP("Menus", "Работа с файлами баз данных"), "MenuItem",
                         {CreateDbAction, OpenDbAction, AddDbAction, Sep, SaveDbAction,
                          SaveDbAsAction, SaveDbToAction, Sep, CloseDbAction, ExitAppAction}));
    menus.push_back(
        Menu("EditMenuItem", QT_TRANSLATE_NOOP("Menus", "&Правка"),
                QT_TRANSLATE_NOOP("Menus", "Работа с деревом текущей базы данных"), "MenuItem",
             {AddTreeAction, Sep, AddSubitemAction, RenameItemAction, FolderFileAction,
              CalculateSizeAction, DeleteItemAction, DeleteSubitemsAction, Sep, PasteDescrAction,
              CopyDescrAction, EditDescrAction, CutDescrAction, DeleteDescrAction}));

    TMenuDef search = Menu("SearchMenuItem", QT_TRANSLATE_NOOP("Menus", "По&иск"),
                QT_TRANSLATE_NOOP("Menus", "Поиск в текущей базе данных"), "MenuItem",
                           {GlobalSearchAction});
    AddSubMenu(search, Menu("FieldSearchMenuItem", QT_TRANSLATE_NOOP("Menus", "Поиск по одному полю"),
                QT_TRANSLATE_NOOP("Menus", "Поиск в текущей базе данных по одному из полей"), "MenuItem",
                            {LabelSearchAction, PathSearchAction, ExtensionSearchAction,
                             ProducerSearchAction, ProductSearchAction, VersionSearchAction,
                             SizeSearchAction, DescrSearchAction}));
    search.entries.push_back(TMenuEntry{ComplexSearchAction, -1});
    menus.push_back(std::move(search));

    TMenuDef view =
        Menu("ViewMenuItem", QT_TRANSLATE_NOOP("Menus", "&Вид"),
                QT_TRANSLATE_NOOP("Menus", "Представление дерева базы данных"), "MenuItem",
             {EntireViewAction, FoundViewAction, Sep, FoundViewStandardAction,
              FoundViewProducerAction, FoundViewListAction, FoundViewLeafAction, Sep,
              ExpandNodeAction, ExpandNodesAction, CollapseNodeAction, CollapseNodesAction, Sep});
    AddSubMenu(view, Menu("SizeUnitMenuItem", QT_TRANSLATE_NOOP("Menus", "Размер элементов"),
                QT_TRANSLATE_NOOP("Menus", "Временная смена единицы измерения размера элементов"), "MenuItem",
                          {SizeByteAction, SizeKByteAction, SizeMByteAction, SizeGByteAction, Sep,
                           SizeAutoAction}));
    menus.push_back(std::move(view));

    menus.push_back(Menu("OverviewMenuItem", QT_TRANSLATE_NOOP("Menus", "О&бзор"),
                         QT_TRANSLATE_NOOP("Menus", "Обзор текущей базы данных"), "MenuItem",
                         {StatisticsAction, DuplicatesAction}));

    menus.push_back(Menu("TuningMenuItem", QT_TRANSLATE_NOOP("Menus", "&Настройка"),
                QT_TRANSLATE_NOOP("Menus", "Настройка особенностей программы под пользователя"), "MenuItem",
                         {AppOptionsAction, DefaultOptionsAction}));
    menus.push_back(Menu("HelpMenuItem", QT_TRANSLATE_NOOP("Menus", "По&мощь"),
                QT_TRANSLATE_NOOP("Menus", "Помощь к программе"), "MenuItem",
                         {HelpContentsAction, Sep, AboutAppAction}));
    return menus;
}

} // namespace

QString MenuEntryName(int command, const QString &ending)
{
    QString name = CommandTable()[command].name;
    name.chop(static_cast<int>(qstrlen("Action")));
    return name + ending;
}

const std::vector<TMenuDef> &MainMenuLayout()
{
    // Built again when the language changes, in place.
    static std::vector<TMenuDef> menus = BuildMainMenu();
    static int builtFor = LanguageGeneration();
    if (builtFor != LanguageGeneration()) {
        menus = BuildMainMenu();
        builtFor = LanguageGeneration();
    }
    return menus;
}

const TMenuDef &TreePopupLayout()
{
    using namespace cmd;
    static const TMenuDef menu = [] {
        TMenuDef m = Menu("TreePopupMenu", "", "", "PopupItem",
                          {AddTreeAction,
                           Sep,
                           AddSubitemAction,
                           RenameItemAction,
                           FolderFileAction,
                           CalculateSizeAction,
                           DeleteItemAction,
                           DeleteSubitemsAction,
                           Sep,
                           PasteDescrAction,
                           CopyDescrAction,
                           EditDescrAction,
                           CutDescrAction,
                           DeleteDescrAction,
                           Sep,
                           FoundViewStandardAction,
                           FoundViewProducerAction,
                           FoundViewListAction,
                           FoundViewLeafAction,
                           Sep,
                           ExpandNodeAction,
                           ExpandNodesAction,
                           CollapseNodeAction,
                           CollapseNodesAction});
        m.defaultCommand = ExpandNodeAction;
        return m;
    }();
    return menu;
}

const TMenuDef &SearchPopupLayout()
{
    using namespace cmd;
    static const TMenuDef menu = [] {
        TMenuDef m = Menu("SearchPopupMenu", "", "", "ToolItem",
                          {GlobalSearchAction, Sep, LabelSearchAction, PathSearchAction,
                           ExtensionSearchAction, ProducerSearchAction, ProductSearchAction,
                           VersionSearchAction, SizeSearchAction, DescrSearchAction});
        m.defaultCommand = GlobalSearchAction;
        return m;
    }();
    return menu;
}

const TMenuDef &ViewPopupLayout()
{
    using namespace cmd;
    static const TMenuDef menu = Menu("ViewPopupMenu", "", "", "ToolItem",
                                      {FoundViewStandardAction, FoundViewProducerAction,
                                       FoundViewListAction, FoundViewLeafAction});
    return menu;
}

const TMenuDef &SizePopupLayout()
{
    using namespace cmd;
    static const TMenuDef menu = Menu(
        "SizePopupMenu", "", "", "PopupItem",
        {SizeByteAction, SizeKByteAction, SizeMByteAction, SizeGByteAction, Sep, SizeAutoAction});
    return menu;
}

} // namespace qbx
