// The main window's commands, menus and tool bar, built from the command
// table and the menu layouts.
#include "app/gui/MainForm.h"

#include "app/gui/Images.h"
#include "app/MenuLayout.h"
#include "interaction/CommandBoundary.h"
#include "desktop/Help.h"

#include <QAction>
#include <QActionGroup>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QCoreApplication>

namespace qbx {

namespace {

QList<QKeySequence> Shortcuts(const TCommandDef &def)
{
    QList<QKeySequence> keys;
    for (const QString &s : def.shortcuts)
        keys.append(QKeySequence(s, QKeySequence::PortableText));
    return keys;
}

// Menu text of a command entry: the caption, and the first shortcut in the
// shortcut column (the entry itself has no shortcut: the command's QAction
// owns it, so that a key is never bound twice).
QString EntryText(const TCommandDef &def)
{
    if (def.shortcuts.isEmpty())
        return def.caption;
    return def.caption + u'\t' +
           QKeySequence(def.shortcuts.first(), QKeySequence::PortableText)
               .toString(QKeySequence::NativeText);
}

} // namespace

void TMainForm::CreateActions()
{
    const TCommandTable &table = CommandTable();
    for (int index = 0; index < cmd::Count; ++index) {
        const cmd::Id i = CommandAt(index);
        const TCommandDef &def = table[i];
        auto *a = new QAction(def.caption, this);
        a->setObjectName(def.name);
        a->setStatusTip(def.hint);
        a->setToolTip(def.hint);
        a->setShortcuts(Shortcuts(def));
        a->setShortcutContext(Qt::WindowShortcut);
        a->setCheckable(def.group != 0);
        a->setChecked(Commands().Checked(i));
        a->setEnabled(Commands().Enabled(i));
        if (def.image >= 0)
            a->setIcon(ToolImage(def.image));
        connect(a, &QAction::triggered, this,
                [this, i](bool checked) { CommandTriggered(i, checked); });
        addAction(a);
        actions_[i] = a;
    }
    connect(&Commands(), &TCommandState::CommandChanged, this, &TMainForm::UpdateCommand);
    connect(&Commands(), &TCommandState::ItemChanged, this, &TMainForm::UpdateItem);
}

void TMainForm::CommandTriggered(cmd::Id command, bool checked)
{
    const TCommandDef &def = CommandTable()[command];
    wasChecked_ = Commands().Checked(command);
    if (def.group != 0) {
        // A radio entry stays checked when chosen again; the two view
        // toggles (group 1) may both be off.
        Commands().SetChecked(command, def.group == 1 ? checked : true);
        UpdateCommand(command);
    }
    if (handlers_[command])
        RunAtCommandBoundary(handlers_[command], def.caption, ModeLogic(), boxes_);
}

void TMainForm::SetHandler(cmd::Id command, std::function<void()> handler)
{
    handlers_[command] = std::move(handler);
}

void TMainForm::UpdateCommand(int index)
{
    const cmd::Id command = CommandAt(index);
    const bool enabled = Commands().Enabled(command);
    const bool checked = Commands().Checked(command);
    actions_[command]->setEnabled(enabled);
    actions_[command]->setChecked(checked);
    for (QAction *entry : entries_[command]) {
        entry->setEnabled(enabled);
        entry->setChecked(checked);
    }
}

void TMainForm::UpdateItem(int item)
{
    const bool enabled = Commands().ItemEnabled(static_cast<TUiItem>(item));
    if (item == static_cast<int>(TUiItem::SimpleSearchToolButton)) {
        simpleSearchButton_->setEnabled(enabled);
        return;
    }
    if (QAction *a = itemActions_.value(item))
        a->setEnabled(enabled);
}

QMenu *TMainForm::BuildMenu(const TMenuDef &def, QWidget *parent)
{
    auto *menu = new QMenu(def.caption, parent);
    menu->setObjectName(def.name);
    menu->menuAction()->setObjectName(def.name + QStringLiteral("Action"));
    menu->menuAction()->setStatusTip(def.hint);
    menu->setToolTipsVisible(false);
    // A popup menu is a window of its own: its hints do not travel up to the
    // main window by themselves.
    menu->installEventFilter(this);
    menus_.insert(def.name, menu);
    QHash<int, QActionGroup *> radioGroups;
    for (const TMenuEntry &e : def.entries) {
        if (e.IsSeparator()) {
            menu->addSeparator();
        } else if (e.subMenu >= 0) {
            QMenu *sub = BuildMenu(def.subMenus[e.subMenu], menu);
            menu->addMenu(sub);
        } else {
            const cmd::Id id = CommandAt(e.command);
            const TCommandDef &c = CommandTable()[id];
            auto *entry = new QAction(EntryText(c), menu);
            entry->setObjectName(MenuEntryName(e.command, def.entryEnding));
            entry->setStatusTip(c.hint);
            entry->setCheckable(c.group != 0);
            // Groups from 2 up are radio groups: one entry of them is chosen.
            // Group 1 (the two view toggles) stays a pair of check marks. The
            // group only draws the radio indicator; the command state keeps
            // which entry is checked.
            if (c.group >= 2) {
                QActionGroup *&group = radioGroups[c.group];
                if (!group) {
                    group = new QActionGroup(menu);
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(entry);
            }
            entry->setChecked(Commands().Checked(id));
            entry->setEnabled(Commands().Enabled(id));
            if (c.image >= 0 && def.entryEnding != QStringLiteral("MenuItem"))
                entry->setIcon(ToolImage(c.image));
            QAction *command = actions_[e.command];
            connect(entry, &QAction::triggered, command, [command] { command->trigger(); });
            // Keep the entry's check mark in step when the trigger changed nothing.
            connect(entry, &QAction::triggered, this, [this, i = e.command] { UpdateCommand(i); });
            menu->addAction(entry);
            entries_[e.command].append(entry);
            if (def.defaultCommand == e.command)
                menu->setDefaultAction(entry);
        }
    }
    return menu;
}

void TMainForm::CreateMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    SetHelpContext(bar, 1);
    for (const TMenuDef &def : MainMenuLayout()) {
        QMenu *menu = BuildMenu(def, this);
        SetHelpContext(menu, HcMainMenu);
        bar->addMenu(menu);
        if (def.name == QStringLiteral("ViewMenuItem"))
            connect(menu, &QMenu::aboutToShow, this, [this] { ModeLogic().PrepareViewMenu(); });
        else
            connect(menu, &QMenu::aboutToShow, this, [this] { ModeLogic().PrepareMainMenu(); });
    }
    itemActions_.insert(static_cast<int>(TUiItem::EditMenuItem),
                        menus_.value(QStringLiteral("EditMenuItem"))->menuAction());
    itemActions_.insert(static_cast<int>(TUiItem::SearchMenuItem),
                        menus_.value(QStringLiteral("SearchMenuItem"))->menuAction());
    itemActions_.insert(static_cast<int>(TUiItem::ViewMenuItem),
                        menus_.value(QStringLiteral("ViewMenuItem"))->menuAction());
    itemActions_.insert(static_cast<int>(TUiItem::FieldSearchMenuItem),
                        menus_.value(QStringLiteral("FieldSearchMenuItem"))->menuAction());
    itemActions_.insert(static_cast<int>(TUiItem::SizeUnitMenuItem),
                        menus_.value(QStringLiteral("SizeUnitMenuItem"))->menuAction());

    QMenu *tree = BuildMenu(TreePopupLayout(), this);
    // Its separators stay where they are whatever entries are hidden.
    tree->setSeparatorsCollapsible(false);
    SetHelpContext(tree, 3);
    SetHelpContext(BuildMenu(SearchPopupLayout(), this), 2);
    QMenu *view = BuildMenu(ViewPopupLayout(), this);
    SetHelpContext(view, 2);
    connect(view, &QMenu::aboutToShow, this, [this] { ModeLogic().PrepareViewPopup(); });
    SetHelpContext(BuildMenu(SizePopupLayout(), this), 6);
}

void TMainForm::SetSimpleSearchDefault(cmd::Id command)
{
    ModeLogic().SetSimpleSearchDefault(command);
    QMenu *menu = menus_.value(QStringLiteral("SearchPopupMenu"));
    for (QAction *entry : entries_[command]) {
        if (entry->parent() == menu)
            menu->setDefaultAction(entry);
    }
}

void TMainForm::ShowTreePopup(QTreeView *tree, const QPoint &pos)
{
    if (!treePopupEnabled_)
        return;
    QMenu *menu = menus_.value(QStringLiteral("TreePopupMenu"));
    const std::optional<cmd::Id> def = ModeLogic().PrepareTreePopup();
    // Disabled commands are hidden rather than greyed. The command state
    // decides: a hidden QAction reports itself disabled, so the entry's own
    // state cannot bring it back.
    for (int index = 0; index < cmd::Count; ++index) {
        const cmd::Id command = CommandAt(index);
        for (QAction *a : entries_[command]) {
            if (a->parent() != menu)
                continue;
            a->setVisible(Commands().Enabled(command));
            if (def && command == *def)
                menu->setDefaultAction(a);
        }
    }
    menu->popup(tree->viewport()->mapToGlobal(pos));
}

void TMainForm::CreateToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    SetHelpContext(bar, 2);
    addToolBar(Qt::TopToolBarArea, bar);

    auto button = [this, bar](const char *name, int command) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoRaise(true);
        // Tool-bar buttons never hold the keyboard focus, so F1 and the keys
        // of the tree keep going where the user works.
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumSize(27, 26);
        if (command >= 0)
            b->setDefaultAction(actions_[command]);
        bar->addWidget(b);
        return b;
    };
    button("CreateDbToolButton", cmd::CreateDbAction);
    button("OpenDbToolButton", cmd::OpenDbAction);
    button("SaveDbToolButton", cmd::SaveDbAction);
    bar->addSeparator();
    button("AddTreeToolButton", cmd::AddTreeAction);
    button("EditDescrToolButton", cmd::EditDescrAction);
    bar->addSeparator();
    simpleSearchButton_ = button("SimpleSearchToolButton", -1);
    simpleSearchButton_->setIcon(ToolImage(5));
    simpleSearchButton_->setToolTip(QCoreApplication::translate("MainWindow", "Простой поиск"));
    simpleSearchButton_->setStatusTip(QCoreApplication::translate("MainWindow", "Простой поиск"));
    simpleSearchButton_->setMenu(menus_.value(QStringLiteral("SearchPopupMenu")));
    simpleSearchButton_->setPopupMode(QToolButton::MenuButtonPopup);
    connect(simpleSearchButton_, &QToolButton::clicked, this,
            [this] { ModeLogic().RunSimpleSearchDefault(); });
    button("ComplexSearchToolButton", cmd::ComplexSearchAction);
    bar->addSeparator();
    button("EntireViewToolButton", cmd::EntireViewAction);
    QToolButton *found = button("FoundViewToolButton", cmd::FoundViewAction);
    found->setMenu(menus_.value(QStringLiteral("ViewPopupMenu")));
    found->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addSeparator();
    actions_[cmd::StatisticsAction]->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    button("StatisticsToolButton", cmd::StatisticsAction);
    actions_[cmd::DuplicatesAction]->setIcon(
        style()->standardIcon(QStyle::SP_FileDialogContentsView));
    button("DuplicatesToolButton", cmd::DuplicatesAction);
}

} // namespace qbx
