// Closing the main window: the interrupt and unsaved-changes questions, the
// temporary search table, the options.
#include "ModeLogicFixture.h"
#include "storage/TCatalogueSaving.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qbx::test {
namespace {

class CloseTest : public ModeLogicTest {
protected:
    int saves = 0;
    const int &optionSaves = catalogue.windowClosings;
    bool saveSucceeds = true;

    void SetUp() override
    {
        catalogue.saveDb = [this] {
            ++saves;
            if (saveSucceeds)
                modes.Unsaved().Set(false);
            return saveSucceeds;
        };
        document.DbName = QStringLiteral("Диски");
        modes.SetDbState(DbEntire);
        modes.Unsaved().Set(true); // unsaved changes
    }
};

TEST_F(CloseTest, SavedCatalogueClosesWithoutQuestions)
{
    modes.Unsaved().Set(false);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(optionSaves, 1);
}

TEST_F(CloseTest, ASaveIsJudgedByItsOutcomeNotByTheSaveCommandsState)
{
    // A save that failed after the command was disabled still keeps the
    // window; one that succeeded with the command left enabled closes it.
    catalogue.saveDb = [this] {
        ++saves;
        modes.Unsaved().Set(false);
        return false;
    };
    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Stay);
    EXPECT_EQ(optionSaves, 0);

    modes.Unsaved().Set(true);
    catalogue.saveDb = [this] { return ++saves > 0; };
    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(optionSaves, 1);
}

TEST_F(CloseTest, NewCatalogueHoldingOnlyItsRootAsksNothing)
{
    document.DbIsNew = true;
    view.mainMoreThanRoot = false;
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(saves, 0);

    view.mainMoreThanRoot = true;
    boxes.Answer(TMsgAnswer::No);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_EQ(boxes.shown.size(), 1);
}

TEST_F(CloseTest, UnsavedChangesAreKnownWhileTheCommandsAreFrozen)
{
    // A long operation disables Save for its time; the changes stay unsaved,
    // and Save comes back with the other commands.
    modes.FreezeCommands();
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
    boxes.Answer(TMsgAnswer::Cancel);
    EXPECT_FALSE(modes.SettleUnsavedChanges(QStringLiteral("Закрытие"), true));
    EXPECT_EQ(boxes.shown.size(), 1);
    modes.RestoreCommands();
    EXPECT_TRUE(commands.Enabled(cmd::SaveDbAction));

    // Mode 0 forgets them together with the command.
    modes.SetDbState(DbNone);
    EXPECT_FALSE(modes.Unsaved().Any());
    EXPECT_FALSE(commands.Enabled(cmd::SaveDbAction));
}

TEST_F(CloseTest, UnsavedQuestionCancelKeepsTheWindowAndSavesNothing)
{
    view.status = QStringLiteral("Всего записей: 3");
    boxes.Answer(TMsgAnswer::Cancel);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Stay);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("База данных Диски была изменена.\rСохранить изменения?"));
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Выход из программы"));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Question);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNoCancel));
    EXPECT_TRUE(view.status.isEmpty());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(optionSaves, 0);
}

TEST_F(CloseTest, YesSavesAndAFailedSaveKeepsTheWindow)
{
    boxes.Answer(TMsgAnswer::Yes);
    saveSucceeds = false;
    EXPECT_EQ(modes.Close(), TCloseAnswer::Stay);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(optionSaves, 0);

    boxes.Answer(TMsgAnswer::Yes);
    saveSucceeds = true;
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(optionSaves, 1);
}

TEST_F(CloseTest, StoredUnsavedAnswerIsUsedWithoutAsking)
{
    options.ConfirmUnsaved = QStringLiteral("0");
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_EQ(saves, 0);

    options.ConfirmUnsaved = QStringLiteral("1");
    saveSucceeds = false;
    EXPECT_EQ(modes.Close(), TCloseAnswer::Stay);
    EXPECT_EQ(saves, 1);
    saveSucceeds = true;
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(CloseTest, RunningOperationIsAskedAboutAndUnwindsBeforeTheClose)
{
    modes.Unsaved().Set(false);
    operation.StartOperation(QStringLiteral("Сохранение базы данных"), 100);
    boxes.Answer(TMsgAnswer::No);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Stay);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Сохранение базы данных"));
    EXPECT_FALSE(operation.OperationStopped());

    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_EQ(modes.Close(), TCloseAnswer::AfterOperation);
    EXPECT_EQ(optionSaves, 0);
    EXPECT_TRUE(operation.OperationStopped()); // no second question
    EXPECT_EQ(boxes.shown.size(), 2);
    operation.EndOperation();
    EXPECT_EQ(view.closesContinued, 1);
    EXPECT_EQ(modes.Close(), TCloseAnswer::Close);
}

TEST_F(CloseTest, RunningOperationWithoutConfirmationClosesAtOnce)
{
    modes.Unsaved().Set(false);
    options.ConfirmInterrupt = false;
    operation.StartOperation(QStringLiteral("Т"), 100);
    EXPECT_EQ(modes.Close(), TCloseAnswer::AfterOperation);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(operation.OperationStopped());
}

} // namespace
} // namespace qbx::test
