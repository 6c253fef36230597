// The real main window on the offscreen platform: start-up, menus, tool bar,
// keys and closing.
#include "app/gui/MainForm.h"
#include "app/gui/Application.h"
#include "app/gui/Program.h"
#include "app/gui/StatusPanelsWidget.h"
#include "options/TOptions.h"
#include "interaction/CommandTable.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    TempConfigHome config;
    std::unique_ptr<TProgram> program;
    TMainForm *form = nullptr;

    void SetUp() override
    {
        program = std::make_unique<TProgram>();
        form = &program->Window();
        form->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        form->close();
        program.reset();
    }
    QAction *Entry(const char *name) const
    {
        return form->findChild<QAction *>(QString::fromLatin1(name));
    }
};

TEST_F(MainWindowTest, StartsInModeZeroWithItsPanesAndRows)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Кварнис"));
    EXPECT_EQ(form->WindowState().DbState(), DbNone);
    for (const char *name : {"MainTreeView", "SearchTreeView", "LeftPanel", "RightPanel"}) {
        QWidget *w = form->findChild<QWidget *>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(w->isVisible()) << name;
    }
    QTreeWidget *descr = form->DescrListView();
    ASSERT_EQ(descr->topLevelItemCount(), 7);
    EXPECT_EQ(descr->topLevelItem(0)->text(0), QStringLiteral("Метка компакт-диска"));
    EXPECT_EQ(descr->topLevelItem(5)->text(0), QStringLiteral("Размер"));
    EXPECT_EQ(descr->headerItem()->text(1), QStringLiteral("Значение"));
    EXPECT_FALSE(form->ProgressBar()->isVisible());
    EXPECT_FALSE(form->CancelButton()->isVisible());
    EXPECT_FALSE(form->Action(cmd::SaveDbAction)->isEnabled());
    EXPECT_TRUE(form->Action(cmd::OpenDbAction)->isEnabled());
    EXPECT_FALSE(form->findChild<QToolButton *>("SimpleSearchToolButton")->isEnabled());
    EXPECT_GE(form->minimumWidth(), form->StatusPanels()->PanelWidth(0) + 43);
}

TEST_F(MainWindowTest, MenusCarryCaptionsAcceleratorsAndShortcuts)
{
    QStringList titles;
    for (QAction *a : form->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&Файл", "&Правка", "По&иск", "&Вид", "О&бзор", "&Настройка",
                                   "По&мощь"}));
    EXPECT_EQ(Entry("SaveDbMenuItem")->text(), QStringLiteral("Сохранить\tCtrl+S"));
    EXPECT_EQ(Entry("AddDbMenuItem")->text(), QStringLiteral("Добавить..."));
    EXPECT_EQ(Entry("SaveDbMenuItem")->statusTip(),
              QStringLiteral("Сохранить текущую базу данных"));
    EXPECT_EQ(form->Menu("FieldSearchMenuItem")->title(), QStringLiteral("Поиск по одному полю"));
    EXPECT_EQ(form->Menu("SizeUnitMenuItem")->title(), QStringLiteral("Размер элементов"));
    EXPECT_EQ(form->Action(cmd::PasteDescrAction)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::SHIFT | Qt::Key_Insert),
                                   QKeySequence(Qt::CTRL | Qt::Key_V)}));
    EXPECT_EQ(form->Action(cmd::CalculateSizeAction)->shortcut(), QKeySequence(Qt::Key_Equal));
    EXPECT_EQ(form->Action(cmd::EditDescrAction)->shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_Enter));
    // Entries never own a key: the command's action does, once.
    EXPECT_TRUE(Entry("SaveDbMenuItem")->shortcut().isEmpty());
    EXPECT_EQ(form->Menu("TreePopupMenu")->defaultAction(), Entry("ExpandNodePopupItem"));
    EXPECT_EQ(form->Menu("SearchPopupMenu")->defaultAction(), Entry("GlobalSearchToolItem"));
    EXPECT_NE(Entry("SizeAutoPopupItem"), nullptr);
    EXPECT_NE(Entry("FoundViewLeafToolItem"), nullptr);
}

TEST_F(MainWindowTest, RadioEntriesStayCheckedAndFollowEachOther)
{
    form->Commands().SetEnabled(cmd::FoundViewListAction, true);
    Entry("FoundViewListMenuItem")->trigger();
    EXPECT_TRUE(form->Commands().Checked(cmd::FoundViewListAction));
    EXPECT_FALSE(form->Commands().Checked(cmd::FoundViewStandardAction));
    EXPECT_TRUE(Entry("FoundViewListToolItem")->isChecked());
    EXPECT_FALSE(Entry("FoundViewStandardPopupItem")->isChecked());
    Entry("FoundViewListMenuItem")->trigger();
    EXPECT_TRUE(Entry("FoundViewListMenuItem")->isChecked());
    EXPECT_TRUE(form->Action(cmd::FoundViewListAction)->isChecked());
}

TEST_F(MainWindowTest, HandlersRunWhenTheirCommandIsTriggered)
{
    int runs = 0;
    form->SetHandler(cmd::OpenDbAction, [&] { ++runs; });
    Entry("OpenDbMenuItem")->trigger();
    form->findChild<QToolButton *>("OpenDbToolButton")->click();
    EXPECT_EQ(runs, 2);
    form->Commands().SetEnabled(cmd::OpenDbAction, false);
    form->Action(cmd::OpenDbAction)->trigger();
    EXPECT_EQ(runs, 2);
}

TEST_F(MainWindowTest, EscClicksStopOnlyWithoutModifiers)
{
    TLongOperation &op = form->Operation();
    op.StartOperation(QStringLiteral("Открытие базы данных"), 10);
    EXPECT_TRUE(form->CancelButton()->isVisible());
    EXPECT_TRUE(form->ProgressBar()->isVisible());
    EXPECT_EQ(form->StatusPanelText(), QStringLiteral("Открытие базы данных"));

    QTest::keyClick(form, Qt::Key_Escape, Qt::ControlModifier);
    EXPECT_EQ(form->Operation().StopState(), StopRunOn);
    QTest::keyClick(form->DescrListView(), Qt::Key_Escape);
    EXPECT_EQ(form->Operation().StopState(), StopPressed);

    op.EndOperation();
    EXPECT_FALSE(form->CancelButton()->isVisible());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(form->Operation().StopState(), StopRunOn);
}

TEST_F(MainWindowTest, HintsOfMenusAndButtonsReachStatusPanelZero)
{
    form->WindowState().StatusText = QStringLiteral("Всего записей: 7");
    QStatusTipEvent tip(QStringLiteral("Выход из программы"));
    QCoreApplication::sendEvent(form->Menu("FileMenuItem"), &tip);
    EXPECT_EQ(form->StatusPanelText(), QStringLiteral("Выход из программы"));
    QStatusTipEvent none{QString()};
    QCoreApplication::sendEvent(form, &none);
    EXPECT_EQ(form->StatusPanelText(), QStringLiteral("Всего записей: 7"));
    EXPECT_EQ(form->findChild<QToolButton *>("SaveDbToolButton")->toolTip(),
              QStringLiteral("Сохранить текущую базу данных"));
    EXPECT_EQ(form->findChild<QToolButton *>("SimpleSearchToolButton")->toolTip(),
              QStringLiteral("Простой поиск"));
}

TEST_F(MainWindowTest, ProgressBarAndStopLieOverTheStatusBar)
{
    form->resize(800, 500);
    form->Operation().StartOperation(QStringLiteral("Т"), 10);
    QCoreApplication::processEvents();
    const QWidget *bar = form->ProgressBar()->parentWidget();
    const int panel0 = form->StatusPanels()->x() + form->StatusPanels()->ShownWidth(0);
    EXPECT_EQ(form->ProgressBar()->x(), panel0 + 2);
    EXPECT_EQ(form->ProgressBar()->width(), bar->width() - panel0 - 34);
    EXPECT_EQ(form->CancelButton()->x(), bar->width() - 32);
    form->Operation().EndOperation();
}

TEST_F(MainWindowTest, TreePopupHidesDisabledCommands)
{
    form->Session().Document().FirstEntireView = false;
    form->ModeLogic().SetDbState(DbEntire);
    for (cmd::Id c : {cmd::RenameItemAction, cmd::CollapseNodeAction})
        form->Commands().SetEnabled(c, true);
    emit form->MainTreeView()->customContextMenuRequested(QPoint(1, 1));
    QMenu *menu = form->Menu("TreePopupMenu");
    EXPECT_TRUE(Entry("RenameItemPopupItem")->isVisible());
    EXPECT_FALSE(Entry("DeleteItemPopupItem")->isVisible());
    EXPECT_FALSE(Entry("FoundViewStandardPopupItem")->isVisible()); // mode 2
    EXPECT_EQ(menu->defaultAction(), Entry("CollapseNodePopupItem"));
    menu->hide();
}

TEST_F(MainWindowTest, EachModeShowsItsOwnPaneWidths)
{
    form->resize(800, 500);
    TPaneWidths &panes = form->WindowState().Panes;
    panes.EntireTreeWidth = 180;
    panes.EntireValueWidth = 300;
    panes.FoundTreeWidth = 260;
    panes.FoundValueWidth = 200;
    form->Session().Document().FirstEntireView = false;
    form->ModeLogic().SetDbState(DbEntire);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->MainTreeView()->isVisible());
    EXPECT_FALSE(form->SearchTreeView()->isVisible());
    EXPECT_EQ(form->LeftPanel()->width(), 180);
    EXPECT_EQ(form->ValueColumnWidth(), 300);
    EXPECT_GE(form->DescrListView()->columnWidth(1), 300);
    form->ModeLogic().SetDbState(DbFound);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->SearchTreeView()->isVisible());
    EXPECT_EQ(form->LeftPanel()->width(), 260);
    EXPECT_EQ(form->ValueColumnWidth(), 200);
    form->resize(900, 500); // the tree pane keeps its width
    QCoreApplication::processEvents();
    EXPECT_EQ(form->LeftPanel()->width(), 260);
}

// The value column and the status panels fill the window at any size; at
// the smallest size both panels are whole.
TEST_F(MainWindowTest, LayoutFollowsTheWindowSize)
{
    form->WindowState().Panes.EntireValueWidth = 245;
    form->Session().Document().FirstEntireView = false;
    form->ModeLogic().SetDbState(DbEntire);
    QTreeWidget *descr = form->DescrListView();
    const TStatusPanelsWidget *panels = form->StatusPanels();
    for (const QSize size : {QSize(1200, 800), QSize(900, 600), form->minimumSize()}) {
        form->resize(size);
        QCoreApplication::processEvents();
        SCOPED_TRACE(testing::Message() << form->width() << "x" << form->height());
        EXPECT_EQ(descr->columnWidth(0) + descr->columnWidth(1),
                  std::max(descr->viewport()->width(), descr->columnWidth(0) + 245));
        EXPECT_EQ(form->ValueColumnWidth(), 245) << "the remembered width stays";
        EXPECT_EQ(panels->ShownWidth(0) + 2 + panels->ShownWidth(1), panels->width());
        EXPECT_GE(panels->ShownWidth(1), 32);
        EXPECT_LE(panels->x() + panels->width(), form->statusBar()->width());
    }
    form->resize(1200, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(panels->ShownWidth(0), panels->PanelWidth(0)) << "panel 0 keeps its width";
    EXPECT_GT(panels->ShownWidth(1), 150) << "panel 1 reaches the right edge";
    // At the smallest width the longest hint still fits panel 0.
    form->resize(form->minimumSize());
    QCoreApplication::processEvents();
    EXPECT_EQ(panels->ShownWidth(0), panels->PanelWidth(0));
}

// An open catalogue shows no pane until asked: the empty window says how.
TEST_F(MainWindowTest, AnOpenCatalogueWithoutPanesShowsAHint)
{
    auto *hint = form->findChild<QLabel *>(QStringLiteral("OpenHintLabel"));
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isVisible());
    form->ModeLogic().SetDbState(DbOpen);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains(QStringLiteral("«Всё содержимое» (Ctrl+E)")));
    EXPECT_TRUE(hint->text().contains(QStringLiteral("«Глобальный поиск...» (Ctrl+F)")));
    form->Session().Document().FirstEntireView = false;
    form->ModeLogic().SetDbState(DbEntire);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_TRUE(form->MainTreeView()->isVisible());
    form->ModeLogic().SetDbState(DbNone);
    EXPECT_FALSE(hint->isVisible());
}

// The title bars ask for no minimise or maximise on dialogs, and for no
// buttons at all on the forms answered by their own buttons.
TEST_F(MainWindowTest, DialogsAskForTheirTitleBarButtons)
{
    int checked = 0;
    for (const QDialog *dialog : form->findChildren<QDialog *>()) {
        const QString name = dialog->objectName();
        if (name.isEmpty() || name == QStringLiteral("QueryForm"))
            continue; // Qt's own dialogs; the query editor can be resized
        SCOPED_TRACE(name.toStdString());
        const Qt::WindowFlags f = dialog->windowFlags();
        EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
        const bool answered =
            name == QStringLiteral("MessageForm") || name == QStringLiteral("AboutForm");
        EXPECT_EQ(f.testFlag(Qt::WindowCloseButtonHint), !answered);
        ++checked;
    }
    EXPECT_GE(checked, 7) << "scan, both searches, editor, options, About, conflict";
}

TEST_F(MainWindowTest, ClosingWritesTheOptionsBackToTheirPlace)
{
    QTemporaryDir dir;
    TEnvironment environment = TEnvironment::Detect();
    environment.IniFileName = dir.filePath("qubrix.ini");
    form->close();
    program = std::make_unique<TProgram>(TProgramSeams{nullptr, nullptr, &environment});
    form = &program->Window();
    form->show();
    QCoreApplication::processEvents();
    form->Session().OptionsStorage().OptionsStore = StoreIni;
    form->Options().MainGeometry = QStringLiteral("Maximized");
    form->resize(640, 480);
    form->close();
    EXPECT_FALSE(form->isVisible());
    QFile ini(environment.IniFileName);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(ini.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[GEOMETRY]"))) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("MainGeometry=%1,%2,640,480").arg(form->x()).arg(form->y())))
        << text.toStdString();
}

TEST_F(MainWindowTest, ExitClosesTheWindow)
{
    form->Action(cmd::ExitAppAction)->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, FailedSaveKeepsTheWindowOpen)
{
    form->Options().ConfirmUnsaved = QStringLiteral("1"); // save without asking
    form->Session().Document().FirstEntireView = false;
    form->Session().Document().DbReadOnly = true; // Save refuses a read-only catalogue
    form->ModeLogic().SetDbState(DbEntire);
    form->Session().ModeLogic().Unsaved().Set(true);
    // The save's warning is answered when it shows.
    QString warning;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            warning = box->text();
            box->accept();
        }
    });
    answer.start(20);
    form->Action(cmd::ExitAppAction)->trigger();
    EXPECT_TRUE(warning.contains("Этот файл базы данных существует и доступен только для чтения."));
    EXPECT_TRUE(form->isVisible()); // the save was refused
    form->Session().ModeLogic().Unsaved().Set(false);
}

TEST_F(MainWindowTest, PresentationAndSizeUnitEntriesAreRadioGroups)
{
    // Commands of groups 2 and up (result presentations, size units) are
    // radio entries in every menu that shows them; nothing else is.
    QStringList radioCommands;
    for (const TCommandDef &def : CommandTable()) {
        if (def.group >= 2)
            radioCommands << def.name.chopped(6); // without "Action"
    }
    int radios = 0;
    for (QAction *entry : form->findChildren<QAction *>()) {
        QString name = entry->objectName();
        if (name.endsWith(QStringLiteral("MenuItem")))
            name.chop(8);
        else if (name.endsWith(QStringLiteral("PopupItem")))
            name.chop(9);
        else if (name.endsWith(QStringLiteral("ToolItem")))
            name.chop(8);
        else
            continue;
        const bool inRadioGroup = entry->actionGroup() && entry->actionGroup()->isExclusive();
        EXPECT_EQ(inRadioGroup, radioCommands.contains(name)) << qPrintable(entry->objectName());
        radios += inRadioGroup;
    }
    // Four presentations in the View menu, the tree's popup and the view
    // drop-down; five units in the View menu and the size popup.
    EXPECT_EQ(radios, 4 * 3 + 5 * 2);
}

TEST_F(MainWindowTest, WindowTitlesGetNoApplicationNameAppended)
{
    SetUpApplication(*qApp);
    // X11 appends an explicitly set display name to every window title; unset,
    // Qt reports the application name in its place.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Кварнис"));
}

} // namespace
} // namespace qbx::test
