#pragma once

#include <QString>

namespace qbx {

// The complex-query dialog as the Open command reaches it: a query file
// chosen there is loaded into the query editor and the dialog shown. The
// query editor's binder implements it; tests record the file.
class IQueryFileEditor {
public:
    virtual ~IQueryFileEditor() = default;
    virtual void EditQueryFile(const QString &fileName) = 0;
};

} // namespace qbx
