#pragma once

#include "scan/TAddTree.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace qbx {

class IFolderPicker;

// The scan dialog: the target's path, the folder to scan (chosen only
// through the folder picker) and the scan options. Created once; the boxes
// and the chosen folder keep their state for the whole run.
class TScanForm : public QDialog, public IScanDialog {
    Q_OBJECT
public:
    // initialFolder: the folder offered first (the CD-ROM root).
    TScanForm(IFolderPicker &picker, const QString &initialFolder, QWidget *parent = nullptr);

    bool Execute(const QString &treeNodePath, TScanSettings &settings) override;

    // The folder chosen at the last OK, and whether no node is made for it.
    const QString &FolderPath() const { return folderPath_; }
    bool NoTopNode() const { return noTopNode_; }

    // F1: opens the help topic (the desktop's help service).
    std::function<void(int topic)> OnHelp;
    static constexpr int HelpContext = 8;

    static QString PickerPrompt()
    {
        return QCoreApplication::translate("TScanForm", "Выберете папку для обработки:");
    }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreatePathControls();
    void CreateCheckBoxes();
    void LayOut();
    void FormShow();
    void AutoSizeCheckBoxClick();
    void FolderSpeedButtonClick();
    void OKButtonClick();
    QCheckBox *AddCheckBox(const char *name, const QString &caption, const QString &hint);

    IFolderPicker &picker_;
    QString folderPath_;
    bool noTopNode_ = false;

    QLabel *treeNodeLabel_;
    QLineEdit *treeNodeEdit_;
    QLabel *folderLabel_;
    QLineEdit *folderEdit_;
    QToolButton *folderSpeedButton_;
    QCheckBox *rootFolderCheckBox_;
    QCheckBox *recursionCheckBox_;
    QCheckBox *addFilesCheckBox_;
    QCheckBox *autoSizeCheckBox_;
    QCheckBox *terminalSizeCheckBox_;
    QLabel *terminalSizeLabel_;
    QCheckBox *autoDescrCheckBox_;
    QCheckBox *archivesCheckBox_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
};

} // namespace qbx
