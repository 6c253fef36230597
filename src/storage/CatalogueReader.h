#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace qbx {

class TCatalogueTree;

// Reads the records of a catalogue table into a catalogue tree, in table
// order. started gets the record count before the first record; step runs
// after each record and ends the reading when it gives false. Throws
// engine::Error when the table cannot be opened or read; what was read before
// stays in the tree.
void ReadCatalogueTable(const QString &fileName, TCatalogueTree &catalogue,
                        const std::function<void(uint32_t count)> &started,
                        const std::function<bool()> &step);

} // namespace qbx
