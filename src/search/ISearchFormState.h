#pragma once

namespace qbx {

// What the simple search dialogs read from the program each time they are
// shown: OK needs an open catalogue, and the size dialog starts in the unit
// the options give until the user picks one.
class ISearchFormState {
public:
    virtual ~ISearchFormState() = default;
    virtual bool CatalogueOpen() const = 0;
    virtual int SizeUnit() const = 0;
};

} // namespace qbx
