#include "storage/CatalogueTable.h"

#include "engine/Error.h"
#include "platform/EngineFileName.h"
#include "storage/CatalogueFormat.h"

namespace qbx {

TOpenProblem OpenProblemOf(int engineCode)
{
    switch (engineCode) {
    case engine::ErrFileNotFound:
        return TOpenProblem::Missing;
    case engine::ErrAccessDenied:
        return TOpenProblem::Refused;
    case engine::ErrLocked:
        return TOpenProblem::Busy;
    case engine::ErrEncrypted:
        return TOpenProblem::Protected;
    default:
        // A damaged header, a failed read, a file of another kind.
        return TOpenProblem::Damaged;
    }
}

TOpenedCatalogue OpenCatalogueTable(const QString &fileName, engine::OpenMode mode)
{
    TOpenedCatalogue opened;
    try {
        opened.table.Open(EngineFileName(fileName), mode);
    } catch (const engine::Error &e) {
        opened.problem = OpenProblemOf(e.code());
        opened.engineCode = e.code();
        return opened;
    }
    opened.format = TableFormatOfFields(opened.table.Fields());
    if (opened.format == TfNotCatalogue) {
        opened.problem = TOpenProblem::NotCatalogue;
        opened.table.Close();
    }
    return opened;
}

} // namespace qbx
