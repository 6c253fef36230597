#pragma once

#include <utility>
#include <vector>

namespace qbx {

// A page of an explaining label, an optional group of radio buttons and check
// boxes below it (texts in UTF-8).
struct TOptionsPageDef {
    const char *name;
    int helpContext;
    const char *labelName;
    const char *text;
    const char *radioName; // no radio group when null
    const char *radioTitle;
    std::vector<const char *> radioItems;
    int radioColumns;
    std::vector<std::pair<const char *, const char *>> checkBoxes; // name, caption
};

// The pages of the options dialog made of a label, a radio group and check
// boxes only.
extern const TOptionsPageDef kGeometryPage;
extern const TOptionsPageDef kSizePage;
extern const TOptionsPageDef kSearchPage;
// The page of our own after the description's six: what a scan reads.
extern const TOptionsPageDef kScanPage;

} // namespace qbx
