#include "interaction/LongOperation.h"

#include "options/TOptions.h"
#include "interaction/MessageBoxes.h"
#include <QCoreApplication>

namespace qbx {

QString InterruptQuestionText()
{
    return QCoreApplication::translate("LongOperation", "Принудительное завершение действия может привести к потере данных.\rВы уверены?");
}

TLongOperation::TLongOperation(const TOptions &options, IOperationView &view, IMessageBoxes &boxes)
    : options_(options), view_(view), boxes_(boxes)
{
    timer_.start();
}

qint64 TLongOperation::Now() const
{
    return clock_ ? clock_() : timer_.elapsed();
}

void TLongOperation::StartOperation(const QString &title, int count, bool cycle)
{
    maximum_ = count;
    cycle_ = cycle;
    position_ = 0;
    running_ = true;
    stopState_ = StopRunOn;
    view_.ShowOperation(title, count);
    lastEvents_ = Now();
}

void TLongOperation::StepOperation()
{
    ++position_;
    if (cycle_ && position_ > maximum_)
        position_ = 0;
    // Running pending events (and repainting the progress bar) after every
    // step would cost more than the steps themselves; a few dozen times a
    // second keeps the window responsive.
    const qint64 now = Now();
    if (now - lastEvents_ < EventInterval)
        return;
    view_.SetProgress(position_);
    view_.ProcessEvents();
    lastEvents_ = Now();
}

bool TLongOperation::OperationStopped()
{
    if (terminating_)
        return true;
    if (stopState_ == StopNow)
        return true;
    if (stopState_ == StopRunOn)
        return false;
    if (options_.ConfirmInterrupt && boxes_.Show(InterruptQuestionText(), view_.StatusTitle(),
                                                 TMsgIcon::Warning, MbYesNo) == TMsgAnswer::No) {
        stopState_ = StopRunOn;
        return false;
    }
    stopState_ = StopNow;
    return true;
}

void TLongOperation::EndOperation()
{
    const bool wasRunning = running_;
    running_ = false;
    position_ = 0;
    stopState_ = StopRunOn;
    view_.HideOperation();
    if (wasRunning && terminating_) {
        terminating_ = false;
        view_.ContinueClose();
    }
}

void TLongOperation::ShowProgress()
{
    if (running_)
        view_.SetProgress(position_);
}

void TLongOperation::PressStop()
{
    stopState_ = StopPressed;
    view_.FocusStatusBar();
}

} // namespace qbx
