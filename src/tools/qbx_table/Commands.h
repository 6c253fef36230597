#pragma once

#include <string>
#include <vector>

// Sub-commands of qbx-table. Each takes its arguments after the command
// name, writes its result to stdout and returns the exit status; failures
// are thrown (qbx::engine::Error or std::exception) and reported by main
// as one line on stderr.
namespace qbx::tools {

struct Command {
    const char *name;
    const char *usage; // arguments, for the usage text
    size_t argumentCount;
    int (*run)(const std::vector<std::string> &arguments);
};

int RunDump(const std::vector<std::string> &arguments);
int RunInfo(const std::vector<std::string> &arguments);
// query FILE CONDITION: the rows meeting the condition, as dump prints them.
int RunQuery(const std::vector<std::string> &arguments);

// Writes all of `text` to stdout; throws when the output cannot be written.
void WriteOut(const std::string &text);

} // namespace qbx::tools
