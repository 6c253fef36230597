#pragma once

#include "tree/FieldCapacities.h"

#include <QString>

#include <cstdint>

namespace qbx {

// What the text search dialog is shown with.
struct TStringSearchSetup {
    int helpContext = 10;
    QString prompt;
    int maxLength = kPathCapacity; // the longest field
};

// What the user chose in a search dialog besides the text or the sizes.
struct TSearchKinds {
    bool discs = true;
    bool folders = true;
    bool files = true;
    int view = 0; // the presentation of the results (TPresentation)
};

// The text search dialog's answer.
struct TStringSearchAnswer {
    QString text;
    bool caseSensitive = false;
    bool substring = true;
    TSearchKinds kinds;
};

// The text search dialog (TSearchStrForm): shown with a prompt, a text and
// the presentation to preselect; false when cancelled. The dialog keeps its
// boxes and the history of texts between showings.
class IStringSearchForm {
public:
    virtual ~IStringSearchForm() = default;
    virtual bool Run(const TStringSearchSetup &setup, const QString &text, int view,
                     TStringSearchAnswer &answer) = 0;
};

// The size search dialog's answer: the bytes as decimal texts (toBytes empty
// for an exact size) and the values as the user typed them, in the unit.
struct TSizeSearchAnswer {
    QString fromBytes;
    QString toBytes;
    int64_t from = 0; // the exact value, or the range's bounds, in the unit
    int64_t to = 0;
    QString unitText; // "байт", "кБ", "МБ" or "ГБ"
    TSearchKinds kinds;
};

// The size search dialog (TSearchIntForm): false when cancelled. It keeps
// its mode, unit and the bytes of the last search between showings.
class ISizeSearchForm {
public:
    virtual ~ISizeSearchForm() = default;
    virtual bool Run(int view, TSizeSearchAnswer &answer) = 0;
};

// Units of the size dialog: bytes, kB, MB, GB.
inline constexpr int kSizeUnitCount = 4;
int64_t SizeUnitBytes(int unit);
QString SizeUnitText(int unit);

// The unit the size dialog shows: the one already selected (0..3); when none
// is (-1), sizeUnit when it is 0..3, or for 4 (automatic) the largest unit
// below the larger of the remembered byte values; bytes otherwise.
int ChooseSizeUnit(int selected, int sizeUnit, int64_t fromBytes, int64_t toBytes);

// Bytes in a unit, rounded to the nearest whole number, halves to even.
int64_t BytesInUnit(int64_t bytes, int unit);

} // namespace qbx
