#include "optionsdialog/OptionsDialogLogic.h"

#include "interaction/MessageBoxes.h"
#include "options/OptionsWindowSeam.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"
#include "options/TPaneWidths.h"
#include "interaction/WindowState.h"
#include "platform/AppPaths.h"
#include "platform/Registry.h"
#include "interaction/FolderPicker.h"

#include <utility>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kLoadCaption()
{
    return QCoreApplication::translate("OptionsDialogLogic", "Загрузка параметров");
}
QString kSaveCaption()
{
    return QCoreApplication::translate("OptionsDialogLogic", "Сохранение параметров");
}
QString kRemoveCaption()
{
    return QCoreApplication::translate("OptionsDialogLogic", "Удаление параметров");
}
QString kDefaultCaption()
{
    return QCoreApplication::translate("OptionsDialogLogic", "Параметры по умолчанию");
}
// The options' own store (the layer that stands for the system registry),
// named by its file.
QString StoreShown()
{
    return paths::ShownPath(Registry::StoreFileName(HKEY_CURRENT_USER));
}
QString RegistryFrom()
{
    return QCoreApplication::translate("OptionsDialogLogic", "хранилища настроек %1").arg(StoreShown());
}
QString RegistryInto()
{
    return QCoreApplication::translate("OptionsDialogLogic", "хранилище настроек %1").arg(StoreShown());
}

} // namespace

TOptionsPlaceTexts::TOptionsPlaceTexts(const QString &iniFileName, bool portable)
    : iniShown(paths::ShownPath(iniFileName))
{
    storageLabel = QCoreApplication::translate("OptionsDialogLogic", "По умолчанию настройки приложения считываются в следующем "
                                  "порядке: сначала из хранилища настроек %1, затем, если "
                                  "их там затем нет, - из инициализационного файла %2; если "
                                  "настройки считать ниоткуда не удалось, используются "
                                  "настройки по умолчанию.")
                       .arg(StoreShown(), iniShown);
    storeItem = QCoreApplication::translate("OptionsDialogLogic", "Хранилище настроек %1").arg(StoreShown());
    iniItem = QCoreApplication::translate("OptionsDialogLogic", "Инициализационный файл %1").arg(iniShown);
    folderLabel = QCoreApplication::translate("OptionsDialogLogic", "По умолчанию рабочие папки приложения (папка с файлами баз "
                                 "данных, папка с файлами сложных запросов) совпадают с %1.")
                      .arg(portable ? QCoreApplication::translate("OptionsDialogLogic", "папкой, где находится исполнимый файла "
                                                     "приложения")
                                    : QCoreApplication::translate("OptionsDialogLogic", "папкой документов пользователя"));
}

TOptionsDialogLogic::TOptionsDialogLogic(TOptionsStorage &storage, TPaneWidths &panes,
                                         IOptionsWindow &mainWindow, IMessageBoxes &boxes,
                                         IFolderPicker &folderPicker, IOptionsDialogView &view)
    : storage_(storage), options_(storage.Options()), panes_(panes), mainWindow_(mainWindow), boxes_(boxes), folderPicker_(folderPicker),
      view_(view), texts_(storage.IniFileName(), paths::IsPortableCopy())
{
}

bool TOptionsDialogLogic::IniChosen() const
{
    return view_.Controls().storage == TStoragePlace::IniFile;
}

void TOptionsDialogLogic::ShowOptions()
{
    TOptionsControls c = view_.Controls();
    OptionsToDialog(options_, c);
    view_.SetControls(c);
}

void TOptionsDialogLogic::ApplyControls()
{
    DialogToOptions(view_.Controls(), options_, panes_, mainWindow_);
}

void TOptionsDialogLogic::RestoreDefaults()
{
    storage_.SetDefaults();
    ShowOptions();
    boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Были успешно установлены значения параметров по умолчанию."),
                kDefaultCaption(), TMsgIcon::Information, MbOk);
}

void TOptionsDialogLogic::LoadFromChosenPlace()
{
    const bool ini = IniChosen();
    const QString place =
        ini ? QCoreApplication::translate("OptionsDialogLogic", "инициализационного файла ") + texts_.iniShown : RegistryFrom();
    const bool loaded = ini ? storage_.LoadFromIni() : storage_.LoadFromRegistry();
    if (!loaded) {
        boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Не удалось загрузить параметры из %1.").arg(place),
                    kLoadCaption(), TMsgIcon::Warning, MbOk);
        return;
    }
    ShowOptions();
    ApplyMainGeometry(options_.MainGeometry, mainWindow_);
    panes_.ApplyPanelGeometry(options_.PanelGeometry, mainWindow_);
    view_.BringToFront();
    boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Параметры были успешно загружены из %1.").arg(place), kLoadCaption(),
                TMsgIcon::Information, MbOk);
}

void TOptionsDialogLogic::SaveToChosenPlace()
{
    const bool ini = IniChosen();
    DialogToOptions(view_.Controls(), options_, panes_, mainWindow_);
    const bool saved = ini ? storage_.SaveToIni() : storage_.SaveToRegistry();
    if (saved) {
        const QString place =
            ini ? QCoreApplication::translate("OptionsDialogLogic", "инициализационный файл ") + texts_.iniShown : RegistryInto();
        boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Параметры были успешно сохранены в %1.").arg(place),
                    kSaveCaption(), TMsgIcon::Information, MbOk);
    } else {
        // Both places are named by their files, so that the user can see
        // which folder refused the write.
        const QString place =
            ini ? QCoreApplication::translate("OptionsDialogLogic", "инициализационный файл ") + texts_.iniShown : RegistryInto();
        boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Не удалось сохранить параметры в %1.").arg(place), kSaveCaption(),
                    TMsgIcon::Warning, MbOk);
    }
}

void TOptionsDialogLogic::RemoveFromChosenPlace()
{
    const bool ini = IniChosen();
    const QString place =
        ini ? QCoreApplication::translate("OptionsDialogLogic", "инициализационного файла ") + texts_.iniShown : RegistryFrom();
    if (ini ? storage_.RemoveIniFile() : storage_.RemoveFromRegistry())
        boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Параметры были успешно удалены из %1.").arg(place),
                    kRemoveCaption(), TMsgIcon::Information, MbOk);
    else
        boxes_.Show(QCoreApplication::translate("OptionsDialogLogic", "Не удалось удалить параметры из %1.").arg(place),
                    kRemoveCaption(), TMsgIcon::Warning, MbOk);
}

void TOptionsDialogLogic::PickFolder(const QString &prompt, QString TOptionsControls::*edit)
{
    TOptionsControls c = view_.Controls();
    QString folder = c.*edit;
    if (!folderPicker_.PickFolder(prompt, folder))
        return;
    c.*edit = paths::WithSlash(folder);
    view_.SetControls(c);
}

void TOptionsDialogLogic::PickDbFolder()
{
    PickFolder(QCoreApplication::translate("OptionsDialogLogic", "Выберите папку с файлами баз данных:"), &TOptionsControls::dbFolder);
}

void TOptionsDialogLogic::PickQueryFolder()
{
    PickFolder(QCoreApplication::translate("OptionsDialogLogic", "Выберите папку с файлами сложных запросов:"),
               &TOptionsControls::qryFolder);
}

void TOptionsDialogLogic::MatchDependentBox(TConfirmPair pair)
{
    TOptionsControls c = view_.Controls();
    qbx::MatchDependentBox(c, pair);
    view_.SetControls(c);
}

TOptionsCommands::TOptionsCommands(TOptionsStorage &storage, const TWindowState &window,
                                   IMessageBoxes &boxes, IOptionsDialogHost &host)
    : storage_(storage), window_(window), boxes_(boxes), host_(host)
{
}

void TOptionsCommands::EditOptions()
{
    host_.ShowOptionsDialog();
    if (window_.DbState() == DbEntire || window_.DbState() == DbFound)
        host_.RefreshPane();
}

void TOptionsCommands::RestoreDefaults()
{
    const TMsgAnswer answer = boxes_.Show(
        QCoreApplication::translate("OptionsDialogLogic", "Сейчас будут установлены значения параметров по умолчанию.\rПродолжить?"),
        kDefaultCaption(), TMsgIcon::Warning, MbOkCancel);
    if (answer == TMsgAnswer::Ok)
        storage_.SetDefaults();
}

} // namespace qbx
