#pragma once

#include "interaction/FolderPicker.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace qbx::test {

// Folder picker for tests: answers from a script (a folder, or nothing for a
// cancelled chooser) and records the prompts and starting folders it was shown.
class ScriptedFolderPicker : public IFolderPicker {
public:
    void Answer(const QString &folder) { answers_.push_back(folder); }
    void Cancel() { answers_.push_back(std::nullopt); }

    bool PickFolder(const QString &prompt, QString &folder) override
    {
        prompts << prompt;
        startFolders << folder;
        if (answers_.empty())
            return false;
        const std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        if (!answer)
            return false;
        folder = *answer;
        return true;
    }

    QStringList prompts;
    QStringList startFolders;

private:
    std::deque<std::optional<QString>> answers_;
};

} // namespace qbx::test
