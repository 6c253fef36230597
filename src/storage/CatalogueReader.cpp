#include "storage/CatalogueReader.h"

#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"

namespace qbx {

void TCatalogueReader::Decode(size_t field, Field &last, QString &text)
{
    const std::string_view bytes = table_.ReadText(field);
    if (bytes.empty()) {
        text = QString();
    } else if (bytes == last.bytes) {
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
    record_.Path = codec::FromCp1251(table_.ReadText(CfPath)); // differs on every record
    record_.Size = ByteSizeFromField(table_.ReadNumber(CfByteSize));
    return record_;
}

} // namespace qbx
