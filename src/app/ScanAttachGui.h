#pragma once

#include <memory>

namespace qbx {

class IFolderPicker;
class IHelp;
class TMainForm;
class TScanGui;

// Attaches the scan to the main window: its dialog, and the handlers of
// "Добавить дерево файлов..." and "Рассчитать размер". The result must live
// as long as the window shows the catalogue.
std::unique_ptr<TScanGui> AttachScanGui(TMainForm &form, IFolderPicker &picker, IHelp &help);

} // namespace qbx
