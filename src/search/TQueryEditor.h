#pragma once

#include "search/TQueryTreeModel.h"
#include "interaction/IFileDialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace qbx {

class IMessageBoxes;
class IQueryFileDialogs;
class TOptions;
class TWindowState;
struct TCatalogueDocument;

// Form of the right operand's controls.
enum class TOperandForm { Disabled, Text, Size };

// What the query dialog's controls show; the window mirrors it.
struct TQueryControls {
    bool addBoolean = true, addCompare = true, deleteItem = false;
    bool fieldEnabled = false;
    int field = -1; // display-name position, -1 for none
    bool operatorEnabled = false;
    QStringList operators;
    int op = -1;
    TOperandForm form = TOperandForm::Disabled;
    QString value;  // the value edit
    int number = 0; // the spin edit
    int unit = -1;  // the unit list, -1 for none
    bool caseSensitive = false;
    bool caseEnabled = false;
    bool cd = true, folder = true, file = true;
    bool newEnabled = false, saveEnabled = false, okEnabled = false;
};

// The query dialog without its widgets: the tree, the selected node, the
// controls' state and every handler. The dialog is created once, so its
// tree, kind boxes and file names last for the run.
class TQueryEditor {
public:
    // window: whether a catalogue is open; document: a query file named
    // through Open waits there to be loaded when the dialog shows.
    TQueryEditor(const TOptions &options, const TWindowState &window, TCatalogueDocument &document,
                 IMessageBoxes &boxes, IQueryFileDialogs &dialogs);

    TQueryTreeModel &Model() { return model_; }
    TQueryNode *Selected() const { return selected_; }
    const TQueryControls &Controls() const { return c_; }
    // The condition built by the last OK.
    const QString &Condition() const { return condition_; }
    TOpenDialogState &OpenDialog() { return openDialog_; }
    TOpenDialogState &SaveDialog() { return saveDialog_; }

    // Called after the selection or the controls changed, so the window can
    // show them (also while a message about a node is shown).
    std::function<void()> changed;
    // Asks the window to expand a node, or all nodes.
    std::function<void(TQueryNode *)> expand;
    std::function<void()> expandAll;
    // Writes a query file; tests put a failing writer here.
    std::function<bool(const QString &, const QByteArray &, QString *)> writeFile;

    // The dialog is about to be shown: a pending query file is loaded.
    void PrepareToShow();
    // The node selected in the tree.
    void Select(TQueryNode *node);
    // The buttons that add a logic node or a comparison, delete the selected
    // node, and empty the tree.
    void AddBoolean();
    void AddCompare();
    void DeleteSelected();
    void ClearQuery();
    // The user chose a field, an operator, typed a value, a number, chose a
    // unit or switched the case box.
    void ChooseField(int field);
    void ChooseOperator(int index);
    void SetValue(const QString &value);
    void SetNumber(int number);
    void ChooseUnit(int unit);
    void SetMatchCase(bool on);
    // The kind boxes (disc, folder, file).
    void SetKinds(bool cd, bool folder, bool file);
    // Drag and drop of the selected node onto target.
    bool CanDrop(const TQueryNode *dragged, const TQueryNode *target) const;
    void Drop(TQueryNode *dragged, TQueryNode *target);
    // Load and Save, each through its file dialog.
    void LoadWithDialog();
    // Loads a query file; on failure reports it and keeps the tree.
    bool LoadQueryFile(const QString &fileName);
    void SaveWithDialog();
    // Checks the tree and builds Condition(); true when the dialog closes
    // with OK.
    bool Accept();
    // Enables OK by the mode, the tree and the kind boxes.
    void UpdateOkEnabled();

private:
    void Refresh();
    bool ReadFile(const QString &fileName);
    void ReplaceTree(std::unique_ptr<TQueryTree> tree);
    void SetFieldLists(int field);
    void SetForm(TOperandForm form);
    void UpdateComparison();
    void Notify();

    const TOptions &options_;
    const TWindowState &window_;
    TCatalogueDocument &document_;
    IMessageBoxes &boxes_;
    IQueryFileDialogs &dialogs_;
    TQueryTreeModel model_;
    TQueryNode *selected_ = nullptr;
    TQueryControls c_;
    QString condition_;
    TOpenDialogState openDialog_;
    TOpenDialogState saveDialog_;
};

} // namespace qbx
