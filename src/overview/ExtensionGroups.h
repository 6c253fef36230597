#pragma once

#include <QString>

namespace qbx {

// The kinds of files the size map colours apart.
enum TExtensionGroup : int {
    EgAudio,
    EgVideo,
    EgImages,
    EgArchives,
    EgDocuments,
    EgPrograms,
    EgOther,
    EgCount
};

// The group of a file by its name's extension (case does not matter).
TExtensionGroup ExtensionGroupOf(const QString &fileName);
// "аудио", "видео", ... for the legend.
QString ExtensionGroupName(int group);

} // namespace qbx
