#pragma once

#include "tree/DuplicateFinder.h"

#include <QDialog>

#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace qbx {

class IOverviewHost;
class TOverviewButtons;
class TTreeNode;

// "Поиск дубликатов": groups of files with the same name (as the catalogue
// compares names) and the same size, the most wasted bytes first, each
// group opening to its files (disc label and path). "только на разных
// дисках" and a minimum size narrow the search; "Найти" runs it again over
// the tree in memory; a change of the catalogue marks the list stale.
class TDupesWindow : public QDialog {
    Q_OBJECT
public:
    TDupesWindow(IOverviewHost &host, QWidget *parent = nullptr);
    ~TDupesWindow() override;

    void Refresh();
    void MarkStale();
    bool IsStale() const { return stale_; }

    QTreeWidget *Groups() const { return groups_; }
    QCheckBox *AcrossDiscs() const { return acrossDiscs_; }
    QSpinBox *MinimumKiB() const { return minimum_; }
    QString StatusText() const;

    // "Перейти к элементу": the current file (or a group's first file).
    void GoToItem();
    // "Сохранить как...": one line per file of every group.
    void SaveCsv();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Puts a group's files below its item; done when the group is first
    // opened, so that a search finding a hundred thousand groups does not
    // make items for all their files.
    void FillGroup(QTreeWidgetItem *item);
    const TDuplicateGroup *GroupOf(const QTreeWidgetItem *item) const;

    IOverviewHost &host_;
    // The groups shown; dropped with the list when the catalogue changes,
    // as their nodes may be gone.
    std::vector<TDuplicateGroup> found_;
    QTreeWidget *groups_;
    QCheckBox *acrossDiscs_;
    QSpinBox *minimum_;
    QLabel *status_;
    std::unique_ptr<TOverviewButtons> buttons_;
    bool stale_ = false;
};

// The path role of the duplicates' items: a file's full item path.
inline constexpr int DupePathRole = Qt::UserRole;

} // namespace qbx
