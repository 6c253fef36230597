#pragma once

#include "desktop/Help.h"

#include <QWidget>

#include <memory>

class QHelpEngine;
class QTemporaryDir;
class QSplitter;

namespace qbx {

class THelpBrowserWidget;

// The program's own help window: the table of contents and the keyword index
// on the left, the page on the right. It opens the help file lazily, at the first request, through
// a private collection in a temporary folder, so nothing is written beside the program or into the
// user's settings. When the file cannot be opened the window says so on its page.
class THelpWindow : public QWidget, public IHelp {
    Q_OBJECT
public:
    explicit THelpWindow(const QString &helpFile, QWidget *parent = nullptr);
    ~THelpWindow() override;

    void ShowHelpContents() override;
    void ShowHelpTopic(int context) override;

    // The page shown now and its title.
    QUrl CurrentUrl() const;
    QString CurrentTitle() const;
    // True when the help file was opened.
    bool HelpFileOpened() const { return opened_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OpenHelpFile();
    QWidget *CreateIndexPage();
    void ShowUrl(const QUrl &url);
    // Marks the contents entry of the page shown.
    void SyncContents(const QUrl &shown);

    QString helpFile_;
    bool triedOpen_ = false;
    bool placed_ = false; // placed over the asking window at its first showing
    bool opened_ = false;
    std::unique_ptr<QTemporaryDir> collectionDir_;
    QHelpEngine *engine_ = nullptr;
    QSplitter *splitter_ = nullptr;
    THelpBrowserWidget *browser_ = nullptr;
};

} // namespace qbx
