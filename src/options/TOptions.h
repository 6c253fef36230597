#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qbx {

// The user's options (kept between runs in the registry store or in an INI
// file beside the executable) and the working state of the current run that
// the windows share. One instance is created with the main window and handed
// by reference to every object that needs it.
class TOptions {
public:
    // Sets every field to its initial value (including the drive scan) and
    // ends with SetDefaults. appCaption is the main window's caption.
    explicit TOptions(const QString &appCaption = QStringLiteral("Кварнис"));

    // --- working state -------------------------------------------------
    QString IniFileName;               // executable path with ".ini"
    QString AppCaption;                // caption in mode 0, end of every caption
    uint8_t DbState = 0;               // 0 none, 1 open, 2 entire view, 3 results
    QString CdRoot;                    // initial folder of the scan dialog
    uint8_t StopState = 0;             // 0 run on, 1 Stop pressed, 2 stop
    uint8_t EditState = 0;             // 0 none, 1 editing, 2 just ended, 3 editor used
    QString DbName = QStringLiteral("Qubrix");
    int EntireValueWidth = 245;
    int FoundValueWidth = 245;
    uint8_t EditFieldRow = 2;
    QString EditedLabel;
    bool FirstEntireView = true;
    std::array<QString, 8> FieldSearchText; // indexed by the search action's tag
    QString ResultName = QStringLiteral("Query");
    QString GlobalSearchText;
    QString FixedDrives;               // fixed mount points, '\n'-separated, in mount order
    QString HelpFile;                  // executable path with ".qch"
    QString AppFolder;                 // executable's folder, ending in "/"
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
    int OptionsStore = -1;             // -1 nowhere, 0 registry, 1 INI file
    QString DbTableName = QStringLiteral("Qubrix");
    QString SearchTable;
    QString TempFolder;
    QString TotalText;
    uint8_t ConflictAnswer = 0;        // 0 not asked, 1 cancel, 2/3 keep, 4/5 complement, 6/7 overwrite
    int EntireTreeWidth = 225;
    int FoundTreeWidth = 225;
    int64_t SelSize = 0;

    // --- persisted options -------------------------------------------
    int SearchView = 0;
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

    // Defaults of DbFolder and QryFolder: the executable's folder.
    QString DefaultDbFolder;
    QString DefaultQryFolder;

    bool Load();
    bool LoadFromRegistry();
    bool LoadFromIni();
    void SetDefaults();
    void SaveToRegistry();
    void SaveToIni();
    bool RemoveFromRegistry();
    bool RemoveIniFile();
};

} // namespace qbx
