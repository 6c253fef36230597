#include "interaction/HelpContext.h"

#include <QObject>
#include <QVariant>

namespace qbx {

namespace {

constexpr const char *HelpContextProperty = "HelpContext";

} // namespace

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

void ShowHelpForFocus(IHelp &help, const QObject *focused, const QObject *window)
{
    if (const auto context = FocusedHelpContext(focused, window))
        help.ShowHelpTopic(*context);
    else
        help.ShowHelpContents();
}

} // namespace qbx
