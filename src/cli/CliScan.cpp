#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/ScanProgress.h"
#include "cli/StopSignals.h"
#include "platform/EngineFileName.h"

#include "platform/Codec.h"
#include "platform/TextRules.h"
#include "platform/Volumes.h"
#include "scan/FolderLister.h"
#include "scan/FolderScan.h"
#include "scan/ScanInto.h"
#include "scan/TAddTree.h"
#include "tree/FieldCapacities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

namespace qbx::cli {

namespace {

// The node at a full item path ("DISC\\folder"), names compared as the
// catalogue compares them.
TTreeNode *NodeAt(TTree &tree, const QString &path)
{
    TTreeNode *node = tree.Root();
    for (const QString &name : path.split(u'\\', Qt::SkipEmptyParts)) {
        node = tree.FindChild(node, name);
        if (!node)
            throw TCliError(QCoreApplication::translate("qubrix-cli", "в каталоге нет элемента «%1»").arg(path));
    }
    return node;
}

// The scan dialog's options from the flags; its defaults otherwise.
TScanSettings Settings(const TArgs &a)
{
    TScanSettings s;
    s.NoTopNode = a.Has("no-top-node");
    s.Recursion = !a.Has("files-top-only");
    s.AddFiles = !a.Has("no-files");
    s.AutoSize = !a.Has("no-sizes");
    s.TerminalSize = !a.Has("all-sizes");
    s.AutoDescr = !a.Has("no-recognise");
    s.ExtraTags = !a.Has("no-extra-tags");
    s.Archives = a.Has("archives");
    s.KeepGoing = a.Has("keep-going");
    if (a.Has("terminal-sizes") && a.Has("all-sizes"))
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "--terminal-sizes и --all-sizes исключают друг друга")));
    return s;
}

// The name of the scanned folder's node: --label, else a drive root's
// volume label, else (nothing) the folder's own name.
void ChooseName(const TArgs &a, TScanSettings &s)
{
    if (a.Has("label")) {
        const std::optional<QString> label =
            codec::ToCatalogueText(text::Trim(text::Cut(a.Value("label"), kLabelCapacity)));
        if (!label || label->isEmpty())
            throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "метку «")) + a.Value("label").toStdString() +
                              CliText(QT_TRANSLATE_NOOP("qubrix-cli", "» нельзя сохранить в каталоге")));
        s.IsDriveRoot = true;
        s.VolumeLabel = *label;
        return;
    }
    const std::optional<QString> label = DriveRootLabel(s.FolderPath, MountedVolumes());
    s.IsDriveRoot = label.has_value();
    s.VolumeLabel = label.value_or(QString());
}

} // namespace

int RunScan(const QStringList &args)
{
    const TArgs a(args, {"into", "under", "label", "on-conflict"},
                  {"no-files", "files-top-only", "no-sizes", "terminal-sizes", "all-sizes",
                   "no-recognise", "no-extra-tags", "no-top-node", "archives", "keep-going"});
    if (a.Positional().size() != 1)
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "нужен один аргумент: ПАПКА")));
    if (!a.Has("into"))
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "не указан каталог: --into КАТАЛОГ.db")));
    const TConflictAnswer answer = ParseConflictAnswer(a.Value("on-conflict", "fail"));
    TScanSettings settings = Settings(a);

    const QString folder = a.Positional().first();
    const QFileInfo info(folder);
    if (!info.exists())
        throw TCliError(folder + QCoreApplication::translate("qubrix-cli", ": папка не найдена"));
    if (!info.isDir())
        throw TCliError(folder + QCoreApplication::translate("qubrix-cli", ": это не папка"));
    settings.FolderPath = QDir::cleanPath(info.absoluteFilePath());
    if (!settings.FolderPath.endsWith(u'/'))
        settings.FolderPath += u'/';
    if (!CanListFolder(EngineFileName(settings.FolderPath)))
        throw TCliError(folder + QCoreApplication::translate("qubrix-cli", ": нет доступа к папке"));
    ChooseName(a, settings);

    // From here on Ctrl-C stops the work, and nothing is written.
    const TStopSignals stop;
    StartEngine();
    const QString into = a.Value("into");
    CheckSaveTarget(into);
    const TFileStamp before = FileStampOf(into);
    TLoadedCatalogue catalogue;
    if (QFileInfo::exists(into))
        catalogue.Load(into);
    TTreeNode *target =
        a.Has("under") ? NodeAt(catalogue.Tree(), a.Value("under")) : catalogue.Tree().Root();
    catalogue.SetConflictAnswer(answer);

    TSystemFolderLister lister;
    TScanProgress progress;
    TFolderScan scan(catalogue.Tree(), catalogue.Answers(), catalogue.Prompt(), progress, lister);
    ScanInto(scan, catalogue.Tree(), target, settings);
    progress.Done();
    TStopSignals::EndIfRequested();
    catalogue.CheckNotCancelled();
    // A walk cut short by an unreadable folder or file is not saved: the
    // catalogue keeps what it had rather than a part of the folder.
    if (scan.Failed())
        throw TCliError(scan.FailedPath() + QCoreApplication::translate("qubrix-cli", ": нет доступа; каталог не изменён"));
    catalogue.Save(into, before);
    if (scan.Skipped().Empty())
        return 0;
    QString report = scan.Skipped().Text();
    Print(stderr, report.replace(u'\r', u'\n') + u'\n');
    // Going on past read failures, the caller learns that something is
    // missing from the status too.
    return settings.KeepGoing ? 1 : 0;
}

} // namespace qbx::cli
