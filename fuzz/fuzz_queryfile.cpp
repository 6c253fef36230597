// Fuzz target for query files: the reader, the tree check and the condition
// built from every tree that passes. A tree that passes must give a
// condition the engine's SQL parser accepts and can bind to the catalogue
// fields; anything else is a fault and aborts.
#include "FuzzCatalogue.h"
#include "FuzzFile.h"

#include "engine/Error.h"
#include "engine/SqlCondition.h"
#include "engine/SqlParser.h"
#include "platform/Codec.h"
#include "search/QueryCondition.h"
#include "search/QueryFile.h"
#include "search/QueryTree.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace qbx::engine;
using qbx::fuzz::CatalogueSqlFields;
using qbx::fuzz::kCatalogueRecordSize;

void CheckCondition(const qbx::TQueryTree &tree, unsigned kinds)
{
    const QString condition = qbx::BuildCondition(*tree.Top());
    if (condition.isEmpty())
        return;
    const QString full = qbx::QueryCondition(condition, kinds & 1, kinds & 2, kinds & 4);
    try {
        const SqlCondition bound(ParseSqlCondition(qbx::codec::ToCp1251(full)),
                                 CatalogueSqlFields(), kCatalogueRecordSize);
        std::vector<uint8_t> record(kCatalogueRecordSize, 0);
        (void)bound.Evaluate(record.data());
    } catch (const Error &e) {
        std::fprintf(stderr, "condition refused: %s\n%s\n", e.what(), full.toStdString().c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const unsigned kinds = size > 0 ? data[0] % 8 : 7;
    const QString file = qbx::fuzz::WriteInput(data, size);
    if (const auto tree = qbx::ReadQueryFile(file))
        CheckCondition(*tree, kinds == 0 ? 7 : kinds);
    return 0;
}
