#include "platform/IniFile.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

TEST(IniFile, ReadsLfAndCrLfIgnoringCaseOfSectionsAndKeys)
{
    for (const QByteArray &eol : {QByteArray("\n"), QByteArray("\r\n")}) {
        QByteArray text = "\xEF\xBB\xBF"
                          "orphan=before any section\n"
                          "[Folders]\n"
                          "  DbFolder  =  /data/Диски/  \n"
                          "; comment=not a key\n"
                          "Quoted=\"  x  \"\n"
                          "dbfolder=/second/ignored/\n"
                          "Empty=\n"
                          "[ SIZE ]\n"
                          "SizeUnit=2\n"
                          "Bad=2x\n"
                          "Flag=5\n"
                          "[folders]\n"
                          "QryFolder=/q/";
        text.replace("\n", eol);
        const IniFile ini = IniFile::FromBytes(text);
        SCOPED_TRACE(eol.size());
        EXPECT_EQ(ini.Sections(), QStringList({"Folders", "SIZE"}));
        EXPECT_EQ(ini.ReadString("FOLDERS", "DBFOLDER"), "/data/Диски/");
        EXPECT_EQ(ini.ReadString("folders", "qryfolder"), "/q/");
        EXPECT_EQ(ini.ReadString("Folders", "Quoted"), "  x  ");
        EXPECT_EQ(ini.ReadString("Folders", "Empty", "default"), "");
        EXPECT_TRUE(ini.ValueExists("folders", "EMPTY"));
        EXPECT_FALSE(ini.ValueExists("Folders", "; comment"));
        EXPECT_EQ(ini.ReadString("Folders", "orphan", "none"), "none");
        EXPECT_EQ(ini.ReadInteger("size", "sizeunit", 0), 2);
        EXPECT_EQ(ini.ReadInteger("Size", "Bad", 7), 7);
        EXPECT_TRUE(ini.ReadBool("Size", "Flag", false));
        EXPECT_FALSE(ini.ReadBool("Size", "Missing", false));
        EXPECT_TRUE(ini.ReadBool("Size", "Bad", true));
    }
}

TEST(IniFile, TextThatIsNotUtf8IsWindows1251)
{
    const IniFile ini = IniFile::FromBytes("[\xCF\xE0\xEF\xEA\xE8]\r\nkey=\xC4\xE8\xF1\xEA\r\n");
    EXPECT_EQ(ini.ReadString("ПАПКИ", "Key"), "Диск");
}

TEST(IniFile, FirstWriteGivesTheSpellingAndOrder)
{
    IniFile ini = IniFile::FromBytes("[Keep]\r\n; note\r\nA=1\r\n");
    ini.WriteString("FOLDERS", "DbFolder", "/a/");
    ini.WriteString("Folders", "QryFolder", "/b/");
    ini.WriteString("folders", "DBFOLDER", "/c/");
    ini.WriteBool("Misc", "On", true);
    ini.WriteBool("misc", "Off", false);
    ini.WriteInteger("Misc", "N", -3);
    ini.WriteString("keep", "B", "x\r\n[Evil]"); // cannot start a section
    ini.DeleteKey("KEEP", "a");
    EXPECT_EQ(ini.ToBytes(), QByteArray("[Keep]\r\n; note\r\nB=x  [Evil]\r\n"
                                        "\r\n[FOLDERS]\r\nDbFolder=/c/\r\nQryFolder=/b/\r\n"
                                        "\r\n[Misc]\r\nOn=1\r\nOff=0\r\nN=-3\r\n"));
    ini.EraseSection("folders");
    EXPECT_EQ(ini.Sections(), QStringList({"Keep", "Misc"}));
}

TEST(IniFile, UpdateFileWritesWholeFilesOnly)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Кварнис.ini");
    IniFile ini(name);
    EXPECT_TRUE(ini.Sections().isEmpty());
    ini.WriteString("S", "k", "Значение");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(IniFile(name).ReadString("s", "K"), "Значение");

    // A target that cannot be replaced leaves nothing half-written.
    const QString blocked = dir.filePath("blocked.ini");
    ASSERT_TRUE(QDir().mkpath(blocked));
    IniFile other(blocked);
    other.WriteString("S", "k", "v");
    EXPECT_FALSE(other.UpdateFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Кварнис.ini"}));
    EXPECT_FALSE(IniFile::FromBytes("[S]\nk=v").UpdateFile()); // no file name
}

TEST(IniFile, AWriteCutShortLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.path() + "/options.ini";
    IniFile old = IniFile::Empty(name);
    old.WriteString("Misc", "Key", "old");
    ASSERT_TRUE(old.UpdateFile());
    IniFile bigger = IniFile::Empty(name);
    bigger.WriteString("Misc", "Key", QString(4000, 'x'));
    {
        // The disc takes the first 1000 bytes, then refuses.
        test::FileSizeLimit full(1000);
        EXPECT_FALSE(bigger.UpdateFile());
    }
    EXPECT_EQ(IniFile(name).ReadString("Misc", "Key"), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"options.ini"}));
}
