// The command table and the menus built from it: texts a user reads, keys,
// tags that index options, and that every command is reachable.
#include "interaction/CommandTable.h"
#include "app/MenuLayout.h"
#include "app/StartUp.h"
#include "interaction/MessageText.h"
#include "support/ScriptedMessageBoxes.h"

#include <QSet>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

const TCommandDef &C(int i)
{
    return CommandTable()[i];
}

TEST(CommandTable, OrderNamesAndHandlers)
{
    ASSERT_EQ(CommandTable().size(), 51u);
    EXPECT_EQ(C(0).name, QStringLiteral("AddTreeAction"));
    EXPECT_EQ(C(8).name, QStringLiteral("ExitAppAction"));
    EXPECT_EQ(C(45).name, QStringLiteral("StatisticsAction"));
    EXPECT_EQ(C(47).name, QStringLiteral("AppOptionsAction"));
    EXPECT_EQ(C(50).name, QStringLiteral("AboutAppAction"));
    QSet<QString> names;
    for (const TCommandDef &d : CommandTable()) {
        names.insert(d.name);
        EXPECT_TRUE(d.name.endsWith(QStringLiteral("Action")));
        EXPECT_TRUE(d.handler.endsWith(QStringLiteral("Click")));
        EXPECT_FALSE(d.caption.contains(u'&')) << d.name.toStdString();
        EXPECT_FALSE(d.hint.isEmpty());
    }
    EXPECT_EQ(names.size(), 51);
    EXPECT_EQ(C(cmd::SizeAutoAction).name, QStringLiteral("SizeAutoAction"));
    EXPECT_EQ(C(cmd::SizeSearchAction).handler, QStringLiteral("SizeSearchClick"));
    EXPECT_EQ(C(cmd::DescrSearchAction).handler, QStringLiteral("FieldSearchClick"));
}

TEST(CommandTable, TextsAndKeys)
{
    EXPECT_EQ(C(cmd::DeleteItemAction).caption, QStringLiteral("Удалить элемент(ы)..."));
    EXPECT_EQ(C(cmd::FolderFileAction).caption, QStringLiteral("Преобразовать папку/файл"));
    EXPECT_EQ(C(cmd::FoundViewProducerAction).hint,
              QStringLiteral("Иерархическое представление результатов поиска с группировкой по "
                             "производителям"));
    EXPECT_EQ(C(cmd::CutDescrAction).hint,
              QStringLiteral("Вырезать описание элемента дерева и поместить его в буфер обмена"));
    EXPECT_EQ(C(cmd::SaveDbToAction).hint,
              QStringLiteral("Сохранить текущую базу данных добавлением в существующую"));
    EXPECT_EQ(C(cmd::CalculateSizeAction).shortcuts, QStringList{"="});
    EXPECT_EQ(C(cmd::PasteDescrAction).shortcuts, (QStringList{"Shift+Ins", "Ctrl+V"}));
    EXPECT_EQ(C(cmd::CopyDescrAction).shortcuts, (QStringList{"Ctrl+Ins", "Ctrl+C"}));
    EXPECT_EQ(C(cmd::CutDescrAction).shortcuts, (QStringList{"Shift+Del", "Ctrl+X"}));
    EXPECT_EQ(C(cmd::ComplexSearchAction).shortcuts, QStringList{"Alt+F"});
    EXPECT_EQ(C(cmd::CloseDbAction).shortcuts, QStringList{"Ctrl+F4"});
    EXPECT_EQ(C(cmd::FoundViewLeafAction).shortcuts, QStringList{"Ctrl+4"});
    EXPECT_EQ(C(cmd::HelpContentsAction).shortcuts, QStringList{"F1"});
    EXPECT_TRUE(C(cmd::AddDbAction).shortcuts.isEmpty());
}

TEST(CommandTable, TagsGroupsAndImages)
{
    // Search tags index the per-field search texts; 5 is the size search.
    const int searchTags[] = {0, 1, 7, 2, 3, 4, 5, 6};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(C(cmd::LabelSearchAction + i).tag, searchTags[i]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(C(FirstFoundViewSet + i).tag, i); // = SearchView
        EXPECT_EQ(C(FirstFoundViewSet + i).group, 2);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(C(FirstSizeUnit + i).tag, i); // = SizeUnit
        EXPECT_EQ(C(FirstSizeUnit + i).group, 3);
    }
    EXPECT_EQ(C(cmd::EntireViewAction).group, 1);
    EXPECT_EQ(C(cmd::FoundViewAction).group, 1);
    int checked = 0;
    for (const TCommandDef &d : CommandTable())
        checked += d.checked;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(C(cmd::FoundViewStandardAction).checked);
    EXPECT_EQ(C(cmd::CreateDbAction).image, 0);
    EXPECT_EQ(C(cmd::AddTreeAction).image, 3);
    EXPECT_EQ(C(cmd::GlobalSearchAction).image, 5);
    EXPECT_EQ(C(cmd::FoundViewAction).image, 8);
}

// Every command is in exactly one place of the main menu.
void CountCommands(const TMenuDef &m, QList<int> &seen)
{
    for (const TMenuEntry &e : m.entries) {
        if (e.subMenu >= 0)
            CountCommands(m.subMenus[e.subMenu], seen);
        else if (!e.IsSeparator())
            seen.append(e.command);
    }
}

TEST(MenuLayout, MainMenuHoldsEveryCommandOnceWithItsAccelerators)
{
    QList<int> seen;
    QStringList captions;
    for (const TMenuDef &m : MainMenuLayout()) {
        CountCommands(m, seen);
        captions << m.caption;
    }
    EXPECT_EQ(captions,
              (QStringList{"&Файл", "&Правка", "По&иск", "&Вид", "О&бзор", "&Настройка", "По&мощь"}));
    std::sort(seen.begin(), seen.end());
    QList<int> all;
    for (int i = 0; i < cmd::Count; ++i)
        all.append(i);
    EXPECT_EQ(seen, all);
    EXPECT_EQ(MenuEntryName(cmd::CreateDbAction, QStringLiteral("MenuItem")),
              QStringLiteral("CreateDbMenuItem"));
}

TEST(MenuLayout, PopupMenusAndTheirDefaults)
{
    EXPECT_EQ(TreePopupLayout().entries.size(), 24u);
    EXPECT_EQ(TreePopupLayout().defaultCommand, cmd::ExpandNodeAction);
    EXPECT_EQ(SearchPopupLayout().defaultCommand, cmd::GlobalSearchAction);
    EXPECT_EQ(SearchPopupLayout().entries.size(), 10u);
    EXPECT_EQ(ViewPopupLayout().entries.size(), 4u);
    EXPECT_EQ(SizePopupLayout().entries.size(), 6u);
    EXPECT_TRUE(SizePopupLayout().entries[4].IsSeparator());
}

TEST(StartUp, EngineFailureIsReportedAndEndsTheProgram)
{
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(CheckEngine([] { return true; }, boxes));
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_FALSE(CheckEngine([] { return false; }, boxes));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("На компьютере не установлена Borland Database Engine (BDE).\r"
                             "Приложение не сможет работать и поэтому будет закрыто."));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Кварнис"));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbOk));
}

TEST(MessageText, CarriageReturnsBecomeLineBreaks)
{
    EXPECT_EQ(MessageDisplayText(QStringLiteral("a\rb\r\nc\r\n\nd")),
              QStringLiteral("a\nb\nc\n\nd"));
}

} // namespace
} // namespace qbx::test
