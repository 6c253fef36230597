// The scan dialog on the offscreen platform, alone and in the main window.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "options/TOptions.h"
#include "scan/gui/TScanForm.h"
#include "scan/gui/TScanGui.h"
#include "desktop/QStringPrinter.h"
#include "desktop/RecordingHelp.h"
#include "support/ScriptedFolderPicker.h"
#include "support/TestSupport.h"
#include "tree/NodePaths.h"
#include "tree/TTree.h"
#include "tree/TTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace qbx::test {
namespace {

template <class W> W *Get(QWidget &parent, const char *name)
{
    W *w = parent.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class ScanFormTest : public ::testing::Test {
protected:
    ScriptedFolderPicker picker;
    TScanForm form{picker, QStringLiteral("/media/cd/")};
    TScanSettings settings;

    QCheckBox *Box(const char *name) { return Get<QCheckBox>(form, name); }
    // Runs act once the dialog is up, then closes it with OK.
    bool RunWith(std::function<void()> act, bool ok = true)
    {
        QTimer::singleShot(0, &form, [this, act, ok] {
            EXPECT_TRUE(form.isVisible());
            act();
            if (ok)
                QTest::mouseClick(Get<QPushButton>(form, "OKButton"), Qt::LeftButton);
            else
                QTest::keyClick(&form, Qt::Key_Escape);
        });
        return form.Execute(QStringLiteral("CD\\Docs"), settings);
    }
};

TEST_F(ScanFormTest, ControlsCaptionsHintsAndTabOrder)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Добавление дерева файлов"));
    EXPECT_EQ(Get<QLabel>(form, "TreeNodeLabel")->text(), QStringLiteral("Элемент дерева:"));
    EXPECT_EQ(Get<QLabel>(form, "FolderLabel")->text(), QStringLiteral("Папка на диске:"));
    EXPECT_EQ(Box("RootFolderCheckBox")->text(),
              QStringLiteral("&Начинать добавляемое дерево с указанной папки"));
    EXPECT_EQ(Box("RecursionCheckBox")->toolTip(),
              QStringLiteral("Добавлять файлы и папки не только из текущей папки,\nно и из "
                             "вложенных в неё"));
    EXPECT_EQ(Box("TerminalSizeCheckBox")->text(), QStringLiteral("&только оконечных"));
    EXPECT_EQ(Box("AutoDescrCheckBox")->text(),
              QStringLiteral("Автоматически указывать о&писание распознаваемых продуктов"));
    EXPECT_EQ(Box("ArchivesCheckBox")->text(),
              QStringLiteral("Заносить в каталог содержимое &архивов"));
    EXPECT_EQ(Box("ArchivesCheckBox")->toolTip(),
              QStringLiteral("Добавлять под файлом архива его папки и файлы (архивы не "
                             "распаковываются)"));
    EXPECT_EQ(Get<QToolButton>(form, "FolderSpeedButton")->toolTip(),
              QStringLiteral("Выберете папку для обработки"));
    EXPECT_EQ(Get<QPushButton>(form, "OKButton")->text(), QStringLiteral("O&K"));
    EXPECT_EQ(Get<QPushButton>(form, "CancelButton")->text(), QStringLiteral("&Отмена"));
    EXPECT_TRUE(Get<QLineEdit>(form, "FolderEdit")->isReadOnly());
    EXPECT_EQ(Get<QLineEdit>(form, "TreeNodeEdit")->focusPolicy(), Qt::NoFocus);

    QStringList order;
    QWidget *w = Get<QWidget>(form, "FolderEdit");
    for (int i = 0; i < 30 && order.size() < 11; ++i, w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    EXPECT_EQ(order, (QStringList{"FolderEdit", "FolderSpeedButton", "RootFolderCheckBox",
                                  "RecursionCheckBox", "AddFilesCheckBox", "AutoSizeCheckBox",
                                  "TerminalSizeCheckBox", "AutoDescrCheckBox", "ArchivesCheckBox",
                                  "OKButton", "CancelButton"}));
}

TEST_F(ScanFormTest, DefaultsFolderChoiceAndOptionsAtOK)
{
    picker.Answer(QStringLiteral("/srv/disc"));
    picker.Answer(QStringLiteral("/srv/other/"));
    QString shownPath, shownFolder;
    bool okFocused = false;
    EXPECT_TRUE(RunWith([&] {
        shownPath = Get<QLineEdit>(form, "TreeNodeEdit")->text();
        shownFolder = Get<QLineEdit>(form, "FolderEdit")->text();
        okFocused = form.focusWidget() == Get<QPushButton>(form, "OKButton");
        QLineEdit *edit = Get<QLineEdit>(form, "FolderEdit");
        QTest::keyClick(edit, Qt::Key_F4);
        EXPECT_EQ(edit->text(), QStringLiteral("/srv/disc/"));
        QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(edit, Qt::Key_F4, Qt::ShiftModifier); // not the picker's key
        Box("RootFolderCheckBox")->click();
        Box("AutoSizeCheckBox")->click();
        EXPECT_FALSE(Box("TerminalSizeCheckBox")->isEnabled());
        EXPECT_FALSE(Get<QLabel>(form, "TerminalSizeLabel")->isEnabled());
    }));
    EXPECT_EQ(shownPath, QStringLiteral("CD\\Docs"));
    EXPECT_EQ(shownFolder, QStringLiteral("/media/cd/"));
    EXPECT_TRUE(okFocused);
    EXPECT_EQ(picker.prompts,
              (QStringList{"Выберете папку для обработки:", "Выберете папку для обработки:"}));
    EXPECT_EQ(picker.startFolders, (QStringList{"/media/cd/", "/srv/disc/"}));
    EXPECT_EQ(settings.FolderPath, QStringLiteral("/srv/other/"));
    EXPECT_TRUE(settings.NoTopNode);
    EXPECT_FALSE(settings.AutoSize);
    EXPECT_TRUE(settings.TerminalSize && settings.Recursion && settings.AddFiles &&
                settings.AutoDescr);
    EXPECT_FALSE(settings.Archives) << "archives are listed only when asked for";
}

TEST_F(ScanFormTest, CancelForgetsTheFolderButBoxesKeepTheirState)
{
    picker.Answer(QStringLiteral("/srv/disc"));
    EXPECT_FALSE(RunWith(
        [&] {
            QTest::keyClick(Get<QLineEdit>(form, "FolderEdit"), Qt::Key_F4);
            Box("AddFilesCheckBox")->click();
            Box("ArchivesCheckBox")->click();
        },
        false));
    QString folder;
    EXPECT_TRUE(RunWith([&] { folder = Get<QLineEdit>(form, "FolderEdit")->text(); }));
    EXPECT_EQ(folder, QStringLiteral("/media/cd/"));
    EXPECT_FALSE(settings.AddFiles);
    EXPECT_TRUE(settings.Archives);
}

// A click goes to whatever lies under the pointer in the dialog, as the
// window system delivers it: a frame drawn over a box must not take it.
TEST_F(ScanFormTest, EveryBoxSwitchesByAClickOnItsMarkAndOnItsCaption)
{
    EXPECT_TRUE(RunWith([&] {
        for (QCheckBox *box : form.findChildren<QCheckBox *>()) {
            const QRect r = box->geometry();
            const QPoint mark(r.left() + 6, r.center().y());
            const QPoint caption(r.left() + box->sizeHint().width() - 8, r.center().y());
            for (const QPoint at : {mark, caption}) {
                QWidget *under = form.childAt(box->parentWidget()->mapTo(&form, at));
                ASSERT_NE(under, nullptr) << box->objectName().toStdString();
                const bool before = box->isChecked();
                QTest::mouseClick(under, Qt::LeftButton, {},
                                  under->mapFrom(box->parentWidget(), at));
                EXPECT_NE(box->isChecked(), before) << box->objectName().toStdString();
            }
        }
    }));
    EXPECT_TRUE(settings.TerminalSize && settings.AutoSize);
}

TEST_F(ScanFormTest, F1OpensTheTopic)
{
    int topic = -1;
    form.OnHelp = [&](int t) { topic = t; };
    EXPECT_TRUE(RunWith([&] { QTest::keyClick(&form, Qt::Key_F1); }));
    EXPECT_EQ(topic, 8);
}

// The command in the real main window: a new catalogue, a folder scanned
// under its root, then the same folder again with the conflict form.
TEST(ScanInMainWindow, AddsTheTreeAndAsksAboutExistingItems)
{
    TempConfigHome config;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Disc/Sub"));
    QFile file(dir.filePath(QStringLiteral("Disc/Sub/b.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200, 'x'));
    file.close();

    ScriptedFolderPicker picker;
    RecordingHelp help;
    TProgram program({&picker, &help});
    TMainForm &form = program.Window();
    TScanGui &scan = program.Scan();
    form.show();
    QApplication::processEvents();
    program.Session().Files().CreateCatalogue();
    program.Session().MainModel().Select(program.Session().MainTree().Root());
    QApplication::processEvents();
    ASSERT_TRUE(form.Action(cmd::AddTreeAction)->isEnabled());

    picker.Answer(dir.filePath(QStringLiteral("Disc")));
    QTimer::singleShot(0, &form, [&] {
        TScanForm &dialog = scan.ScanForm();
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(Get<QLineEdit>(dialog, "FolderEdit"), Qt::Key_F4);
        QTest::mouseClick(Get<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
    });
    form.Action(cmd::AddTreeAction)->trigger();
    TTree &tree = program.Session().MainTree();
    const TTreeNode *disc = tree.FindChild(tree.Root(), QStringLiteral("Disc"));
    ASSERT_NE(disc, nullptr);
    EXPECT_EQ(disc->Image(), ImageDisc);
    EXPECT_EQ(program.Session().MainModel().SelectedNodes().front(), disc);
    EXPECT_TRUE(form.MainTreeView()->isExpanded(program.Session().MainModel().IndexOf(disc)));
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
    EXPECT_FALSE(form.ProgressBar()->isVisible());

    // Again from the root: the existing disc raises the conflict form; Esc
    // cancels and nothing more happens.
    program.Session().MainModel().Select(tree.Root());
    QApplication::processEvents();
    bool conflictShown = false;
    QTimer::singleShot(0, &form, [&] {
        QTest::mouseClick(Get<QPushButton>(scan.ScanForm(), "OKButton"), Qt::LeftButton);
    });
    // The conflict form comes up once the scan runs.
    int tries = 0;
    std::function<void()> answer = [&] {
        QWidget *conflict = QApplication::activeModalWidget();
        if (!conflict || conflict->objectName() != QStringLiteral("MessageForm")) {
            if (++tries > 500)
                return;
            QTimer::singleShot(20, &form, answer);
            return;
        }
        conflictShown = true;
        QTest::keyClick(conflict, Qt::Key_Escape);
    };
    QTimer::singleShot(20, &form, answer);
    form.Action(cmd::AddTreeAction)->trigger();
    EXPECT_TRUE(conflictShown);
    EXPECT_EQ(form.Session().Answers().ConflictAnswer, 0);
    EXPECT_TRUE(form.Action(cmd::AddTreeAction)->isEnabled());
}

// A scan into an empty catalogue keeps the root on screen (no reset of the
// view); afterwards the new disc is at the top of the view with its first
// level below it, also when it sorts after many others.
TEST(ScanInMainWindow, TheRootStaysAndTheNewDiscShowsAtTheTop)
{
    TempConfigHome config;
    QTemporaryDir dir;
    for (int i = 0; i < 5; ++i)
        QDir(dir.path()).mkpath(QStringLiteral("Mdisc/sub%1").arg(i));

    ScriptedFolderPicker picker;
    RecordingHelp help;
    TProgram program({&picker, &help});
    TMainForm &form = program.Window();
    form.resize(700, 450);
    form.show();
    QApplication::processEvents();
    program.Session().Files().CreateCatalogue();
    TTreeModel &model = program.Session().MainModel();
    TTree &tree = program.Session().MainTree();
    QTreeView *view = form.MainTreeView();

    auto scan = [&](const QString &folder) {
        model.Select(tree.Root());
        QApplication::processEvents();
        picker.Answer(folder);
        QTimer::singleShot(0, &form, [&] {
            TScanForm &dialog = program.Scan().ScanForm();
            QTest::keyClick(Get<QLineEdit>(dialog, "FolderEdit"), Qt::Key_F4);
            QTest::mouseClick(Get<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
        });
        form.Action(cmd::AddTreeAction)->trigger();
    };

    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    scan(dir.filePath(QStringLiteral("Mdisc")));
    EXPECT_EQ(resets.count(), 0) << "the view kept the root while the scan ran";

    // Many discs before and after it: the new one would be out of view.
    ASSERT_NE(tree.FindChild(tree.Root(), QStringLiteral("Mdisc")), nullptr);
    tree.RemoveNode(tree.FindChild(tree.Root(), QStringLiteral("Mdisc")));
    for (int i = 0; i < 40; ++i) {
        tree.AddChild(tree.Root(), QStringLiteral("A %1").arg(i, 2, 10, QChar(u'0')), ImageDisc);
        tree.AddChild(tree.Root(), QStringLiteral("Z %1").arg(i, 2, 10, QChar(u'0')), ImageDisc);
    }
    view->scrollToTop();
    QApplication::processEvents();
    scan(dir.filePath(QStringLiteral("Mdisc")));
    QApplication::processEvents();
    const TTreeNode *disc = tree.FindChild(tree.Root(), QStringLiteral("Mdisc"));
    ASSERT_NE(disc, nullptr);
    ASSERT_EQ(disc->ChildCount(), 5);
    const QRect discRect = view->visualRect(model.IndexOf(disc));
    EXPECT_LE(discRect.top(), 2 * discRect.height()) << "near the top of the view";
    const QRect firstChild = view->visualRect(model.IndexOf(disc->Child(0)));
    EXPECT_TRUE(view->viewport()->rect().contains(firstChild)) << "its first level shows";
    const QRect lastChild = view->visualRect(model.IndexOf(disc->Child(4)));
    EXPECT_TRUE(view->viewport()->rect().contains(lastChild));
}

} // namespace
} // namespace qbx::test
