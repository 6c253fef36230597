#pragma once

#include <QtCore/qnamespace.h>

namespace qbx {

// The title-bar buttons of the program's dialogs, asked of the window
// manager. Without CustomizeWindowHint Qt adds its defaults, and a dialog
// that cannot change its size would offer to be maximised.
//
// A dialog of fixed size: a title and a close button, no minimise or maximise.
inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;
// A form that is closed only by its own buttons (the name-conflict form, the
// About box): a title and no buttons at all.
inline constexpr Qt::WindowFlags AnswerDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace qbx
