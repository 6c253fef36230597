#pragma once

#include <QString>

namespace qbx {

// The open catalogue as a document: its file, its name, and what the window
// must know about it. The catalogue files object (TCatalogueFiles) owns it;
// open, create, save and close change it.
struct TCatalogueDocument {
    // The catalogue's table file.
    QString FileName = QStringLiteral("Qubrix");
    // The table file's name without folder and extension; "Qubrix" for a
    // new catalogue. Captions and messages name the catalogue by it.
    QString DbName = QStringLiteral("Qubrix");
    // Created and never saved: Save then acts as Save As.
    bool DbIsNew = false;
    // The file carries the read-only attribute: Save refuses.
    bool DbReadOnly = false;
    // Set by open and create; the first switch to mode 2 clears it and reads
    // the table.
    bool FirstEntireView = true;
    // A query file named through Open waits to be loaded by the complex-query
    // dialog.
    bool QueryFilePending = false;

    // What the window forgets in mode 0.
    void Closed()
    {
        DbIsNew = false;
        DbReadOnly = false;
    }
};

} // namespace qbx
