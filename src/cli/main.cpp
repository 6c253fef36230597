// qubrix-cli: searches and exports catalogues from the command line.

#include "cli/CliArgs.h"
#include "cli/CliCatalogue.h"
#include "cli/CliCommands.h"
#include "cli/CliOutput.h"

#include "engine/Error.h"
#include "options/InterfaceLanguage.h"
#include "desktop/Version.h"
#include "storage/CatalogueFormat.h"

#include <QCoreApplication>

#include <cstdio>
#include <new>

namespace {

const char *const kUsage =
    QT_TRANSLATE_NOOP("qubrix-cli", "Использование: qubrix-cli КОМАНДА [ПАРАМЕТРЫ]\n"
    "Каталог компакт-дисков (*.db) из командной строки.\n"
    "\n"
    "Команды:\n"
    "  search КАТАЛОГ ТЕКСТ   найти записи, содержащие текст (во всех полях)\n"
    "      --field ПОЛЕ       искать в одном поле: label, path, ext, producer,\n"
    "                         product, version, description\n"
    "      --size N[ЕД]       записи размером ровно N (ЕД: b, k, m, g; без ТЕКСТА)\n"
    "      --size-range ОТ ДО записи размером от ОТ до ДО (без ТЕКСТА)\n"
    "      --case             различать прописные и строчные буквы\n"
    "      --exact            текст совпадает с полем целиком\n"
    "                         (--field, --case, --exact - только с ТЕКСТОМ)\n"
    "      --kinds СПИСОК     только discs, folders, files (через запятую)\n"
    "      --sql УСЛОВИЕ      условие WHERE на языке запросов (без ТЕКСТА)\n"
    "      --query ФАЙЛ.cdq   выполнить сохранённый сложный запрос (без ТЕКСТА)\n"
    "      --view ВИД         вывести дерево результатов: standard, producer,\n"
    "                         list или leaf (только для вывода text)\n"
    "      --format ФОРМАТ    text (по умолчанию), tsv или json\n"
    "  tree КАТАЛОГ           текстовое дерево каталога (табуляции по уровням)\n"
    "      --disc МЕТКА       только один диск\n"
    "  stats КАТАЛОГ          папки, файлы и байты по дискам и всего,\n"
    "                         10 самых больших файлов, 15 самых объёмных расширений\n"
    "      --format ФОРМАТ    text (по умолчанию), tsv или json\n"
    "  dupes КАТАЛОГ          файлы с одинаковым именем (без учёта регистра)\n"
    "                         и размером, больше всего лишних байт - первыми\n"
    "      --min-size N[ЕД]   только файлы не меньше N (по умолчанию 1 байт)\n"
    "      --across-discs     только копии на разных дисках\n"
    "      --format ФОРМАТ    text (по умолчанию), tsv или json\n"
    "  scan ПАПКА --into КАТАЛОГ\n"
    "                         добавить дерево файлов папки в каталог (новый\n"
    "                         или существующий) и сохранить его\n"
    "      --under ПУТЬ       добавить под элемент каталога (МЕТКА\\папка)\n"
    "      --label МЕТКА      имя добавляемого узла (иначе метка тома или имя папки)\n"
    "      --no-top-node      не создавать узел для самой папки\n"
    "      --files-top-only   файлы только из самой папки, из вложенных - папки\n"
    "      --no-files         только папки\n"
    "      --no-sizes         не заносить размеры\n"
    "      --terminal-sizes   размеры только оконечных элементов (по умолчанию)\n"
    "      --all-sizes        размеры и папок\n"
    "      --no-recognise     не распознавать SETUP.TXT и медиафайлы\n"
    "      --no-extra-tags    не читать теги FLAC, Ogg, M4A и других форматов\n"
    "      --archives         заносить содержимое архивов\n"
    "      --keep-going       не останавливаться на нечитаемых файлах и папках:\n"
    "                         файлы заносятся без распознавания, папки - без\n"
    "                         содержимого; код возврата 1, если что-то не занесено\n"
    "      --on-conflict ОТВЕТ  если элемент уже есть: keep, complement,\n"
    "                         overwrite или fail (по умолчанию: ничего не менять)\n"
    "  merge КАТАЛОГ... --into КАТАЛОГ\n"
    "                         объединить каталоги (и КАТАЛОГ после --into, если\n"
    "                         он есть) в КАТАЛОГ после --into\n"
    "      --on-conflict ОТВЕТ  как у scan\n"
    "\n"
    "  --help                 показать эту справку\n"
    "  --version              показать версию\n"
    "\n"
    "Код возврата: 0 - найдено, 1 - ничего не найдено (search, dupes), 2 - ошибка.\n");

void Error(const QString &text)
{
    qbx::cli::Print(stderr, QStringLiteral("qubrix-cli: ") + text + u'\n');
}

int Run(const QStringList &args)
{
    using namespace qbx::cli;
    if (args.isEmpty())
        throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "не указана команда")));
    const QString &command = args.first();
    if (command == u"--help" || command == u"-h") {
        std::fputs(qPrintable(QCoreApplication::translate("qubrix-cli", kUsage)), stdout);
        return 0;
    }
    if (command == u"--version") {
        std::printf("qubrix-cli %s\n", QBX_VERSION_TEXT);
        return 0;
    }
    const QStringList rest = args.mid(1);
    if (rest.contains(QStringLiteral("--help"))) {
        std::fputs(qPrintable(QCoreApplication::translate("qubrix-cli", kUsage)), stdout);
        return 0;
    }
    if (command == u"search")
        return RunSearch(rest);
    if (command == u"tree")
        return RunTree(rest);
    if (command == u"stats")
        return RunStats(rest);
    if (command == u"dupes")
        return RunDupes(rest);
    if (command == u"scan")
        return RunScan(rest);
    if (command == u"merge")
        return RunMerge(rest);
    throw TUsageError(CliText(QT_TRANSLATE_NOOP("qubrix-cli", "неизвестная команда «")) + command.toStdString() + "»");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Messages, --help and errors in the program's language; what the
    // commands print as data (tsv, json, field names) never changes with it.
    qbx::InstallLanguage(app, qbx::ChosenLanguage());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        const int status = Run(args);
        // A large block goes past stdio's buffer: its failed write shows
        // only in the stream's error flag, not in the final flush.
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            Error(QCoreApplication::translate("qubrix-cli", "не удалось вывести результат"));
            return 2;
        }
        return status;
    } catch (const qbx::cli::TUsageError &e) {
        Error(QString::fromStdString(e.what()) + QCoreApplication::translate("qubrix-cli", " (подробнее: qubrix-cli --help)"));
    } catch (const qbx::cli::TCliError &e) {
        Error(QString::fromStdString(e.what()));
    } catch (const qbx::engine::Error &e) {
        // The engine's messages are English: its reason in words.
        Error(qbx::TableProblemText(e.code()).toLower());
    } catch (const std::bad_alloc &) {
        Error(QCoreApplication::translate("qubrix-cli", "недостаточно памяти"));
    } catch (const std::exception &e) {
        Error(QString::fromStdString(e.what()));
    }
    return 2;
}
