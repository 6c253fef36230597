#include "cli/CliCatalogue.h"

#include "cli/CliArgs.h"
#include "cli/StopSignals.h"
#include "engine/Error.h"
#include "engine/Table.h"
#include "platform/EngineFileName.h"
#include "storage/CatalogueFormat.h"
#include "storage/CatalogueReader.h"
#include "storage/CatalogueTable.h"
#include "storage/CatalogueWriter.h"
#include "storage/FileReplacement.h"
#include "storage/TableEngineSetup.h"

#include <QFile>
#include <QFileInfo>

#include <vector>
#include <QCoreApplication>

#include <unistd.h>

namespace qbx::cli {

namespace {

// A write that a stop signal ends early, removing its half-written file.
class TSignalStop : public IWriteProgress {
public:
    bool Stopped() override { return TStopSignals::Requested(); }
    void Step() override {}

private:
    TStopSignals signals_;
};

} // namespace

void StartEngine()
{
    if (!EngineAvailable())
        throw TCliError(QCoreApplication::translate("qubrix-cli", "не удалось запустить ядро базы данных"));
}

void CheckCatalogueFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл не найден"));
    if (info.isDir())
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": это папка, а не база данных"));
    if (!info.isReadable())
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": нет доступа к файлу"));
}

namespace {

// The engine's reason, in words, to follow a colon.
QString Reason(int engineCode)
{
    QString reason = TableProblemText(engineCode);
    reason[0] = reason[0].toLower();
    return reason;
}

[[noreturn]] void NotCatalogue(const QString &fileName)
{
    throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл не является базой данных по компакт-дискам"));
}

} // namespace

TOpenedCatalogue OpenCatalogue(const QString &fileName, engine::OpenMode mode)
{
    CheckCatalogueFile(fileName);
    TOpenedCatalogue opened = OpenCatalogueTable(fileName, mode);
    switch (opened.problem) {
    case TOpenProblem::None:
        return opened;
    // A table another program holds would pass for a file of another kind.
    case TOpenProblem::Busy:
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл занят другой программой"));
    // Taken away or locked up since the look at the file above.
    case TOpenProblem::Missing:
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл не найден"));
    case TOpenProblem::Refused:
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": нет доступа к файлу"));
    case TOpenProblem::Damaged:
    case TOpenProblem::Protected:
    case TOpenProblem::NotCatalogue:
        break;
    }
    NotCatalogue(fileName);
}

void CheckCatalogue(const QString &fileName)
{
    OpenCatalogue(fileName, engine::OpenMode::Shared);
}

void CheckCatalogueFields(const QString &fileName, const std::vector<engine::FieldDef> &fields)
{
    if (TableFormatOfFields(fields) == TfNotCatalogue)
        NotCatalogue(fileName);
}

namespace {

// What keeps this program from replacing the file, in words naming the file
// or its folder (the new file is made in the folder, so the folder must
// take new files even when the old file is writable); "" when nothing does.
QString WriteProblem(const QString &name)
{
    // Through a symbolic link the file it points to is replaced.
    const QString fileName = QFile::decodeName(FollowLinks(EngineFileName(name)).c_str());
    const QFileInfo info(fileName);
    const QString folder = info.absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return folder + QCoreApplication::translate("qubrix-cli", ": нет прав на запись в папку");
    if (info.exists() && ::access(QFile::encodeName(fileName).constData(), W_OK) != 0)
        return fileName + QCoreApplication::translate("qubrix-cli", ": нет прав на запись в файл");
    return QString();
}

} // namespace

void CheckSaveTarget(const QString &fileName)
{
    if (fileName.isEmpty())
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "не указан каталог: --into КАТАЛОГ.db")));
    const QFileInfo folder(QFileInfo(fileName).absolutePath());
    if (!folder.isDir())
        throw TCliError(folder.filePath() + QCoreApplication::translate("qubrix-cli", ": папка не найдена"));
    if (const QString problem = WriteProblem(fileName); !problem.isEmpty())
        throw TCliError(problem);
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
    throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестный ответ «")) + value.toStdString() +
                      CliText(QT_TRANSLATE_NOOP("qubrix-cli", "» для --on-conflict (keep, complement, overwrite или fail)")));
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
    TOpenedCatalogue opened = OpenCatalogue(fileName, engine::OpenMode::Exclusive);
    Load(fileName, opened);
}

void TLoadedCatalogue::Load(const QString &fileName, TOpenedCatalogue &opened)
{
    // Large folders get their order once, at the end, not per insertion.
    const TTreeUpdate bulk(*tree_);
    try {
        ReadCatalogueTable(opened.table, catalogue_, {}, [this] {
            return !answers_.Cancelled() && !TStopSignals::Requested();
        });
    } catch (const engine::Error &e) {
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": ошибка чтения базы данных: ") +
                        Reason(e.code()));
    }
    TStopSignals::EndIfRequested();
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
        throw TCliError(QCoreApplication::translate("qubrix-cli", "«%1» уже есть в каталоге; каталог не изменён (ответ на "
                                       "совпадение имён: --on-conflict keep, complement или "
                                       "overwrite)")
                            .arg(prompt_.LastAsked()));
}

void TLoadedCatalogue::Save(const QString &fileName, const TFileStamp &before)
{
    if (FileStampOf(fileName) != before)
        throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": файл изменён другой программой во время "
                                                  "работы; каталог не сохранён"));
    TWriteResult result;
    {
        TSignalStop progress;
        result = WriteCatalogueFile(tree_->Root(), TRecordSource::Catalogue, fileName, progress);
    }
    TStopSignals::EndIfRequested();
    if (result.Ok())
        return;
    if (result.engineCode == engine::ErrAccessDenied) {
        if (const QString problem = WriteProblem(fileName); !problem.isEmpty())
            throw TCliError(problem + QCoreApplication::translate("qubrix-cli", "; каталог не сохранён"));
    }
    throw TCliError(fileName + QCoreApplication::translate("qubrix-cli", ": не удалось сохранить каталог: ") +
                    Reason(result.engineCode));
}

} // namespace qbx::cli
