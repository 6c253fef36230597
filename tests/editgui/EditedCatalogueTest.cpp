// An edited catalogue saved and read back, and the description editor asked
// for from the search results, in the real main window.
#include "EditWindow.h"

#include "app/gui/TSearchGui.h"
#include "search/SearchConditions.h"
#include "support/CatalogueTable.h"

#include <algorithm>

namespace qbx::test {
namespace {

QStringList Sorted(QStringList lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Types into the description editor's fields and presses OK.
void FillEditor(QWidget *editor, const QString &producer, const QString &description)
{
    auto *producerEdit = editor->findChild<QLineEdit *>(QStringLiteral("ProducerEdit"));
    auto *descrEdit = editor->findChild<QLineEdit *>(QStringLiteral("DescrEdit"));
    ASSERT_TRUE(producerEdit && descrEdit);
    producerEdit->setText(producer);
    descrEdit->setText(description);
    QTest::keyClick(descrEdit, Qt::Key_Return);
}

const QList<Rec> kDiscs = {
    {"CD1", "Docs\\", "", "", "", 0, ""},
    {"CD1", "Docs\\a.txt", "Acme", "Office", "1.0", 1536, "letter"},
    {"CD1", "Docs\\b.txt", "", "", "", 3000000000.0, ""},
    {"CD1", "Docs\\readme", "", "", "", 0, ""},
    {"CD1", "setup.exe", "Maker", "Game", "2", 70000, "installer"},
    {"CD2", "Music\\", "", "", "", 0, ""},
    {"CD2", "Music\\song.mp3", "Band", "Album", "", 4000000, "track"},
    {"CD3", "", "", "", "", 0, ""},
};

TEST_F(MainWindowTest, AnEditedCatalogueIsSavedAndReadBackExactly)
{
    const QString path = dir.filePath(QStringLiteral("discs.db"));
    WriteCatalogueTable(path, kDiscs);
    Open(path);
    ASSERT_EQ(Sorted(Lines()), Sorted({
                                   "CD1|1||||0|",
                                   "CD1\\Docs|2||||0|",
                                   "CD1\\Docs\\a.txt|4|Acme|Office|1.0|1536|letter",
                                   "CD1\\Docs\\b.txt|4||||3000000000|",
                                   "CD1\\Docs\\readme|4||||0|",
                                   "CD1\\setup.exe|4|Maker|Game|2|70000|installer",
                                   "CD2|1||||0|",
                                   "CD2\\Music|2||||0|",
                                   "CD2\\Music\\song.mp3|4|Band|Album||4000000|track",
                                   "CD3|1||||0|",
                               }));
    EXPECT_FALSE(form.Action(cmd::SaveDbAction)->isEnabled());

    // A new disc, and a subitem that turns "readme" into a folder.
    Select(Tree().Root());
    Key(Qt::Key_Insert);
    Select(Node("CD1\\Docs\\readme"));
    Key(Qt::Key_Insert);
    // "a.txt" renamed in place.
    Select(Node("CD1\\Docs\\a.txt"));
    Key(Qt::Key_F2);
    QLineEdit *editor = Editor();
    ASSERT_TRUE(editor);
    editor->selectAll();
    editor->insert(QStringLiteral("Письмо.txt")); // typed
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(Settle([this] { return Node("CD1\\Docs\\Письмо.txt") != nullptr; }));
    // "b.txt" described; its size is left as it is (beyond 2^31).
    Select(Node("CD1\\Docs\\b.txt"));
    OnModal([](QWidget *w) { FillEditor(w, QStringLiteral("Фирма"), QStringLiteral("счёт")); });
    Key(Qt::Key_Return, Qt::AltModifier);
    // "CD2" deleted after the question.
    Select(Node("CD2"));
    AnswerBox(QMessageBox::Yes);
    Key(Qt::Key_Delete);

    const QStringList edited = Lines();
    EXPECT_EQ(Sorted(edited), Sorted({
                                  "CD1|1||||0|",
                                  "CD1\\Docs|2||||0|",
                                  "CD1\\Docs\\Письмо.txt|4|Acme|Office|1.0|1536|letter",
                                  "CD1\\Docs\\b.txt|4|Фирма|||3000000000|счёт",
                                  "CD1\\Docs\\readme|2||||0|",
                                  "CD1\\Docs\\readme\\Новый подэлемент|4||||0|",
                                  "CD1\\setup.exe|4|Maker|Game|2|70000|installer",
                                  "CD3|1||||0|",
                                  "Новый|1||||0|",
                              }));
    ASSERT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());

    form.Action(cmd::SaveDbAction)->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(form.Action(cmd::SaveDbAction)->isEnabled());

    // Read back from the file: the same nodes in the same order.
    Open(path);
    EXPECT_EQ(Lines(), edited);
    EXPECT_FALSE(form.Action(cmd::SaveDbAction)->isEnabled());
}

TEST_F(MainWindowTest, TheEditorAskedForInTheResultsEditsTheItemInTheCatalogue)
{
    const QString path = dir.filePath(QStringLiteral("discs.db"));
    WriteCatalogueTable(path, kDiscs);
    TOptions &options = form.Options();
    program.Session().Files().OpenFile(path);
    options.Confirm100.clear();
    options.ConfirmHalf.clear();
    options.ConfirmReview = false;
    options.ConfirmEdit = true;
    const QString condition =
        FieldCondition(QStringLiteral("Producer"), PrepareSearchText(QStringLiteral("acme"), true),
                       true) +
        KindFilter(true, true, true);
    ASSERT_EQ(program.Search().RunNewSearch(condition), 1);
    QApplication::processEvents();
    ASSERT_EQ(form.WindowState().DbState(), DbFound);
    const TTreeNode *found =
        NodeAt(program.Session().SearchTree(), QStringLiteral("CD1\\Docs\\a.txt"));
    ASSERT_TRUE(found);
    program.Session().SearchModel().Select(found);
    form.SearchTreeView()->setFocus();
    QApplication::processEvents();

    // "Нет" to the question: the results stay, nothing is edited.
    QString asked;
    AnswerBox(QMessageBox::No, &asked);
    form.Action(cmd::EditDescrAction)->trigger();
    ASSERT_TRUE(Settle([&asked] { return !asked.isEmpty(); }));
    EXPECT_EQ(asked, QStringLiteral("Редактирование описания|Вы действительно хотите перейти в "
                                    "режим редактирования?"));
    QApplication::processEvents();
    EXPECT_EQ(form.WindowState().DbState(), DbFound);
    EXPECT_EQ(form.Session().Catalogue().EditState, EditNone);
    EXPECT_FALSE(form.Action(cmd::SaveDbAction)->isEnabled());

    // "Да": the whole catalogue is shown with the item selected, and the
    // editor opened there changes it.
    QString title;
    OnModal([this, &title](QWidget *box) {
        OnModal([&title](QWidget *editor) {
            title = editor->windowTitle();
            FillEditor(editor, QStringLiteral("Фирма"), QStringLiteral("правка"));
        });
        qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
    });
    form.Action(cmd::EditDescrAction)->trigger();
    ASSERT_TRUE(Settle([&title] { return !title.isEmpty(); }));
    QApplication::processEvents();
    EXPECT_EQ(title, QStringLiteral("Редактирование описания"));
    EXPECT_EQ(form.WindowState().DbState(), DbEntire);
    EXPECT_EQ(form.Session().Catalogue().EditState, EditNone);
    TTreeNode *item = Node("CD1\\Docs\\a.txt");
    ASSERT_TRUE(item && item->Description());
    EXPECT_EQ(*item->Description(),
              TItemDescription::Make("Фирма", "Office", "1.0", 1536, "правка"));
    EXPECT_EQ(program.Session().MainModel().CurrentNode(), item);
    EXPECT_TRUE(form.MainTreeView()->isVisible());
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
    // Nothing else changed.
    EXPECT_EQ(KindAndDescription(*Node("CD1\\setup.exe")),
              QStringLiteral("4|Maker|Game|2|70000|installer"));
}

} // namespace
} // namespace qbx::test
