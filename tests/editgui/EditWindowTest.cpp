// Editing the catalogue in the real main window: keys reach the commands and
// the in-place editor, questions are real message boxes, the description
// editor is the real form.
#include "EditWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QSpinBox>

namespace qbx::test {
namespace {

TEST_F(EditWindow, AddRenameWithF2AndDeleteWithTheQuestion)
{
    Select(Tree().Root());
    Key(Qt::Key_Insert);
    ASSERT_TRUE(Node("Новый"));
    Select(Node("Новый"));
    Key(Qt::Key_Insert);
    Key(Qt::Key_Insert);
    EXPECT_TRUE(Node("Новый\\Новый подэлемент 1"));
    Select(Node("Новый\\Новый подэлемент"));

    Key(Qt::Key_F2);
    QLineEdit *editor = Editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(form.Session().Catalogue().EditState, 1);
    EXPECT_TRUE(form.Action(cmd::DeleteItemAction)->shortcuts().isEmpty());
    editor->selectAll();
    editor->insert(QStringLiteral("Док")); // typed
    // Ctrl+C and Del reach the edit box, not the commands.
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Док"));
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->text(), QStringLiteral("ок"));
    editor->insert(QStringLiteral("Д"));
    QTest::keyClick(editor, Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_EQ(form.Session().Catalogue().EditState, 0);
    EXPECT_FALSE(form.Action(cmd::DeleteItemAction)->shortcuts().isEmpty());
    const TTreeNode *renamed = Node("Новый\\Док");
    ASSERT_TRUE(renamed);
    EXPECT_FALSE(Node("Новый\\Новый подэлемент"));
    EXPECT_EQ(program.Session().MainModel().CurrentNode(), renamed);

    QString asked;
    AnswerBox(QMessageBox::Yes, &asked);
    Key(Qt::Key_Delete);
    EXPECT_EQ(asked, QStringLiteral("Удаление элемента|Вы действительно хотите удалить элемент "
                                    "\"Док\"?"));
    EXPECT_FALSE(Node("Новый\\Док"));
    EXPECT_EQ(program.Session().MainModel().CurrentNode(), Node("Новый\\Новый подэлемент 1"));
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());
}

TEST_F(EditWindow, RenamingKeepsOpenFoldersOpenAndSelectedSiblingsGoTogether)
{
    Select(Tree().Root());
    Key(Qt::Key_Insert);
    Select(Node("Новый"));
    for (int i = 0; i < 4; ++i)
        Key(Qt::Key_Insert);
    Select(Node("Новый\\Новый подэлемент"));
    Key(Qt::Key_Insert);
    TTreeModel &model = program.Session().MainModel();
    tree().expand(model.IndexOf(Node("Новый\\Новый подэлемент")));
    Select(Node("Новый"));
    Key(Qt::Key_F2);
    ASSERT_TRUE(Editor());
    Editor()->setText(QStringLiteral("Диск"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const TTreeNode *folder = Node("Диск\\Новый подэлемент");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(tree().isExpanded(model.IndexOf(Node("Диск"))));
    EXPECT_TRUE(tree().isExpanded(model.IndexOf(folder)));
    EXPECT_EQ(folder->Image(), ImageFolderOpen);

    // Three of the four siblings (the folder among them) deleted at once.
    const TTreeNode *disc = Node("Диск");
    model.SelectionModel()->select(
        QItemSelection(model.IndexOf(disc->Child(0)), model.IndexOf(disc->Child(2))),
        QItemSelectionModel::ClearAndSelect);
    form.Options().ConfirmDelete = false;
    Key(Qt::Key_Delete);
    ASSERT_EQ(disc->ChildCount(), 1);
    EXPECT_EQ(model.CurrentNode(), disc->Child(0));
    EXPECT_EQ(tree().model()->rowCount(model.IndexOf(disc)), 1);
}

TEST_F(EditWindow, AnInvalidNameShowsTheWarningAndEscGivesTheShortcutsBack)
{
    Select(Tree().Root());
    Key(Qt::Key_Insert);
    Select(Node("Новый"));
    Key(Qt::Key_F2);
    ASSERT_TRUE(Editor());
    Key(Qt::Key_Escape);
    EXPECT_EQ(form.Session().Catalogue().EditState, 0);
    EXPECT_FALSE(form.Action(cmd::CopyDescrAction)->shortcuts().isEmpty());

    Key(Qt::Key_F2);
    QLineEdit *editor = Editor();
    ASSERT_TRUE(editor);
    editor->setText(QStringLiteral("con"));
    QString shown;
    AnswerBox(QMessageBox::Ok, &shown);
    QTest::keyClick(editor, Qt::Key_Return);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    QTest::qWait(50);
    EXPECT_EQ(shown, QStringLiteral("Проверка имени элемента|Новое имя элемента имеет недопустимое "
                                    "значение.\nПереименование отменено."));
    EXPECT_TRUE(Node("Новый"));
    EXPECT_EQ(form.Session().Catalogue().EditState, 0);
}

TEST_F(EditWindow, TheDescriptionEditorKeepsAnUntouchedSizeExact)
{
    TCatalogueTree &cat = program.Session().Catalogue();
    TTreeNode *file = cat.InsertItem("CD", "a.bin", "Acme", "", "", 1536, "", false);
    form.Options().SizeUnit = 4;
    Select(file);
    OnModal([](QWidget *w) {
        auto *producer = w->findChild<QLineEdit *>(QStringLiteral("ProducerEdit"));
        auto *ok = w->findChild<QPushButton *>(QStringLiteral("OKButton"));
        auto *spin = w->findChild<QSpinBox *>(QStringLiteral("SizeSpinEdit"));
        auto *unit = w->findChild<QComboBox *>(QStringLiteral("SizeComboBox"));
        auto *folder = w->findChild<QCheckBox *>(QStringLiteral("FolderCheckBox"));
        ASSERT_TRUE(producer && ok && spin && unit && folder);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Редактирование описания"));
        EXPECT_EQ(producer->selectedText(), QStringLiteral("Acme"));
        EXPECT_EQ(spin->value(), 2);
        EXPECT_EQ(unit->currentText(), QStringLiteral("кБ"));
        EXPECT_FALSE(folder->isChecked());
        EXPECT_FALSE(ok->isEnabled());
        auto *descr = w->findChild<QLineEdit *>(QStringLiteral("DescrEdit"));
        descr->setText(QStringLiteral("Описание"));
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(descr, Qt::Key_Return);
    });
    Key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_TRUE(file->Description());
    EXPECT_EQ(*file->Description(), TItemDescription::Make("Acme", "", "", 1536, "Описание"));
    EXPECT_TRUE(form.Action(cmd::SaveDbAction)->isEnabled());

    // The clipboard round trip.
    TTreeNode *other = cat.InsertItem("CD", "b.bin", "", "", "", 7, "", false);
    // What an earlier edit box copied may linger on the offscreen clipboard.
    QApplication::clipboard()->clear();
    form.Action(cmd::CopyDescrAction)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Acme\r\r\rОписание"));
    Select(other);
    form.Action(cmd::PasteDescrAction)->trigger();
    ASSERT_TRUE(other->Description());
    EXPECT_EQ(*other->Description(), TItemDescription::Make("Acme", "", "", 7, "Описание"));
}

TEST_F(EditWindow, TheEditorShowsAWholeLabelAndNoLabelEditOpensDuringLongWork)
{
    const QString label = QStringLiteral("Диск с очень длинной меткой 0123");
    ASSERT_EQ(label.size(), 32);
    TTreeNode *disc = program.Session().Catalogue().InsertItem(label, "", "", "", "", 0, "", false);
    Select(disc);
    QString shown;
    OnModal([&shown](QWidget *w) {
        shown = w->findChild<QLineEdit *>(QStringLiteral("LabelEdit"))->text();
        static_cast<QDialog *>(w)->reject();
    });
    Key(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(shown, label);

    // A scan, load or save walks the tree while it lets events through.
    const QModelIndex index = program.Session().MainModel().IndexOf(disc);
    TLongOperation &operation = program.Session().Operation();
    operation.StartOperation(QStringLiteral("Сохранение"), 10);
    tree().edit(index);
    EXPECT_EQ(Editor(), nullptr);
    operation.EndOperation();
    tree().edit(index);
    EXPECT_NE(Editor(), nullptr);
}

} // namespace
} // namespace qbx::test
