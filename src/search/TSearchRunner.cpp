#include "search/TSearchRunner.h"
#include "platform/EngineFileName.h"

#include "engine/Engine.h"
#include "engine/Error.h"
#include "engine/FileSystem.h"
#include "engine/Query.h"
#include "options/TEnvironment.h"
#include "platform/Codec.h"
#include "search/SearchConditions.h"
#include "search/SqlErrorText.h"
#include "interaction/LongOperation.h"
#include "interaction/ModeLogic.h"
#include "interaction/MessageBoxes.h"
#include "storage/CatalogueDocument.h"
#include "storage/CatalogueFormat.h"
#include "storage/FileReplacement.h"
#include "storage/TreeRecords.h"
#include "tree/TTree.h"

#include <QFile>
#include <QFileInfo>

#include <new>
#include <optional>
#include <QCoreApplication>

namespace qbx {

namespace {

QString kFailed()
{
    return QCoreApplication::translate("TSearchRunner", "В процессе выполнения запроса к базе данных возникла ошибка.");
}

// The characters of a text that the catalogue's code page cannot hold, each
// once, in the order they occur.
QString Unencodable(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString ch = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        if (!codec::ToCatalogueText(ch) && !out.contains(ch))
            out += ch;
    }
    return out;
}

} // namespace

TSearchRunner::TSearchRunner(TSearchContext context) : c_(std::move(context))
{
}

void TSearchRunner::Report(const QString &text)
{
    c_.boxes.Show(text, Title, TMsgIcon::Error, MbOk);
}

void TSearchRunner::ExecuteSearch(const QString &condition)
{
    if (c_.modes.Unsaved().Any()) {
        // Earlier versions searched a temporary copy of the tree; copies
        // that killed programs left behind go once per run.
        if (!sweptTempFolder_) {
            sweptTempFolder_ = true;
            RemoveStaleSearchCopies(engine::SystemFileSystem(), c_.environment.TempFolder);
        }
        // Unsaved changes: the tree's records are searched as saving would
        // write them, straight from memory.
        TTreeRecordFeed feed(c_.catalogue.Root(), TRecordSource::Catalogue);
        RunSearchQuery(condition, c_.document.FileName, &feed);
        return;
    }
    // The catalogue's own table is searched.
    RunSearchQuery(condition, c_.document.FileName, nullptr);
}

void TSearchRunner::ChoosePrivateDirectory(const QString &table)
{
    // Rows found are kept in the private directory when there are many:
    // the table's size tells how many there can be.
    const QFileInfo file(table);
    const qint64 size = file.exists() ? file.size() : -1;
    const QString folder = qbx::ChoosePrivateDirectory(
        size, c_.environment.TempFolder, c_.environment.AppFolder,
        c_.environment.FixedDriveList(), c_.disk);
    try {
        engine::SetPrivateDirectory(EngineFileName(folder));
    } catch (const engine::Error &) {
        // The engine keeps its previous folder; the search itself decides.
    }
}

void TSearchRunner::RunSearchQuery(const QString &condition, const QString &table)
{
    RunSearchQuery(condition, table, nullptr);
}

void TSearchRunner::RunSearchQuery(const QString &condition, const QString &table,
                                   TTreeRecordFeed *feed)
{
    searched_ = feed ? QString() : table;
    ChoosePrivateDirectory(table);

    c_.modes.EnableCommands(false);
    c_.view.SetStatusPanelText(Title);
    c_.events.ProcessEvents();

    const std::optional<std::string> statement = SearchStatement(table, condition);
    c_.query.Close();
    if (!statement) {
        // A search for a character the catalogue cannot hold would quietly
        // find nothing (or the wrong rows, had it become "?").
        c_.boxes.Show(QCoreApplication::translate("TSearchRunner", "Текст поиска содержит символы, которых не может быть в базе "
                                     "данных: %1\r\n\nИзмените текст поиска.")
                          .arg(Unencodable(condition)),
                      Title, TMsgIcon::Warning, MbOk);
    } else {
        try {
            if (feed)
                c_.query.Open(*statement, feed->Fields(), *feed);
            else
                c_.query.Open(*statement);
        } catch (const std::bad_alloc &) {
            c_.query.Close();
            Report(kFailed() + QCoreApplication::translate("TSearchRunner", "\r\n\nНедостаточно памяти."));
        } catch (const engine::Error &e) {
            c_.query.Close();
            // A file problem in words; a statement's own error in words too.
            QString message = EngineErrorText(e);
            if (e.code() == engine::ErrSqlSyntax) {
                message = SqlProblem(SearchErrorText(e.what())).text + u'.';
                message[0] = message[0].toUpper();
            }
            Report(kFailed() + QStringLiteral("\r\n\n") + message);
        } catch (const std::exception &) {
            c_.query.Close();
            Report(kFailed());
        }
    }

    c_.modes.EnableCommands(true);
    c_.view.SetStatusPanelText(QString());
    c_.events.ProcessEvents();
}

} // namespace qbx
