#include "desktop/Help.h"

#include <QFileInfo>

#include <array>

namespace qbx {

namespace {

// Must match the namespace and virtual folder of the help project (help/qubrix.qhp).
constexpr const char *HelpNamespace = "ru.tolvenar.qubrix";
constexpr const char *HelpFolder = "help";
constexpr const char *ContentsPage = "Contents.htm";

constexpr std::array<const char *, HelpTopicCount> TopicNames = {
    "UserIface",       "MainMenu",        "ToolBar",          "TreeView",      "TreeEdit",
    "TreeSearch",      "ListView",        "StatusBar",        "AddingTree",    "DescrEditing",
    "SearchingGlobal", "SearchingFields", "SearchingComplex", "TuningOptions", "TuningFolders",
    "TuningGeometry",  "TuningSize",      "TuningView",       "TuningConfirm", "AboutApp",
    "OverviewStats",   "Duplicates",
};

} // namespace

QString HelpTopicName(int context)
{
    if (context < 0 || context >= HelpTopicCount)
        return {};
    return QString::fromLatin1(TopicNames[static_cast<size_t>(context)]);
}

QUrl HelpPageUrl(const QString &page)
{
    QUrl url;
    url.setScheme(QStringLiteral("qthelp"));
    url.setHost(QString::fromLatin1(HelpNamespace));
    url.setPath(QLatin1Char('/') + QString::fromLatin1(HelpFolder) + QLatin1Char('/') + page);
    return url;
}

QUrl HelpContentsUrl()
{
    return HelpPageUrl(QString::fromLatin1(ContentsPage));
}

QUrl HelpTopicUrl(int context)
{
    const QString name = HelpTopicName(context);
    if (name.isEmpty())
        return HelpContentsUrl();
    return HelpPageUrl(name + QStringLiteral(".htm"));
}

} // namespace qbx
