#pragma once

namespace qbx {

// Starts the table engine with the language identifier "0009"; false when
// it cannot run (the program then ends).
bool EngineAvailable();

// Makes "ancyrr" the driver of new tables: the engine's Paradox settings
// key under HKEY_LOCAL_MACHINE gets LangDriver = "ancyrr" when the key exists
// and holds another value; a missing or unwritable key is left alone. Our
// engine takes the new default at once, so it needs no restart.
void SetDefaultLanguageDriver();

} // namespace qbx
