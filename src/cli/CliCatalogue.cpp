#include "cli/CliCatalogue.h"

#include "engine/Error.h"
#include "session/IStorageStatus.h"
#include "storage/CatalogueFormat.h"
#include "storage/CatalogueReader.h"
#include "storage/TableEngineSetup.h"

#include <QFileInfo>

#include <vector>

namespace qbx::cli {

namespace {

// The storage functions report their steps to a status panel; here nobody
// watches.
class TSilentStatus : public IStorageStatus {
public:
    void SetStatusText(const QString &text) override { text_ = text; }
    QString StatusText() const override { return text_; }
    void ProcessPendingEvents() override {}
    void EnableCommands(bool) override {}

private:
    QString text_;
};

} // namespace

void StartEngine()
{
    if (!EngineAvailable())
        throw TCliError(QStringLiteral("не удалось запустить ядро базы данных"));
}

void CheckCatalogue(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw TCliError(fileName + QStringLiteral(": файл не найден"));
    if (info.isDir())
        throw TCliError(fileName + QStringLiteral(": это папка, а не база данных"));
    if (!info.isReadable())
        throw TCliError(fileName + QStringLiteral(": нет доступа к файлу"));
    TSilentStatus status;
    if (CheckTableFormat(fileName, status) == TfNotCatalogue)
        throw TCliError(fileName +
                        QStringLiteral(": файл не является базой данных по компакт-дискам"));
}

TLoadedCatalogue::TLoadedCatalogue(TConflictAnswer conflictAnswer)
    : options_(QStringLiteral("Кварнис"), {}), prompt_(conflictAnswer),
      tree_(std::make_unique<TTree>()), catalogue_(*tree_, options_, prompt_)
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
                           [this] { return options_.ConflictAnswer != ConflictCancel; });
    } catch (const engine::Error &e) {
        throw TCliError(fileName + QStringLiteral(": ошибка чтения базы данных: ") +
                        QString::fromStdString(e.what()));
    }
}

} // namespace qbx::cli
