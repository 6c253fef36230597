#include "overview/ExtensionGroups.h"

#include "tree/CatalogueStats.h"

#include <QCoreApplication>
#include <QHash>

namespace qbx {

namespace {

const QHash<QString, TExtensionGroup> &Groups()
{
    static const QHash<QString, TExtensionGroup> groups = [] {
        QHash<QString, TExtensionGroup> g;
        const auto add = [&g](TExtensionGroup group, std::initializer_list<const char *> list) {
            for (const char *e : list)
                g.insert(QString::fromLatin1(e), group);
        };
        add(EgAudio, {".mp3", ".wav", ".flac", ".ogg", ".wma", ".aac", ".m4a", ".mid", ".midi",
                      ".ape", ".opus", ".aif", ".aiff", ".mod", ".xm", ".s3m", ".it"});
        add(EgVideo, {".avi", ".mkv", ".mp4", ".mpg", ".mpeg", ".mov", ".wmv", ".vob", ".flv",
                      ".webm", ".m4v", ".3gp", ".ts", ".m2ts", ".divx", ".ogv"});
        add(EgImages, {".jpg", ".jpeg", ".png", ".gif", ".bmp", ".tif", ".tiff", ".psd", ".svg",
                       ".ico", ".webp", ".raw", ".cr2", ".nef", ".pcx", ".tga", ".xcf"});
        add(EgArchives, {".zip", ".rar", ".7z", ".tar", ".gz", ".bz2", ".xz", ".zst", ".cab",
                         ".arj", ".lzh", ".iso", ".tgz", ".deb", ".rpm", ".jar", ".img"});
        add(EgDocuments, {".txt", ".doc", ".docx", ".pdf",  ".rtf", ".odt",  ".xls", ".xlsx",
                          ".ods", ".ppt", ".pptx", ".odp",  ".htm", ".html", ".md",  ".djvu",
                          ".chm", ".hlp", ".fb2",  ".epub", ".csv", ".xml",  ".tex", ".ps"});
        add(EgPrograms, {".exe", ".dll", ".com", ".bat", ".cmd", ".msi", ".sys", ".so", ".bin",
                         ".sh", ".py", ".pl", ".ocx", ".drv", ".vxd", ".a", ".o", ".ko"});
        return g;
    }();
    return groups;
}

} // namespace

TExtensionGroup ExtensionGroupOf(const QString &fileName)
{
    return Groups().value(FileExtension(fileName), EgOther);
}

QString ExtensionGroupName(int group)
{
    static const char *const names[EgCount] = {
        QT_TRANSLATE_NOOP("Overview", "аудио"),       QT_TRANSLATE_NOOP("Overview", "видео"),
        QT_TRANSLATE_NOOP("Overview", "изображения"), QT_TRANSLATE_NOOP("Overview", "архивы"),
        QT_TRANSLATE_NOOP("Overview", "документы"),   QT_TRANSLATE_NOOP("Overview", "программы"),
        QT_TRANSLATE_NOOP("Overview", "прочее")};
    return group >= 0 && group < EgCount ? QCoreApplication::translate("Overview", names[group])
                                         : QString();
}

} // namespace qbx
