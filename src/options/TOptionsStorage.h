#pragma once

#include <QString>

#include <cstdint>

namespace qbx {

// Where the persisted options were loaded from or last saved to
// (TOptionsStorage::OptionsStore).
enum TOptionsStore : int8_t {
    StoreNowhere = -1,
    StoreRegistry = 0,
    StoreIni = 1,
};

class IOptionsWindow;
class TOptions;
struct TEnvironment;
struct TPaneWidths;

// Loads and saves the persisted options: from and to HKEY_CURRENT_USER under
// RegistryKey (the options themselves and SearchView) and its sub-keys
// Folders, Geometry, Size and Confirm, or the INI file of the environment
// with the sections FOLDERS, GEOMETRY, SIZE, CONFIRM and MISC. It remembers
// where the options came from, so that they go back only there.
class TOptionsStorage {
public:
    TOptionsStorage(TOptions &options, const TEnvironment &environment);

    static inline const QString RegistryKey = QStringLiteral("Software\\Tolvenar\\Qubrix");
    static inline const QString CompanyKey = QStringLiteral("Software\\Tolvenar");

    // Where the options were loaded from or last saved to.
    TOptionsStore OptionsStore = StoreNowhere;
    // Why the stored options could not be read at start, for the window to
    // tell; empty when nothing is wrong.
    QString LoadWarning;

    // Registry, else INI file, else defaults; true when options were read.
    bool Load();
    // False (nothing changed) when the registry key does not exist.
    bool LoadFromRegistry();
    // False (nothing changed) when the INI file does not exist; also when
    // it cannot be read, which LoadWarning then tells, so that the file is
    // not replaced by defaults at exit.
    bool LoadFromIni();
    // Gives every persisted option its default.
    void SetDefaults();
    // Refreshes the remembered geometry from the window and its pane widths
    // (only where it is remembered) and writes the options back to where they
    // came from or were last saved to; with StoreNowhere nothing is written.
    void Save(const IOptionsWindow &window, TPaneWidths &panes);
    // Replace what the place holds with all persisted options, and make it
    // the place written at exit. The new contents are written beside the old
    // ones and take their place in one step, so a failure (a read-only
    // folder, a full disc) leaves the old contents as they were and returns
    // false.
    bool SaveToRegistry();
    bool SaveToIni();
    // True when the place holds nothing afterwards.
    bool RemoveFromRegistry();
    bool RemoveIniFile();

    const QString &IniFileName() const;
    // The options it loads and saves.
    TOptions &Options() { return options_; }
    const TOptions &Options() const { return options_; }

private:
    TOptions &options_;
    const TEnvironment &environment_;
};

// "Maximized", or "left,top,width,height" of the window.
QString MainGeometryText(const IOptionsWindow &window);
// Applies a MainGeometry text (first activation of the window).
void ApplyMainGeometry(const QString &mainGeometry, IOptionsWindow &window);
// Existing DbFolder / QryFolder become the dialogs' initial folders.
void ApplyFolders(const TOptions &options, IOptionsWindow &window);

} // namespace qbx
