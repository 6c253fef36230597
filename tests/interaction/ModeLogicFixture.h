#pragma once

#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "interaction/CommandState.h"
#include "interaction/ConflictAnswers.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MainView.h"
#include "interaction/OpenCatalogue.h"
#include "storage/CatalogueDocument.h"
#include "support/ScriptedMessageBoxes.h"
#include "tree/LastSearch.h"

#include <QFileInfo>

#include <functional>

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
    int mainRootExpansions = 0, searchRootExpansions = 0;
    int valueColumnWidth = 245;
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
    void ExpandRoot(TTreeKind t) override
    {
        ++(t == TTreeKind::Main ? mainRootExpansions : searchRootExpansions);
    }
    int ValueColumnWidth() const override { return valueColumnWidth; }
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

// The open catalogue as the session answers the mode logic, over a plain
// document; what a test looks at it scripts or counts.
class FakeCatalogue : public IOpenCatalogue {
public:
    TCatalogueDocument &document;
    TLastSearch &lastSearch;
    int loads = 0;        // catalogue tables read on a first entire view
    int windowClosings = 0;
    std::function<bool()> saveDb = [] { return true; };
    QStringList opened; // files opened from the command line

    FakeCatalogue(TCatalogueDocument &d, TLastSearch &l) : document(d), lastSearch(l) {}

    QString DbName() const override { return document.DbName; }
    bool DbIsNew() const override { return document.DbIsNew; }
    bool EnterEntireView() override
    {
        if (!document.FirstEntireView)
            return false;
        document.FirstEntireView = false;
        if (!document.DbIsNew)
            ++loads;
        return true;
    }
    bool SaveDb() override { return saveDb(); }
    void OpenFile(const QString &fileName) override { opened << fileName; }
    void CatalogueClosed() override
    {
        document.Closed();
        lastSearch.LastCondition.clear();
    }
    void WindowClosing() override { ++windowClosings; }
};

// The window's core objects wired together as the main window wires them.
class ModeLogicTest : public ::testing::Test {
protected:
    TEnvironment environment = TEnvironment::Detect({});
    TOptions options = TOptions::Defaults(environment);
    TCatalogueDocument document;
    TLastSearch lastSearch;
    FakeCatalogue catalogue{document, lastSearch};
    TConflictAnswers answers;
    TCommandState commands;
    FakeMainView view;
    ScriptedMessageBoxes boxes;
    TLongOperation operation{options, view, boxes};
    TModeLogic modes{QStringLiteral("Кварнис"), options, environment, commands, view,
                     operation,                  boxes,   catalogue,   answers};
    TWindowState &window = modes.State();

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
