// Long operations: Stop, Esc, the interrupt question, event pacing, hints.
#include "ModeLogicFixture.h"

namespace qbx::test {
namespace {

const QString Interrupt = QStringLiteral(
    "Принудительное завершение действия может привести к потере данных.\rВы уверены?");

// Runs an operation of `steps` steps; Stop is pressed during the pending
// events of step `stopAt`. Returns how many steps were done.
int RunWithStop(TLongOperation &op, FakeMainView &view, int steps, int stopAt)
{
    qint64 now = 0;
    op.SetClock([&now] { return now += TLongOperation::EventInterval; });
    int done = 0;
    view.onEvents = [&] {
        if (done == stopAt)
            op.PressStop();
    };
    op.StartOperation(QStringLiteral("Сканирование"), steps);
    for (int i = 0; i < steps; ++i) {
        if (op.OperationStopped())
            break;
        ++done;
        op.StepOperation();
    }
    op.EndOperation();
    return done;
}

TEST_F(ModeLogicTest, StopAnsweredNoGoesOnAndYesStops)
{
    boxes.Answer(TMsgAnswer::No);
    EXPECT_EQ(RunWithStop(operation, view, 10, 3), 10);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, Interrupt);
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Сканирование"));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbYesNo));

    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_EQ(RunWithStop(operation, view, 10, 3), 3);
    EXPECT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(operation.StopState(), StopRunOn); // reset by EndOperation
    EXPECT_FALSE(view.operationShown);
}

TEST_F(ModeLogicTest, StopWithoutConfirmationStopsAtTheNextStep)
{
    options.ConfirmInterrupt = false;
    EXPECT_EQ(RunWithStop(operation, view, 10, 4), 4);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ModeLogicTest, ConfirmedStopIsNotAskedTwice)
{
    operation.StartOperation(QStringLiteral("Т"), 5);
    operation.PressStop();
    boxes.Answer(TMsgAnswer::Yes);
    EXPECT_TRUE(operation.OperationStopped());
    EXPECT_TRUE(operation.OperationStopped());
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(operation.StopState(), StopNow);
}

TEST_F(ModeLogicTest, PendingEventsRunByTimeNotPerStep)
{
    qint64 now = 0;
    operation.SetClock([&now] { return now; });
    operation.StartOperation(QStringLiteral("Сохранение"), 1'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        operation.StepOperation();
    EXPECT_EQ(view.eventRuns, 0);

    for (int i = 0; i < 10; ++i) {
        now += TLongOperation::EventInterval;
        operation.StepOperation();
    }
    EXPECT_EQ(view.eventRuns, 10);
    EXPECT_EQ(view.progress, 1'000'010); // the bar shows the position when events run
    EXPECT_EQ(operation.Position(), 1'000'010);
    operation.EndOperation();
    EXPECT_EQ(operation.Position(), 0);
}

TEST_F(ModeLogicTest, EscStopsOnlyWithoutModifiersAndOnlyDuringAnOperation)
{
    EXPECT_FALSE(modes.HandleKey(Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(operation.StopState(), StopRunOn);

    operation.StartOperation(QStringLiteral("Т"), 5);
    EXPECT_FALSE(modes.HandleKey(Qt::Key_Escape, Qt::ControlModifier));
    EXPECT_FALSE(modes.HandleKey(Qt::Key_Escape, Qt::ShiftModifier));
    EXPECT_FALSE(modes.HandleKey(Qt::Key_Escape, Qt::AltModifier));
    EXPECT_FALSE(modes.HandleKey(Qt::Key_Return, Qt::NoModifier));
    EXPECT_EQ(operation.StopState(), StopRunOn);
    EXPECT_TRUE(modes.HandleKey(Qt::Key_Escape, Qt::KeypadModifier));
    EXPECT_EQ(operation.StopState(), StopPressed);
}

TEST_F(ModeLogicTest, StatusPanelKeepsTheOperationTitleOverHints)
{
    window.StatusText = QStringLiteral("Всего записей: 5");
    modes.ShowStatusHint(QStringLiteral("Выход из программы"));
    EXPECT_EQ(view.status, QStringLiteral("Выход из программы"));
    modes.ShowStatusHint(QString());
    EXPECT_EQ(view.status, QStringLiteral("Всего записей: 5"));

    operation.StartOperation(QStringLiteral("Открытие базы данных"), 3);
    modes.ShowStatusHint(QStringLiteral("Выход из программы"));
    EXPECT_EQ(view.status, QStringLiteral("Открытие базы данных"));
    operation.EndOperation();
    EXPECT_TRUE(view.status.isEmpty());
}

} // namespace
} // namespace qbx::test
