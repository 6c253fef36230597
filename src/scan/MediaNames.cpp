#include "scan/MediaNames.h"

#include "tree/CataloguePath.h"

#include <algorithm>

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

// Every name of a scan is checked, so nothing is allocated here.
bool HasExtension(QStringView name, QLatin1StringView ext)
{
    return name.size() >= ext.size() && name.endsWith(ext, Qt::CaseInsensitive) &&
           name.lastIndexOf(u'.') == name.size() - ext.size();
}

bool IsMediaName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return false;
    const QStringView ext = QStringView(name).mid(dot);
    for (const QLatin1StringView e : MediaExtensions())
        if (ext.size() == e.size() && ext.compare(e, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

TMediaName SplitMediaName(const QString &name)
{
    const qsizetype dash = name.indexOf(" - "_L1);
    if (dash < 0)
        return {QString(), FileTitle(name)};
    return {name.left(dash), FileTitle(name.mid(dash + 3))};
}

} // namespace qbx
