#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace qbx {

// Extensions of the audio and music files whose names the scan turns into a
// producer and a product, in the order they are checked.
const std::array<QLatin1StringView, 42> &MediaExtensions();

// True when the extension of the name (the text from its last "." on) is
// ext, ignoring letter case; ext is lower case.
bool HasExtension(QStringView name, QLatin1StringView ext);

// True when the extension of the name is one of the list (lower case, each
// a "." and what follows it), ignoring letter case.
bool HasAnyExtension(QStringView name, std::span<const QLatin1StringView> list);

// True when the lower-cased extension of the name is in MediaExtensions().
bool IsMediaName(const QString &name);

struct TMediaName {
    QString Producer;
    QString Product;
};

// "Performer - Title.ext" gives the performer as producer and the title
// without its extension as product (split at the first " - "); a name
// without " - " gives an empty producer and the name without its extension.
TMediaName SplitMediaName(const QString &name);

} // namespace qbx
