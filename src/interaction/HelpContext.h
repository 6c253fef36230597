#pragma once

#include <optional>

class QObject;

namespace qbx {

// Number of help topics; help contexts run from 0 to HelpTopicCount - 1.
inline constexpr int HelpTopicCount = 22;

// Help contexts of the program's windows and controls.
enum THelpContext : int {
    HcUserIface = 0,
    HcMainMenu = 1,
    HcToolBar = 2,
    HcTreeView = 3,
    HcTreeEdit = 4,
    HcTreeSearch = 5,
    HcListView = 6,
    HcStatusBar = 7,
    HcAddingTree = 8,
    HcDescrEditing = 9,
    HcSearchingGlobal = 10,
    HcSearchingFields = 11,
    HcSearchingComplex = 12,
    HcTuningOptions = 13,
    HcTuningFolders = 14,
    HcTuningGeometry = 15,
    HcTuningSize = 16,
    HcTuningView = 17,
    HcTuningConfirm = 18,
    HcAboutApp = 19,
    HcOverviewStats = 20,
    HcDuplicates = 21,
};

// Help contexts travel with the widgets as the dynamic property "HelpContext".
void SetHelpContext(QObject *object, int context);

// The help context of an object: its own, else the nearest ancestor's, else 0.
int HelpContextOf(const QObject *object);
// The object itself (not an ancestor) carries a help context.
bool HasHelpContext(const QObject *object);

// The help context F1 shows in a window: that of the focused control when the
// focus lies inside the window (the window itself does not count as a
// control); nothing when no control of the window has the focus.
std::optional<int> FocusedHelpContext(const QObject *focused, const QObject *window);

// What the help viewer offers the rest of the program.
class IHelp {
public:
    virtual ~IHelp() = default;
    // Opens the help file at its table of contents.
    virtual void ShowHelpContents() = 0;
    // Opens the topic of a help context (the contents for an unknown context).
    virtual void ShowHelpTopic(int context) = 0;
};

// The main window's help command (and its F1): the focused control's topic,
// else the table of contents.
void ShowHelpForFocus(IHelp &help, const QObject *focused, const QObject *window);

} // namespace qbx
