#include "storage/CatalogueReader.h"

#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"
#include "storage/CatalogueTable.h"
#include "tree/TCatalogueTree.h"

namespace qbx {

void TCatalogueReader::Decode(size_t field, Field &last, QString &text)
{
    const std::string_view bytes = table_.ReadText(field);
    if (bytes.empty()) {
        text = QString();
    } else if (bytes == last.bytes) {
        // Usually still shared from the previous record: nothing to do.
        if (text.constData() != last.text.constData())
            text = last.text;
    } else {
        last.bytes.assign(bytes);
        last.text = codec::FromCp1251(bytes);
        text = last.text;
    }
}

const TCatalogueRecord &TCatalogueReader::Read()
{
    Decode(CfLabel, last_[0], record_.Label);
    Decode(CfProducer, last_[1], record_.Producer);
    Decode(CfProduct, last_[2], record_.Product);
    Decode(CfVersion, last_[3], record_.Version);
    Decode(CfDescription, last_[4], record_.Description);
    codec::FromCp1251(table_.ReadText(CfPath), record_.Path); // differs on every record
    record_.Size = ByteSizeFromField(table_.ReadNumber(CfByteSize));
    return record_;
}

bool ReadCatalogueTable(const QString &fileName, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step)
{
    TOpenedCatalogue opened = OpenCatalogueTable(fileName, engine::OpenMode::Exclusive);
    if (opened.problem == TOpenProblem::NotCatalogue)
        throw engine::Error(engine::ErrCorrupt, "not a catalogue table");
    if (!opened.Ok())
        throw engine::Error(opened.engineCode, "cannot open the catalogue table");
    return ReadCatalogueTable(opened.table, catalogue, started, step);
}

bool ReadCatalogueTable(engine::Table &table, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step)
{
    if (started)
        started(table.RecordCount());
    TCatalogueReader reader(table);
    for (bool more = table.First(); more; more = table.Next()) {
        const TCatalogueRecord &r = reader.Read();
        catalogue.InsertItem(r.Label, r.Path, r.Producer, r.Product, r.Version, r.Size,
                             r.Description, false);
        if (step && !step())
            return false;
    }
    return true;
}

} // namespace qbx
