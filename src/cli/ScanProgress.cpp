#include "cli/ScanProgress.h"
#include "cli/StopSignals.h"

#include <cstdio>

#include <unistd.h>
#include <QCoreApplication>

namespace qbx::cli {

TScanProgress::TScanProgress() : shown_(isatty(STDERR_FILENO) == 1)
{
    timer_.start();
}

TScanProgress::~TScanProgress()
{
    Done();
}

void TScanProgress::Done()
{
    if (printed_)
        std::fputs("\n", stderr);
    printed_ = false;
}

bool TScanProgress::OperationStopped()
{
    return TStopSignals::Requested();
}

void TScanProgress::StepOperation()
{
    ++steps_;
    if (!shown_ || timer_.elapsed() < 100)
        return;
    timer_.restart();
    std::fputs(qPrintable(QCoreApplication::translate("qubrix-cli", "\rПросмотрено элементов: %1")
                               .arg(static_cast<long long>(steps_))),
               stderr);
    std::fflush(stderr);
    printed_ = true;
}

} // namespace qbx::cli
