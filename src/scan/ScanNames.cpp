#include "scan/ScanNames.h"

#include "platform/TextRules.h"

#include "platform/Codec.h"

namespace qbx {
namespace {

// The catalogue separates the components of its paths with "\\"; a name
// holding one could not be told apart from a path. "/" never comes from the
// file system or an archive listing (it separates their paths too). Control
// characters would break the lines of text trees, query files and reports.
// Every other character Linux allows in a name (":", "*", "?", "<", ">", "|",
// the double quotation mark) is an ordinary character of the catalogue.
bool Forbidden(char16_t c)
{
    return c == u'\\' || c == u'/' || c < 0x20 || c == 0x7F;
}

bool PlainAscii(std::string_view bytes)
{
    for (const char ch : bytes)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QString> CatalogueName(std::string_view bytes)
{
    std::optional<QString> name;
    // Most names are plain ASCII: no decoding checks or conversion needed.
    if (PlainAscii(bytes)) {
        name = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    } else {
        name = codec::FromUtf8Strict(bytes);
        if (name)
            name = codec::ToCatalogueText(*name);
    }
    if (!name || name->isEmpty())
        return std::nullopt;
    for (const QChar ch : *name)
        if (Forbidden(ch.unicode()))
            return std::nullopt;
    return name;
}

QString ShownPath(const std::string &path)
{
    // A line break or tab in a name would split the lists of the scan's
    // report, a right-to-left override would reorder them: such characters
    // show as the mark of a character that cannot be shown.
    return text::Visible(QString::fromUtf8(path.data(), qsizetype(path.size())));
}

} // namespace qbx
