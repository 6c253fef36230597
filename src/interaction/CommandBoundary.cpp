#include "interaction/CommandBoundary.h"

#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"

#include <exception>
#include <new>
#include <QCoreApplication>

namespace qbx {

QString OutOfMemoryText()
{
    return QCoreApplication::translate("CommandBoundary", "Недостаточно памяти для выполнения команды.");
}

QString CommandFailedText(const QString &what)
{
    QString text = QCoreApplication::translate("CommandBoundary", "Команда не выполнена из-за внутренней ошибки.");
    if (!what.isEmpty())
        text += QStringLiteral("\r\n\n") + what;
    return text;
}

void RunAtCommandBoundary(const std::function<void()> &handler, const QString &caption,
                          TModeLogic &modes, IMessageBoxes &boxes)
{
    QString text;
    try {
        handler();
        return;
    } catch (const std::bad_alloc &) {
        text = OutOfMemoryText();
    } catch (const std::exception &e) {
        text = CommandFailedText(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        text = CommandFailedText(QString());
    }
    // The handler may have stopped inside a long operation.
    if (modes.CommandsFrozen())
        modes.RestoreCommands();
    boxes.Show(text, caption, TMsgIcon::Error, MbOk);
}

} // namespace qbx
