#include "optionsdialog/OptionsControls.h"

#include "options/OptionsWindowSeam.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"
#include "options/TPaneWidths.h"

namespace qbx {

namespace {

// The dependent box of a three-valued option holds "1" as checked and "0" as
// unchecked; for "" (ask) it keeps whatever it showed before.
void AnswerToBox(const QString &value, TDependentBox &box)
{
    if (value == QLatin1String("1"))
        box.checked = true;
    else if (value == QLatin1String("0"))
        box.checked = false;
}

QString BoxToAnswer(const TDependentBox &box)
{
    return box.checked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void MatchDependentBox(TOptionsControls &c, TConfirmPair pair)
{
    switch (pair) {
    case TConfirmPair::Recode:
        c.recode.enabled = !c.confirmRecode;
        break;
    case TConfirmPair::Unsaved:
        c.save.enabled = !c.confirmUnsaved;
        break;
    case TConfirmPair::More100:
        c.more100.enabled = c.confirm100;
        break;
    case TConfirmPair::MoreHalf:
        c.moreHalf.enabled = c.confirmHalf;
        break;
    }
}

void OptionsToDialog(const TOptions &o, TOptionsControls &c)
{
    c.dbFolder = o.DbFolder;
    c.qryFolder = o.QryFolder;
    c.mainGeometry = !o.MainGeometry.isEmpty();
    c.panelGeometry = !o.PanelGeometry.isEmpty();
    c.sizeUnit = o.SizeUnit >= 0 && o.SizeUnit <= 4 ? o.SizeUnit : 0;
    c.emptySize = o.EmptySize;
    c.searchView = o.SearchView >= 0 && o.SearchView <= 3 ? o.SearchView : 0;
    c.extraTags = o.ReadExtraTags;
    c.language = o.Language >= 0 && o.Language <= 2 ? o.Language : 0;

    // The recode and unsaved questions: checked = ask ("").
    c.confirmRecode = o.ConfirmRecode.isEmpty();
    MatchDependentBox(c, TConfirmPair::Recode);
    AnswerToBox(o.ConfirmRecode, c.recode);
    c.confirmInterrupt = o.ConfirmInterrupt;
    c.confirmDelete = o.ConfirmDelete;
    c.confirmUnsaved = o.ConfirmUnsaved.isEmpty();
    MatchDependentBox(c, TConfirmPair::Unsaved);
    AnswerToBox(o.ConfirmUnsaved, c.save);
    c.confirmOverwrite = o.ConfirmOverwrite;
    c.confirmEffectless = o.ConfirmEffectless;
    c.confirmResearch = o.ConfirmResearch;
    // The "found" questions: checked = ask at all (not "").
    c.confirm100 = !o.Confirm100.isEmpty();
    MatchDependentBox(c, TConfirmPair::More100);
    AnswerToBox(o.Confirm100, c.more100);
    c.confirmHalf = !o.ConfirmHalf.isEmpty();
    MatchDependentBox(c, TConfirmPair::MoreHalf);
    AnswerToBox(o.ConfirmHalf, c.moreHalf);
    c.confirmEdit = o.ConfirmEdit;
    c.confirmReview = o.ConfirmReview;
}

void DialogToOptions(const TOptionsControls &c, TOptions &o, TPaneWidths &panes,
                     const IOptionsWindow &mainWindow)
{
    o.DbFolder = c.dbFolder;
    o.QryFolder = c.qryFolder;
    o.MainGeometry = c.mainGeometry ? MainGeometryText(mainWindow) : QString();
    o.PanelGeometry = c.panelGeometry ? panes.PanelGeometryText(mainWindow) : QString();
    o.SizeUnit = c.sizeUnit;
    o.EmptySize = c.emptySize;
    o.SearchView = c.searchView;
    o.ReadExtraTags = c.extraTags;
    o.Language = c.language;

    o.ConfirmRecode = c.confirmRecode ? QString() : BoxToAnswer(c.recode);
    o.ConfirmInterrupt = c.confirmInterrupt;
    o.ConfirmDelete = c.confirmDelete;
    o.ConfirmUnsaved = c.confirmUnsaved ? QString() : BoxToAnswer(c.save);
    o.ConfirmOverwrite = c.confirmOverwrite;
    o.ConfirmEffectless = c.confirmEffectless;
    o.ConfirmResearch = c.confirmResearch;
    o.Confirm100 = c.confirm100 ? BoxToAnswer(c.more100) : QString();
    o.ConfirmHalf = c.confirmHalf ? BoxToAnswer(c.moreHalf) : QString();
    o.ConfirmEdit = c.confirmEdit;
    o.ConfirmReview = c.confirmReview;
}

} // namespace qbx
