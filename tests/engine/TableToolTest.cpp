// qbx-table as a user runs it: exact output, one-line errors, exit status.

#include "EngineTestSupport.h"

#include "engine/Table.h"

#include <cstdio>
#include <sys/wait.h>

#include <gtest/gtest.h>

using namespace qbx;
using namespace qbx::engine;

namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

std::string Quote(const std::string &s)
{
    return "'" + s + "'";
}

ToolRun RunTool(const test::TempFolder &dir, const std::string &arguments)
{
    const std::string errFile = dir.File("stderr.txt");
    const std::string command =
        std::string(QBX_TABLE_TOOL) + " " + arguments + " 2>" + Quote(errFile);
    ToolRun r;
    FILE *p = popen(command.c_str(), "r");
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = test::ReadBytes(errFile);
    return r;
}

TEST(TableTool, DumpAndInfoOfATable)
{
    test::TempFolder dir;
    const std::string path = dir.File("t.db");
    Table::Create(path, {FieldDef::Alpha("Name", 5), FieldDef::Number("Size")});
    {
        Table t;
        t.Open(path, OpenMode::Exclusive);
        const Value a[] = {Value::Text("\xe0\xe1"), Value::Number(0.1)};
        const Value b[] = {Value::Null(), Value::Number(-3)};
        t.Append(a);
        t.Append(b);
    }
    const std::string header = "fileversion 7.0\ncodepage 1251\nrecords 2\nfields 2\n"
                               "field 0 Name type=0x01 size=5\nfield 1 Size type=0x06 size=8\n";
    ToolRun dump = RunTool(dir, "dump " + Quote(path));
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out, header + "rec 0: |\xe0\xe1 |0.10000000000000001\nrec 1: |NULL |-3\n");
    EXPECT_EQ(dump.err, "");

    ToolRun info = RunTool(dir, "info " + Quote(path));
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.out, header + "langdriver ancyrr\n");
}

TEST(TableTool, ErrorsAreOneLineOnStandardError)
{
    test::TempFolder dir;
    test::WriteBytes(dir.File("bad.db"), std::string(4000, '\x01'));
    for (const std::string &args :
         {"dump " + Quote(dir.File("missing.db")), "info " + Quote(dir.File("bad.db")),
          std::string("dump"), std::string("frobnicate x"), std::string()}) {
        SCOPED_TRACE(args);
        ToolRun r = RunTool(dir, args);
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    }
}

} // namespace
