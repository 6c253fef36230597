#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>

namespace qbx {

// The cancel flag of a long operation (TLongOperation::StopState).
enum TStopState : uint8_t {
    StopRunOn = 0,   // the operation goes on
    StopPressed = 1, // "Стоп" or Esc was pressed; the next check asks or stops
    StopNow = 2,     // the operation stops at its next check
};

class IMessageBoxes;
class TOptions;

// What a long operation shows: its title in status panel 0, the progress bar
// and the "Стоп" button laid over the status bar. The main window implements
// it; tests record the calls.
class IOperationView {
public:
    virtual ~IOperationView() = default;
    // Status panel 0 := title; progress bar (0..maximum, at 0) and Stop button
    // shown and placed over the status bar.
    virtual void ShowOperation(const QString &title, int maximum) = 0;
    virtual void SetProgress(int position) = 0;
    // Status panel 0 := ""; progress bar and Stop button hidden.
    virtual void HideOperation() = 0;
    // Lets pending window events run (Stop, Esc, repaints, the close box).
    virtual void ProcessEvents() = 0;
    // Keyboard focus to the status bar (away from the Stop button).
    virtual void FocusStatusBar() = 0;
    // The current text of status panel 0 (the operation's title).
    virtual QString StatusTitle() const = 0;
    // A close of the window was held back while an operation unwound; the
    // operation has ended, so the window may close now.
    virtual void ContinueClose() = 0;
};

// The protocol every long operation follows: StartOperation, then per step
// OperationStopped and StepOperation, then EndOperation. It owns the cancel
// flag (StopState).
class TLongOperation {
public:
    // Milliseconds between two runs of pending events during an operation.
    static constexpr qint64 EventInterval = 25;

    TLongOperation(const TOptions &options, IOperationView &view, IMessageBoxes &boxes);

    // With cycle set the progress starts again from 0 when it is full: it
    // shows activity, not a fraction (the count of steps is not known).
    void StartOperation(const QString &title, int count, bool cycle = false);
    // Advances the progress by one; lets pending events run when at least
    // EventInterval milliseconds passed since they last ran.
    void StepOperation();
    // True when the operation must stop now; asks the interrupt question
    // when Stop was pressed and ConfirmInterrupt is on.
    bool OperationStopped();
    void EndOperation();
    // Brings the progress bar up to the steps taken: StepOperation updates
    // it only now and then, and a question must not show a stale value.
    void ShowProgress();
    // "Стоп" (and Esc): StopState := StopPressed; noticed at the next OperationStopped.
    void PressStop();

    TStopState StopState() const { return stopState_; }
    bool Running() const { return running_; }
    int Position() const { return position_; }
    int Maximum() const { return maximum_; }

    // The window is closing: the running operation stops at its next check
    // without a question, and EndOperation lets the close go on.
    void SetTerminating() { terminating_ = true; }
    bool Terminating() const { return terminating_; }

    // Time source in milliseconds (tests replace it).
    void SetClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

private:
    qint64 Now() const;

    const TOptions &options_;
    TStopState stopState_ = StopRunOn;
    IOperationView &view_;
    IMessageBoxes &boxes_;
    std::function<qint64()> clock_;
    QElapsedTimer timer_;
    qint64 lastEvents_ = 0;
    bool running_ = false;
    bool terminating_ = false;
    bool cycle_ = false;
    int position_ = 0;
    int maximum_ = 100;
};

// The interrupt question's text.
QString InterruptQuestionText();

} // namespace qbx
