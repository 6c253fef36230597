#pragma once

#include <QString>

#include <functional>

class QDialog;
class QDialogButtonBox;
class QKeyEvent;
class QPushButton;

namespace qbx {

class IOverviewHost;

// The row of buttons under an overview window ("Перейти к элементу",
// "Сохранить как...", the window's own actions, "Справка", "Закрыть") and
// the keys every overview window shares. No button is a default one: Enter
// belongs to the window, which decides what it means where the focus is.
class TOverviewButtons {
public:
    TOverviewButtons(QDialog &window, IOverviewHost &host, std::function<void()> goToItem,
                     std::function<void()> saveCsv, int helpTopic);

    QDialogButtonBox *Box() const { return box_; }
    QPushButton *GoTo() const { return goTo_; }
    // A further action of the window, placed after "Сохранить как...".
    QPushButton *AddAction(const QString &text, const QString &objectName,
                           std::function<void()> action);

    // F1 shows the help; Enter or Return without modifiers calls `enter`.
    // False for any other key, which the window passes on (Esc closes).
    bool HandleKey(const QKeyEvent &event, const std::function<void()> &enter) const;

private:
    QDialog &window_;
    IOverviewHost &host_;
    int helpTopic_;
    QDialogButtonBox *box_;
    QPushButton *goTo_;
};

} // namespace qbx
