#pragma once

#include <QString>

namespace qbx {

class IOptionsWindow;
class TOptions;
struct TPaneWidths;

// Where the options dialog loads, saves and removes options:
// StorageRadioGroup's two items.
enum class TStoragePlace { Registry = 0, IniFile = 1 };

// A check box that depends on a main confirmation box.
struct TDependentBox {
    bool checked = false;
    bool enabled = false;
    bool operator==(const TDependentBox &) const = default;
};

// The four main confirmation boxes that have a dependent box.
enum class TConfirmPair { Recode, Unsaved, More100, MoreHalf };

// What the options dialog's controls show, one field per control, so that
// the transfers to and from TOptions run without widgets. The initial values
// are the controls' design-time states.
struct TOptionsControls {
    TStoragePlace storage = TStoragePlace::Registry; // StorageRadioGroup
    QString dbFolder;                                // DbFolderEdit
    QString qryFolder;                               // QryFolderEdit
    bool mainGeometry = false;                       // MainGeometryCheckBox
    bool panelGeometry = false;                      // PanelGeometryCheckBox
    int sizeUnit = 0;                                // SizeRadioGroup
    bool emptySize = true;                           // SizeCheckBox
    int searchView = 0;                              // SearchRadioGroup
    bool extraTags = true;                           // ExtraTagsCheckBox
    int language = 0;                                // LanguageRadioGroup

    // The main confirmation boxes, in their order in the scroll box.
    bool confirmRecode = true;
    bool confirmInterrupt = true;
    bool confirmDelete = true;
    bool confirmUnsaved = true;
    bool confirmOverwrite = true;
    bool confirmEffectless = true;
    bool confirmResearch = true;
    bool confirm100 = true;
    bool confirmHalf = true;
    bool confirmEdit = true;
    bool confirmReview = true;

    // The dependent boxes: the answer given while the recode or unsaved
    // question is switched off, and whether the two "found" questions are
    // asked again when results are rebuilt.
    TDependentBox recode;   // RecodeCheckBox
    TDependentBox save;     // SaveCheckBox
    TDependentBox more100;  // More100CheckBox
    TDependentBox moreHalf; // MoreHalfCheckBox

    bool operator==(const TOptionsControls &) const = default;
};

// The persisted options into the controls. A three-valued option of ""
// leaves its dependent box checked or unchecked as it was; a size unit
// outside 0..4 shows as bytes, as the size texts treat it.
void OptionsToDialog(const TOptions &options, TOptionsControls &controls);

// The controls into the options. A checked geometry box stores the main
// window's present geometry (with its pane widths) at once; an unchecked
// one forgets it.
void DialogToOptions(const TOptionsControls &controls, TOptions &options, TPaneWidths &panes,
                     const IOptionsWindow &mainWindow);

// A main box with a dependent box was clicked: only that pair's dependent
// box is enabled or disabled to match it.
void MatchDependentBox(TOptionsControls &controls, TConfirmPair pair);

} // namespace qbx
