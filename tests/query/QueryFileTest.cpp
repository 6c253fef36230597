// Query files: reading (levels, line ends, refusals) and crash-safe writing.
#include "QueryCatalogue.h"

#include "platform/AtomicFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace qbx::test {
namespace {

QByteArray FileBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Each node as depth, kind and caption.
QStringList Shape(const TQueryTree &tree)
{
    QStringList out;
    tree.Visit([&out](TQueryNode &n) {
        out << QStringLiteral("%1 %2 %3").arg(n.Depth()).arg(n.Kind()).arg(n.Caption());
    });
    return out;
}

TEST(QueryFileTest, SavedFileIsOneLinePerNodeIn1251WithTabsAndCrLf)
{
    TQueryTree tree;
    tree.Top()->Set(kQueryAndCaption, QkAnd);
    tree.Top()->AddChild("[Производитель] СОДЕРЖИТ [soft]", QkCompare);
    tree.Top()->AddChild("[Размер] >= [100 МБ]", QkCompare);
    bool ok = false;
    EXPECT_EQ(QueryFileBytes(tree, &ok),
              codec::ToCp1251Bytes("И\r\n"
                                   "\t[Производитель] СОДЕРЖИТ [soft]\r\n"
                                   "\t[Размер] >= [100 МБ]\r\n"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(QueryFileBytes(TQueryTree(), &ok), QByteArray("?\r\n"));

    tree.Top()->AddChild("[Продукт] РАВНО [中]", QkCompare);
    QueryFileBytes(tree, &ok);
    EXPECT_FALSE(ok);
}

TEST(QueryFileTest, ReadingFollowsLevelsAndAnyLineEnd)
{
    const QTemporaryDir dir;
    const QString name = dir.filePath("q.cdq");
    WriteBytes(name, codec::ToCp1251Bytes("  И\r\n\tИЛИ\n\t\t[Размер] >= [100 МБ]\r\t\t[Размер] < "
                                          "[1 кБ]\r\n \t[НЕ ОПРЕДЕЛЕНО]\n\tНЕ\r\n\t\tИ\n\t\t\t"
                                          "[Версия] РАВНО [1]!\n\t?\r\n"));
    // "?" below the top is no logic word: it must parse as a comparison.
    EXPECT_FALSE(ReadQueryFile(name));

    WriteBytes(name, codec::ToCp1251Bytes("  И\r\n\tИЛИ\n\t\t[Размер] >= [100 МБ]\r\t\t[Размер] < "
                                          "[1 кБ]\r\n \t[НЕ ОПРЕДЕЛЕНО]\n\tНЕ\r\n\t\tИ\n\t\t\t"
                                          "[Версия] РАВНО [1]!"));
    const auto tree = ReadQueryFile(name);
    ASSERT_TRUE(tree);
    EXPECT_EQ(Shape(*tree),
              QStringList({"0 1 И", "1 2 ИЛИ", "2 4 [Размер] >= [100 МБ]", "2 4 [Размер] < [1 кБ]",
                           "2 4 [НЕ ОПРЕДЕЛЕНО]", "1 3 НЕ", "2 1 И", "3 4 [Версия] РАВНО [1]!"}));

    // What is saved reads back as the same tree.
    bool ok = false;
    WriteBytes(name, QueryFileBytes(*tree, &ok));
    const auto again = ReadQueryFile(name);
    ASSERT_TRUE(again);
    EXPECT_EQ(Shape(*again), Shape(*tree));
}

TEST(QueryFileTest, MalformedFilesAreRefused)
{
    const char *refused[] = {
        "",                                        // no node
        "И\n\t[Размер] < [1]\nИЛИ",                // two lines at level 0
        "И\n\t\t[Размер] < [1]",                   // two levels deeper
        "И\n\t[Размер] < [1]\n\n",                 // an empty line is a second top node
        "[Размер] < [1]",                          // a comparison on top
        "?\n\t[Размер] < [1]\n\t[Размер] < [2]",   // "?" with two children
        "И\n\tНЕ\n\t\tИЛИ\n\t\tИЛИ",               // "НЕ" with two children
        "И\n\t[Размер] < [1]\n\t\t[Размер] < [2]", // a comparison with a child
        "И\n\tи",                                  // captions are exact
        "И\n\t[Размер] РАВНО [1]",                 // an operator the field has not
        "И\n\t",                                   // an empty caption
    };
    for (const char *text : refused)
        EXPECT_FALSE(Tree(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(ReadQueryFile(QDir::temp().filePath("no-such-query-file.cdq")));
    EXPECT_TRUE(Tree("НЕ"));
    EXPECT_TRUE(Tree("ИЛИ\r\n"));
}

TEST(QueryFileTest, AFifoNamedLikeAQueryFileIsRefusedWithoutWaiting)
{
    const QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("pipe.cdq"));
    ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
    auto read = std::async(std::launch::async,
                           [&] { return ReadQueryFile(QFile::decodeName(name)) == nullptr; });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "reading waits for a writer of the FIFO";
        // A writer that closes at once lets the blocked open go on.
        const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    }
    EXPECT_TRUE(read.get());
}

TEST(QueryFileTest, SavingWritesBesideAndKeepsTheOldFileOnFailure)
{
    const QTemporaryDir dir;
    const QString name = dir.filePath("q.cdq");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(name, "old\r\n", &error)) << error.toStdString();
    {
        // A full disc: the new file cannot be written, the old one stays.
        const FileSizeLimit limit(16);
        EXPECT_FALSE(WriteFileAtomically(name, QByteArray(1000, 'x'), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(FileBytes(name), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"q.cdq"}));

    ASSERT_TRUE(QDir(dir.path()).mkdir("d.cdq"));
    error.clear();
    EXPECT_FALSE(WriteFileAtomically(dir.filePath("d.cdq"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"q.cdq"}));
}

} // namespace
} // namespace qbx::test
