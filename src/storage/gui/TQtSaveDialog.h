#pragma once

#include "storage/ISaveDialog.h"

class QWidget;

namespace qbx {

// The system's save dialog behind the save-dialog seam.
class TQtSaveDialog : public ISaveDialog {
public:
    explicit TQtSaveDialog(QWidget *owner) : owner_(owner) {}
    TSaveDialogAnswer GetSaveFileName(const TSaveDialogState &state) override;

private:
    QWidget *owner_;
};

} // namespace qbx
