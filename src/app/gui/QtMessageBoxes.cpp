#include "app/gui/QtMessageBoxes.h"

#include "interaction/MessageText.h"

#include <QMessageBox>

namespace qbx {

namespace {

QMessageBox::Icon BoxIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information:
        return QMessageBox::Information;
    case TMsgIcon::Warning:
        return QMessageBox::Warning;
    case TMsgIcon::Error:
        return QMessageBox::Critical;
    case TMsgIcon::Question:
        return QMessageBox::Question;
    case TMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

TMsgAnswer TQtMessageBoxes::Show(const QString &text, const QString &caption, TMsgIcon icon,
                                 unsigned buttons)
{
    QMessageBox box(BoxIcon(icon), caption, MessageDisplayText(text), QMessageBox::NoButton,
                    owner_.data());
    box.setTextFormat(Qt::PlainText);
    QMessageBox::StandardButtons shown;
    if (buttons & MbYes)
        shown |= QMessageBox::Yes;
    if (buttons & MbNo)
        shown |= QMessageBox::No;
    if (buttons & MbOk)
        shown |= QMessageBox::Ok;
    if (buttons & MbRetry)
        shown |= QMessageBox::Retry;
    if (buttons & MbCancel)
        shown |= QMessageBox::Cancel;
    if (!shown)
        shown = QMessageBox::Ok;
    box.setStandardButtons(shown);
    box.setDefaultButton((buttons & MbDefaultNo) && (buttons & MbNo) ? QMessageBox::No
                         : (buttons & MbYes)                         ? QMessageBox::Yes
                         : (buttons & MbRetry)                       ? QMessageBox::Retry
                                                                     : QMessageBox::Ok);
    // Closing the box: Cancel when there is one, else No, else OK.
    if (buttons & MbCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & MbNo)
        box.setEscapeButton(QMessageBox::No);
    else
        box.setEscapeButton(QMessageBox::Ok);

    switch (box.exec()) {
    case QMessageBox::Yes:
        return TMsgAnswer::Yes;
    case QMessageBox::No:
        return TMsgAnswer::No;
    case QMessageBox::Cancel:
        return TMsgAnswer::Cancel;
    case QMessageBox::Retry:
        return TMsgAnswer::Retry;
    default:
        return TMsgAnswer::Ok;
    }
}

} // namespace qbx
