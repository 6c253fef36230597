#pragma once

#include <QObject>

class QWidget;

namespace qbx {

class IHelp;

// F1 for windows that have no help command of their own: dialogs and popup
// menus. Watching a dialog, F1 shows the topic of the focused control's help
// context (its own or its nearest ancestor's, so a dialog whose controls carry
// none shows the dialog's topic). Watching a menu, F1 shows the menu's topic
// and closes the menu. Contexts are set with SetHelpContext.
class THelpKeyGui : public QObject {
    Q_OBJECT
public:
    explicit THelpKeyGui(IHelp &help, QObject *parent = nullptr);

    void Watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IHelp &help_;
};

} // namespace qbx
