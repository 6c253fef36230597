// Loads a generated catalogue of 1,000,000 records into an empty tree, loads
// it again with every record a conflict answered "complement for all", and
// compares the insertion of one 50,000-file folder with a plain list that is
// scanned for the name and re-sorted after every insertion.

#include "interaction/ConflictAnswers.h"
#include "platform/TextRules.h"
#include "interaction/ConflictPrompt.h"
#include "tree/NodeOrder.h"
#include "tree/TCatalogueTree.h"

#include <QString>

#include <QCoreApplication>

#include <time.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Processor time of this process: the machine running the benchmarks is
// shared, and waiting for a processor is not the tree's cost.
struct Clock {
    using time_point = double;
    static double now()
    {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
    }
};

double Seconds(Clock::time_point from)
{
    return Clock::now() - from;
}

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Records kept compactly so that the generator's own memory does not blur
// the tree's: all texts in one buffer, fields as offsets.
struct Text {
    uint32_t offset = 0;
    uint32_t length = 0;
};

struct Record {
    Text label, path, producer, product, version, description;
    int64_t size = 0;
    bool folder = false;
};

class Catalogue {
public:
    std::vector<Record> records;
    size_t bigFolderFirst = 0; // the 50,000 files of one folder, in a row
    size_t bigFolderCount = 0;

    Text Add(const std::u16string &s)
    {
        Text t{uint32_t(chars_.size()), uint32_t(s.size())};
        chars_ += s;
        return t;
    }
    // A text as the table reader would hand it over: a string of its own.
    QString Owned(Text t) const
    {
        return t.length ? QString(reinterpret_cast<const QChar *>(chars_.data() + t.offset),
                                  qsizetype(t.length))
                        : QString();
    }
    // A text the tree only reads during the call.
    QString Borrowed(Text t) const
    {
        return QString::fromRawData(reinterpret_cast<const QChar *>(chars_.data() + t.offset),
                                    qsizetype(t.length));
    }

private:
    std::u16string chars_;
};

class Generator {
public:
    explicit Generator(uint64_t seed) : rng_(seed) {}

    // Records in the order a saved catalogue holds them: each folder's
    // contents right after it (siblings in no particular order).
    Catalogue Make(size_t total, int discs, size_t bigFolder)
    {
        Catalogue c;
        c.records.reserve(total);
        const size_t perDisc = (total - bigFolder) / size_t(discs);
        for (int d = 0; d < discs; ++d) {
            const std::u16string label = Pick(kDiscs) + u" " + Number(d + 1);
            const Text labelText = c.Add(label);
            std::vector<Folder> folders{{u"", 0, 0, {}}};
            for (size_t made = 1; made < perDisc; ++made) {
                const size_t parent = rng_() % folders.size();
                Record r{labelText, {}, {}, {}, {}, {}, 0, false};
                if (rng_() % 10 == 0 && folders[parent].depth < 8) {
                    Folder &f = folders[parent];
                    const std::u16string path = f.path + Name() + u" " + Number(f.count++) + u"\\";
                    r.path = c.Add(path);
                    r.folder = true;
                    f.items.push_back({r, folders.size()});
                    folders.push_back({path, f.depth + 1, 0, {}});
                } else {
                    Folder &f = folders[parent];
                    r.path = c.Add(f.path + Name() + u" " + Number(f.count++) + Pick(kExt));
                    r.size = int64_t(rng_() % 1000000000) + 1;
                    if (rng_() % 10 == 0) {
                        r.producer = c.Add(Pick(kProducers));
                        r.product = c.Add(Name());
                        r.version =
                            c.Add(Number(int(rng_() % 20)) + u"." + Number(int(rng_() % 10)));
                    }
                    if (rng_() % 50 == 0)
                        r.description = c.Add(Name() + u" " + Name());
                    f.items.push_back({r, 0});
                }
            }
            c.records.push_back({labelText, {}, {}, {}, {}, {}, 0, true});
            Emit(c, folders, 0);
            if (d == discs / 2)
                AddBigFolder(c, labelText, bigFolder);
        }
        return c;
    }

private:
    struct Item {
        Record record;
        size_t folder; // index of the folder the record makes, 0 for a file
    };
    struct Folder {
        std::u16string path;
        int depth;
        int count;
        std::vector<Item> items;
    };

    static void Emit(Catalogue &c, std::vector<Folder> &folders, size_t f)
    {
        for (const Item &item : folders[f].items) {
            c.records.push_back(item.record);
            if (item.folder)
                Emit(c, folders, item.folder);
        }
    }

    template <size_t N> std::u16string Pick(const std::array<const char16_t *, N> &list)
    {
        return list[rng_() % N];
    }

    static std::u16string Number(int n)
    {
        std::u16string s;
        do {
            s.insert(s.begin(), char16_t(u'0' + n % 10));
            n /= 10;
        } while (n);
        return s;
    }

    std::u16string Name()
    {
        std::u16string s;
        const int parts = 2 + int(rng_() % 3);
        const bool cyrillic = rng_() % 2;
        for (int i = 0; i < parts; ++i)
            s += cyrillic ? Pick(kCyrillic) : Pick(kLatin);
        if (rng_() % 3 == 0)
            s[0] = char16_t(qbx::text::UpperChar(s[0]));
        return s;
    }

    void AddBigFolder(Catalogue &c, Text label, size_t count)
    {
        const std::u16string folder = u"Фото\\Архив\\2004\\";
        c.records.push_back({label, c.Add(u"Фото\\"), {}, {}, {}, {}, 0, true});
        c.records.push_back({label, c.Add(u"Фото\\Архив\\"), {}, {}, {}, {}, 0, true});
        c.records.push_back({label, c.Add(folder), {}, {}, {}, {}, 0, true});
        std::vector<int> numbers(count);
        for (size_t i = 0; i < count; ++i)
            numbers[i] = int(i);
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        c.bigFolderFirst = c.records.size();
        c.bigFolderCount = count;
        for (const int n : numbers) {
            Record r{label,
                     c.Add(folder + Pick(kPhoto) + Number(n) + u".jpg"),
                     {},
                     {},
                     {},
                     {},
                     int64_t(rng_() % 5000000) + 1,
                     false};
            c.records.push_back(r);
        }
    }

    static constexpr std::array<const char16_t *, 6> kDiscs = {u"DISC",  u"Музыка", u"Soft",
                                                               u"Архив", u"Photo",  u"Документы"};
    static constexpr std::array<const char16_t *, 12> kLatin = {
        u"ka", u"ro", u"mi", u"del", u"tan", u"vo", u"lex", u"pra", u"sun", u"ge", u"bo", u"zu"};
    static constexpr std::array<const char16_t *, 12> kCyrillic = {
        u"ка", u"ро", u"ми", u"дел", u"тан", u"во", u"лёк", u"пра", u"сун", u"же", u"бо", u"зю"};
    static constexpr std::array<const char16_t *, 10> kExt = {
        u".txt", u".doc", u".mp3", u".JPG", u".zip", u".exe", u".dll", u".htm", u".pdf", u""};
    static constexpr std::array<const char16_t *, 5> kProducers = {
        u"Microsoft", u"Фирма 1С", u"Adobe", u"Кирилл и Мефодий", u"Borland"};
    static constexpr std::array<const char16_t *, 3> kPhoto = {u"IMG_", u"снимок ", u"Dsc"};

    std::mt19937_64 rng_;
};

class AnswerComplementAll : public qbx::IConflictPrompt {
public:
    qbx::TConflictAnswer AskConflict(const QString &) override
    {
        return qbx::ConflictComplementAll;
    }
};

void InsertRange(qbx::TCatalogueTree &tree, const Catalogue &c, size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i) {
        const Record &r = c.records[i];
        tree.InsertItem(c.Borrowed(r.label), c.Borrowed(r.path), c.Owned(r.producer),
                        c.Owned(r.product), c.Owned(r.version), r.size, c.Owned(r.description),
                        r.folder);
    }
}

// Looks at every sibling list once, as a view or a save would, so that any
// order still to be settled is part of the measured time.
size_t CountNodes(const qbx::TTreeNode *n)
{
    size_t count = 1;
    for (int i = 0; i < n->ChildCount(); ++i)
        count += CountNodes(n->Child(i));
    return count;
}

// The plain way: scan the list for the name, append, re-sort the list.
// The re-sort is one insertion pass from the end, the cheapest correct way
// to re-sort a sorted list with one element appended.
struct PlainNode {
    QString text;
    int image;
    std::unique_ptr<qbx::TItemDescription> description;
};

double PlainFolder(const Catalogue &c)
{
    std::vector<std::unique_ptr<PlainNode>> list;
    auto less = [](const PlainNode &a, const PlainNode &b) {
        if (a.image != b.image)
            return a.image < b.image;
        return qbx::text::CompareFileNames(a.text, b.text) < 0;
    };
    const auto start = Clock::now();
    for (size_t i = c.bigFolderFirst; i < c.bigFolderFirst + c.bigFolderCount; ++i) {
        const Record &r = c.records[i];
        const QString path = c.Borrowed(r.path);
        const QStringView name = QStringView(path).mid(path.lastIndexOf(u'\\') + 1);
        bool found = false;
        for (const auto &n : list)
            if (qbx::text::EqualFolded(n->text, name)) {
                found = true;
                break;
            }
        if (found)
            continue;
        auto node = std::make_unique<PlainNode>();
        node->text = name.toString();
        node->image = qbx::ImageFile;
        node->description = std::make_unique<qbx::TItemDescription>();
        node->description->Size = r.size;
        list.push_back(std::move(node));
        for (size_t k = list.size() - 1; k > 0 && less(*list[k], *list[k - 1]); --k)
            std::swap(list[k], list[k - 1]);
    }
    return Seconds(start);
}

double OurFolder(const Catalogue &c)
{
    qbx::TConflictAnswers answers;
    AnswerComplementAll prompt;
    qbx::TTree tree;
    qbx::TCatalogueTree catalogue(tree, answers, prompt);
    const auto start = Clock::now();
    InsertRange(catalogue, c, c.bigFolderFirst, c.bigFolderFirst + c.bigFolderCount);
    CountNodes(tree.Root());
    return Seconds(start);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool withPeer = !(argc > 1 && std::string(argv[1]) == "--no-peer");
    const Catalogue c = Generator(20261207).Make(1000000, 20, 50000);

    qbx::TConflictAnswers answers;
    AnswerComplementAll prompt;
    auto tree = std::make_unique<qbx::TTree>();
    qbx::TCatalogueTree catalogue(*tree, answers, prompt);

    const long before = ResidentBytes();
    auto start = Clock::now();
    InsertRange(catalogue, c, 0, c.records.size());
    const size_t nodes = CountNodes(tree->Root());
    const double insertSeconds = Seconds(start);
    const long after = ResidentBytes();

    answers.ConflictAnswer = qbx::ConflictComplementAll;
    start = Clock::now();
    InsertRange(catalogue, c, 0, c.records.size());
    CountNodes(tree->Root());
    const double reinsertSeconds = Seconds(start);

    // The same records in random order (as merged from an unsorted source):
    // no folder is shared by consecutive records, and every list is settled
    // from scattered insertions.
    double scatteredSeconds = 0;
    {
        std::vector<size_t> order(c.records.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), std::mt19937_64(7));
        qbx::TConflictAnswers scatteredAnswers;
        qbx::TTree scattered;
        qbx::TCatalogueTree target(scattered, scatteredAnswers, prompt);
        const auto from = Clock::now();
        for (const size_t i : order)
            InsertRange(target, c, i, i + 1);
        CountNodes(scattered.Root());
        scatteredSeconds = Seconds(from);
    }

    const double ours = OurFolder(c);
    const double plain = withPeer ? PlainFolder(c) : 0.0;

    std::printf("records: %zu count\n", c.records.size());
    std::printf("nodes: %zu count\n", nodes);
    std::printf("insert_seconds: %.3f s\n", insertSeconds);
    std::printf("bytes_per_node: %.0f bytes\n", double(after - before) / double(nodes));
    std::printf("reinsert_seconds: %.3f s\n", reinsertSeconds);
    std::printf("insert_scattered_seconds: %.3f s\n", scatteredSeconds);
    std::printf("one_folder_seconds: %.4f s\n", ours);
    std::printf("one_folder_plain_seconds: %.3f s\n", plain);
    std::printf("one_folder_speedup: %.1f x\n", plain / ours);
    return 0;
}
