#pragma once

class QString;
class QWidget;

namespace qbx {

class TTreeNode;

// What the overview windows ask of the program: the catalogue tree in
// memory, the item selected in it, the size unit of the options, going to an
// item of the catalogue tree, saving a table as CSV (the program asks for
// the file, over the window that saves) and a help topic.
class IOverviewHost {
public:
    virtual ~IOverviewHost() = default;
    // The catalogue tree shown, or null.
    virtual const TTreeNode *OverviewRoot() const = 0;
    // The disc or folder selected in the catalogue tree, or null.
    virtual const TTreeNode *OverviewSelected() const = 0;
    virtual int OverviewSizeUnit() const = 0;
    virtual void GoToOverviewItem(const QString &fullPath) = 0;
    virtual void SaveOverviewCsv(QWidget *window, const QString &csv, const QString &name) = 0;
    virtual void ShowOverviewHelp(int topic) = 0;
};

} // namespace qbx
