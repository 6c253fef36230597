#include "optionsdialog/OptionsDialogLogic.h"

#include "options/TOptions.h"
#include "interaction/WindowState.h"
#include "support/StoredOptions.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "desktop/QStringPrinter.h"
#include "support/FakeOptionsWindow.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedFolderPicker.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qbx;

namespace {

// The dialog's controls as plain values; records when it was brought to the
// front relative to the messages shown.
class FakeDialog : public IOptionsDialogView {
public:
    explicit FakeDialog(const test::ScriptedMessageBoxes &boxes) : boxes_(boxes) {}
    TOptionsControls Controls() const override { return controls; }
    void SetControls(const TOptionsControls &c) override { controls = c; }
    void BringToFront() override { frontAfterMessages = int(boxes_.shown.size()); }

    TOptionsControls controls;
    int frontAfterMessages = -1;

private:
    const test::ScriptedMessageBoxes &boxes_;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    QString Ini() const { return exeDir.path() + "/qubrix.ini"; }
    // The options' own store, as the texts name it.
    static QString Store() { return paths::ShownPath(Registry::StoreFileName(HKEY_CURRENT_USER)); }
    QString LastMessage() const { return boxes.shown.isEmpty() ? "" : boxes.shown.last().text; }
    // OptionsToDialog, as every showing starts.
    void Show() { logic.ShowOptions(); }

    test::TempConfigHome home;
    test::TempExecutable exe; // before the options, which take their places from it
    QTemporaryDir &exeDir = exe.dir;
    test::StoredOptions options;
    TOptionsStorage &storage = options.storage;
    test::FakeOptionsWindow window;
    test::ScriptedMessageBoxes boxes;
    test::ScriptedFolderPicker picker;
    FakeDialog dialog{boxes};
    TOptionsDialogLogic logic{options.storage, options.panes, window, boxes, picker, dialog};
};

TEST_F(OptionsDialogTest, ThreeValuedConfirmationsAndTheirDependentBoxes)
{
    Show();
    TOptionsControls &c = dialog.controls;
    TOptionsControls expected; // the defaults show as the design-time states,
    expected.dbFolder = expected.qryFolder = exeDir.path() + "/";
    expected.more100 = expected.moreHalf = {true, true}; // but "1": ask again
    EXPECT_EQ(c, expected);

    // Unchecking "Закрытие несохранённой базы данных" enables "сохранять";
    // with it checked, OK stores "1" (close then saves without asking).
    c.confirmUnsaved = false;
    logic.MatchDependentBox(TConfirmPair::Unsaved);
    EXPECT_TRUE(c.save.enabled);
    EXPECT_FALSE(c.recode.enabled); // only the sender's pair is touched
    c.save.checked = true;
    // "Найдено более 100 записей" checked, "спрашивать повторно" unchecked: "0".
    c.more100.checked = false;
    // The half question switched off: "", whatever its dependent box says.
    c.confirmHalf = false;
    logic.MatchDependentBox(TConfirmPair::MoreHalf);
    EXPECT_FALSE(c.moreHalf.enabled);
    c.confirmRecode = false;
    c.recode.checked = false;
    logic.ApplyControls();
    EXPECT_EQ(options.ConfirmUnsaved, "1");
    EXPECT_EQ(options.Confirm100, "0");
    EXPECT_EQ(options.ConfirmHalf, "");
    EXPECT_EQ(options.ConfirmRecode, "0");

    // A "" option leaves its dependent box as it was at the previous showing.
    options.ConfirmUnsaved = "";
    Show();
    EXPECT_TRUE(c.confirmUnsaved);
    EXPECT_EQ(c.save, (TDependentBox{true, false}));
    options.ConfirmHalf = "";
    Show();
    EXPECT_FALSE(c.confirmHalf);
    EXPECT_EQ(c.moreHalf, (TDependentBox{true, false}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(OptionsDialogTest, OtherPagesTransferBothWays)
{
    options.SizeUnit = 7; // shown as bytes, like the size texts
    options.SearchView = 2;
    options.EmptySize = false;
    options.MainGeometry = "1,2,3,4";
    Show();
    TOptionsControls &c = dialog.controls;
    EXPECT_EQ(c.sizeUnit, 0);
    EXPECT_EQ(c.searchView, 2);
    EXPECT_FALSE(c.emptySize);
    EXPECT_TRUE(c.mainGeometry);
    EXPECT_FALSE(c.panelGeometry);

    // Checking a geometry box stores the present geometry; unchecking forgets it.
    window.rect = QRect(10, 20, 700, 500);
    window.valueColumn = 300;
    c.mainGeometry = false;
    c.panelGeometry = true;
    c.sizeUnit = 4;
    c.confirmDelete = false;
    c.dbFolder = "/data/db/";
    logic.ApplyControls();
    EXPECT_EQ(options.MainGeometry, "");
    EXPECT_EQ(options.PanelGeometry, "225,300,225,245");
    EXPECT_EQ(options.SizeUnit, 4);
    EXPECT_FALSE(options.ConfirmDelete);
    EXPECT_EQ(options.DbFolder, "/data/db/");
}

TEST_F(OptionsDialogTest, FolderButtonsUseThePicker)
{
    Show();
    dialog.controls.dbFolder = "/data/";
    picker.Answer("/data/Каталоги");
    logic.PickDbFolder();
    EXPECT_EQ(dialog.controls.dbFolder, "/data/Каталоги/");
    picker.Cancel();
    logic.PickQueryFolder();
    EXPECT_EQ(dialog.controls.qryFolder, exeDir.path() + "/");
    EXPECT_EQ(picker.prompts, QStringList({"Выберите папку с файлами баз данных:",
                                           "Выберите папку с файлами сложных запросов:"}));
    EXPECT_EQ(picker.startFolders, QStringList({"/data/", exeDir.path() + "/"}));
    EXPECT_EQ(options.DbFolder, exeDir.path() + "/"); // only OK or Save transfer
}

TEST_F(OptionsDialogTest, DefaultsStayInForceAfterCancel)
{
    options.SizeUnit = 3;
    options.ConfirmUnsaved = "1";
    Show();
    logic.RestoreDefaults();
    // Cancel transfers nothing: the defaults set by the button stay.
    EXPECT_EQ(options.SizeUnit, 0);
    EXPECT_EQ(options.ConfirmUnsaved, "");
    EXPECT_EQ(dialog.controls.sizeUnit, 0);
    EXPECT_TRUE(dialog.controls.confirmUnsaved);
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, "Были успешно установлены значения параметров по умолчанию.");
    EXPECT_EQ(boxes.shown[0].caption, "Параметры по умолчанию");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Information);
    EXPECT_EQ(storage.OptionsStore, StoreNowhere); // nothing written
    EXPECT_FALSE(QFile::exists(Ini()));
}

TEST_F(OptionsDialogTest, SaveToIniThenRemoveFromRegistry)
{
    const QString ini = "инициализационный файл " + paths::ShownPath(Ini());
    Show();
    options.SaveToRegistry();
    dialog.controls.storage = TStoragePlace::IniFile;
    dialog.controls.sizeUnit = 2; // what the dialog shows is what is saved
    logic.SaveToChosenPlace();
    EXPECT_EQ(LastMessage(), "Параметры были успешно сохранены в " + ini + ".");
    EXPECT_EQ(boxes.shown.last().caption, "Сохранение параметров");
    EXPECT_EQ(options.SizeUnit, 2);
    EXPECT_EQ(storage.OptionsStore, StoreIni);

    dialog.controls.storage = TStoragePlace::Registry;
    logic.RemoveFromChosenPlace();
    EXPECT_EQ(LastMessage(),
              "Параметры были успешно удалены из хранилища настроек " + Store() + ".");
    EXPECT_EQ(boxes.shown.last().caption, "Удаление параметров");
    EXPECT_FALSE(Registry(HKEY_CURRENT_USER).KeyExists(TOptionsStorage::RegistryKey));
    EXPECT_EQ(storage.OptionsStore, StoreIni); // exit still writes the INI file

    options.SizeUnit = 4;
    options.Save(window);
    test::StoredOptions back;
    EXPECT_TRUE(back.Load());
    EXPECT_EQ(back.OptionsStore, StoreIni);
    EXPECT_EQ(back.SizeUnit, 4);

    dialog.controls.storage = TStoragePlace::IniFile;
    logic.RemoveFromChosenPlace();
    EXPECT_EQ(LastMessage(), "Параметры были успешно удалены из инициализационного файла " +
                                 paths::ShownPath(Ini()) + ".");
    EXPECT_EQ(storage.OptionsStore, StoreNowhere);
    ASSERT_TRUE(QDir().mkpath(Ini())); // a folder in its place cannot be removed as a file
    logic.RemoveFromChosenPlace();
    EXPECT_EQ(LastMessage(), "Не удалось удалить параметры из инициализационного файла " +
                                 paths::ShownPath(Ini()) + ".");
    EXPECT_EQ(boxes.shown.last().icon, TMsgIcon::Warning);
}

TEST_F(OptionsDialogTest, SaveThatCannotWriteSaysSoAndKeepsTheOldFile)
{
    Show();
    dialog.controls.storage = TStoragePlace::IniFile;
    logic.SaveToChosenPlace();
    QFile file(Ini());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    dialog.controls.sizeUnit = 3;
    {
        test::FileSizeLimit full(64);
        logic.SaveToChosenPlace();
    }
    EXPECT_EQ(LastMessage(), "Не удалось сохранить параметры в инициализационный файл " +
                                 paths::ShownPath(Ini()) + ".");
    EXPECT_EQ(boxes.shown.last().icon, TMsgIcon::Warning);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);

    // A registry store whose folder cannot be made (a file stands in its way).
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Ini()));
    dialog.controls.storage = TStoragePlace::Registry;
    logic.SaveToChosenPlace();
    EXPECT_EQ(LastMessage(), "Не удалось сохранить параметры в хранилище настроек " +
                                 paths::ShownPath(Ini() + "/Qubrix/HKEY_CURRENT_USER.reg") + ".");
}

TEST_F(OptionsDialogTest, LoadMovesTheMainWindowAndKeepsTheDialogInFront)
{
    options.MainGeometry = "30,40,640,480";
    options.SizeUnit = 1;
    options.SaveToRegistry();
    options.SetDefaults();
    Show();

    dialog.controls.storage = TStoragePlace::IniFile;
    logic.LoadFromChosenPlace();
    EXPECT_EQ(LastMessage(), "Не удалось загрузить параметры из инициализационного файла " +
                                 paths::ShownPath(Ini()) + ".");
    EXPECT_EQ(boxes.shown.last().caption, "Загрузка параметров");
    EXPECT_EQ(options.SizeUnit, 0);

    dialog.controls.storage = TStoragePlace::Registry;
    logic.LoadFromChosenPlace();
    EXPECT_EQ(LastMessage(),
              "Параметры были успешно загружены из хранилища настроек " + Store() + ".");
    EXPECT_EQ(boxes.shown.last().icon, TMsgIcon::Information);
    EXPECT_EQ(window.rect, QRect(30, 40, 640, 480));
    EXPECT_EQ(dialog.frontAfterMessages, 1); // in front before the message
    EXPECT_EQ(dialog.controls.sizeUnit, 1);
    EXPECT_TRUE(dialog.controls.mainGeometry);
    EXPECT_EQ(storage.OptionsStore, StoreRegistry);
}

TEST_F(OptionsDialogTest, TextsNameTheRealIniFileAndStore)
{
    const QString shown = paths::ShownPath(Ini());
    const TOptionsPlaceTexts &t = logic.Texts();
    EXPECT_EQ(t.iniItem, "Инициализационный файл " + shown);
    EXPECT_TRUE(Store().endsWith("/Qubrix/HKEY_CURRENT_USER.reg"));
    EXPECT_EQ(t.storeItem, "Хранилище настроек " + Store());
    EXPECT_TRUE(t.storageLabel.startsWith("По умолчанию настройки приложения считываются в "
                                          "следующем порядке: сначала из хранилища настроек " +
                                          Store() + ", затем"));
    EXPECT_FALSE(t.storageLabel.contains("Windows"));
    EXPECT_TRUE(t.storageLabel.contains("из инициализационного файла " + shown + "; если"));
    EXPECT_TRUE(t.folderLabel.endsWith("совпадают с папкой, где находится исполнимый файла "
                                       "приложения."));
    const TOptionsPlaceTexts installed("/home/u/.config/Qubrix/qubrix.ini", false);
    EXPECT_TRUE(installed.folderLabel.endsWith("совпадают с папкой документов пользователя."));
}

TEST(OptionsCommands, DefaultsAfterTheQuestionAndPaneRefreshInTreeModes)
{
    test::TempConfigHome home;
    test::StoredOptions options;
    test::ScriptedMessageBoxes boxes;
    struct Host : IOptionsDialogHost {
        int shown = 0, refreshed = 0;
        void ShowOptionsDialog() override { ++shown; }
        void RefreshPane() override { ++refreshed; }
    } host;
    const int &shown = host.shown, &refreshed = host.refreshed;
    TWindowState window{QStringLiteral("Кварнис")};
    TOptionsCommands commands(options.storage, window, boxes, host);

    options.SizeUnit = 2;
    boxes.Answer(TMsgAnswer::Cancel);
    commands.RestoreDefaults();
    EXPECT_EQ(options.SizeUnit, 2);
    boxes.Answer(TMsgAnswer::Ok);
    commands.RestoreDefaults();
    EXPECT_EQ(options.SizeUnit, 0);
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text,
              "Сейчас будут установлены значения параметров по умолчанию.\rПродолжить?");
    EXPECT_EQ(boxes.shown[0].caption, "Параметры по умолчанию");
    EXPECT_EQ(boxes.shown[0].icon, TMsgIcon::Warning);
    EXPECT_EQ(boxes.shown[0].buttons, unsigned(MbOkCancel));

    for (TDbState state : {DbNone, DbOpen, DbEntire, DbFound}) {
        window.SetMode(state);
        commands.EditOptions();
    }
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(refreshed, 2);
}

} // namespace
