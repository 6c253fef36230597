#pragma once

#include "search/ISearchFormState.h"
#include "search/SimpleSearchForms.h"
#include "search/gui/TSearchKindsWidget.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qbx {

// The size search dialog: an exact size or a range in a unit, the kinds to
// find and the presentation of the results. Created once; keeps its mode,
// unit and the bytes of the last search between showings.
class TSearchIntForm : public QDialog, public ISizeSearchForm {
    Q_OBJECT
public:
    explicit TSearchIntForm(const ISearchFormState &state, QWidget *parent = nullptr);

    bool Run(int view, TSizeSearchAnswer &answer) override;

    // The exact size or the lower bound, and the upper bound ("" for an
    // exact size), in bytes as decimal texts.
    QString FromBytes;
    QString ToBytes;

    QSpinBox *ExactSpinEdit() const { return exactSpinEdit_; }
    QSpinBox *FromSpinEdit() const { return fromSpinEdit_; }
    QSpinBox *ToSpinEdit() const { return toSpinEdit_; }
    QComboBox *SizeComboBox() const { return sizeComboBox_; }
    QRadioButton *ExactButton() const { return exactButton_; }
    QRadioButton *RangeButton() const { return rangeButton_; }
    QPushButton *OKButton() const { return kinds_->OKButton(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void SizeRadioGroupClick();
    void FromSpinEditChange();
    void SearchParamsChange();
    void OKButtonClick();
    int Unit() const;

    const ISearchFormState &state_;
    QRadioButton *exactButton_;
    QRadioButton *rangeButton_;
    QSpinBox *exactSpinEdit_;
    QSpinBox *fromSpinEdit_;
    QSpinBox *toSpinEdit_;
    QComboBox *sizeComboBox_;
    TSearchKindsWidget *kinds_;
};

} // namespace qbx
