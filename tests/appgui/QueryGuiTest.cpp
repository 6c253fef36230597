// The query editor in the real main window: a query file opened with the
// Open command or named on the command line shows the editor with it loaded.
#include "app/MainWindow.h"
#include "app/TQueryGui.h"
#include "options/TOptions.h"
#include "platform/Codec.h"
#include "search/QueryTree.h"
#include "shell/QStringPrinter.h"
#include "shell/RecordingHelp.h"
#include "storage/TCatalogueFiles.h"
#include "storage/TCatalogueGui.h"
#include "support/TestSupport.h"

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
    TMainForm form;
    RecordingHelp help;
    TQueryGui query(form, help);
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
    form.Catalogue().Files().OpenFile(name);
    EXPECT_EQ(shown, "ИЛИ\r\n\t[Продукт] РАВНО [x]\r\n\tНЕ\r\n");
    EXPECT_FALSE(okEnabled) << "no catalogue is open";
    EXPECT_FALSE(form.Options().QueryFilePending);
    EXPECT_EQ(help.shown, std::vector<int>({12}));
    EXPECT_EQ(form.Options().DbState, 0);
    form.close();
}

} // namespace
} // namespace qbx::test
