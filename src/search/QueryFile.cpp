#include "search/QueryFile.h"

#include "platform/Codec.h"
#include "search/QueryCondition.h"
#include "search/QueryTree.h"

#include <QFile>
#include <QFileInfo>

namespace qbx {

namespace {

struct TLine {
    int level;
    QString caption;
};

// Splits at CR, LF or CR LF; a final line terminator ends the last line.
template <typename Take> bool ForEachLine(const QString &text, Take take)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype level = start;
        while (level < end && (text[level] == u'\t' || text[level] == u' '))
            ++level;
        if (!take(TLine{int(std::min<qsizetype>(level - start, kMaxQueryDepth + 1)),
                        text.mid(level, end - level)}))
            return false;
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return true;
}

} // namespace

std::unique_ptr<TQueryTree> ParseQueryText(const QString &text)
{
    auto tree = TQueryTree::Empty();
    TQueryNode *previous = nullptr;
    int previousLevel = 0;
    const bool ok = ForEachLine(text, [&](const TLine &line) {
        if (!previous) {
            tree->SetTop(std::make_unique<TQueryNode>(line.caption, QkCompare));
            previous = tree->Top();
            return true;
        }
        if (line.level > kMaxQueryDepth || line.level == 0 || line.level > previousLevel + 1)
            return false;
        TQueryNode *parent = previous;
        for (int level = previousLevel; level >= line.level; --level)
            parent = parent->Parent();
        previous = parent->AddChild(line.caption, QkCompare);
        previousLevel = line.level;
        return true;
    });
    if (!ok)
        return nullptr;
    return tree;
}

std::unique_ptr<TQueryTree> ReadQueryFile(const QString &fileName)
{
    // Opening a FIFO would wait for a writer: only regular files are read.
    if (!QFileInfo(fileName).isFile())
        return nullptr;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.read(kMaxQueryFileBytes + 1);
    if (bytes.size() > kMaxQueryFileBytes || file.error() != QFileDevice::NoError)
        return nullptr;
    auto tree = ParseQueryText(codec::FromCp1251(bytes));
    if (!tree || !ValidateQueryTree(*tree))
        return nullptr;
    return tree;
}

QByteArray QueryFileBytes(const TQueryTree &tree, bool *ok)
{
    return codec::ToCp1251Bytes(QueryTreeText(tree), ok);
}

} // namespace qbx
