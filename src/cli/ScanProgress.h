#pragma once

#include "scan/FolderScan.h"

#include <QElapsedTimer>

#include <cstdint>

namespace qbx::cli {

// The scan's progress as one line on standard error, rewritten in place at
// most ten times a second, and only when standard error is a terminal (a
// log file gets no progress lines). A stop signal (TStopSignals) stops the
// walk at its next step.
class TScanProgress : public IScanProgress {
public:
    TScanProgress();
    ~TScanProgress() override;
    TScanProgress(const TScanProgress &) = delete;
    TScanProgress &operator=(const TScanProgress &) = delete;

    bool OperationStopped() override;
    void StepOperation() override;
    // Ends the progress line, so that messages start on a line of their own.
    void Done();

private:
    bool shown_;
    bool printed_ = false;
    int64_t steps_ = 0;
    QElapsedTimer timer_;
};

} // namespace qbx::cli
