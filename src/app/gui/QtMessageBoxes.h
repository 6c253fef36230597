#pragma once

#include "interaction/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

namespace qbx {

// Standard message boxes owned by a window (or by no window at start-up).
// Button texts come from Qt's translations loaded at start-up.
class TQtMessageBoxes : public IMessageBoxes {
public:
    explicit TQtMessageBoxes(QWidget *owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget *owner) { owner_ = owner; }

    TMsgAnswer Show(const QString &text, const QString &caption, TMsgIcon icon,
                    unsigned buttons) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace qbx
