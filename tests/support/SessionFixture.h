#pragma once

#include "app/Session.h"
#include "interaction/ModeLogicFixture.h"
#include "support/FakeOptionsWindow.h"
#include "storage/ISaveDialog.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedAnswers.h"
#include "support/ScriptedMessageBoxes.h"
#include "tree/ScriptedConflicts.h"

#include <gtest/gtest.h>

namespace qbx::test {

// Open dialogs answered from a script; each request is recorded.
class ScriptedFileDialogs : public IFileDialogs, public ScriptedAnswers<QString, TOpenDialogState> {
public:
    QString GetOpenFileName(const TOpenDialogState &state) override { return Next(state); }
};

// Save dialogs answered from a script; each request is recorded.
class ScriptedSaveDialog : public ISaveDialog,
                           public ScriptedAnswers<TSaveDialogAnswer, TSaveDialogState> {
public:
    TSaveDialogAnswer GetSaveFileName(const TSaveDialogState &state) override
    {
        return Next(state);
    }
};

// The session as the program builds it, its ports answered by fakes: the
// window records what is shown, dialogs and questions answer from scripts,
// and file writes go through a file system that fails on cue.
class SessionTest : public ::testing::Test {
protected:
    FakeMainView view;
    FakeOptionsWindow optionsWindow;
    ScriptedMessageBoxes boxes;
    ScriptedConflicts conflicts;
    ScriptedFileDialogs dialogs;
    ScriptedSaveDialog saveDialog;
    FaultyFileSystem fs;
    qint64 freeBytes = -1; // unknown
    int &rootExpansions = view.mainRootExpansions;
    // The session reads it; tests point its folders elsewhere.
    TEnvironment environment = TEnvironment::Detect();
    TSession session{QStringLiteral("Кварнис"),
                     environment,
                     {view, view, optionsWindow, boxes, conflicts, dialogs, saveDialog, fs,
                      [this](const QString &) { return freeBytes; }}};

    TOptions &options = session.Options();
    TOptionsStorage &storage = session.OptionsStorage();
    TWindowState &window = session.Window();
    TCatalogueDocument &document = session.Document();
    TConflictAnswers &answers = session.Answers();
    TLastSearch &lastSearch = session.LastSearch();
    TCommandState &commands = session.Commands();
    TLongOperation &operation = session.Operation();
    TModeLogic &modes = session.ModeLogic();
    TTree &mainTree = session.MainTree();
    TTree &searchTree = session.SearchTree();
    TCatalogueTree &catalogue = session.Catalogue();
    TCatalogueFiles &files = session.Files();
    TCatalogueSaving &saving = session.Saving();
};

} // namespace qbx::test
