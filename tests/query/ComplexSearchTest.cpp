// "Сложный поиск...": the dialog, the search, and the not-found question.
#include "options/TOptions.h"
#include "interaction/WindowState.h"
#include "tree/LastSearch.h"
#include "search/TComplexSearch.h"
#include "desktop/QStringPrinter.h"
#include "support/ScriptedMessageBoxes.h"

#include <QStringList>

#include <deque>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

class ComplexSearchTest : public ::testing::Test, private IComplexSearchSteps {
protected:
    TOptions options;
    TWindowState window{QStringLiteral("Кварнис")};
    TLastSearch lastSearch;
    ScriptedMessageBoxes boxes;
    std::deque<bool> dialogAnswers;
    std::deque<int> found;
    bool showResults = true;
    QStringList log;
    TComplexSearch search{{options, window, lastSearch, boxes, *this}};

private:
    void EndLabelEdit() override { log << "end edit"; }
    bool ShowQueryDialog() override
    {
        log << "dialog";
        const bool ok = dialogAnswers.front();
        dialogAnswers.pop_front();
        return ok;
    }
    QString QueryCondition() const override { return QStringLiteral("(X)"); }
    int ExecuteSearch(const QString &condition) override
    {
        log << "search " + condition;
        const int n = found.front();
        found.pop_front();
        return n;
    }
    bool OpenResults() override
    {
        log << "open results";
        return showResults;
    }
    void ShowResults() override { log << "mode 3"; }
};

TEST_F(ComplexSearchTest, RowsFoundBecomeTheResults)
{
    window.SetMode(DbEntire);
    dialogAnswers = {true};
    found = {3};
    search.RunComplexSearch();
    EXPECT_EQ(log, QStringList({"end edit", "dialog", "search (X)", "open results", "mode 3"}));
    EXPECT_EQ(lastSearch.LastCondition, "(X)");
    EXPECT_EQ(lastSearch.ResultName, "Query");

    // Declining to see the rows keeps the mode; Cancel and a failed
    // statement stop at once.
    log.clear();
    window.SetMode(DbOpen);
    showResults = false;
    dialogAnswers = {true, false, true};
    found = {3, -1};
    search.RunComplexSearch();
    search.RunComplexSearch();
    search.RunComplexSearch();
    EXPECT_EQ(log, QStringList(
                       {"dialog", "search (X)", "open results", "dialog", "dialog", "search (X)"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ComplexSearchTest, NothingFoundOffersAnotherSearchWithTheSameDialog)
{
    lastSearch.LastCondition = "old";
    dialogAnswers = {true, true};
    found = {0, 0};
    boxes.Answer(TMsgAnswer::Yes);
    boxes.Answer(TMsgAnswer::No);
    search.RunComplexSearch();
    EXPECT_EQ(log, QStringList({"dialog", "search (X)", "dialog", "search (X)"}));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text,
              "В базе данных не описан искомый продукт.\rИскать другой продукт?");
    EXPECT_EQ(boxes.shown[0].caption, "Поиск в базе данных");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(lastSearch.LastCondition, "old");

    options.ConfirmResearch = false;
    dialogAnswers = {true};
    found = {0};
    search.RunComplexSearch();
    EXPECT_EQ(boxes.shown.last().text, "В базе данных не описан искомый продукт.");
    EXPECT_EQ(boxes.shown.last().buttons, unsigned(MbOk));
}

} // namespace
} // namespace qbx::test
