#include "platform/TextRules.h"

#include "platform/Codec.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <vector>

namespace qbx::text {
namespace {

constexpr char16_t kTableEnd = detail::kCaseTableEnd;

struct CaseTables {
    std::array<char16_t, kTableEnd> upper{};
    std::array<char16_t, kTableEnd> lower{};
};

constexpr CaseTables MakeCaseTables()
{
    CaseTables t;
    for (char16_t c = 0; c < kTableEnd; ++c) {
        t.upper[c] = c;
        t.lower[c] = c;
    }
    auto pair = [&t](char16_t up, char16_t low) {
        t.upper[low] = up;
        t.lower[up] = low;
    };
    for (char16_t c = u'a'; c <= u'z'; ++c)
        pair(char16_t(c - 0x20), c);
    for (char16_t c = 0x0430; c <= 0x044F; ++c) // а..я
        pair(char16_t(c - 0x20), c);
    // ё ђ ѓ є ѕ і ї ј љ њ ћ ќ, ў џ: the 1251 letters of U+0450..U+045F.
    for (char16_t c = 0x0451; c <= 0x045F; ++c)
        if (c != 0x045D)
            pair(char16_t(c - 0x50), c);
    pair(0x0490, 0x0491); // Ґ ґ
    return t;
}

constexpr CaseTables kCase = MakeCaseTables();

QCollator MakeCollator()
{
    QCollator c{QLocale(QLocale::Russian, QLocale::Russia)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    c.setIgnorePunctuation(false);
    return c;
}

const QCollator &Collator()
{
    thread_local const QCollator c = MakeCollator();
    return c;
}

// Primary ranks of the lower-case characters of 1251, taken from the
// collator itself at first use. Two characters with different non-zero ranks
// differ at the first collation level, so the first differing position of
// two otherwise equal names decides their order without asking the
// collator. Characters that only differ in accents (е and ё) share a rank,
// and characters the collator ignores or expands get none; for those the
// collator answers.
class PrimaryRanks {
public:
    PrimaryRanks()
    {
        const QCollator &coll = Collator();
        std::vector<char16_t> chars;
        QByteArray bytes;
        for (int b = 0x20; b <= 0xFF; ++b)
            if (b != 0x7F && b != 0x98)
                bytes.append(char(b));
        for (const QChar ch : codec::FromCp1251(bytes)) {
            const char16_t c = ch.unicode();
            if (c < kTableEnd && kCase.lower[c] == c && !Ignorable(coll, c))
                chars.push_back(c);
        }
        auto str = [](char16_t c) { return QString(QChar(c)); };
        std::stable_sort(chars.begin(), chars.end(),
                         [&](char16_t x, char16_t y) { return coll.compare(str(x), str(y)) < 0; });
        if (chars.empty())
            return;
        const QString lowest = str(chars.front());
        const QString highest = str(chars.back());
        uint16_t rank = 1;
        rank_[chars.front()] = rank;
        for (size_t i = 1; i < chars.size(); ++i) {
            // With the highest character after the smaller one and the lowest
            // after the larger one, only a first-level difference of the two
            // keeps the smaller one first.
            if (coll.compare(str(chars[i - 1]) + highest, str(chars[i]) + lowest) < 0)
                ++rank;
            rank_[chars[i]] = rank;
        }
    }

    uint16_t Rank(char16_t lowered) const { return lowered < kTableEnd ? rank_[lowered] : 0; }

private:
    static bool Ignorable(const QCollator &coll, char16_t c)
    {
        const QString s(QChar{c});
        if (coll.compare(s, QString()) == 0)
            return true;
        // Without a first-level weight of its own the character cannot put
        // "ca" before "b" and "cb" after "a" at the same time otherwise.
        return coll.compare(s + u'a', u"b") < 0 && coll.compare(s + u'b', u"a") > 0;
    }

    std::array<uint16_t, kTableEnd> rank_{};
};

const PrimaryRanks &Ranks()
{
    static const PrimaryRanks r;
    return r;
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

// The case tables with external linkage, for the inline mapping of the
// header.
const std::array<char16_t, kTableEnd> detail::kUpperTable = kCase.upper;
const std::array<char16_t, kTableEnd> detail::kLowerTable = kCase.lower;

QString Upper(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const QChar ch : s)
        *d++ = QChar(UpperChar(ch.unicode()));
    return out;
}

QString Lower(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const QChar ch : s)
        *d++ = QChar(LowerChar(ch.unicode()));
    return out;
}

int detail::CompareByCollator(QStringView a, QStringView b)
{
    return Sign(Collator().compare(Lower(a), Lower(b)));
}

int CompareFileNames(QStringView a, QStringView b)
{
    const PrimaryRanks &ranks = Ranks();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = LowerChar(a[i].unicode());
        const char16_t cb = LowerChar(b[i].unicode());
        if (ca == cb)
            continue;
        const uint16_t ra = ranks.Rank(ca);
        const uint16_t rb = ranks.Rank(cb);
        if (ra != 0 && rb != 0 && ra != rb)
            return ra < rb ? -1 : 1;
        return detail::CompareByCollator(a, b);
    }
    if (a.size() == b.size())
        return 0;
    // One name is the other one continued: a weighted character after the
    // common part makes the longer name the larger one.
    const bool aLonger = a.size() > b.size();
    const char16_t next = LowerChar((aLonger ? a : b)[n].unicode());
    if (ranks.Rank(next) != 0)
        return aLonger ? 1 : -1;
    return detail::CompareByCollator(a, b);
}

uint32_t FoldedHash(QStringView s)
{
    uint32_t h = 2166136261u;
    for (const QChar ch : s) {
        h ^= UpperChar(ch.unicode());
        h *= 16777619u;
    }
    return h;
}

bool EqualFolded(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (UpperChar(a[i].unicode()) != UpperChar(b[i].unicode()))
            return false;
    return true;
}

QString Trim(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && s[end - 1].unicode() <= u' ')
        --end;
    return s.mid(begin, end - begin).toString();
}

bool HiddenCharacter(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString Visible(QStringView s)
{
    QString shown;
    shown.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s[i].unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < s.size() &&
                          QChar::isLowSurrogate(s[i + 1].unicode());
        if (pair)
            c = QChar::surrogateToUcs4(s[i], s[i + 1]);
        if (HiddenCharacter(c)) {
            shown += QChar::ReplacementCharacter;
        } else {
            shown += s[i];
            if (pair)
                shown += s[i + 1];
        }
        if (pair)
            ++i;
    }
    return shown;
}

QString Cut(const QString &s, qsizetype capacity)
{
    return s.size() <= capacity ? s : s.left(capacity);
}

} // namespace qbx::text
