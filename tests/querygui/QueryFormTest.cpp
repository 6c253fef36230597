// The query dialog through the offscreen platform: captions, hints, enabled
// states per node kind, keys, typing a comparison, and drag and drop.
#include "options/TOptions.h"
#include "platform/Translations.h"
#include "search/QueryComparison.h"
#include "search/QueryTree.h"
#include "search/QueryWords.h"
#include "interaction/WindowState.h"
#include "storage/CatalogueDocument.h"
#include "query/ScriptedQueryDialogs.h"
#include "search/gui/TQueryForm.h"
#include "search/gui/TQueryTreeViewWidget.h"
#include "desktop/QStringPrinter.h"
#include "support/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

class QueryForm : public ::testing::Test {
protected:
    TOptions options;
    TWindowState window{QStringLiteral("Кварнис")};
    TCatalogueDocument document;
    ScriptedMessageBoxes boxes;
    ScriptedQueryDialogs dialogs;
    TQueryForm form{options, window, document, boxes, dialogs};

    QueryForm()
    {
        window.SetMode(DbOpen);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~QueryForm() override { form.hide(); }

    template <class T> T *Get(const char *name)
    {
        T *w = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPushButton *Btn(const char *name) { return Get<QPushButton>(name); }
    QTreeView *Tree() { return Get<QTreeView>("QueryTreeView"); }
    QString Text() { return QueryTreeText(form.Editor().Model().Tree()); }
    TQueryNode *Top() { return form.Editor().Model().Top(); }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QWidget *to = nullptr)
    {
        QTest::keyClick(to ? to : Tree(), Qt::Key(key), mods);
    }
    void SelectNode(TQueryNode *node)
    {
        Tree()->setCurrentIndex(form.Editor().Model().IndexOf(node));
    }
    // Enabled state of the buttons "&Логика", "&Сравнение", "&Элемент",
    // "&Новый", "Со&хранить...", OK as a string of 0 and 1.
    std::string Enabled()
    {
        std::string s;
        for (const char *n : {"AddBooleanBitBtn", "AddCompareBitBtn", "DeleteItemBitBtn",
                              "NewButton", "SaveButton", "OKButton"})
            s += Btn(n)->isEnabled() ? '1' : '0';
        return s;
    }
};

TEST_F(QueryForm, CaptionsHintsAndTheFirstState)
{
    EXPECT_EQ(form.windowTitle(), "Поиск в базе данных");
    EXPECT_GE(form.minimumWidth(), 500);
    EXPECT_GE(form.minimumHeight(), 280);
    const std::pair<const char *, const char *> buttons[] = {{"AddBooleanBitBtn", "&Логика"},
                                                             {"AddCompareBitBtn", "&Сравнение"},
                                                             {"DeleteItemBitBtn", "&Элемент"},
                                                             {"NewButton", "&Новый"},
                                                             {"LoadButton", "&Загрузить..."},
                                                             {"SaveButton", "Со&хранить..."},
                                                             {"OKButton", "O&K"},
                                                             {"CancelButton", "&Отмена"}};
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(Btn(name)->text(), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(Btn("AddCompareBitBtn")->toolTip(), "Добавить элемент сравнения (Alt+Ins)");
    EXPECT_EQ(Btn("SaveButton")->toolTip(), "Сохранить запрос в файл (Ctrl+S)");
    EXPECT_EQ(Btn("OKButton")->toolTip(), "Проверить запрос и начать поиск");
    EXPECT_TRUE(Btn("OKButton")->isDefault());
    EXPECT_EQ(Get<QGroupBox>("LOperandGroupBox")->title(), "Л&евый операнд");
    EXPECT_EQ(Get<QGroupBox>("TypeGroupBox")->title(), "Искать только");
    EXPECT_EQ(Get<QCheckBox>("CaseCheckBox")->text(), "&Учитывать регистр символов");
    EXPECT_EQ(Get<QComboBox>("LOperandComboBox")->count(), 7);
    EXPECT_EQ(Get<QComboBox>("LOperandComboBox")->itemText(0), "Метка компакт-диска");
    EXPECT_EQ(Get<QComboBox>("ROperandComboBox")->currentText(), "байт");
    EXPECT_EQ(Get<QSpinBox>("ROperandSpinEdit")->maximum(), 2147483647);
    for (const char *box : {"CDCheckBox", "FolderCheckBox", "FileCheckBox"})
        EXPECT_TRUE(Get<QCheckBox>(box)->isChecked()) << box;

    EXPECT_EQ(Enabled(), "110000");
    EXPECT_FALSE(Get<QGroupBox>("LOperandGroupBox")->isEnabled());
    EXPECT_FALSE(Get<QGroupBox>("OperatorGroupBox")->isEnabled());
    EXPECT_FALSE(Get<QGroupBox>("ROperandGroupBox")->isEnabled());
}

TEST_F(QueryForm, KeysAddDeleteAndClear)
{
    Key(Qt::Key_Insert, Qt::AltModifier);
    Key(Qt::Key_Insert, Qt::AltModifier);
    EXPECT_EQ(Text(), "И\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_EQ(Enabled(), "111111");
    EXPECT_EQ(Get<QComboBox>("OperatorComboBox")->currentText(), "И");
    Key(Qt::Key_Insert);
    EXPECT_EQ(Top()->ChildCount(), 3);

    SelectNode(Top()->Child(0));
    EXPECT_EQ(Enabled(), "001111");
    EXPECT_TRUE(Get<QGroupBox>("LOperandGroupBox")->isEnabled());
    EXPECT_TRUE(Get<QLineEdit>("ROperandEdit")->isVisible());
    EXPECT_FALSE(Get<QSpinBox>("ROperandSpinEdit")->isVisible());
    // Del in the value edit edits the text, not the tree.
    Key(Qt::Key_Delete, Qt::NoModifier, Get<QLineEdit>("ROperandEdit"));
    EXPECT_EQ(Top()->ChildCount(), 3);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Top()->ChildCount(), 2);
    EXPECT_EQ(form.Editor().Selected(), Top()->Child(0));

    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Text(), "?\r\n");
    EXPECT_EQ(Enabled(), "110000");

    // Ctrl+S with the bare "?" does nothing; Ctrl+O opens the load dialog.
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.requests.isEmpty());
    // Щ: the O key on a Russian layout.
    QKeyEvent cyrillicO(QEvent::KeyPress, 0x0429, Qt::ControlModifier, QStringLiteral("щ"));
    QCoreApplication::sendEvent(Tree(), &cyrillicO);
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].Title, "Загрузка сложного запроса");

    Key(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(QueryForm, TypingAComparisonAndPressingEnterSearches)
{
    Key(Qt::Key_Insert, Qt::AltModifier);
    SelectNode(Top()->Child(0));
    emit Get<QComboBox>("LOperandComboBox")->activated(2); // Производитель
    emit Get<QComboBox>("OperatorComboBox")->activated(1); // СОДЕРЖИТ
    QTest::keyClicks(Get<QLineEdit>("ROperandEdit"), "soft");
    QTest::mouseClick(Get<QCheckBox>("CaseCheckBox"), Qt::LeftButton);
    EXPECT_EQ(Top()->Child(0)->Caption(), "[Производитель] СОДЕРЖИТ [soft]!");
    EXPECT_EQ(Tree()->model()->data(Tree()->currentIndex()).toString(),
              "[Производитель] СОДЕРЖИТ [soft]!");

    // The size field shows the number and the unit instead of the text.
    emit Get<QComboBox>("LOperandComboBox")->activated(5);
    EXPECT_FALSE(Get<QLineEdit>("ROperandEdit")->isVisible());
    EXPECT_TRUE(Get<QSpinBox>("ROperandSpinEdit")->isVisible());
    EXPECT_FALSE(Get<QCheckBox>("CaseCheckBox")->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>("CaseCheckBox")->isChecked());
    EXPECT_EQ(Get<QComboBox>("OperatorComboBox")->count(), 5);
    emit Get<QComboBox>("OperatorComboBox")->activated(4); // >
    Get<QSpinBox>("ROperandSpinEdit")->setValue(3);
    emit Get<QComboBox>("ROperandComboBox")->activated(2); // МБ
    EXPECT_EQ(Top()->Child(0)->Caption(), "[Размер] > [3 МБ]");

    QTest::mouseClick(Get<QCheckBox>("CDCheckBox"), Qt::LeftButton);
    Key(Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Condition(),
              R"((ByteSize > 3145728) AND (NOT (Path IS NULL)) AND (NOT (Path = "")))");
}

TEST_F(QueryForm, DragAndDropMovesNodesByTheRules)
{
    Key(Qt::Key_Insert, Qt::AltModifier); // ? / cmp
    Key(Qt::Key_Insert);                  // ИЛИ / cmp
    Key(Qt::Key_Insert);                  // ИЛИ / cmp, ИЛИ
    TQueryNode *cmp = Top()->Child(0), *inner = Top()->Child(1);
    Tree()->expandAll();
    QWidget *viewport = Tree()->viewport();

    auto drag = [&](TQueryNode *dragged, TQueryNode *target) {
        SelectNode(dragged);
        const QPoint at = Tree()->visualRect(form.Editor().Model().IndexOf(target)).center();
        std::unique_ptr<QMimeData> data(TQueryTreeViewWidget::DragData());
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        const bool accepted = move.isAccepted();
        if (accepted) {
            QDropEvent drop(QPointF(at), Qt::MoveAction, data.get(), Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &drop);
        }
        return accepted;
    };
    EXPECT_FALSE(drag(cmp, Top())) << "onto its own parent";
    EXPECT_FALSE(drag(inner, cmp)) << "onto a comparison";
    EXPECT_TRUE(drag(cmp, inner));
    EXPECT_EQ(Text(), "ИЛИ\r\n\tИЛИ\r\n\t\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_EQ(form.Editor().Selected(), cmp);
    EXPECT_TRUE(Tree()->isExpanded(form.Editor().Model().IndexOf(inner)));
    EXPECT_FALSE(drag(inner, cmp)) << "below itself";

    // A drag from another program is refused.
    SelectNode(cmp);
    QMimeData foreign;
    foreign.setText("x");
    const QPoint at = Tree()->visualRect(form.Editor().Model().IndexOf(Top())).center();
    QDragMoveEvent move(at, Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    EXPECT_FALSE(move.isAccepted());
}

} // namespace
} // namespace qbx::test

namespace qbx::test {
namespace {

struct RussianAfterwards {
    ~RussianAfterwards() { InstallLanguage(*qApp, UiLanguage::Russian); }
};

TEST(QueryFormLanguage, TheEnglishEditorShowsItsWordsButKeepsTheFilesWords)
{
    RussianAfterwards restore;
    ASSERT_TRUE(InstallLanguage(*qApp, UiLanguage::English));
    // Every word kept as data has an English face, so none shows in Russian.
    QStringList words = QueryFieldNames() + QuerySizeUnits() + QueryTextOperators();
    words << kQueryAndCaption << kQueryOrCaption << kQueryNotCaption << kQueryUndefinedCaption;
    for (const QString &word : words)
        EXPECT_FALSE(ShownQueryWord(word).contains(QRegularExpression("[\\x{0400}-\\x{04FF}]")))
            << word.toStdString();
    EXPECT_EQ(ShownQueryCaption("[размер] >= [5]"), "[Size] >= [5]");
    EXPECT_EQ(ShownQueryCaption("[Метка компакт-диска] РАВНО [Диск [1]]"),
              "[Disc label] EQUALS [Диск [1]]");
    EXPECT_EQ(ShownQueryCaption("[Нет такого] РАВНО [x]"), "[Нет такого] РАВНО [x]");

    TOptions options;
    TWindowState window{QStringLiteral("Qubrix")};
    window.SetMode(DbOpen);
    TCatalogueDocument document;
    ScriptedMessageBoxes boxes;
    ScriptedQueryDialogs dialogs;
    TQueryForm form{options, window, document, boxes, dialogs};
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto *tree = form.findChild<QTreeView *>("QueryTreeView");
    auto *field = form.findChild<QComboBox *>("LOperandComboBox");
    auto *op = form.findChild<QComboBox *>("OperatorComboBox");
    ASSERT_TRUE(tree && field && op);
    EXPECT_EQ(field->itemText(2), "Producer");
    QTest::keyClick(tree, Qt::Key_Insert, Qt::AltModifier);
    TQueryNode *top = form.Editor().Model().Top();
    tree->setCurrentIndex(form.Editor().Model().IndexOf(top->Child(0)));
    emit field->activated(5);
    emit op->activated(4);
    form.findChild<QSpinBox *>("ROperandSpinEdit")->setValue(3);
    emit form.findChild<QComboBox *>("ROperandComboBox")->activated(2);
    EXPECT_EQ(top->Child(0)->Caption(), "[Размер] > [3 МБ]");
    EXPECT_EQ(tree->model()->data(tree->currentIndex()).toString(), "[Size] > [3 MB]");
    tree->setCurrentIndex(form.Editor().Model().IndexOf(top));
    form.findChild<QPushButton *>("AddBooleanBitBtn")->click();
    EXPECT_EQ(top->Caption(), "ИЛИ");
    EXPECT_EQ(tree->model()->data(tree->model()->index(0, 0)).toString(), "OR");
    EXPECT_EQ(op->itemText(0), "AND");
    EXPECT_EQ(op->currentText(), "OR");
    form.hide();
}

} // namespace
} // namespace qbx::test
