#include "app/gui/Images.h"

#include <QImage>
#include <QPixmap>

#include <array>

// The pictures are compiled into the widgets library; a static library's
// resources must be registered by hand before their first use.
static void RegisterBundledPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(qubrix);
        return true;
    }();
    (void)done;
}

namespace qbx {

namespace {

constexpr std::array<const char *, ToolImageCount> ToolThemeNames = {
    "document-new", "document-open", "document-save",  "list-add",         "document-properties",
    "edit-find",    "system-search", "view-list-tree", "view-list-details"};
constexpr std::array<const char *, TreeImageCount> TreeThemeNames = {
    "drive-harddisk", "media-optical", "folder", "folder-open", "text-x-generic"};

template <size_t N> bool ThemeHasAll(const std::array<const char *, N> &names)
{
    for (const char *n : names) {
        if (!QIcon::hasThemeIcon(QString::fromLatin1(n)))
            return false;
    }
    return true;
}

// A greyed, faded copy for the disabled state.
QPixmap Disabled(const QPixmap &source)
{
    QImage img = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            const int grey = 128 + qGray(c) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(c) / 2);
        }
    }
    return QPixmap::fromImage(img);
}

QIcon Bundled(const QString &stem, std::initializer_list<int> sizes)
{
    RegisterBundledPictures();
    QIcon icon;
    for (int size : sizes) {
        const QPixmap px(QStringLiteral(":/icons/%1-%2.png").arg(stem).arg(size));
        if (px.isNull())
            continue;
        icon.addPixmap(px, QIcon::Normal);
        icon.addPixmap(Disabled(px), QIcon::Disabled);
    }
    return icon;
}

} // namespace

QIcon ToolImage(int index)
{
    static const bool theme = ThemeHasAll(ToolThemeNames);
    if (theme)
        return QIcon::fromTheme(QString::fromLatin1(ToolThemeNames[index]));
    return Bundled(QStringLiteral("tool%1").arg(index), {20, 40});
}

QIcon TreeImage(int index)
{
    static const bool theme = ThemeHasAll(TreeThemeNames);
    if (theme)
        return QIcon::fromTheme(QString::fromLatin1(TreeThemeNames[index]));
    return Bundled(QStringLiteral("tree%1").arg(index), {16, 32});
}

QIcon AppIcon()
{
    return Bundled(QStringLiteral("qubrix"), {16, 32, 48, 128});
}

} // namespace qbx
