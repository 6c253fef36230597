#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace qbx {

// Text browser that reads the pages, pictures and style sheets of a Qt help
// file ("qthelp:" addresses) through a help engine; other addresses go to the
// desktop's own handlers.
class THelpBrowserWidget : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpBrowserWidget(QWidget *parent = nullptr);

    // The engine must outlive the browser; nullptr shows nothing from a help file.
    void SetHelpEngine(QHelpEngineCore *engine) { engine_ = engine; }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngineCore *engine_ = nullptr;
};

} // namespace qbx
