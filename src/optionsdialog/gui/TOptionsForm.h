#pragma once

#include "optionsdialog/OptionsDialogLogic.h"

#include <QDialog>
#include <QHash>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolButton;

namespace qbx {

struct TOptionsPageDef;

// The options dialog ("Параметры"): six pages of controls over the persisted
// options, the storage buttons and the default, OK and Cancel buttons. It
// only binds widgets; TOptionsDialogLogic does the work. Made once at
// start-up and shown modally; the page last shown stays chosen.
class TOptionsForm : public QDialog, public IOptionsDialogView {
    Q_OBJECT
public:
    TOptionsForm(TOptionsStorage &storage, TPaneWidths &panes, IOptionsWindow &mainWindow,
                 IMessageBoxes &boxes, IFolderPicker &folderPicker, QWidget *parent = nullptr);
    ~TOptionsForm() override;

    TOptionsDialogLogic &Logic() { return logic_; }

    // --- IOptionsDialogView ---------------------------------------------
    TOptionsControls Controls() const override;
    void SetControls(const TOptionsControls &controls) override;
    void BringToFront() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    QWidget *CreateStoragePage();
    QWidget *CreateFolderPage();
    // The page; its radio group, if any, is stored in *radio.
    QWidget *CreateSimplePage(const TOptionsPageDef &def, QButtonGroup **radio = nullptr);
    QWidget *CreateConfirmPage();
    // The language group and its note, added to the view page.
    void AddLanguageGroup(QWidget *page);
    QCheckBox *AddCheckBox(QWidget *parent, const char *name, const QString &caption);

    TOptionsDialogLogic logic_;
    QTabWidget *pages_ = nullptr;
    QButtonGroup *storageGroup_ = nullptr;
    QButtonGroup *sizeGroup_ = nullptr;
    QButtonGroup *searchGroup_ = nullptr;
    QButtonGroup *languageGroup_ = nullptr;
    QLineEdit *dbFolderEdit_ = nullptr;
    QLineEdit *qryFolderEdit_ = nullptr;
    QToolButton *dbSpeedButton_ = nullptr;
    QToolButton *qrySpeedButton_ = nullptr;
    QScrollArea *scrollBox_ = nullptr;
    // Check boxes by objectName.
    QHash<QString, QCheckBox *> boxes_;
};

} // namespace qbx
