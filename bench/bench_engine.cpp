// Table engine benchmark: a generated catalogue of 1,000,000 records is
// written, read back and searched the way the global search does (six
// UPPER (...) LIKE "%...%" terms joined by OR). The peer is the same rows in
// an in-memory SQLite table searched with the equivalent query.
#include "engine/Query.h"
#include "engine/Table.h"
#include "platform/Codec.h"
#include "storage/CatalogueFields.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kRecords = 1000000;
constexpr int kDiscs = 20;
constexpr const char *kNeedle = "ARC"; // what the search looks for, ignoring case

struct Row {
    std::string label, path, producer, product, version;
    double size = 0;
    std::string description;
};

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Wall-clock and process CPU seconds: the machine is shared, so the CPU
// figure shows the work itself when others keep the cores busy.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing Best(Timing a, Timing b)
{
    return {std::min(a.wall, b.wall), std::min(a.cpu, b.cpu)};
}

class Stopwatch {
public:
    Timing Stop() const { return {Seconds(start_), double(std::clock() - cpu_) / CLOCKS_PER_SEC}; }

private:
    Clock::time_point start_ = Clock::now();
    std::clock_t cpu_ = std::clock();
};

std::vector<std::string> Words(std::initializer_list<const char *> utf8)
{
    std::vector<std::string> out;
    for (const char *w : utf8)
        out.push_back(qbx::codec::ToCp1251(QString::fromUtf8(w)));
    return out;
}

// Discs of nested folders with files, a third of the records described.
class Generator {
public:
    std::vector<Row> Make()
    {
        std::vector<Row> rows;
        rows.reserve(kRecords);
        for (int d = 0; d < kDiscs; ++d) {
            const size_t end = kRecords * (d + 1) / kDiscs;
            label_ = Pick(d % 2 ? cyrillic_ : latin_) + "_" + std::to_string(2000 + d);
            Add(rows, "", 650000000 + double(Next() % 100000000));
            while (rows.size() < end)
                Folder(rows, "", 0, end);
        }
        return rows;
    }

private:
    uint64_t Next() { return rng_(); }
    const std::string &Pick(const std::vector<std::string> &list)
    {
        return list[Next() % list.size()];
    }
    std::string Name() { return Pick(Next() % 3 ? latin_ : cyrillic_); }

    void Add(std::vector<Row> &rows, std::string path, double size)
    {
        Row r;
        r.label = label_;
        r.path = std::move(path);
        r.size = size;
        if (rows.size() % 3 == 0)
            r.description = Pick(cyrillic_) + " " + Pick(latin_) + " " + Pick(cyrillic_);
        rows.push_back(std::move(r));
    }

    void Folder(std::vector<Row> &rows, const std::string &parent, int depth, size_t end)
    {
        std::string path = parent + Name();
        if (Next() % 2)
            path += " " + std::to_string(Next() % 100);
        path += "\\";
        if (path.size() > 200 || rows.size() >= end)
            return;
        Add(rows, path, 0);
        const int files = int(Next() % 40);
        for (int i = 0; i < files && rows.size() < end; ++i) {
            std::string file = path + Name();
            if (Next() % 2)
                file += "_" + std::to_string(Next() % 1000);
            file += Pick(extensions_);
            // Sizes spread from bytes to gigabytes.
            const double size = double(Next() % 1000) * double(uint64_t(1) << (Next() % 32));
            Add(rows, file, size);
            if (file.size() > 4 && (file.ends_with(".exe") || file.ends_with(".dll")) &&
                Next() % 2) {
                Row &r = rows.back();
                r.producer = Pick(producers_);
                r.product = Pick(latin_) + " " + Pick(latin_);
                r.version = std::to_string(Next() % 10) + "." + std::to_string(Next() % 100);
            }
        }
        if (depth < 4) {
            const int subfolders = int(Next() % 5);
            for (int i = 0; i < subfolders && rows.size() < end; ++i)
                Folder(rows, path, depth + 1, end);
        }
    }

    std::mt19937_64 rng_{20241207};
    std::string label_;
    const std::vector<std::string> latin_ = Words(
        {"Program", "Files",  "Windows", "System", "Documents", "Music",   "Photos",  "Games",
         "Drivers", "Setup",  "Readme",  "Report", "Backup",    "Archive", "Project", "Source",
         "Data",    "Images", "Video",   "Work",   "Home",      "Temp",    "Fonts",   "Help",
         "Update",  "Office", "Network", "Config", "Tools",     "Media",   "Install", "Library",
         "Samples", "Common", "Shared",  "Users"});
    const std::vector<std::string> cyrillic_ =
        Words({"Документы", "Музыка",    "Фотографии", "Игры",   "Драйверы", "Отчёт",
               "Архив",     "Проект",    "Работа",     "Дом",    "Видео",    "Книги",
               "Письма",    "Программы", "Учёба",      "Дача",   "Отпуск",   "Семья",
               "Сборник",   "Концерт",   "Ёлка",       "Журнал", "Справка",  "Обои"});
    const std::vector<std::string> extensions_ =
        Words({".txt", ".exe", ".dll", ".jpg", ".mp3", ".doc", ".pdf", ".zip", ".htm", ".avi",
               ".bmp", ".ini", ".cab", ".wav", ".rar", ".xls"});
    const std::vector<std::string> producers_ =
        Words({"Microsoft", "Adobe", "Intel", "Corel", "Symantec", "Лаборатория Касперского", "1С",
               "ABBYY", "Macromedia", "Nero AG"});
};

void WriteTable(const std::string &file, const std::vector<Row> &rows)
{
    qbx::engine::Table::Create(file, qbx::CatalogueFieldDefs(),
                               {qbx::kCatalogueBlockKiB, "ancyrr"});
    qbx::engine::Table table;
    table.Open(file, qbx::engine::OpenMode::Exclusive);
    using qbx::engine::Value;
    for (const Row &r : rows) {
        const std::array<Value, 7> values = {Value::Text(r.label),      Value::Text(r.path),
                                             Value::Text(r.producer),   Value::Text(r.product),
                                             Value::Text(r.version),    Value::Number(r.size),
                                             Value::Text(r.description)};
        table.Append(values);
    }
    table.Close();
}

void ReadTable(const std::string &file, size_t &records, size_t &textBytes)
{
    qbx::engine::Table table;
    table.Open(file, qbx::engine::OpenMode::Shared);
    records = 0;
    textBytes = 0;
    double sizes = 0;
    for (bool ok = table.First(); ok; ok = table.Next()) {
        for (size_t f : {0, 1, 2, 3, 4, 6})
            textBytes += table.ReadText(f).size();
        sizes += table.ReadNumber(5);
        ++records;
    }
    if (sizes < 0)
        std::puts("impossible");
}

std::string Condition(const char *fieldFormat)
{
    static const char *fields[] = {"Label",   "Path",    "Producer",
                                   "Product", "Version", "Description"};
    std::string out = "(";
    for (const char *f : fields) {
        char term[128];
        std::snprintf(term, sizeof term, fieldFormat, f, kNeedle);
        out += term;
        out += " OR ";
    }
    out.resize(out.size() - 4);
    return out + ")";
}

uint32_t Search(const std::string &file)
{
    const std::string statement =
        "SELECT * FROM \"" + file + "\" WHERE " + Condition("(UPPER (%s) LIKE \"%%%s%%\")");
    qbx::engine::Query query;
    query.Open(statement);
    return query.RecordCount();
}

void Check(int rc, sqlite3 *db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

Timing SqliteSearch(const std::vector<Row> &rows, uint32_t &found)
{
    sqlite3 *db = nullptr;
    Check(sqlite3_open(":memory:", &db), db);
    Check(sqlite3_exec(db,
                       "PRAGMA case_sensitive_like = ON;"
                       "CREATE TABLE cat (Label TEXT, Path TEXT, Producer TEXT, Product TEXT, "
                       "Version TEXT, ByteSize REAL, Description TEXT);"
                       "BEGIN;",
                       nullptr, nullptr, nullptr),
          db);
    sqlite3_stmt *insert = nullptr;
    Check(sqlite3_prepare_v2(db, "INSERT INTO cat VALUES (?, ?, ?, ?, ?, ?, ?)", -1, &insert,
                             nullptr),
          db);
    // Stored as UTF-8, as a SQLite user would; empty texts are NULL like ours.
    const auto bindText = [&](int column, const std::string &cp1251) {
        if (cp1251.empty()) {
            sqlite3_bind_null(insert, column);
            return;
        }
        const QByteArray utf8 = qbx::codec::FromCp1251(cp1251).toUtf8();
        sqlite3_bind_text(insert, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    };
    for (const Row &r : rows) {
        bindText(1, r.label);
        bindText(2, r.path);
        bindText(3, r.producer);
        bindText(4, r.product);
        bindText(5, r.version);
        sqlite3_bind_double(insert, 6, r.size);
        bindText(7, r.description);
        Check(sqlite3_step(insert), db);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    Check(sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr), db);

    const std::string sql = "SELECT * FROM cat WHERE " + Condition("(UPPER (%s) LIKE '%%%s%%')");
    const Stopwatch watch;
    sqlite3_stmt *select = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &select, nullptr), db);
    found = 0;
    size_t bytes = 0;
    int rc;
    while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
        for (int c = 0; c < 7; ++c)
            bytes += size_t(sqlite3_column_bytes(select, c));
        ++found;
    }
    Check(rc, db);
    sqlite3_finalize(select);
    const Timing timing = watch.Stop();
    sqlite3_close(db);
    if (bytes == 0 && found > 0)
        std::puts("impossible");
    return timing;
}

} // namespace

int main()
{
    const fs::path dir =
        fs::temp_directory_path() / ("qbx-bench-engine-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string file = (dir / "catalogue.db").string();

    const std::vector<Row> rows = Generator().Make();
    Timing write, read;
    {
        const Stopwatch watch;
        WriteTable(file, rows);
        write = watch.Stop();
    }
    size_t records = 0, textBytes = 0;
    {
        const Stopwatch watch;
        ReadTable(file, records, textBytes);
        read = watch.Stop();
    }
    // Best of three, for both.
    uint32_t found = 0, sqliteFound = 0;
    Timing search{1e9, 1e9};
    for (int i = 0; i < 3; ++i) {
        const Stopwatch watch;
        found = Search(file);
        search = Best(search, watch.Stop());
    }
    Timing sqliteSearch{1e9, 1e9};
    for (int i = 0; i < 3; ++i)
        sqliteSearch = Best(sqliteSearch, SqliteSearch(rows, sqliteFound));

    std::printf("records: %zu count\n", records);
    std::printf("table_bytes: %llu bytes\n", (unsigned long long)fs::file_size(file));
    std::printf("write_seconds: %.3f s\n", write.wall);
    std::printf("write_cpu_seconds: %.3f s\n", write.cpu);
    std::printf("read_seconds: %.3f s\n", read.wall);
    std::printf("read_cpu_seconds: %.3f s\n", read.cpu);
    std::printf("search_rows: %u count\n", found);
    std::printf("search_seconds: %.3f s\n", search.wall);
    std::printf("search_cpu_seconds: %.3f s\n", search.cpu);
    std::printf("sqlite_search_rows: %u count\n", sqliteFound);
    std::printf("sqlite_search_seconds: %.3f s\n", sqliteSearch.wall);
    std::printf("sqlite_search_cpu_seconds: %.3f s\n", sqliteSearch.cpu);
    std::printf("search_ratio_vs_sqlite: %.2f ratio\n", search.wall / sqliteSearch.wall);
    fs::remove_all(dir);
    return found == sqliteFound ? 0 : 1;
}
