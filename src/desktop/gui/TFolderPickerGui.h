#pragma once

#include "interaction/FolderPicker.h"

class QWidget;

namespace qbx {

// The real folder chooser: the standard dialog for existing folders, owned by
// the given window.
class TFolderPickerGui : public IFolderPicker {
public:
    explicit TFolderPickerGui(QWidget *owner) : owner_(owner) {}
    bool PickFolder(const QString &prompt, QString &folder) override;

private:
    QWidget *owner_;
};

} // namespace qbx
