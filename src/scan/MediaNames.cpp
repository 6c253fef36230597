#include "scan/MediaNames.h"

#include "tree/CataloguePath.h"

#include <algorithm>
#include <cstring>

namespace qbx {

using namespace Qt::Literals::StringLiterals;

const std::array<QLatin1StringView, 42> &MediaExtensions()
{
    static constexpr std::array<QLatin1StringView, 42> kExtensions = {
        ".mp3"_L1, ".wav"_L1, ".mid"_L1, ".kar"_L1, ".s3m"_L1,  ".xm"_L1,   ".mod"_L1,
        ".669"_L1, ".aif"_L1, ".cda"_L1, ".it"_L1,  ".midi"_L1, ".mp1"_L1,  ".mp2"_L1,
        ".mp4"_L1, ".mtm"_L1, ".stm"_L1, ".voc"_L1, ".aac"_L1,  ".aifc"_L1, ".aiff"_L1,
        ".amf"_L1, ".apl"_L1, ".au"_L1,  ".dsm"_L1, ".far"_L1,  ".itz"_L1,  ".m4a"_L1,
        ".mdz"_L1, ".miz"_L1, ".nsa"_L1, ".nst"_L1, ".ogg"_L1,  ".okt"_L1,  ".ptm"_L1,
        ".rmi"_L1, ".s3z"_L1, ".snd"_L1, ".stz"_L1, ".ult"_L1,  ".wma"_L1,  ".xmz"_L1,
    };
    return kExtensions;
}

namespace {

enum class TTail { Match, Differs, NotAscii };

// Compares the end of the name with ext (lower case ASCII) letter by letter,
// folding only ASCII capitals: every file of a scan meets a few dozen
// extensions, and the general case-insensitive comparison costs far more
// than this. A name whose end is not plain ASCII is left to that comparison,
// as some other letters fold into ASCII ones.
TTail CompareTail(QStringView name, QLatin1StringView ext)
{
    const qsizetype start = name.size() - ext.size();
    if (start < 0)
        return TTail::Differs;
    for (qsizetype i = 0; i < ext.size(); ++i) {
        char16_t c = name[start + i].unicode();
        if (c >= 0x80)
            return TTail::NotAscii;
        // An ASCII character equals a lower-case ASCII one, ignoring case,
        // only as itself or its capital.
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != char16_t(static_cast<unsigned char>(ext[i].toLatin1())))
            return TTail::Differs;
    }
    return TTail::Match;
}

} // namespace

// Every name of a scan is checked, so nothing is allocated here.
bool HasExtension(QStringView name, QLatin1StringView ext)
{
    switch (CompareTail(name, ext)) {
    case TTail::Differs:
        return false;
    case TTail::Match:
        return name.lastIndexOf(u'.') == name.size() - ext.size();
    case TTail::NotAscii:
        break;
    }
    return name.endsWith(ext, Qt::CaseInsensitive) &&
           name.lastIndexOf(u'.') == name.size() - ext.size();
}

bool HasAnyExtension(QStringView name, std::span<const QLatin1StringView> list)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView ext = name.mid(dot);
    // The extension lower-cased once, then compared with each of the list
    // as bytes; an extension longer than this is in no list.
    char lower[8];
    if (ext.size() > qsizetype(sizeof lower))
        return false;
    for (qsizetype i = 0; i < ext.size(); ++i) {
        char16_t c = ext[i].unicode();
        if (c >= 0x80) {
            for (const QLatin1StringView e : list)
                if (HasExtension(name, e))
                    return true;
            return false;
        }
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        lower[i] = char(c);
    }
    for (const QLatin1StringView e : list)
        if (e.size() == ext.size() && std::memcmp(e.data(), lower, size_t(e.size())) == 0)
            return true;
    return false;
}

bool IsMediaName(const QString &name)
{
    return HasAnyExtension(name, MediaExtensions());
}

TMediaName SplitMediaName(const QString &name)
{
    const qsizetype dash = name.indexOf(" - "_L1);
    if (dash < 0)
        return {QString(), FileTitle(name)};
    return {name.left(dash), FileTitle(name.mid(dash + 3))};
}

} // namespace qbx
