#pragma once

#include "options/TEnvironment.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"
#include "options/TPaneWidths.h"

#include <QList>

namespace qbx::test {

// The options as the program holds them: the value, the environment it is
// read in (found when this is made, so after any executable override), its
// store and the window's pane widths that the panel geometry carries. The
// store's operations and the environment's places are reached through it
// under their own names, so that a test reads like a use of the options.
class StoredOptions : public TOptions {
public:
    StoredOptions() : StoredOptions(TEnvironment::Detect()) {}
    explicit StoredOptions(const QList<TVolume> &volumes)
        : StoredOptions(TEnvironment::Detect(volumes))
    {
    }
    StoredOptions(const StoredOptions &) = delete;
    StoredOptions &operator=(const StoredOptions &) = delete;

    TEnvironment environment;
    TOptionsStorage storage{*this, environment};
    TPaneWidths panes;

    QString &IniFileName = environment.IniFileName;
    const QString &HelpFile = environment.HelpFile;
    const QString &AppFolder = environment.AppFolder;
    const QString &TempFolder = environment.TempFolder;
    const QString &DefaultDbFolder = environment.DefaultDbFolder;
    const QString &DefaultQryFolder = environment.DefaultQryFolder;
    const QString &CdRoot = environment.CdRoot;
    TOptionsStore &OptionsStore = storage.OptionsStore;
    QString &LoadWarning = storage.LoadWarning;
    int &EntireTreeWidth = panes.EntireTreeWidth;
    int &EntireValueWidth = panes.EntireValueWidth;
    int &FoundTreeWidth = panes.FoundTreeWidth;
    int &FoundValueWidth = panes.FoundValueWidth;

    bool Load() { return storage.Load(); }
    bool LoadFromRegistry() { return storage.LoadFromRegistry(); }
    bool LoadFromIni() { return storage.LoadFromIni(); }
    void SetDefaults() { storage.SetDefaults(); }
    void Save(const IOptionsWindow &window) { storage.Save(window, panes); }
    bool SaveToRegistry() { return storage.SaveToRegistry(); }
    bool SaveToIni() { return storage.SaveToIni(); }
    bool RemoveFromRegistry() { return storage.RemoveFromRegistry(); }
    bool RemoveIniFile() { return storage.RemoveIniFile(); }
    QString MainGeometryText(const IOptionsWindow &window) const
    {
        return qbx::MainGeometryText(window);
    }
    QString PanelGeometryText(const IOptionsWindow &window)
    {
        return panes.PanelGeometryText(window);
    }
    void ApplyMainGeometry(IOptionsWindow &window) const
    {
        qbx::ApplyMainGeometry(MainGeometry, window);
    }
    void ApplyPanelGeometry(IOptionsWindow &window)
    {
        panes.ApplyPanelGeometry(PanelGeometry, window);
    }
    void ApplyFolders(IOptionsWindow &window) const { qbx::ApplyFolders(*this, window); }
    QStringList FixedDriveList() const { return environment.FixedDriveList(); }

private:
    explicit StoredOptions(TEnvironment env)
        : TOptions(TOptions::Defaults(env)), environment(std::move(env))
    {
    }
};

} // namespace qbx::test
