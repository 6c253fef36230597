#pragma once

#include "edit/TEditValues.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qbx {

class IMessageBoxes;
class TOptions;

// The description editor: label and path (read-only), the folder box,
// producer, product, version, size with its unit, and the free description.
// OK is enabled only while something differs from what was shown. Created
// once and reused.
class TEditForm : public QDialog, public IDescriptionEditor {
    Q_OBJECT
public:
    // options: the SizeUnit option is read at each showing.
    TEditForm(IMessageBoxes &boxes, const TOptions &options, QWidget *parent = nullptr);

    bool Execute(TEditValues &values) override;

    static constexpr int HelpContext = 9;
    // F1: opens the help topic.
    std::function<void(int topic)> OnHelp;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow();
    void EditChange();
    void FolderCheckBoxClick();
    void OKButtonClick();
    TEditControls Controls() const;
    QWidget *FieldControl(TEditField field) const;

    IMessageBoxes &boxes_;
    const TOptions &options_;
    TEditFormLogic logic_;
    TEditValues *values_ = nullptr;
    QLineEdit *labelEdit_;
    QLineEdit *pathEdit_;
    QCheckBox *folderCheckBox_;
    QLineEdit *producerEdit_;
    QLineEdit *productEdit_;
    QLineEdit *versionEdit_;
    QSpinBox *sizeSpinEdit_;
    QComboBox *sizeComboBox_;
    QLineEdit *descrEdit_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
};

} // namespace qbx
