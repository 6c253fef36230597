#include "shell/Help.h"

#include <QFileInfo>
#include <QObject>
#include <QVariant>

#include <array>

namespace qbx {

namespace {

// Must match the namespace and virtual folder of the help project (help/qubrix.qhp).
constexpr const char *HelpNamespace = "ru.tolvenar.qubrix";
constexpr const char *HelpFolder = "help";
constexpr const char *ContentsPage = "Contents.htm";
constexpr const char *HelpContextProperty = "HelpContext";

constexpr std::array<const char *, HelpTopicCount> TopicNames = {
    "UserIface",       "MainMenu",        "ToolBar",          "TreeView",      "TreeEdit",
    "TreeSearch",      "ListView",        "StatusBar",        "AddingTree",    "DescrEditing",
    "SearchingGlobal", "SearchingFields", "SearchingComplex", "TuningOptions", "TuningFolders",
    "TuningGeometry",  "TuningSize",      "TuningView",       "TuningConfirm", "AboutApp",
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

void SetHelpContext(QObject *object, int context)
{
    if (object)
        object->setProperty(HelpContextProperty, context);
}

bool HasHelpContext(const QObject *object)
{
    return object && object->property(HelpContextProperty).isValid();
}

int HelpContextOf(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        const QVariant v = o->property(HelpContextProperty);
        bool ok = false;
        const int context = v.toInt(&ok);
        if (v.isValid() && ok)
            return context;
    }
    return HcUserIface;
}

std::optional<int> FocusedHelpContext(const QObject *focused, const QObject *window)
{
    if (!focused || !window || focused == window)
        return std::nullopt;
    const QObject *o = focused->parent();
    while (o && o != window)
        o = o->parent();
    if (!o)
        return std::nullopt;
    return HelpContextOf(focused);
}

void HelpContentsClick(IHelp &help, const QObject *focused, const QObject *window)
{
    if (const auto context = FocusedHelpContext(focused, window))
        help.ShowHelpTopic(*context);
    else
        help.ShowHelpContents();
}

} // namespace qbx
