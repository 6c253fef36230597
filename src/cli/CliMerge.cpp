#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/StopSignals.h"

#include <QFileInfo>

#include <vector>
#include <QCoreApplication>

namespace qbx::cli {

int RunMerge(const QStringList &args)
{
    const TArgs a(args, {"into", "on-conflict"}, {});
    if (a.Positional().isEmpty())
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен хотя бы один аргумент: КАТАЛОГ")));
    if (!a.Has("into"))
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "не указан каталог: --into КАТАЛОГ.db")));
    const TConflictAnswer answer = ParseConflictAnswer(a.Value("on-conflict", "fail"));
    const QString into = a.Value("into");
    CheckSaveTarget(into);
    const TFileStamp before = FileStampOf(into);
    // From here on Ctrl-C stops the work, and nothing is written.
    const TStopSignals stop;

    // An existing target is merged into as well, first; a catalogue named
    // twice is read once.
    QStringList sources;
    QStringList seen;
    for (const QString &file :
         (QFileInfo::exists(into) ? QStringList{into} : QStringList()) + a.Positional()) {
        const QString canonical = QFileInfo(file).canonicalFilePath();
        if (!canonical.isEmpty() && seen.contains(canonical))
            continue;
        seen << canonical;
        sources << file;
    }
    StartEngine();
    // Every table is opened before any is read, so that none is read in
    // vain, and each stays open until it is read.
    std::vector<TOpenedCatalogue> opened;
    opened.reserve(size_t(sources.size()));
    for (const QString &file : sources)
        opened.push_back(OpenCatalogue(file, engine::OpenMode::Exclusive));

    // The first catalogue is read as it is, as the program opens it; each
    // further one is added with the chosen answer to name conflicts.
    TLoadedCatalogue catalogue;
    for (qsizetype i = 0; i < sources.size(); ++i) {
        if (i == 1)
            catalogue.SetConflictAnswer(answer);
        catalogue.Load(sources[i], opened[size_t(i)]);
        opened[size_t(i)].table.Close();
    }
    catalogue.Save(into, before);
    return 0;
}

} // namespace qbx::cli
