#include "desktop/gui/THelpWindow.h"

#include "platform/AppPaths.h"
#include "desktop/gui/THelpBrowserWidget.h"
#include "desktop/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <QCoreApplication>

namespace qbx {

THelpWindow::THelpWindow(const QString &helpFile, QWidget *parent)
    : QWidget(parent, Qt::Window), helpFile_(helpFile)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("THelpWindow", "Помощь к программе"));
    resize(800, 560);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(toolBar);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    browser_ = new THelpBrowserWidget(splitter_);
    splitter_->addWidget(browser_);
    layout->addWidget(splitter_, 1);

    QAction *back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                       QCoreApplication::translate("THelpWindow", "Назад"), browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    back->setEnabled(false);
    QAction *forward =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QCoreApplication::translate("THelpWindow", "Вперёд"),
                           browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    forward->setEnabled(false);
    toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QCoreApplication::translate("THelpWindow", "Содержание"),
                       this, &THelpWindow::ShowHelpContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    // The browser reports the new page before its source() names it: the
    // contents follow the address the signal gives.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QCoreApplication::translate("THelpWindow", "Помощь к программе")
                                       : title + QCoreApplication::translate("THelpWindow", " - Помощь к программе"));
        SyncContents(url);
    });
}

THelpWindow::~THelpWindow()
{
    // The engine's views go first, then the engine, and only then the folder
    // that holds the engine's collection file.
    delete splitter_;
    delete engine_;
}

void THelpWindow::OpenHelpFile()
{
    if (triedOpen_)
        return;
    triedOpen_ = true;
    if (!paths::HelpFileExists(helpFile_))
        return;
    // The engine needs a collection file to register the help file in; a
    // private one in a temporary folder leaves no trace.
    collectionDir_ = std::make_unique<QTemporaryDir>();
    if (!collectionDir_->isValid())
        return;
    engine_ = new QHelpEngine(collectionDir_->filePath(QStringLiteral("help.qhc")), this);
    engine_->setReadOnly(false);
    // The engine resolves a relative name against its collection's folder.
    const QString file = QFileInfo(helpFile_).absoluteFilePath();
    if (!engine_->setupData() || !engine_->registerDocumentation(file)) {
        qWarning("help: %s", qPrintable(engine_->error()));
        return;
    }
    engine_->setupData();
    opened_ = true;
    browser_->SetHelpEngine(engine_);

    QHelpContentWidget *contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto *tabs = new QTabWidget(splitter_);
    tabs->addTab(contents, QCoreApplication::translate("THelpWindow", "Содержание"));
    tabs->addTab(CreateIndexPage(), QCoreApplication::translate("THelpWindow", "Указатель"));
    splitter_->insertWidget(0, tabs);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({250, 550});
    connect(contents, &QHelpContentWidget::linkActivated, this, &THelpWindow::ShowUrl);
    // One click on an entry opens it, as in other help viewers.
    connect(contents, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (const QHelpContentItem *item = engine_->contentModel()->contentItemAt(index))
            ShowUrl(item->url());
    });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { SyncContents(browser_->source()); });
}

QWidget *THelpWindow::CreateIndexPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *filter = new QLineEdit(page);
    filter->setObjectName(QStringLiteral("HelpIndexFilter"));
    filter->setPlaceholderText(QCoreApplication::translate("THelpWindow", "Искать в указателе"));
    QHelpIndexWidget *index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    layout->addWidget(filter);
    layout->addWidget(index, 1);
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    const auto showFirst = [this](const QList<QHelpLink> &documents) {
        if (!documents.isEmpty())
            ShowUrl(documents.first().url);
    };
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [showFirst](const QHelpLink &document) { showFirst({document}); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [showFirst](const QList<QHelpLink> &documents) { showFirst(documents); });
    return page;
}

void THelpWindow::ShowHelpContents()
{
    ShowUrl(HelpContentsUrl());
}

void THelpWindow::ShowHelpTopic(int context)
{
    ShowUrl(HelpTopicUrl(context));
}

void THelpWindow::ShowUrl(const QUrl &url)
{
    OpenHelpFile();
    if (opened_) {
        browser_->setSource(url);
    } else {
        browser_->setHtml(QCoreApplication::translate("THelpWindow", "<h2>Помощь недоступна</h2><p>Не удалось открыть файл "
                                         "помощи <b>%1</b>.</p><p>Проверьте, что этот файл "
                                         "находится рядом с программой и доступен для чтения.</p>")
                              .arg(helpFile_.toHtmlEscaped()));
        setWindowTitle(QCoreApplication::translate("THelpWindow", "Помощь к программе"));
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!placed_) {
        // The first showing goes over the window that asked for help, wholly
        // on its screen; later ones keep where the user put it.
        QWidget *asking = modal ? modal : QApplication::activeWindow();
        if (asking == this)
            asking = nullptr;
        const QScreen *screen = asking ? asking->screen() : this->screen();
        if (screen) {
            // The frame is not known before the first showing: allow for a
            // title bar and borders.
            const QSize frame = size() + QSize(10, 40);
            move(PlaceOver(frame, asking ? asking->frameGeometry() : QRect(),
                           screen->availableGeometry()));
        }
        placed_ = true;
    }
    show();
    // A modal dialog blocks every window that is not its own. Help asked for
    // from inside one is made that dialog's transient window, so it stays
    // readable and can be closed while the dialog waits; help asked for
    // elsewhere belongs to no window.
    if (QWindow *own = windowHandle())
        own->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
    raise();
    activateWindow();
}

void THelpWindow::SyncContents(const QUrl &shown)
{
    if (!engine_)
        return;
    QHelpContentWidget *contents = engine_->contentWidget();
    const QModelIndex index = contents->indexOf(shown);
    if (index.isValid()) {
        // The mark is the selection, not only the current entry: a click
        // selected the entry it was on, and that must not stay marked.
        contents->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        // The entry may lie in a closed chapter: open it so the mark shows.
        contents->scrollTo(index);
    }
}

QUrl THelpWindow::CurrentUrl() const
{
    return opened_ ? browser_->source() : QUrl();
}

QString THelpWindow::CurrentTitle() const
{
    return browser_->documentTitle();
}

void THelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qbx
