// The query dialog's logic without widgets: editing the tree, the controls
// per node kind, the checks of OK, drag and drop, saving and loading.
#include "QueryCatalogue.h"
#include "interaction/WindowState.h"
#include "storage/CatalogueDocument.h"

#include "options/TOptions.h"
#include "query/ScriptedQueryDialogs.h"
#include "search/QueryComparison.h"
#include "search/TQueryEditor.h"
#include "support/ScriptedMessageBoxes.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

class QueryEditorTest : public ::testing::Test {
protected:
    TOptions options;
    TWindowState window{QStringLiteral("Кварнис")};
    TCatalogueDocument document;
    ScriptedMessageBoxes boxes;
    ScriptedQueryDialogs dialogs;
    TQueryEditor editor{options, window, document, boxes, dialogs};
    QAbstractItemModelTester tester{&editor.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal};
    QTemporaryDir dir;

    QueryEditorTest() { window.SetMode(DbOpen); }

    TQueryNode *Top() { return editor.Model().Top(); }
    QString Text() { return QueryTreeText(editor.Model().Tree()); }
    const TQueryControls &C() { return editor.Controls(); }

    // A comparison under the selected node, filled in through the controls.
    TQueryNode *AddComparison(int field, int op, const QString &value)
    {
        TQueryNode *parent = editor.Selected();
        editor.AddCompare();
        editor.Select(parent->Child(parent->ChildCount() - 1));
        editor.ChooseField(field);
        editor.ChooseOperator(op);
        if (field == CfByteSize) {
            editor.SetNumber(value.toInt());
            editor.ChooseUnit(SuByte);
        } else {
            editor.SetValue(value);
        }
        return editor.Selected();
    }
};

TEST_F(QueryEditorTest, BuildingATreeChangesTheTopNodeAsTheButtonsSay)
{
    EXPECT_EQ(Text(), "?\r\n");
    EXPECT_TRUE(C().addBoolean && C().addCompare);
    EXPECT_FALSE(C().deleteItem || C().newEnabled || C().saveEnabled || C().okEnabled);
    EXPECT_FALSE(C().fieldEnabled || C().operatorEnabled);
    EXPECT_EQ(C().form, TOperandForm::Disabled);

    editor.AddCompare();
    EXPECT_EQ(Text(), "?\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_TRUE(C().newEnabled && C().saveEnabled && C().okEnabled);
    editor.AddCompare();
    EXPECT_EQ(Text(), "И\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_EQ(editor.Selected(), Top());
    EXPECT_EQ(C().operators, QStringList({"И", "ИЛИ"}));
    EXPECT_EQ(C().op, 0);

    // "&Логика" on a logic node adds a child and keeps the selection.
    editor.AddBoolean();
    EXPECT_EQ(Top()->Child(2)->Caption(), "ИЛИ");
    EXPECT_EQ(editor.Selected(), Top());

    // On the bare top node it turns the node itself into "ИЛИ".
    editor.ClearQuery();
    EXPECT_EQ(Text(), "?\r\n");
    editor.AddCompare();
    editor.AddBoolean();
    EXPECT_EQ(Text(), "ИЛИ\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_EQ(C().operators, QStringList({"И", "ИЛИ", "НЕ"}));
    editor.ChooseOperator(2);
    EXPECT_EQ(Top()->Kind(), QkNot);
    EXPECT_FALSE(C().addBoolean || C().addCompare) << "НЕ with a child takes no more";
    EXPECT_TRUE(C().deleteItem);
    EXPECT_EQ(C().op, 2);

    editor.Select(Top()->Child(0));
    EXPECT_FALSE(C().addBoolean || C().addCompare);
    EXPECT_TRUE(C().deleteItem && C().fieldEnabled && C().operatorEnabled);
    EXPECT_EQ(C().field, -1);
    EXPECT_EQ(C().operators, QStringList({"РАВНО", "СОДЕРЖИТ"}));
    EXPECT_EQ(C().form, TOperandForm::Text);
}

TEST_F(QueryEditorTest, ComparisonControlsWriteAndReadTheCaption)
{
    TQueryNode *size = AddComparison(CfByteSize, 3, "100");
    editor.ChooseUnit(SuMByte);
    EXPECT_EQ(size->Caption(), "[Размер] >= [100 МБ]");
    EXPECT_EQ(C().form, TOperandForm::Size);
    EXPECT_FALSE(C().caseEnabled);

    editor.Select(Top());
    TQueryNode *text = AddComparison(CfProducer, 1, "soft");
    editor.SetMatchCase(true);
    EXPECT_EQ(text->Caption(), "[Производитель] СОДЕРЖИТ [soft]!");
    editor.SetValue("");
    EXPECT_EQ(text->Caption(), "[НЕ ОПРЕДЕЛЕНО]");
    editor.SetValue("Björk");
    EXPECT_EQ(text->Caption(), "[Производитель] СОДЕРЖИТ [Bjork]!");
    editor.SetValue("a\r\nb");
    EXPECT_EQ(text->Caption(), "[Производитель] СОДЕРЖИТ [a  b]!");

    // Selecting a comparison shows its parts.
    editor.Select(size);
    EXPECT_EQ(C().field, CfByteSize);
    EXPECT_EQ(C().operators, QStringList({"<", "<=", "=", ">=", ">"}));
    EXPECT_EQ(C().op, 3);
    EXPECT_EQ(C().number, 100);
    EXPECT_EQ(C().unit, SuMByte);
    editor.Select(text);
    EXPECT_EQ(C().form, TOperandForm::Text);
    EXPECT_EQ(C().value, "a  b");
    EXPECT_TRUE(C().caseSensitive);

    // Another field clears the operator and, with a new form, the case box.
    editor.ChooseField(CfByteSize);
    EXPECT_EQ(text->Caption(), "[НЕ ОПРЕДЕЛЕНО]");
    EXPECT_FALSE(C().caseSensitive);
    EXPECT_EQ(C().op, -1);
}

TEST_F(QueryEditorTest, DeletingSelectsTheNextThenThePreviousSiblingThenTheParent)
{
    editor.AddCompare();
    editor.AddCompare();
    editor.AddCompare();
    TQueryNode *a = Top()->Child(0), *c = Top()->Child(2);
    editor.Select(Top()->Child(1));
    editor.DeleteSelected();
    EXPECT_EQ(editor.Selected(), c);
    editor.DeleteSelected();
    EXPECT_EQ(editor.Selected(), a);
    editor.DeleteSelected();
    EXPECT_EQ(editor.Selected(), Top());
    EXPECT_EQ(Text(), "И\r\n");
    editor.DeleteSelected();
    EXPECT_EQ(Text(), "?\r\n");
    EXPECT_EQ(editor.Selected(), Top());
}

TEST_F(QueryEditorTest, OkChecksTheTreeAndBuildsTheCondition)
{
    editor.AddCompare();
    editor.AddBoolean(); // ИЛИ with one comparison
    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_FALSE(editor.Accept());
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text,
              "В дереве запроса неэффективно использован оператор ИЛИ.\rПропустить?");
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNo));
    EXPECT_EQ(boxes.shown[1].text,
              "В дереве запроса не полностью определено сравнение.\rНеобходимо это исправить.");
    EXPECT_EQ(boxes.shown[1].caption, "Проверка запроса");
    EXPECT_EQ(boxes.shown[1].buttons, unsigned(MbOk));
    EXPECT_EQ(editor.Selected(), Top()->Child(0));

    editor.ChooseField(CfProduct);
    editor.ChooseOperator(0);
    editor.SetValue("x");
    boxes.Answer(TMsgAnswer::No);
    EXPECT_FALSE(editor.Accept());
    EXPECT_EQ(boxes.shown.last().text,
              "В дереве запроса неэффективно использован оператор ИЛИ.\rПропустить?");
    EXPECT_EQ(editor.Selected(), Top());

    boxes.Answer(TMsgAnswer::Yes);
    editor.SetKinds(true, false, true);
    ASSERT_TRUE(editor.Accept());
    EXPECT_EQ(editor.Condition(), R"((UPPER (Product) = "X") AND ((Path IS NULL) OR )"
                                  R"((Path = "") OR (NOT (Path LIKE "%\"))))");

    // Without the question nothing is asked; a logically empty query stays.
    options.ConfirmEffectless = false;
    const int shown = int(boxes.shown.size());
    EXPECT_TRUE(editor.Accept());
    EXPECT_EQ(boxes.shown.size(), shown);
    editor.ChooseOperator(2); // НЕ
    editor.Select(Top()->Child(0));
    editor.DeleteSelected();
    EXPECT_FALSE(editor.Accept());
    EXPECT_EQ(boxes.shown.last().text,
              "С логической точки зрения запрос пуст,\rи поэтому он не будет выполнен.");
    EXPECT_TRUE(boxes.AllAnswersUsed());
}

TEST_F(QueryEditorTest, OkNeedsACatalogueAQueryAndAKind)
{
    EXPECT_FALSE(C().okEnabled);
    editor.AddBoolean();
    EXPECT_TRUE(C().okEnabled) << "the top node is a logic node now";
    editor.SetKinds(false, false, false);
    EXPECT_FALSE(C().okEnabled);
    EXPECT_FALSE(editor.Accept());
    editor.SetKinds(false, true, false);
    EXPECT_TRUE(C().okEnabled);
    window.SetMode(DbNone);
    editor.UpdateOkEnabled();
    EXPECT_FALSE(C().okEnabled);
}

TEST_F(QueryEditorTest, DropsFollowTheRules)
{
    editor.AddBoolean(); // top ИЛИ
    editor.AddBoolean(); // ИЛИ / ИЛИ
    editor.AddCompare(); // ИЛИ / ИЛИ, cmp
    TQueryNode *inner = Top()->Child(0), *cmp = Top()->Child(1);
    editor.Select(inner);
    editor.AddBoolean();
    editor.ChooseOperator(0); // inner is И
    TQueryNode *deep = inner->Child(0);
    editor.Select(deep);
    editor.ChooseOperator(2); // deep is НЕ

    EXPECT_FALSE(editor.CanDrop(Top(), inner)) << "the top node stays";
    EXPECT_FALSE(editor.CanDrop(cmp, Top())) << "onto its own parent";
    EXPECT_FALSE(editor.CanDrop(inner, deep)) << "below itself";
    EXPECT_FALSE(editor.CanDrop(inner, cmp)) << "a comparison takes no children";
    EXPECT_TRUE(editor.CanDrop(cmp, cmp));
    editor.Drop(cmp, cmp);
    EXPECT_EQ(Top()->Child(1), cmp);

    editor.Drop(cmp, deep);
    EXPECT_EQ(deep->Child(0), cmp);
    EXPECT_EQ(editor.Selected(), cmp);
    editor.Drop(deep, Top());
    EXPECT_EQ(Text(), "ИЛИ\r\n\tИ\r\n\tНЕ\r\n\t\t[НЕ ОПРЕДЕЛЕНО]\r\n");
    EXPECT_FALSE(editor.CanDrop(inner, deep)) << "НЕ with a child";

    // A second child dropped onto "?" makes it "И".
    auto tree = std::make_unique<TQueryTree>();
    TQueryNode *a = tree->Top()->AddChild("ИЛИ", QkOr);
    TQueryNode *b = a->AddChild("[НЕ ОПРЕДЕЛЕНО]", QkCompare);
    editor.Model().Reset(std::move(tree));
    editor.Drop(b, Top());
    EXPECT_EQ(Text(), "И\r\n\tИЛИ\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n");
}

TEST_F(QueryEditorTest, NodesBelowTheDeepestLevelCannotBeAdded)
{
    for (int depth = 0; depth < kMaxQueryDepth; ++depth) {
        editor.AddBoolean();
        if (depth > 0)
            editor.Select(editor.Selected()->Child(0));
    }
    EXPECT_EQ(editor.Selected()->Depth(), kMaxQueryDepth - 1);
    editor.AddCompare();
    editor.Select(editor.Selected()->Child(0));
    EXPECT_EQ(editor.Selected()->Depth(), kMaxQueryDepth);
    editor.Select(editor.Selected()->Parent());
    editor.AddBoolean();
    editor.Select(editor.Selected()->Child(1));
    EXPECT_FALSE(C().addBoolean || C().addCompare);
}

TEST_F(QueryEditorTest, SavingAppendsTheExtensionAsksAndKeepsTheOldFileOnFailure)
{
    editor.AddCompare();
    options.QryFolder = dir.path() + u'/';
    const QString plain = dir.filePath("plain");
    dialogs.answers = {plain, dir.filePath("a.txt"), dir.filePath("b.CDQ")};
    editor.SaveWithDialog();
    editor.SaveWithDialog();
    editor.SaveWithDialog();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"a.txt.cdq", "b.CDQ", "plain.cdq"}));
    EXPECT_EQ(dialogs.requests[0].Title, "Сохранение сложного запроса");
    EXPECT_EQ(dialogs.requests[0].InitialFolder, options.QryFolder);
    EXPECT_EQ(dialogs.requests[0].Filter,
              "Запрос по компакт-дискам (*.cdq)|*.cdq|Все файлы (*.*)|*.*");
    EXPECT_EQ(dialogs.askOverwrite, QList<bool>({true, true, true}));

    // The appended name exists: asked, and No keeps the file.
    editor.AddCompare();
    dialogs.answers = {plain};
    boxes.Answer(TMsgAnswer::No);
    editor.SaveWithDialog();
    EXPECT_EQ(boxes.shown.last().text,
              plain + ".cdq\rФайл сложного запроса уже существует.\r\n\nЗаменить его?");
    EXPECT_EQ(boxes.shown.last().caption, "Сохранение сложного запроса");
    QFile saved(plain + ".cdq");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), codec::ToCp1251Bytes("?\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n"));
    saved.close();

    // A failed write reports the reason and leaves the file as it was.
    editor.writeFile = [](const QString &, const QByteArray &, QString *reason) {
        *reason = "No space left on device";
        return false;
    };
    dialogs.answers = {plain + ".cdq"};
    editor.SaveWithDialog();
    EXPECT_EQ(boxes.shown.last().text,
              plain +
                  ".cdq\rНе удалось записать файл сложного запроса.\r\n\nNo space left on device");
    EXPECT_EQ(boxes.shown.last().icon, TMsgIcon::Error);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), codec::ToCp1251Bytes("?\r\n\t[НЕ ОПРЕДЕЛЕНО]\r\n"));
    saved.close();

    // Text the file's code page cannot hold is refused before writing.
    AddComparison(CfProduct, 0, "中");
    dialogs.answers = {plain + ".cdq"};
    editor.SaveWithDialog();
    EXPECT_EQ(boxes.shown.last().text, plain + ".cdq\rЗапрос содержит символы, которые нельзя "
                                               "записать в файл сложного запроса.");
    EXPECT_TRUE(boxes.AllAnswersUsed());
}

TEST_F(QueryEditorTest, LoadingReplacesTheTreeOrReportsAndKeepsIt)
{
    const QString good = dir.filePath("good.cdq"), bad = dir.filePath("bad.cdq");
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(codec::ToCp1251Bytes("И\r\n\t[Размер] < [1 кБ]\r\n\tНЕ\r\n"));
    f.close();
    QFile g(bad);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("X\r\n");
    g.close();

    int expanded = 0;
    editor.expandAll = [&expanded] { ++expanded; };
    editor.AddBoolean();
    dialogs.answers = {bad};
    editor.LoadWithDialog();
    EXPECT_EQ(boxes.shown.last().text,
              bad + "\rФайл сложного запроса недоступен или имеет неверный формат.\r\n\n"
                    "Проверьте его содержимое.");
    EXPECT_EQ(boxes.shown.last().caption, "Загрузка сложного запроса");
    EXPECT_EQ(Text(), "ИЛИ\r\n");

    dialogs.answers = {good};
    editor.LoadWithDialog();
    EXPECT_EQ(Text(), "И\r\n\t[Размер] < [1 кБ]\r\n\tНЕ\r\n");
    EXPECT_EQ(editor.Selected(), Top());
    EXPECT_EQ(expanded, 1);

    // A query file handed over by the main window loads when the dialog shows.
    editor.ClearQuery();
    document.QueryFilePending = true;
    editor.OpenDialog().FileName = good;
    editor.PrepareToShow();
    EXPECT_FALSE(document.QueryFilePending);
    EXPECT_EQ(Text(), "И\r\n\t[Размер] < [1 кБ]\r\n\tНЕ\r\n");
    EXPECT_EQ(editor.SaveDialog().FileName, good);
    EXPECT_EQ(C().unit, SuByte);
    editor.PrepareToShow();
    EXPECT_EQ(boxes.shown.size(), 1);
}

} // namespace
} // namespace qbx::test
