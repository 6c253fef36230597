#pragma once

#include <QString>

namespace qbx {

// What the mode logic asks of the open catalogue and of the program around
// it. Each request has exactly one receiver: the session implements it with
// the catalogue files and saving objects; tests pass a fake.
class IOpenCatalogue {
public:
    virtual ~IOpenCatalogue() = default;

    // The catalogue's name in captions and questions (DbName).
    virtual QString DbName() const = 0;
    // The catalogue was created and never saved.
    virtual bool DbIsNew() const = 0;
    // The window switches to the whole catalogue (mode 2). The first switch
    // after an open or create reads the catalogue table (a new one has none)
    // and gives true, so that the root is expanded and selected.
    virtual bool EnterEntireView() = 0;
    // The Save command; true when the catalogue was saved (false: refused,
    // failed or stopped).
    virtual bool SaveDb() = 0;
    // Opens a catalogue or query file named on the command line.
    virtual void OpenFile(const QString &fileName) = 0;
    // Mode 0: the closed catalogue's flags and last search are forgotten.
    virtual void CatalogueClosed() = 0;
    // The window closes: the options are written back to where they came
    // from.
    virtual void WindowClosing() = 0;
};

} // namespace qbx
