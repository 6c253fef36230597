#include "shell/THelpKeyGui.h"

#include "shell/Help.h"

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
    const QObject *focused = QApplication::focusWidget();
    help_.ShowHelpTopic(FocusedHelpContext(focused, watched).value_or(HelpContextOf(watched)));
    return true;
}

} // namespace qbx
