#pragma once

#include "interaction/ConflictPrompt.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qbx {

// The name-conflict question: an item being put into the catalogue tree
// already exists; replace, complete or keep its description, or stop the
// operation. Created once and reused; the check box applies the choice to
// every later clash of the operation.
class TMessageForm : public QDialog, public IConflictPrompt {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget *parent = nullptr);

    // The full item path of the existing item, shown in the question.
    void SetPath(const QString &path) { path_ = path; }
    // 1 cancel, 2/3 keep, 4/5 complement, 6/7 overwrite (odd: for all).
    TConflictAnswer Answer() const { return answer_; }

    // Shows the form modally for path and gives the answer.
    TConflictAnswer AskConflict(const QString &fullItemPath) override;

    // F1: opens the help topic (the desktop's help service).
    std::function<void(int topic)> OnHelp;
    static constexpr int HelpContext = 4;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow();
    void Choose(TConflictAnswer answer);

    QString path_;
    TConflictAnswer answer_ = ConflictCancel;
    QLabel *iconImage_;
    QLabel *messageLabel_;
    QPushButton *overwriteButton_;
    QPushButton *complementButton_;
    QPushButton *keepButton_;
    QPushButton *cancelButton_;
    QCheckBox *allCheckBox_;
};

} // namespace qbx
