#pragma once

#include <string>
#include <string_view>

// Table engine: Paradox tables and local SQL. Standard C++ only.
//
// The engine keeps a little process-wide state: whether it was started, the
// private directory for temporary files of queries, and the language driver
// new tables get when their creator names none. Table operations do not
// depend on Initialize: the state only records what the program configured.
namespace qbx::engine {

// Starts the engine. `languageId` is the program's language identifier
// ("0009" = English messages, the only language the engine speaks).
// Returns false when the engine cannot run. Starting twice is harmless.
bool Initialize(std::string_view languageId = "0009");
// Stops the engine and returns its settings to their defaults; the next
// Initialize starts afresh.
void Shutdown();
bool IsInitialized();

// Folder where queries keep temporary files (the rows of a large result
// beyond what is kept in memory); empty = the system's temporary folder.
// Throws Error when the folder does not exist.
void SetPrivateDirectory(const std::string &folder);
std::string PrivateDirectory();

// Driver ID given to new tables ("ancyrr" unless changed). Throws Error
// for an unknown driver.
void SetDefaultLanguageDriver(const std::string &id);
std::string DefaultLanguageDriver();

} // namespace qbx::engine
