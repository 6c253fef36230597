#include "desktop/gui/THelpKeyGui.h"

#include "desktop/Help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace qbx {

THelpKeyGui::THelpKeyGui(IHelp &help, QObject *parent) : QObject(parent), help_(help)
{
}

void THelpKeyGui::Watch(QWidget *window)
{
    if (window)
        window->installEventFilter(this);
}

bool THelpKeyGui::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    if (auto *menu = qobject_cast<QMenu *>(watched)) {
        const int context = HelpContextOf(menu);
        // Close the whole chain of open menus before the help window shows.
        for (QWidget *w = QApplication::activePopupWidget(); w;
             w = QApplication::activePopupWidget())
            w->close();
        help_.ShowHelpTopic(context);
        return true;
    }
    // The focused control's topic; else the window's own (a dialog's); a
    // window without one (the main window) opens the contents.
    const QObject *focused = QApplication::focusWidget();
    if (const auto context = FocusedHelpContext(focused, watched))
        help_.ShowHelpTopic(*context);
    else if (HasHelpContext(watched))
        help_.ShowHelpTopic(HelpContextOf(watched));
    else
        help_.ShowHelpContents();
    return true;
}

} // namespace qbx
