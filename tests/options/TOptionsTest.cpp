#include "options/TOptions.h"
#include "options/InterfaceLanguage.h"
#include "support/StoredOptions.h"

#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "support/FakeOptionsWindow.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

using FakeWindow = test::FakeOptionsWindow;
using test::StoredOptions;

// A temporary executable folder and configuration home for one test.
class TOptionsTest : public ::testing::Test {
protected:
    TOptionsTest() { paths::SetExecutablePathOverride(exeDir.path() + "/qubrix"); }
    ~TOptionsTest() override { paths::SetExecutablePathOverride(QString()); }

    QString Exe() const { return exeDir.path() + "/"; }
    QByteArray IniText() const
    {
        QFile f(Exe() + "qubrix.ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool StoreExists() { return QFile::exists(Registry::StoreFileName(HKEY_CURRENT_USER)); }

    // Every persisted option away from its default.
    static void Change(TOptions &o)
    {
        o.SearchView = 3;
        o.DbFolder = "/data/Каталоги/";
        o.QryFolder = "/data/Запросы/";
        o.MainGeometry = "Maximized";
        o.PanelGeometry = "200,300,210,310";
        o.SizeUnit = 4;
        o.EmptySize = false;
        o.ConfirmRecode = "1";
        o.ConfirmInterrupt = o.ConfirmDelete = o.ConfirmOverwrite = o.ConfirmEffectless = false;
        o.ConfirmResearch = o.ConfirmEdit = o.ConfirmReview = false;
        o.ConfirmUnsaved = "0";
        o.Confirm100 = "";
        o.ConfirmHalf = "0";
    }
    // Every persisted option as text, in stored order, for whole comparisons.
    static QStringList Persisted(const TOptions &o)
    {
        QStringList v{QString::number(o.SearchView),
                      o.DbFolder,
                      o.QryFolder,
                      o.MainGeometry,
                      o.PanelGeometry,
                      QString::number(o.SizeUnit),
                      o.ConfirmRecode,
                      o.ConfirmUnsaved,
                      o.Confirm100,
                      o.ConfirmHalf};
        for (bool b : {o.EmptySize, o.ConfirmInterrupt, o.ConfirmDelete, o.ConfirmOverwrite,
                       o.ConfirmEffectless, o.ConfirmResearch, o.ConfirmEdit, o.ConfirmReview})
            v << (b ? "1" : "0");
        return v;
    }
    static QStringList Changed(const TOptions &o)
    {
        TOptions c(o);
        Change(c);
        return Persisted(c);
    }
    static QStringList Defaults(const StoredOptions &o)
    {
        TOptions d(o);
        d.SearchView = 0;
        d.DbFolder = d.QryFolder = o.DefaultDbFolder;
        d.MainGeometry = d.PanelGeometry = d.ConfirmRecode = d.ConfirmUnsaved = "";
        d.SizeUnit = 0;
        d.Confirm100 = d.ConfirmHalf = "1";
        d.EmptySize = d.ConfirmInterrupt = d.ConfirmDelete = d.ConfirmOverwrite = true;
        d.ConfirmEffectless = d.ConfirmResearch = d.ConfirmEdit = d.ConfirmReview = true;
        return Persisted(d);
    }

    test::TempConfigHome home;
    QTemporaryDir exeDir;
    FakeWindow window;
};

} // namespace

TEST_F(TOptionsTest, NothingStoredGivesDefaultsAndLeavesNoTrace)
{
    StoredOptions o;
    EXPECT_EQ(o.IniFileName, Exe() + "qubrix.ini");
    EXPECT_EQ(o.HelpFile, Exe() + "qubrix.qch");
    EXPECT_EQ(o.AppFolder, Exe());
    EXPECT_EQ(o.DefaultDbFolder, Exe());
    EXPECT_EQ(o.DefaultQryFolder, Exe());
    EXPECT_TRUE(o.TempFolder.endsWith('/'));
    Change(o);
    EXPECT_FALSE(o.Load());
    EXPECT_EQ(Persisted(o), Defaults(o));
    EXPECT_EQ(o.OptionsStore, StoreNowhere);
    o.MainGeometry = "1,2,3,4"; // remembered, but there is no place to write it
    o.Save(window);
    EXPECT_FALSE(StoreExists());
    EXPECT_FALSE(QFile::exists(o.IniFileName));
}

TEST_F(TOptionsTest, IniRoundTripWithTheExactText)
{
    StoredOptions o;
    o.SaveToIni();
    EXPECT_EQ(o.OptionsStore, StoreIni);
    const QString f = Exe();
    EXPECT_EQ(QString::fromUtf8(IniText()),
              "[FOLDERS]\r\nDbFolder=" + f + "\r\nQryFolder=" + f +
                  "\r\n\r\n"
                  "[GEOMETRY]\r\nMainGeometry=\r\nPanelGeometry=\r\n\r\n"
                  "[SIZE]\r\nSizeUnit=0\r\nEmptySize=1\r\n\r\n"
                  "[CONFIRM]\r\nConfirmRecode=\r\nConfirmInterrupt=1\r\nConfirmDelete=1\r\n"
                  "ConfirmUnsaved=\r\nConfirmOverwrite=1\r\nConfirmEffectless=1\r\n"
                  "ConfirmResearch=1\r\nConfirm100=1\r\nConfirmHalf=1\r\nConfirmEdit=1\r\n"
                  "ConfirmReview=1\r\n\r\n"
                  "[MISC]\r\nSearchView=0\r\n");

    Change(o);
    o.SaveToIni();
    EXPECT_TRUE(IniText().contains("[SIZE]\r\nSizeUnit=4\r\nEmptySize=0\r\n"));
    StoredOptions back;
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.OptionsStore, StoreIni);
    EXPECT_EQ(Persisted(back), Changed(back));
    EXPECT_FALSE(StoreExists());
}

TEST_F(TOptionsTest, ReadingOtherFormatsTagsIsStoredOnlyWhenSwitchedOff)
{
    StoredOptions o;
    ASSERT_TRUE(o.ReadExtraTags);
    o.SaveToIni();
    const QByteArray on = IniText();
    EXPECT_FALSE(on.contains("ReadExtraTags"));
    o.ReadExtraTags = false;
    o.SaveToIni();
    EXPECT_EQ(IniText(), on + "ReadExtraTags=0\r\n");
    StoredOptions back;
    ASSERT_TRUE(back.Load());
    EXPECT_FALSE(back.ReadExtraTags);
    ASSERT_TRUE(back.RemoveIniFile());

    back.SaveToRegistry();
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", false));
        EXPECT_EQ(reg.GetValueNames(), QStringList({"SearchView", "ReadExtraTags"}));
        EXPECT_EQ(reg.ReadInteger("ReadExtraTags"), 0);
    }
    StoredOptions fromRegistry;
    ASSERT_TRUE(fromRegistry.Load());
    EXPECT_FALSE(fromRegistry.ReadExtraTags);
    fromRegistry.SetDefaults();
    EXPECT_TRUE(fromRegistry.ReadExtraTags);
    fromRegistry.SaveToRegistry();
    Registry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", false));
    EXPECT_EQ(reg.GetValueNames(), QStringList({"SearchView"}));
}

TEST_F(TOptionsTest, HandWrittenIniIsReadLeniently)
{
    QFile f(Exe() + "qubrix.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[folders]\nDbFolder=/no/slash\n[Size]\nSizeUnit=two\nEmptySize=0\n"
            "[confirm]\nConfirmDelete=0\nConfirmHalf=\n[misc]\nSearchView=9\n");
    f.close();
    StoredOptions o;
    EXPECT_TRUE(o.Load());
    EXPECT_EQ(o.DbFolder, "/no/slash/");
    EXPECT_EQ(o.QryFolder, Exe());
    EXPECT_EQ(o.SizeUnit, 0); // not a number: its default alone
    EXPECT_FALSE(o.EmptySize);
    EXPECT_FALSE(o.ConfirmDelete);
    EXPECT_TRUE(o.ConfirmInterrupt);
    EXPECT_EQ(o.ConfirmHalf, "");
    EXPECT_EQ(o.Confirm100, "1");
    EXPECT_EQ(o.SearchView, 0); // outside the four presentations
}

TEST_F(TOptionsTest, RegistryRoundTripWithTypesAndOrder)
{
    StoredOptions o;
    Change(o);
    o.SaveToRegistry();
    EXPECT_EQ(o.OptionsStore, StoreRegistry);
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", false));
        EXPECT_EQ(reg.GetValueNames(), QStringList({"SearchView"}));
        EXPECT_EQ(reg.GetKeyNames(), QStringList({"Folders", "Geometry", "Size", "Confirm"}));
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Size", false));
        EXPECT_EQ(reg.GetValueNames(), QStringList({"SizeUnit", "EmptySize"}));
        EXPECT_EQ(reg.ReadInteger("EmptySize"), 0);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Confirm", false));
        EXPECT_EQ(
            reg.GetValueNames(),
            QStringList({"ConfirmRecode", "ConfirmInterrupt", "ConfirmDelete", "ConfirmUnsaved",
                         "ConfirmOverwrite", "ConfirmEffectless", "ConfirmResearch", "Confirm100",
                         "ConfirmHalf", "ConfirmEdit", "ConfirmReview"}));
        EXPECT_EQ(reg.GetDataType("ConfirmRecode"), RegDataType::String);
        EXPECT_EQ(reg.GetDataType("ConfirmInterrupt"), RegDataType::Integer);
    }
    StoredOptions back;
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.OptionsStore, StoreRegistry);
    EXPECT_EQ(Persisted(back), Changed(back));
    EXPECT_FALSE(QFile::exists(back.IniFileName));
}

TEST_F(TOptionsTest, WronglyTypedRegistryValueTakesItsDefaultAlone)
{
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", true));
        reg.WriteString("SearchView", "2");
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Size", true));
        reg.WriteString("SizeUnit", "3");
        reg.WriteInteger("EmptySize", 0);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Confirm", true));
        reg.WriteInteger("Confirm100", 0);
        reg.WriteString("ConfirmDelete", "0");
        reg.WriteInteger("ConfirmEdit", 0);
        reg.WriteString("ConfirmHalf", "");
    }
    StoredOptions o;
    Change(o);
    EXPECT_TRUE(o.LoadFromRegistry());
    EXPECT_EQ(o.SearchView, 0);
    EXPECT_EQ(o.SizeUnit, 0);
    EXPECT_FALSE(o.EmptySize);
    EXPECT_EQ(o.Confirm100, "1");
    EXPECT_TRUE(o.ConfirmDelete);
    EXPECT_FALSE(o.ConfirmEdit);
    EXPECT_EQ(o.ConfirmHalf, "");
    EXPECT_EQ(o.ConfirmUnsaved, ""); // missing text value
    // Missing sub-keys: defaults, with the folders ending in "/".
    EXPECT_EQ(o.DbFolder, Exe());
    EXPECT_EQ(o.MainGeometry, "");
}

TEST_F(TOptionsTest, RemovalKeepsTheCompanyKeyOnlyWhileItHoldsMore)
{
    StoredOptions o;
    o.SaveToRegistry();
    EXPECT_TRUE(o.RemoveFromRegistry());
    EXPECT_EQ(o.OptionsStore, StoreNowhere);
    Registry reg(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.KeyExists("Software\\Tolvenar"));
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_TRUE(o.RemoveFromRegistry()); // nothing there: still true

    o.SaveToRegistry();
    ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\OtherProduct", true));
    reg.CloseKey();
    EXPECT_TRUE(o.RemoveFromRegistry());
    EXPECT_FALSE(reg.KeyExists("Software\\Tolvenar\\Qubrix"));
    EXPECT_TRUE(reg.KeyExists("Software\\Tolvenar\\OtherProduct"));

    // Removing the other place leaves OptionsStore alone.
    o.SaveToRegistry();
    EXPECT_TRUE(o.RemoveIniFile());
    EXPECT_EQ(o.OptionsStore, StoreRegistry);
    o.SaveToIni();
    EXPECT_TRUE(o.RemoveIniFile());
    EXPECT_EQ(o.OptionsStore, StoreNowhere);
    EXPECT_FALSE(QFile::exists(o.IniFileName));
}

TEST_F(TOptionsTest, SaveWritesBackOnlyWhereTheOptionsCameFrom)
{
    StoredOptions o;
    o.SaveToIni();
    StoredOptions fromIni;
    ASSERT_TRUE(fromIni.Load());
    fromIni.MainGeometry = "0,0,1,1";
    window.rect = QRect(7, 8, 640, 480);
    fromIni.Save(window);
    EXPECT_TRUE(IniText().contains("MainGeometry=7,8,640,480\r\n"));
    EXPECT_TRUE(IniText().contains("PanelGeometry=\r\n")); // not remembered, stays so
    EXPECT_FALSE(StoreExists());

    ASSERT_TRUE(fromIni.RemoveIniFile());
    fromIni.SaveToRegistry();
    StoredOptions fromRegistry;
    ASSERT_TRUE(fromRegistry.Load());
    fromRegistry.PanelGeometry = "1,1,1,1";
    fromRegistry.Save(window);
    EXPECT_FALSE(QFile::exists(fromRegistry.IniFileName));
    Registry reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix\\Geometry", false));
    EXPECT_EQ(reg.ReadString("PanelGeometry"), "225,245,225,245");
}

TEST_F(TOptionsTest, GeometryTexts)
{
    StoredOptions o;
    EXPECT_EQ(o.MainGeometryText(window), "100,50,600,450");
    window.maximized = true;
    EXPECT_EQ(o.MainGeometryText(window), "Maximized");

    FakeWindow w;
    o.ApplyMainGeometry(w); // empty: not remembered
    EXPECT_EQ(w.rect, QRect(100, 50, 600, 450));
    o.MainGeometry = "10,20,300"; // three items
    o.ApplyMainGeometry(w);
    EXPECT_EQ(w.rect, QRect(100, 50, 600, 450));
    o.MainGeometry = "10,20,wide,400";
    o.ApplyMainGeometry(w);
    EXPECT_EQ(w.rect, QRect(10, 20, 600, 400));
    EXPECT_FALSE(w.maximized);
    o.MainGeometry = "maximized"; // only the exact word maximises
    o.ApplyMainGeometry(w);
    EXPECT_FALSE(w.maximized);
    o.MainGeometry = "Maximized";
    o.ApplyMainGeometry(w);
    EXPECT_TRUE(w.maximized);
}

TEST_F(TOptionsTest, PanelGeometryFollowsTheVisibleTree)
{
    StoredOptions o;
    o.PanelGeometry = "150,x,170,180";
    window.mainTreeVisible = false;
    o.ApplyPanelGeometry(window);
    EXPECT_EQ(o.EntireTreeWidth, 150);
    EXPECT_EQ(o.EntireValueWidth, 245);
    EXPECT_EQ(window.leftPanel, 170);
    EXPECT_EQ(window.valueColumn, 180);

    window.valueColumn = 99;
    EXPECT_EQ(o.PanelGeometryText(window), "150,245,170,99");
    window.mainTreeVisible = true;
    window.valueColumn = 77;
    EXPECT_EQ(o.PanelGeometryText(window), "150,77,170,99");

    o.PanelGeometry = "1,2,3";
    o.ApplyPanelGeometry(window);
    EXPECT_EQ(o.EntireTreeWidth, 150);
    EXPECT_EQ(window.leftPanel, 170);
}

TEST_F(TOptionsTest, FoldersAreAppliedOnlyWhenTheyExist)
{
    StoredOptions o;
    o.DbFolder = Exe();
    o.QryFolder = Exe() + "missing/";
    o.ApplyFolders(window);
    EXPECT_EQ(window.dbFolder, Exe());
    EXPECT_EQ(window.queryFolder, "untouched");
}

TEST_F(TOptionsTest, DriveScanPicksTheScanDialogsFolder)
{
    TVolume root{"/", "", "ext4", "/dev/sda1", true, false, false};
    TVolume data{"/data/", "Data", "xfs", "/dev/sdb1", true, false, false};
    TVolume cd{"/media/cd/", "DISC", "iso9660", "/dev/sr0", false, true, false};
    TVolume proc{"/proc/", "", "proc", "proc", false, false, true};

    StoredOptions withCd(QList<TVolume>{proc, root, cd, data});
    EXPECT_EQ(withCd.CdRoot, "/media/cd/");
    EXPECT_EQ(withCd.environment.FixedDrives, "/\n/data/");
    EXPECT_EQ(withCd.FixedDriveList(), QStringList({"/", "/data/"}));

    StoredOptions noCd(QList<TVolume>{proc, data, root});
    EXPECT_EQ(noCd.CdRoot, "/data/");
    StoredOptions nothing(QList<TVolume>{proc});
    EXPECT_EQ(nothing.CdRoot, "");
    EXPECT_EQ(nothing.environment.FixedDrives, "");
}

TEST_F(TOptionsTest, PlacesThatCannotBeWrittenAreSkippedSilently)
{
    StoredOptions o;
    o.IniFileName = Exe() + "folder.ini";
    ASSERT_TRUE(QDir().mkpath(o.IniFileName));
    EXPECT_FALSE(o.SaveToIni());
    EXPECT_EQ(o.OptionsStore, StoreIni); // still names the place
    EXPECT_FALSE(o.RemoveIniFile());

    ASSERT_TRUE(QDir().mkpath(Registry::StoreFileName(HKEY_CURRENT_USER)));
    EXPECT_FALSE(o.SaveToRegistry());
    EXPECT_EQ(o.OptionsStore, StoreRegistry);
    EXPECT_FALSE(o.LoadFromRegistry());
}

TEST_F(TOptionsTest, AnIniThatCannotBeReadIsReportedAndNeverReplacedByDefaults)
{
    StoredOptions o;
    const QString warning =
        o.IniFileName + "\rФайл параметров программы не удаётся прочитать: нет доступа, или это "
                        "не файл параметров.\r\n\nПрограмма работает с параметрами по "
                        "умолчанию и не изменит этот файл при выходе.";
    // The user's options followed by more text than an options file holds.
    QFile ini(o.IniFileName);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[SIZE]\r\nSizeUnit=4\r\n");
    ASSERT_TRUE(ini.resize(17 * 1024 * 1024));
    ini.close();
    const QByteArray before = IniText();

    EXPECT_FALSE(o.Load());
    EXPECT_EQ(o.LoadWarning, warning);
    EXPECT_EQ(Persisted(o), Defaults(o));
    EXPECT_EQ(o.OptionsStore, StoreNowhere);
    o.Save(window);
    EXPECT_EQ(IniText(), before);

    // A folder in the INI file's place is told the same way.
    ASSERT_TRUE(QFile::remove(o.IniFileName));
    ASSERT_TRUE(QDir().mkpath(o.IniFileName));
    StoredOptions folder;
    EXPECT_FALSE(folder.Load());
    EXPECT_EQ(folder.LoadWarning, warning);

    // So is a registry store that is not a store's text, which stays as it
    // was at exit.
    ASSERT_TRUE(QDir().rmdir(o.IniFileName));
    const QString store = Registry::StoreFileName(HKEY_CURRENT_USER);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(store).path()));
    QFile junk(store);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x01\x02 not a store\n");
    junk.close();
    StoredOptions damaged;
    EXPECT_FALSE(damaged.Load());
    EXPECT_EQ(damaged.LoadWarning, store + warning.mid(o.IniFileName.size()));
    damaged.Save(window);
    ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
    EXPECT_EQ(junk.readAll(), "\x01\x02 not a store\n");
}

TEST_F(TOptionsTest, SaveOnAFullDiscFailsAndKeepsTheOldContents)
{
    StoredOptions o;
    ASSERT_TRUE(o.SaveToIni());
    ASSERT_TRUE(o.SaveToRegistry());
    const QByteArray oldIni = IniText();
    QFile store(Registry::StoreFileName(HKEY_CURRENT_USER));
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    const QByteArray oldStore = store.readAll();
    store.close();

    Change(o);
    {
        test::FileSizeLimit full(64);
        EXPECT_FALSE(o.SaveToIni());
        EXPECT_FALSE(o.SaveToRegistry());
    }
    EXPECT_EQ(IniText(), oldIni);
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    EXPECT_EQ(store.readAll(), oldStore);
    EXPECT_EQ(QDir(Exe()).entryList(QDir::Files), QStringList({"qubrix.ini"})); // no leftovers
    StoredOptions back;
    EXPECT_TRUE(back.LoadFromIni());
    EXPECT_EQ(Persisted(back), Defaults(back));
}

TEST_F(TOptionsTest, InstalledProgramKeepsItsOptionsInTheConfigurationFolder)
{
    // The layout "cmake --install" and the package give: bin/qubrix beside
    // share/qubrix/.
    ASSERT_TRUE(QDir(Exe()).mkpath("usr/bin") && QDir(Exe()).mkpath("usr/share/qubrix"));
    paths::SetExecutablePathOverride(Exe() + "usr/bin/qubrix");
    EXPECT_FALSE(paths::IsPortableCopy());
    StoredOptions o;
    EXPECT_EQ(o.IniFileName, home.path() + "/Qubrix/qubrix.ini");
    EXPECT_EQ(o.HelpFile, Exe() + "usr/bin/qubrix.qch");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(o.DefaultDbFolder,
              QFileInfo(documents).isDir() ? documents + "/" : QDir::homePath() + "/");
    EXPECT_EQ(o.DbFolder, o.DefaultDbFolder);
    EXPECT_EQ(o.DefaultQryFolder, o.DefaultDbFolder);

    Change(o);
    ASSERT_TRUE(o.SaveToIni()); // creates the configuration folder
    EXPECT_FALSE(QFile::exists(Exe() + "usr/bin/qubrix.ini"));
    StoredOptions back;
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.OptionsStore, StoreIni);
    EXPECT_EQ(Persisted(back), Changed(back));
    EXPECT_TRUE(back.RemoveIniFile());
    EXPECT_FALSE(QFile::exists(o.IniFileName));
}

TEST_F(TOptionsTest, ExecutableInAReadOnlyFolderIsAnInstalledProgram)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into any folder";
    ASSERT_TRUE(QFile::setPermissions(Exe(), QFile::ReadOwner | QFile::ExeOwner));
    StoredOptions o;
    QFile::setPermissions(Exe(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(o.IniFileName, home.path() + "/Qubrix/qubrix.ini");
    EXPECT_NE(o.DefaultDbFolder, Exe());
}

TEST_F(TOptionsTest, InterfaceLanguageIsStoredOnlyOnceChosen)
{
    StoredOptions o;
    o.Language = 2;
    o.SaveToIni();
    EXPECT_TRUE(IniText().endsWith("[MISC]\r\nSearchView=0\r\nLanguage=2\r\n"));
    StoredOptions back;
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.Language, 2);

    back.Language = 1;
    back.SaveToRegistry();
    {
        Registry reg(HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("Software\\Tolvenar\\Qubrix", false));
        EXPECT_EQ(reg.GetValueNames(), QStringList({"SearchView", "Language"}));
        // A value no version wrote means "as the system's".
        reg.WriteInteger("Language", 7);
        ASSERT_TRUE(reg.Flush());
    }
    StoredOptions fromStore;
    EXPECT_TRUE(fromStore.LoadFromRegistry());
    EXPECT_EQ(fromStore.Language, 0);
    fromStore.SetDefaults();
    EXPECT_EQ(fromStore.Language, 0);
}

TEST_F(TOptionsTest, AChosenLanguageOverridesTheLocaleBothWays)
{
    const QByteArray saved = qgetenv("LANGUAGE");
    StoredOptions o;
    qputenv("LANGUAGE", "en_US");
    EXPECT_EQ(ChosenLanguage(), UiLanguage::English) << "nothing stored: the locale decides";
    o.Language = 1;
    ASSERT_TRUE(o.SaveToIni());
    EXPECT_EQ(ChosenLanguage(), UiLanguage::Russian);
    qputenv("LANGUAGE", "ru_RU");
    o.Language = 2;
    ASSERT_TRUE(o.SaveToIni());
    EXPECT_EQ(ChosenLanguage(), UiLanguage::English);
    if (saved.isNull())
        qunsetenv("LANGUAGE");
    else
        qputenv("LANGUAGE", saved);
}
