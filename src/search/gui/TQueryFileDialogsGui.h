#pragma once

#include "search/IQueryFileDialogs.h"

class QWidget;

namespace qbx {

// The system's open and save dialogs behind the query editor's seam.
class TQueryFileDialogsGui : public IQueryFileDialogs {
public:
    explicit TQueryFileDialogsGui(QWidget *owner) : owner_(owner) {}
    QString GetOpenFileName(const TOpenDialogState &state) override;
    QString GetSaveFileName(const TOpenDialogState &state, bool askOverwrite) override;

private:
    QString Run(const TOpenDialogState &state, bool save, bool askOverwrite);

    QWidget *owner_;
};

} // namespace qbx
