#pragma once

#include "search/TQueryEditor.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qbx {

class IMessageBoxes;
class IQueryFileDialogs;
class TOptions;
class TWindowState;
struct TCatalogueDocument;
class TQueryTreeViewWidget;

// "Поиск в базе данных": the complex query editor. Created once; its tree,
// kind boxes, operand controls and file names last for the run. The logic
// lives in TQueryEditor; the form shows its state and forwards the user's
// actions.
class TQueryForm : public QDialog {
    Q_OBJECT
public:
    TQueryForm(const TOptions &options, const TWindowState &window, TCatalogueDocument &document,
               IMessageBoxes &boxes, IQueryFileDialogs &dialogs, QWidget *parent = nullptr);
    ~TQueryForm() override;

    TQueryEditor &Editor() { return editor_; }
    // The condition built by the last OK.
    const QString &Condition() const { return editor_.Condition(); }

    // F1: opens the help topic (the desktop's help service).
    std::function<void(int topic)> OnHelp;
    static constexpr int HelpContext = 12;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void BuildTreeControls();
    void BuildConditionGroups();
    void BuildFormButtons();
    void LayOut();
    void Connect();
    // Shows the editor's state in the widgets.
    void Sync();
    bool FormKeyDown(QObject *target, const QKeyEvent *event);
    void OKButtonClick();

    TQueryEditor editor_;
    bool syncing_ = false;
    TQueryTreeViewWidget *tree_;
    QPushButton *addBoolean_, *addCompare_, *deleteItem_;
    QGroupBox *lOperandGroup_, *operatorGroup_, *rOperandGroup_, *typeGroup_;
    QComboBox *lOperand_, *operator_, *unit_;
    QLineEdit *value_;
    QSpinBox *number_;
    QCheckBox *case_, *cd_, *folder_, *file_;
    QPushButton *new_, *load_, *save_, *ok_, *cancel_;
};

} // namespace qbx
