#pragma once

namespace qbx {

class TTagStream;

// True when the header of the ASF (WMA) file in the stream holds together:
// every object and sub-object fits in its parent, and every list of
// attributes claims no more entries than its object has room for. TagLib
// trusts those counts and reads (and keeps) that many entries whatever the
// object holds, so a 26-byte object claiming 65,535 attributes, repeated,
// would cost minutes and gigabytes; such a file is not handed to it.
bool AsfHeaderHoldsTogether(TTagStream &stream);

} // namespace qbx
