#pragma once

#include "interaction/IFileDialogs.h"

class QWidget;

namespace qbx {

// The system's open dialog behind the file-dialog seam.
class TQtFileDialogs : public IFileDialogs {
public:
    explicit TQtFileDialogs(QWidget *owner) : owner_(owner) {}
    QString GetOpenFileName(const TOpenDialogState &state) override;

    // "name (*.db)|*.db|..." as Qt's "name (*.db);;..." list. The pattern
    // "*.*" of "all files" becomes "*", which also matches names without a
    // dot on this system.
    static QString QtFilter(const QString &filter);

private:
    QWidget *owner_;
};

} // namespace qbx
