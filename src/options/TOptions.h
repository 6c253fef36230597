#pragma once

#include <QString>

namespace qbx {

struct TEnvironment;

// The user's options, kept between runs in the registry store or in an INI
// file (TOptionsStorage loads and saves them). A plain value: the program
// holds one for the run and hands it by reference to what reads or changes
// an option; nothing of the run's working state lives here.
class TOptions {
public:
    int SearchView = 0; // 0..3; a stored value outside that range loads as 0
    QString DbFolder;   // always ends in "/"
    QString QryFolder;  // always ends in "/"
    QString MainGeometry;
    QString PanelGeometry;
    int SizeUnit = 0;
    bool EmptySize = true;
    QString ConfirmRecode;
    bool ConfirmInterrupt = true;
    bool ConfirmDelete = true;
    QString ConfirmUnsaved;
    bool ConfirmOverwrite = true;
    bool ConfirmEffectless = true;
    bool ConfirmResearch = true;
    QString Confirm100 = QStringLiteral("1");
    QString ConfirmHalf = QStringLiteral("1");
    bool ConfirmEdit = true;
    bool ConfirmReview = true;
    // Scans read the tags of FLAC, Ogg, M4A and other formats, and the MP3
    // tags the ID3 reader cannot read. Stored (as ReadExtraTags = 0 beside
    // SearchView) only when switched off, so that the stores of everyone who
    // keeps it on stay exactly as they were.
    bool ReadExtraTags = true;
    // The language of the user interface (LanguageChoice: 0 as the system's,
    // 1 Russian, 2 English); read at start-up, so a change applies at the
    // next start. Stored only when not 0, so that the stores of users who
    // never chose hold exactly the keys they always held.
    int Language = 0;

    // Every option at its default; the two folders are the environment's
    // default folders.
    static TOptions Defaults(const TEnvironment &environment);
};

} // namespace qbx
