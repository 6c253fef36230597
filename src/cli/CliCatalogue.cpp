#include "cli/CliCatalogue.h"

#include "cli/CliArgs.h"
#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/EngineFileName.h"
#include "storage/CatalogueFormat.h"
#include "storage/CatalogueReader.h"
#include "storage/CatalogueWriter.h"
#include "storage/TableEngineSetup.h"

#include <QFileInfo>

#include <csignal>
#include <iterator>

#include <vector>

namespace qbx::cli {

namespace {

volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void OnStopSignal(int signal)
{
    gStopSignal = signal;
}

// While a catalogue is written, Ctrl-C, a hang-up or a termination stops the
// writing, so that the half-written file beside the catalogue is removed
// rather than left behind; the signal then ends the process as it would have.
class TSignalStop : public IWriteProgress {
public:
    TSignalStop()
    {
        for (size_t i = 0; i < std::size(kSignals); ++i) {
            struct sigaction action {};
            action.sa_handler = OnStopSignal;
            sigemptyset(&action.sa_mask);
            sigaction(kSignals[i], nullptr, &old_[i]);
            // A signal the caller ignores (nohup) stays ignored.
            if (old_[i].sa_handler != SIG_IGN)
                sigaction(kSignals[i], &action, nullptr);
        }
    }
    ~TSignalStop() override
    {
        for (size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &old_[i], nullptr);
    }
    TSignalStop(const TSignalStop &) = delete;
    TSignalStop &operator=(const TSignalStop &) = delete;

    bool Stopped() override { return gStopSignal != 0; }
    void Step() override {}

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction old_[std::size(kSignals)]{};
};

} // namespace

void StartEngine()
{
    if (!EngineAvailable())
        throw TCliError(QStringLiteral("не удалось запустить ядро базы данных"));
}

void CheckCatalogueFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw TCliError(fileName + QStringLiteral(": файл не найден"));
    if (info.isDir())
        throw TCliError(fileName + QStringLiteral(": это папка, а не база данных"));
    if (!info.isReadable())
        throw TCliError(fileName + QStringLiteral(": нет доступа к файлу"));
}

namespace {

// The reasons a user can act on are told in words; others by the engine's
// own message.
QString Reason(int engineCode, const QString &engineMessage)
{
    switch (engineCode) {
    case engine::ErrAccessDenied:
    case engine::ErrLocked:
    case engine::ErrCorrupt:
    case engine::ErrDiskFull: {
        QString reason = TableProblemText(engineCode);
        reason[0] = reason[0].toLower();
        return reason;
    }
    default:
        return engineMessage;
    }
}

[[noreturn]] void NotCatalogue(const QString &fileName)
{
    throw TCliError(fileName + QStringLiteral(": файл не является базой данных по компакт-дискам"));
}

} // namespace

void CheckCatalogue(const QString &fileName)
{
    CheckCatalogueFile(fileName);
    // A table another program holds would pass for a file of another kind.
    try {
        engine::Table table;
        table.Open(EngineFileName(fileName), engine::OpenMode::Shared);
        CheckCatalogueFields(fileName, table.Fields());
        return;
    } catch (const engine::Error &e) {
        if (e.code() == engine::ErrLocked)
            throw TCliError(fileName + QStringLiteral(": файл занят другой программой"));
    }
    NotCatalogue(fileName);
}

void CheckCatalogueFields(const QString &fileName, const std::vector<engine::FieldDef> &fields)
{
    if (TableFormatOfFields(fields) == TfNotCatalogue)
        NotCatalogue(fileName);
}

void CheckSaveTarget(const QString &fileName)
{
    if (fileName.isEmpty())
        throw TUsageError("не указан каталог: --into КАТАЛОГ.db");
    const QFileInfo folder(QFileInfo(fileName).absolutePath());
    if (!folder.isDir())
        throw TCliError(folder.filePath() + QStringLiteral(": папка не найдена"));
}

TConflictAnswer ParseConflictAnswer(const QString &value)
{
    if (value == u"keep")
        return ConflictKeepAll;
    if (value == u"complement")
        return ConflictComplementAll;
    if (value == u"overwrite")
        return ConflictOverwriteAll;
    if (value == u"fail")
        return ConflictCancel;
    throw TUsageError("неизвестный ответ «" + value.toStdString() +
                      "» для --on-conflict (keep, complement, overwrite или fail)");
}

TLoadedCatalogue::TLoadedCatalogue(TConflictAnswer conflictAnswer)
    : prompt_(conflictAnswer), tree_(std::make_unique<TTree>()),
      catalogue_(*tree_, answers_, prompt_)
{
}

TLoadedCatalogue::~TLoadedCatalogue()
{
    // Still reachable from here at the exit, so no leak checker minds it.
    static auto *const kept = new std::vector<std::unique_ptr<TTree>>();
    kept->push_back(std::move(tree_));
}

void TLoadedCatalogue::Load(const QString &fileName)
{
    CheckCatalogue(fileName);
    // Large folders get their order once, at the end, not per insertion.
    const TTreeUpdate bulk(*tree_);
    try {
        ReadCatalogueTable(fileName, catalogue_, {},
                           [this] { return !answers_.Cancelled(); });
    } catch (const engine::Error &e) {
        // Another program may take the table between the check and the
        // reading (the check shares it, reading needs it alone).
        if (e.code() == engine::ErrLocked)
            throw TCliError(fileName + QStringLiteral(": файл занят другой программой"));
        throw TCliError(fileName + QStringLiteral(": ошибка чтения базы данных: ") +
                        Reason(e.code(), QString::fromUtf8(e.what())));
    }
    CheckNotCancelled();
}

void TLoadedCatalogue::SetConflictAnswer(TConflictAnswer answer)
{
    prompt_.SetAnswer(answer);
    answers_.ConflictAnswer = ConflictNotAsked;
}

void TLoadedCatalogue::CheckNotCancelled() const
{
    if (answers_.Cancelled())
        throw TCliError(QStringLiteral("«%1» уже есть в каталоге; каталог не изменён (ответ на "
                                       "совпадение имён: --on-conflict keep, complement или "
                                       "overwrite)")
                            .arg(prompt_.LastAsked()));
}

void TLoadedCatalogue::Save(const QString &fileName, const TFileStamp &before)
{
    if (FileStampOf(fileName) != before)
        throw TCliError(fileName + QStringLiteral(": файл изменён другой программой во время "
                                                  "работы; каталог не сохранён"));
    TWriteResult result;
    {
        TSignalStop progress;
        result = WriteCatalogueFile(tree_->Root(), TRecordSource::Catalogue, fileName, progress);
    }
    if (gStopSignal != 0)
        std::raise(gStopSignal);
    if (result.Ok())
        return;
    throw TCliError(fileName + QStringLiteral(": не удалось сохранить каталог: ") +
                    Reason(result.engineCode, result.engineMessage));
}

} // namespace qbx::cli
