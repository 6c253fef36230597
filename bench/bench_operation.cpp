// Cost of the long-operation protocol per step: StepOperation (pending
// events run by time) against running pending events after every step.
#include "options/TOptions.h"
#include "interaction/LongOperation.h"
#include "interaction/MessageBoxes.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

class EventView : public qbx::IOperationView {
public:
    void ShowOperation(const QString &, int) override {}
    void SetProgress(int) override {}
    void HideOperation() override {}
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void FocusStatusBar() override {}
    QString StatusTitle() const override { return {}; }
    void ContinueClose() override {}
};

class NoBoxes : public qbx::IMessageBoxes {
public:
    qbx::TMsgAnswer Show(const QString &, const QString &, qbx::TMsgIcon, unsigned) override
    {
        return qbx::TMsgAnswer::Yes;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qbx::TOptions options;
    EventView view;
    NoBoxes boxes;
    qbx::TLongOperation op(options, view, boxes);
    constexpr int Steps = 1'000'000;

    QElapsedTimer t;
    t.start();
    op.StartOperation(QStringLiteral("bench"), Steps);
    for (int i = 0; i < Steps && !op.OperationStopped(); ++i)
        op.StepOperation();
    op.EndOperation();
    const double paced = double(t.nsecsElapsed()) / Steps;

    t.restart();
    for (int i = 0; i < Steps; ++i)
        QCoreApplication::processEvents();
    const double perStep = double(t.nsecsElapsed()) / Steps;

    std::printf("step_with_paced_events: %.1f ns/step\n", paced);
    std::printf("step_with_events_every_step: %.1f ns/step\n", perStep);
    std::printf("ratio_every_step_over_paced: %.1f x\n", perStep / paced);
    return 0;
}
