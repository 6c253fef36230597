#pragma once

#include "search/SimpleSearchForms.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDialog;
class QPushButton;

namespace qbx {

// The lower part both search dialogs share: the "Искать только" box, the
// "Вид результатов:" list and the OK and Отмена buttons (Отмена rejects the
// dialog). Its controls join the dialog's focus chain where the widget is
// created: the list, the buttons, then the kind boxes.
class TSearchKindsWidget : public QWidget {
    Q_OBJECT
public:
    explicit TSearchKindsWidget(QDialog *dialog);

    // At least one kind of item is to be found.
    bool AnyKind() const;
    // The kinds ticked and the presentation chosen.
    TSearchKinds Kinds() const;
    // Preselects a presentation; one out of the list's range is ignored.
    void SetView(int view);

    QPushButton *OKButton() const { return okButton_; }

signals:
    // A kind box was ticked or cleared.
    void KindsChanged();

private:
    QComboBox *viewComboBox_;
    QPushButton *okButton_;
    QPushButton *cancelButton_;
    QCheckBox *cdCheckBox_;
    QCheckBox *folderCheckBox_;
    QCheckBox *fileCheckBox_;
};

} // namespace qbx
