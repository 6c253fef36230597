// The query editor in the real main window: a query file opened with the
// Open command or named on the command line shows the editor with it loaded.
#include "app/gui/MainForm.h"
#include "app/gui/Program.h"
#include "app/gui/TCatalogueGui.h"
#include "app/gui/TQueryGui.h"
#include "engine/Table.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "search/QueryComparison.h"
#include "search/QueryTree.h"
#include "interaction/CommandTable.h"
#include "desktop/QStringPrinter.h"
#include "desktop/RecordingHelp.h"
#include "storage/CatalogueFields.h"
#include "storage/TCatalogueFiles.h"
#include "support/TestSupport.h"
#include "tree/TTree.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

TEST(QueryGuiTest, AQueryFileShowsTheEditorWithTheQueryLoaded)
{
    TempConfigHome config;
    RecordingHelp help;
    TProgram program({nullptr, &help});
    TMainForm &form = program.Window();
    TQueryGui &query = program.Query();
    form.show();
    QCoreApplication::processEvents();

    const QString name = config.path() + "/q.CDQ";
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(codec::ToCp1251Bytes("ИЛИ\r\n\t[Продукт] РАВНО [x]\r\n\tНЕ\r\n"));
    file.close();

    QString shown;
    bool okEnabled = true;
    QTimer::singleShot(0, [&] {
        TQueryForm &dialog = query.Form();
        shown = QueryTreeText(dialog.Editor().Model().Tree());
        okEnabled = dialog.findChild<QWidget *>("OKButton")->isEnabled();
        QTest::keyClick(dialog.findChild<QTreeView *>("QueryTreeView"), Qt::Key_F1);
        dialog.reject();
    });
    program.Session().Files().OpenFile(name);
    EXPECT_EQ(shown, "ИЛИ\r\n\t[Продукт] РАВНО [x]\r\n\tНЕ\r\n");
    EXPECT_FALSE(okEnabled) << "no catalogue is open";
    EXPECT_FALSE(form.Session().Document().QueryFilePending);
    EXPECT_EQ(help.shown, std::vector<int>({12}));
    EXPECT_EQ(form.WindowState().DbState(), DbNone);
    form.close();
}

TEST(QueryGuiTest, ComplexSearchShowsTheRowsFoundAsResults)
{
    TempConfigHome config;
    RecordingHelp help;
    TProgram program({nullptr, &help});
    TMainForm &form = program.Window();
    TQueryGui &query = program.Query();
    form.show();
    QCoreApplication::processEvents();
    TOptions &options = form.Options();
    options.Confirm100.clear();
    options.ConfirmHalf.clear();

    const QString table = config.path() + "/cat.db";
    engine::Table::Create(table.toStdString(), CatalogueFieldDefs(),
                          {kCatalogueBlockKiB, "ancyrr"});
    {
        engine::Table t;
        t.Open(table.toStdString(), engine::OpenMode::Exclusive);
        using V = engine::Value;
        const std::string cd = "CD1", big = "big.iso", small = "a.txt";
        const V rows[3][7] = {
            {V::Text(cd), V::Null(), V::Null(), V::Null(), V::Null(), V::Number(0), V::Null()},
            {V::Text(cd), V::Text(big), V::Null(), V::Null(), V::Null(), V::Number(3e9), V::Null()},
            {V::Text(cd), V::Text(small), V::Null(), V::Null(), V::Null(), V::Number(10),
             V::Null()},
        };
        for (const auto &row : rows)
            t.Append(row);
    }
    program.Session().Files().OpenFile(table);
    ASSERT_EQ(form.WindowState().DbState(), DbOpen);

    // "[Размер] > [1 ГБ]" built with the dialog's keys and controls, then Enter.
    QTimer::singleShot(0, [&] {
        TQueryForm &dialog = query.Form();
        QTreeView *tree = dialog.findChild<QTreeView *>("QueryTreeView");
        QTest::keyClick(tree, Qt::Key_Insert, Qt::AltModifier);
        TQueryEditor &editor = dialog.Editor();
        editor.Select(editor.Model().Top()->Child(0));
        editor.ChooseField(CfByteSize);
        editor.ChooseOperator(4);
        editor.SetNumber(1);
        editor.ChooseUnit(SuGByte);
        QTest::keyClick(tree, Qt::Key_Return);
        if (dialog.isVisible())
            dialog.reject();
    });
    form.Action(cmd::ComplexSearchAction)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Session().LastSearch().LastCondition, "(ByteSize > 1073741824)");
    EXPECT_EQ(form.Session().LastSearch().ResultName, "Query");
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    const TTreeNode *root = program.Session().SearchTree().Root();
    ASSERT_EQ(root->ChildCount(), 1);
    ASSERT_EQ(root->Child(0)->ChildCount(), 1);
    EXPECT_EQ(root->Child(0)->Child(0)->Text(), "big.iso");
    form.close();
}

} // namespace
} // namespace qbx::test
