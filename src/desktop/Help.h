#pragma once

#include "interaction/HelpContext.h"

#include <QString>
#include <QUrl>

namespace qbx {

// Name of the topic of a help context ("TreeSearch" for 5); "" outside the table.
QString HelpTopicName(int context);

// Address of a page inside the help file, and of its table of contents.
QUrl HelpPageUrl(const QString &page);
QUrl HelpContentsUrl();

// Address of the topic page of a help context: the topic name plus ".htm".
// A context outside the table leads to the table of contents.
QUrl HelpTopicUrl(int context);

} // namespace qbx
