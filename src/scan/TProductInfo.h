#pragma once

#include <QString>

namespace qbx {

// What a recogniser found in one file: the four description texts, of any
// length (the scan cuts them to the description's capacities when it stores
// them), and whether the file was recognised at all.
struct TProductInfo {
    QString Producer;
    QString Product;
    QString Version;
    QString Description;
    bool Recognised = false;
};

} // namespace qbx
