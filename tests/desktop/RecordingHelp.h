#pragma once

#include "desktop/Help.h"

#include <vector>

namespace qbx::test {

// Help that records what was asked for: -1 for the contents, else the topic's
// help context.
class RecordingHelp : public IHelp {
public:
    void ShowHelpContents() override { shown.push_back(-1); }
    void ShowHelpTopic(int context) override { shown.push_back(context); }
    std::vector<int> shown;
};

} // namespace qbx::test
