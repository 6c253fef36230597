// A handler that throws does not take the program down: the failure is
// reported and frozen commands come back.
#include "interaction/CommandBoundary.h"
#include "interaction/ModeLogicFixture.h"

#include <new>
#include <stdexcept>

namespace qbx::test {
namespace {

TEST_F(ModeLogicTest, ExceptionsStopAtTheCommandBoundary)
{
    modes.SetDbState(DbOpen);
    const std::string before = EnabledMask();

    RunAtCommandBoundary(
        [&] {
            modes.FreezeCommands();
            throw std::bad_alloc();
        },
        QStringLiteral("Открыть..."), modes, boxes);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, OutOfMemoryText());
    EXPECT_EQ(boxes.shown[0].caption, QStringLiteral("Открыть..."));
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Error);
    EXPECT_FALSE(modes.CommandsFrozen());
    EXPECT_EQ(EnabledMask(), before);

    RunAtCommandBoundary([] { throw std::runtime_error("boom"); }, QString(), modes, boxes);
    RunAtCommandBoundary([] { throw 42; }, QString(), modes, boxes);
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(boxes.shown[1].text, CommandFailedText(QStringLiteral("boom")));
    EXPECT_EQ(boxes.shown[2].text, CommandFailedText(QString()));

    int runs = 0;
    RunAtCommandBoundary([&] { ++runs; }, QString(), modes, boxes);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(boxes.shown.size(), 3) << "a handler that returns shows nothing";
}

} // namespace
} // namespace qbx::test
