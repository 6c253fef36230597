#include "desktop/gui/THelpBrowserWidget.h"

#include <QHelpEngineCore>
#include <QTextDocument>

namespace qbx {

THelpBrowserWidget::THelpBrowserWidget(QWidget *parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenExternalLinks(true);
}

QVariant THelpBrowserWidget::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != QLatin1String("qthelp"))
        return QTextBrowser::loadResource(type, name);
    if (!engine_)
        return {};
    const QByteArray data = engine_->fileData(name);
    if (data.isEmpty())
        return {};
    // The pages are written in UTF-8; images stay raw bytes.
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}

} // namespace qbx
