#pragma once

#include "search/ISearchFormState.h"
#include "search/SimpleSearchForms.h"
#include "search/gui/TSearchKindsWidget.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace qbx {

// The text search dialog of the global and one-field searches: the text with
// its history, case and substring boxes, the kinds to find and the
// presentation of the results. Created once; keeps its state between
// showings, and the history for the whole run.
class TSearchStrForm : public QDialog, public IStringSearchForm {
    Q_OBJECT
public:
    explicit TSearchStrForm(const ISearchFormState &state, QWidget *parent = nullptr);

    bool Run(const TStringSearchSetup &setup, const QString &text, int view,
             TStringSearchAnswer &answer) override;

    // The text shown at the next showing, and the text chosen after OK.
    QString SearchText;

    QComboBox *SearchComboBox() const { return searchComboBox_; }
    QPushButton *OKButton() const { return kinds_->OKButton(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void SearchParamsChange();
    void OKButtonClick();

    const ISearchFormState &state_;
    QLabel *promptLabel_;
    QComboBox *searchComboBox_;
    QCheckBox *caseCheckBox_;
    QCheckBox *substringCheckBox_;
    TSearchKindsWidget *kinds_;
};

} // namespace qbx
