#pragma once

#include "engine/Error.h"
#include "engine/TableHeader.h"
#include "interaction/IStorageStatus.h"

#include <QString>

#include <vector>

namespace qbx {

class IMessageBoxes;

// Result of CheckTableFormat.
enum TTableFormat : int {
    TfNotCatalogue = 0, // not a catalogue, or the file cannot be opened
    TfCurrent = 1,      // ByteSize is a number field
    TfOld = 2,          // ByteSize is an integer field
};

// Tells a catalogue table from any other file: seven fields with the
// catalogue's names (case included), types and sizes. Never raises; the
// status text shows "Проверка формата базы данных" meanwhile and is empty
// afterwards. reason, when given, receives why the file could not be read
// as a table at all ("Файл занят другой программой"...), or stays empty when
// it is a table of another kind.
int CheckTableFormat(const QString &fileName, IStorageStatus &status, QString *reason = nullptr);

// The engine's error code as a reason a user reads. The engine's own
// messages are English and never shown: every code has its words here.
QString TableProblemText(int engineCode);
// What a user reads of an engine error about a file or the engine itself,
// as a sentence. (A statement's syntax error is told by the search, which
// knows the statement.)
QString EngineErrorText(const engine::Error &error);
QString EngineErrorText(int engineCode);
// The same test on the fields of a table already open.
int TableFormatOfFields(const std::vector<engine::FieldDef> &fields);

// Creates an empty catalogue table named `tableName`, replacing any file.
// When that name is the temporary copy's (`searchTable`) and creating it
// fails, the file is deleted and the table goes one level down instead, into
// a folder of that name: F becomes F/<F's own file name>; both names are
// updated then. Returns false when no table could be created (the caller
// sets StopState to StopNow).
bool CreateCatalogueTable(QString &tableName, QString &searchTable, IStorageStatus &status);

// Converts an old-format catalogue (integer ByteSize) to the current format
// in place, then gives an upper-case extension lower case (fileName is
// updated). On failure gives false and the engine's message in errorText.
bool UpgradeCatalogueTable(QString &fileName, QString &errorText, IStorageStatus &status);

// The language driver of a table file, upper-cased ("" when the file
// records none or cannot be read).
QString TableLanguageDriver(const QString &fileName);

// Reports an engine error whose code is engine::ErrTableFull with an error
// box naming the table; any other error is left to the caller. The code, not
// the message text, decides.
void ReportTableFull(int engineCode, const QString &tableName, IStorageStatus &status,
                     IMessageBoxes &boxes);

} // namespace qbx
