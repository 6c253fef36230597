#include "storage/CatalogueReader.h"

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "tree/TCatalogueTree.h"

namespace qbx {

void ReadCatalogueTable(const QString &fileName, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step)
{
    engine::Table table;
    table.Open(fileName.toStdString(), engine::OpenMode::Exclusive);
    if (started)
        started(table.RecordCount());
    const auto text = [&table](int field) { return codec::FromCp1251(table.ReadText(field)); };
    for (bool more = table.First(); more; more = table.Next()) {
        catalogue.InsertItem(text(CfLabel), text(CfPath), text(CfProducer), text(CfProduct),
                             text(CfVersion), ByteSizeFromField(table.ReadNumber(CfByteSize)),
                             text(CfDescription), false);
        if (step && !step())
            break;
    }
}

} // namespace qbx
