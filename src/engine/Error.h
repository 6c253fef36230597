#pragma once

#include <stdexcept>
#include <string>

namespace qbx::engine {

// Error codes of the engine. The numbers are fixed: the program and its tests
// compare them, so a code never changes its meaning.
enum ErrorCode : int {
    ErrGeneral = 0x2100,
    ErrFileNotFound = 0x2401, // the file does not exist
    ErrAccessDenied = 0x2402, // the OS refused access
    ErrCorrupt = 0x2501,      // the file is damaged or is not a table
    ErrTableFull = 0x2507,    // no block left: "Table is full."
    ErrEncrypted = 0x2508,    // the table is password protected
    ErrLocked = 0x2A04,       // another opener holds the table
    ErrInvalidParameter = 0x2B03,
    ErrSqlSyntax = 0x3302,      // a malformed SQL statement or condition
    ErrNotInitialized = 0x2A01, // the engine was not started
    ErrIo = 0x2403,             // reading or writing the file failed
    ErrFileExists = 0x2404,     // a new file's name is taken
    ErrDiskFull = 0x2405,       // no space left on the device
};

// The one exception type of the engine: an English message and a code.
class Error : public std::runtime_error {
public:
    Error(int code, const std::string &message) : std::runtime_error(message), code_(code) {}
    int code() const noexcept { return code_; }

private:
    int code_;
};

} // namespace qbx::engine
