#pragma once

#include <QString>

namespace qbx {

// Icon of a standard message box.
enum class TMsgIcon { None, Information, Warning, Error, Question };

// Buttons of a standard message box; combine with |.
enum TMsgButton : unsigned {
    MbOk = 1u << 0,
    MbCancel = 1u << 1,
    MbYes = 1u << 2,
    MbNo = 1u << 3,
    MbRetry = 1u << 4,
    // Not a button: No, not Yes, is the default (a question whose Yes
    // loses data).
    MbDefaultNo = 1u << 5,
    MbOkCancel = MbOk | MbCancel,
    MbYesNo = MbYes | MbNo,
    MbYesNoCancel = MbYes | MbNo | MbCancel,
    MbRetryCancel = MbRetry | MbCancel,
};

// The button the user pressed (closing the box counts as Cancel, or as No
// when there is no Cancel button, or as OK when OK is the only button).
enum class TMsgAnswer { Ok, Cancel, Yes, No, Retry };

// Seam for every question and report the logic shows. The GUI shows a
// standard message box owned by the main window; tests script the answers.
// Texts use a carriage return ("\r", or "\r\n") as the line break, as the
// program writes them everywhere; the GUI turns it into a new line.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual TMsgAnswer Show(const QString &text, const QString &caption, TMsgIcon icon,
                            unsigned buttons) = 0;
};

} // namespace qbx
