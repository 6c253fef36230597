// qbx-table: looks inside table files from the command line.

#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <iterator>

namespace {

// To add a sub-command, declare its function in Commands.h, define it in a
// source file of this folder and add one line here.
const qbx::tools::Command kCommands[] = {
    {"dump", "FILE", 1, qbx::tools::RunDump},
    {"info", "FILE", 1, qbx::tools::RunInfo},
    {"query", "FILE CONDITION", 2, qbx::tools::RunQuery},
};

int Usage()
{
    std::fputs("usage:", stderr);
    for (const auto &c : kCommands)
        std::fprintf(stderr, " qbx-table %s %s;", c.name, c.usage);
    std::fputc('\n', stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    for (const auto &c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0)
            continue;
        if (size_t(argc - 2) != c.argumentCount)
            return Usage();
        try {
            const int status = c.run(std::vector<std::string>(argv + 2, argv + argc));
            if (std::fflush(stdout) != 0) {
                std::fputs("qbx-table: cannot write the output\n", stderr);
                return 1;
            }
            return status;
        } catch (const std::exception &e) {
            std::fflush(stdout);
            std::fprintf(stderr, "qbx-table: %s\n", e.what());
            return 1;
        }
    }
    return Usage();
}
