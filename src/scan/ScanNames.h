#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace qbx {

// The catalogue name of a file-system entry: its bytes read as UTF-8 and
// made fit for the catalogue's code page (accents dropped). Nothing when the
// catalogue cannot hold the name: bytes that are not UTF-8, characters the
// code page lacks even without accents, the catalogue's path separator "\",
// a control character (tabs and line breaks would break text trees and query
// files), or nothing left at all. ":", "*", "?", "<", ">", "|" and the double
// quotation mark are ordinary characters of a name.
std::optional<QString> CatalogueName(std::string_view bytes);

// A path of the file system (the system's bytes) as the user is shown it, on
// one line: control and format characters show as U+FFFD, as bytes that are
// not UTF-8.
QString ShownPath(const std::string &path);

} // namespace qbx
