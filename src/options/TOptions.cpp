#include "options/TOptions.h"

namespace qbx {

// Provisional: the platform-derived initial values and the stores arrive with
// the options work; until then only the in-memory defaults exist.
TOptions::TOptions(const QString &appCaption) : AppCaption(appCaption) { SetDefaults(); }

bool TOptions::Load()
{
    SetDefaults();
    return false;
}
bool TOptions::LoadFromRegistry() { return false; }
bool TOptions::LoadFromIni() { return false; }

void TOptions::SetDefaults()
{
    SearchView = 0;
    DbFolder = DefaultDbFolder;
    QryFolder = DefaultQryFolder;
    MainGeometry.clear();
    PanelGeometry.clear();
    SizeUnit = 0;
    EmptySize = true;
    ConfirmRecode.clear();
    ConfirmInterrupt = true;
    ConfirmDelete = true;
    ConfirmUnsaved.clear();
    ConfirmOverwrite = true;
    ConfirmEffectless = true;
    ConfirmResearch = true;
    Confirm100 = QStringLiteral("1");
    ConfirmHalf = QStringLiteral("1");
    ConfirmEdit = true;
    ConfirmReview = true;
}

void TOptions::SaveToRegistry() {}
void TOptions::SaveToIni() {}
bool TOptions::RemoveFromRegistry() { return true; }
bool TOptions::RemoveIniFile() { return true; }

} // namespace qbx
