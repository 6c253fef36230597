#pragma once

#include <QString>

#include <array>
#include <functional>

namespace qbx {

class IDescriptionEditor;
class IMessageBoxes;
class TCatalogueTree;
class TCommandState;
class TUnsavedChanges;
class TDescriptionPane;
class TItemOperations;
class TTreeModel;
class TWindowState;
struct TCatalogueDocument;

// The system's text clipboard. The window uses the application clipboard;
// tests keep the text in memory.
class IClipboardText {
public:
    virtual ~IClipboardText() = default;
    virtual bool HasText() const = 0;
    virtual QString Text() const = 0;
    virtual void SetText(const QString &text) = 0;
};

// Producer, product, version and description as the clipboard holds them:
// joined by one carriage return each, nothing after the last.
QString DescriptionClipboardText(const QString &producer, const QString &product,
                                 const QString &version, const QString &description);
// The four texts of clipboard text: its first four lines, where a carriage
// return (with a line feed right after it) ends a line and a line feed alone
// does not; missing lines are empty, later ones ignored; cut to the fields'
// capacities.
std::array<QString, 4> ParseDescriptionClipboard(const QString &text);

// The description commands of the catalogue tree: the description editor
// (also asked for from the search results), and copying, cutting, pasting
// and deleting descriptions through the clipboard. They act on every
// selected node at once and start from what the description pane shows.
class TDescriptionCommands {
public:
    struct TDeps {
        const TWindowState &window; // the mode
        TCatalogueDocument &document;
        const TDescriptionPane &pane; // the rows shown, the selection's size and the field to edit first
        TCommandState &commands;
        TUnsavedChanges &unsaved;
        TCatalogueTree &catalogue; // MainTreeView's tree
        TTreeModel &model;         // MainTreeView's model and selection
        TItemOperations &items;    // label edits, expand state, the message hook
        IDescriptionEditor &editor;
        IClipboardText &clipboard;
        IMessageBoxes &boxes;
    };
    explicit TDescriptionCommands(TDeps deps);

    // Refreshes the description pane and the selection's commands.
    std::function<void()> SelectionChanged;

    void EditDescription();
    void CopyDescription();
    void CutDescription();
    void PasteDescription();
    void DeleteDescription();

private:
    void Changed();

    TDeps d_;
};

} // namespace qbx
