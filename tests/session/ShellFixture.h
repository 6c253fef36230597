#pragma once

#include "options/TOptions.h"
#include "session/CommandState.h"
#include "session/LongOperation.h"
#include "session/MainShell.h"
#include "session/MainView.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace qbx::test {

// Records what the mode logic and the long operations do to the window.
class FakeMainView : public IMainView, public IOperationView {
public:
    QString caption;
    bool panesShown = false;
    bool openHintShown = false;
    TTreeKind treeShown = TTreeKind::None;
    int treeWidth = -1, valueWidth = -1;
    bool splitCursor = false;
    bool searchResults = false;
    bool mainMoreThanRoot = false;
    TTreeKind attached = TTreeKind::None;
    int rootsExpanded = 0;
    QString sizeRow;
    QString status;
    bool popupEnabled = true;
    bool operationShown = false;
    int progress = 0;
    int eventRuns = 0;
    int closesContinued = 0;
    std::function<void()> onEvents; // runs inside ProcessEvents (a click, a key)

    void SetWindowCaption(const QString &c) override { caption = c; }
    void ShowPanes(bool shown) override { panesShown = shown; }
    void ShowOpenHint(bool shown) override { openHintShown = shown; }
    void ShowTree(TTreeKind t) override { treeShown = t; }
    void SetPaneWidths(int t, int v) override
    {
        treeWidth = t;
        valueWidth = v;
    }
    void SetSplitterCursor(bool split) override { splitCursor = split; }
    bool SearchTreeHasResults() const override { return searchResults; }
    bool MainTreeHasMoreThanRoot() const override { return mainMoreThanRoot; }
    void AttachSelectionHandler(TTreeKind t) override { attached = t; }
    void ExpandAndSelectRoot() override { ++rootsExpanded; }
    void FinishModeSwitch(TTreeKind) override {}
    QString SizeRowText() const override { return sizeRow; }
    QString StatusPanelText() const override { return status; }
    void SetStatusPanelText(const QString &t) override { status = t; }
    void SetTreePopupEnabled(bool e) override { popupEnabled = e; }

    void ShowOperation(const QString &title, int) override
    {
        status = title;
        operationShown = true;
    }
    void SetProgress(int p) override { progress = p; }
    void HideOperation() override
    {
        status.clear();
        operationShown = false;
    }
    void ProcessEvents() override
    {
        ++eventRuns;
        if (onEvents)
            onEvents();
    }
    void FocusStatusBar() override {}
    QString StatusTitle() const override { return status; }
    void ContinueClose() override { ++closesContinued; }
};

// The shell's core objects wired together as the main window wires them.
class ShellTest : public ::testing::Test {
protected:
    TOptions options;
    TCommandState commands;
    FakeMainView view;
    ScriptedMessageBoxes boxes;
    TLongOperation operation{options, view, boxes};
    TMainShell shell{options, commands, view, operation, boxes};

    // The hooks the session and the window connect, as no-ops, so that the
    // shell runs alone; tests that look at a hook connect their own.
    ShellTest()
    {
        shell.hooks.LoadTable = [] {};
        shell.hooks.SaveDb = [] {};
        shell.hooks.SaveOptions = [] {};
        shell.hooks.OpenCatalogue = [](const QString &) {};
        shell.hooks.OpenQuery = [](const QString &) {};
    }

    // Enabled state of every command, as a string of 0/1 in list order.
    std::string EnabledMask() const
    {
        std::string s;
        for (int i = 0; i < cmd::Count; ++i)
            s += commands.Enabled(CommandAt(i)) ? '1' : '0';
        return s;
    }
};

} // namespace qbx::test
