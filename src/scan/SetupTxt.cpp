#include "scan/SetupTxt.h"

#include "platform/Codec.h"
#include "scan/ReadOnlyFile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qbx {
namespace {

constexpr std::size_t kOemLineLimit = 255;

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsTrimmed(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsTrimmed(s.back()))
        s.remove_suffix(1);
    return s;
}

// The prefixes of the four lines, as 1251 bytes, with the field each fills.
struct LineKind {
    std::string prefix;
    QString TProductInfo::*field;
};

const std::array<LineKind, 4> &LineKinds()
{
    static const std::array<LineKind, 4> kinds = {{
        {codec::ToCp1251(QStringLiteral("Производитель: ")), &TProductInfo::Producer},
        {codec::ToCp1251(QStringLiteral("Продукт: ")), &TProductInfo::Product},
        {codec::ToCp1251(QStringLiteral("Версия: ")), &TProductInfo::Version},
        {codec::ToCp1251(QStringLiteral("Описание: ")), &TProductInfo::Description},
    }};
    return kinds;
}

// Splits the bytes into at most `count` lines ending in CR LF, LF or CR. The
// last line may end with the bytes themselves.
std::vector<std::string_view> FirstLines(std::string_view bytes, std::size_t count)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty() && lines.size() < count) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(bytes);
            break;
        }
        lines.push_back(bytes.substr(0, end));
        std::size_t skip = end + 1;
        if (bytes[end] == '\r' && skip < bytes.size() && bytes[skip] == '\n')
            ++skip;
        bytes.remove_prefix(skip);
    }
    return lines;
}

} // namespace

bool MatchSetupPrefix(std::string &line, std::string_view prefix)
{
    if (std::string_view(line).starts_with(prefix))
        return true;
    // Only the beginning decides, so the 866 form of the line's first 255
    // characters is enough to test; a matching line is converted whole.
    const std::string_view head = std::string_view(line).substr(0, kOemLineLimit);
    if (!codec::OemToAnsi(head).starts_with(prefix))
        return false;
    line = codec::OemToAnsi(line);
    return true;
}

TProductInfo ReadSetupTxt(const QString &path)
{
    std::string bytes(kSetupTxtReadLimit, '\0');
    {
        ReadOnlyFile file(path);
        bytes.resize(std::size_t(file.ReadUpTo(bytes.data(), kSetupTxtReadLimit)));
    }

    TProductInfo info;
    const auto &kinds = LineKinds();
    const std::vector<std::string_view> lines = FirstLines(bytes, kinds.size());
    std::array<std::string, 4> values;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (i >= lines.size())
            return info;
        std::string line(Trim(lines[i]));
        if (!MatchSetupPrefix(line, kinds[i].prefix))
            return info;
        values[i] = std::string(Trim(std::string_view(line).substr(kinds[i].prefix.size())));
    }
    for (std::size_t i = 0; i < kinds.size(); ++i)
        info.*kinds[i].field = codec::FromCp1251(values[i]);
    info.Recognised = true;
    return info;
}

} // namespace qbx
