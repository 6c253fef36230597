// A catalogue whose load stopped partway: saving the partial tree over its
// own file asks first, since the records not read would be lost.

#include "saving/SavingFixture.h"

using namespace qbx;
using namespace qbx::test;

namespace {

const QString kPartialQuestion =
    "База данных cat загружена не полностью. Если сохранить её в тот же файл, незагруженные "
    "записи будут потеряны. Сохранить?";

// Three records; the second repeats the first, so cancelling its conflict
// stops the load before the third is read.
const QList<Rec> kRepeated = {
    {"CD", "a.txt", "A", "", "", 1, ""},
    {"CD", "a.txt", "B", "", "", 2, ""},
    {"CD", "b.txt", "", "", "", 3, ""},
};
const QStringList kAll = {"CD|a.txt|A|1", "CD|a.txt|B|2", "CD|b.txt||3"};

TEST_F(SavingTest, APartlyLoadedCatalogueAsksBeforeItsOwnFileIsReplaced)
{
    const QString path = Write("cat.db", kRepeated);
    conflicts.Answer(ConflictCancel);
    OpenChanged(path);
    ASSERT_EQ(Nodes(), QStringList({"CD||0", "CD\\a.txt|A|1"}));

    boxes.Answer(TMsgAnswer::No);
    saving.Save();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, kPartialQuestion);
    EXPECT_EQ(boxes.shown[0].caption, "Сохранение базы данных");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNo | MbDefaultNo));
    EXPECT_EQ(Records(path), kAll);
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));

    // "Да" to saving on close, "Нет" here: the window keeps the catalogue.
    boxes.Answer(TMsgAnswer::Yes);
    boxes.Answer(TMsgAnswer::No);
    files.CloseCatalogue();
    EXPECT_EQ(window.DbState(), DbEntire);
    EXPECT_EQ(boxes.shown.last().text, kPartialQuestion);
    EXPECT_EQ(Records(path), kAll);

    // Another file holds just the tree: no question.
    saveDialog.answers.push_back({PathOf("copy.db"), 1});
    saving.SaveAs();
    EXPECT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(Records(PathOf("copy.db")), QStringList({"CD|a.txt|A|1"}));

    // Back over the partly read file, through another spelling of its name.
    modes.Unsaved().Set(true);
    saveDialog.answers.push_back({dir.path() + "/./cat.db", 1});
    boxes.Answer(TMsgAnswer::Yes);
    saving.SaveAs();
    ASSERT_EQ(boxes.shown.size(), 4);
    EXPECT_EQ(boxes.shown[3].text, kPartialQuestion) << "the name of the file that loses records";
    EXPECT_EQ(Records(path), QStringList({"CD|a.txt|A|1"}));

    modes.Unsaved().Set(true);
    saving.Save();
    EXPECT_EQ(boxes.shown.size(), 4) << "the file now holds the tree";
}

TEST_F(SavingTest, OnlyAnIncompleteFirstLoadMarksTheCatalogue)
{
    const QString path = Write("cat.db", kDisc);
    OpenChanged(path);
    conflicts.Answer(ConflictCancel);
    dialogs.answers.push_back(Write("other.db", kRepeated));
    files.AddCatalogue();
    ASSERT_EQ(conflicts.asked, QStringList({"CD\\a.txt"}));
    saving.Save();
    EXPECT_TRUE(boxes.shown.isEmpty()) << "the open file's own records were all read";
    EXPECT_TRUE(Records(path).contains("CD|a.txt|A|1"));

    // A stopped load, then the same file loaded whole: nothing is asked.
    files.CloseCatalogue();
    const QString part = Write("part.db", kRepeated);
    conflicts.Answer(ConflictCancel);
    OpenChanged(part);
    options.ConfirmUnsaved = "0";
    files.CloseCatalogue();
    conflicts.Answer(ConflictKeep);
    OpenChanged(part);
    saving.Save();
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(Records(part), QStringList({"CD|a.txt|A|1", "CD|b.txt||3"}));
}

} // namespace
