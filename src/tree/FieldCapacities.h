#pragma once

namespace qbx {

// Characters each text field of a catalogue record holds: the table's field
// sizes, the limits of the editors and searches, and where texts are cut.
inline constexpr int kLabelCapacity = 32;
inline constexpr int kPathCapacity = 255;
inline constexpr int kProducerCapacity = 64;
inline constexpr int kProductCapacity = 64;
inline constexpr int kVersionCapacity = 16;
inline constexpr int kDescriptionCapacity = 64;

} // namespace qbx
