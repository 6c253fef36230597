#pragma once

#include "options/WorkingState.h"
#include "platform/Volumes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace qbx {

class IOptionsWindow;

// The user's options (kept between runs in the registry store or in an INI
// file: beside a portable copy, in the configuration folder for an installed
// program) and the working state of the current run that
// the windows share. One instance is created with the main window and handed
// by reference to every object that needs it.
class TOptions {
public:
    // Sets every field to its initial value (including the drive scan of the
    // mounted volumes) and ends with SetDefaults. appCaption is the main
    // window's caption.
    explicit TOptions(const QString &appCaption = QStringLiteral("Кварнис"));
    // The same with the drive scan run over the given volumes.
    TOptions(const QString &appCaption, const QList<TVolume> &volumes);

    // --- working state -------------------------------------------------
    QString IniFileName; // "qubrix.ini" beside a portable copy, else in the configuration folder
    QString AppCaption;  // caption in mode 0, end of every caption
    TDbState DbState = DbNone;
    QString CdRoot; // root of the first CD-ROM, else of the first fixed volume, else ""
    TStopState StopState = StopRunOn;
    TEditState EditState = EditNone;
    QString DbName = QStringLiteral("Qubrix");
    int EntireValueWidth = 245;
    int FoundValueWidth = 245;
    uint8_t EditFieldRow = 2;
    QString EditedLabel;
    bool FirstEntireView = true;
    std::array<QString, 8> FieldSearchText; // indexed by the search action's tag
    QString ResultName = QStringLiteral("Query");
    QString GlobalSearchText;
    // Roots of the fixed volumes (mount points ending in "/") in mount order,
    // joined by '\n': "/\n/home/\n/data/". Split with FixedDriveList().
    QString FixedDrives;
    QString HelpFile;  // executable path with ".qch"
    QString AppFolder; // executable's folder, ending in "/"
    QString LastCondition;
    bool QueryFilePending = false;
    bool TreeChanged = false;
    bool MarkFirstAdded = true;
    bool DbIsNew = false;
    uint8_t ScanAnswer = 0;
    bool DbReadOnly = false;
    bool ScanAtTop = false;
    QString FoundText;
    QString EntireSelPath;
    QString StatusText;
    TOptionsStore OptionsStore = StoreNowhere;
    // Why the stored options could not be read at start, for the window to
    // tell; empty when nothing is wrong.
    QString LoadWarning;
    QString DbTableName = QStringLiteral("Qubrix");
    QString SearchTable;
    QString TempFolder;
    QString TotalText;
    TConflictAnswer ConflictAnswer = ConflictNotAsked;
    int EntireTreeWidth = 225;
    int FoundTreeWidth = 225;
    int64_t SelSize = 0;

    // --- persisted options -------------------------------------------
    int SearchView = 0; // 0..3; a stored value outside that range loads as 0
    QString DbFolder;
    QString QryFolder;
    QString MainGeometry;
    QString PanelGeometry;
    int SizeUnit = 0;
    bool EmptySize = true;
    QString ConfirmRecode;
    bool ConfirmInterrupt = true;
    bool ConfirmDelete = true;
    QString ConfirmUnsaved;
    bool ConfirmOverwrite = true;
    bool ConfirmEffectless = true;
    bool ConfirmResearch = true;
    QString Confirm100 = QStringLiteral("1");
    QString ConfirmHalf = QStringLiteral("1");
    bool ConfirmEdit = true;
    bool ConfirmReview = true;
    // Scans read the tags of FLAC, Ogg, M4A and other formats, and the MP3
    // tags the ID3 reader cannot read. Stored (as ReadExtraTags = 0 beside
    // SearchView) only when switched off, so that the stores of everyone who
    // keeps it on stay exactly as they were.
    bool ReadExtraTags = true;

    // Defaults of DbFolder and QryFolder, ending in "/": the executable's
    // folder for a portable copy, else the user's documents folder.
    QString DefaultDbFolder;
    QString DefaultQryFolder;

    // The persisted options live in HKEY_CURRENT_USER under RegistryKey (the
    // options themselves and SearchView) and its sub-keys Folders, Geometry,
    // Size and Confirm, or in the INI file IniFileName with the sections
    // FOLDERS, GEOMETRY, SIZE, CONFIRM and MISC.
    static inline const QString RegistryKey = QStringLiteral("Software\\Tolvenar\\Qubrix");
    static inline const QString CompanyKey = QStringLiteral("Software\\Tolvenar");

    // Registry, else INI file, else defaults; true when options were read.
    bool Load();
    // False (nothing changed) when the registry key does not exist.
    bool LoadFromRegistry();
    // False (nothing changed) when the INI file does not exist; also when
    // it cannot be read, which LoadWarning then tells, so that the file is
    // not replaced by defaults at exit.
    bool LoadFromIni();
    // Gives every persisted option its default; working state stays.
    void SetDefaults();
    // Refreshes the remembered geometry from the window (only where it is
    // remembered) and writes the options back to where they came from or
    // were last saved to; with OptionsStore StoreNowhere nothing is written.
    void Save(const IOptionsWindow &window);
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

    // "Maximized", or "left,top,width,height" of the window.
    QString MainGeometryText(const IOptionsWindow &window) const;
    // Stores the value column's width into the pair of the visible tree, then
    // gives "EntireTreeWidth,EntireValueWidth,FoundTreeWidth,FoundValueWidth".
    QString PanelGeometryText(const IOptionsWindow &window);
    // Apply MainGeometry / PanelGeometry (first activation of the window).
    void ApplyMainGeometry(IOptionsWindow &window) const;
    void ApplyPanelGeometry(IOptionsWindow &window);
    // Existing DbFolder / QryFolder become the dialogs' initial folders.
    void ApplyFolders(IOptionsWindow &window) const;

    QStringList FixedDriveList() const;

private:
    void ScanDrives(const QList<TVolume> &volumes);
};

} // namespace qbx
