#include "app/MainWindow.h"

#include "app/CommandTable.h"
#include "app/ImagesGui.h"
#include "app/StartUp.h"
#include "app/StatusPanelsWidget.h"
#include "options/TOptions.h"
#include "tree/TTreeModel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qbx {

namespace {

const char HelpContextProperty[] = "HelpContext";
constexpr int DesignTreeWidth = 225;
constexpr int DesignValueWidth = 245;
constexpr int DescrRowCount = 7;
constexpr int SizeRow = 5;

// Display names of the catalogue table's seven fields, in schema order.
const char *const DescrRowNames[DescrRowCount] = {"Метка компакт-диска",
                                                  "Полный путь",
                                                  "Производитель",
                                                  "Продукт",
                                                  "Версия",
                                                  "Размер",
                                                  "Описание"};

void SetupTreeView(QTreeView *tree, const char *name, int helpContext)
{
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setIndentation(19);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setUniformRowHeights(true);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setProperty(HelpContextProperty, helpContext);
    tree->hide();
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), boxes_(this)
{
    FormCreate();
}

TMainForm::~TMainForm()
{
    // The application-wide key filter must not outlive the window.
    if (shown_)
        qApp->removeEventFilter(this);
}

void TMainForm::FormCreate()
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(AppTitle());
    setWindowIcon(AppIcon());
    setProperty(HelpContextProperty, 1);

    // The options' AppCaption is the window's caption, so it is set first.
    options_ = std::make_unique<TOptions>(windowTitle());
    options_->Load();
    operation_ = std::make_unique<TLongOperation>(*options_, *this, boxes_);
    shell_ = std::make_unique<TMainShell>(*options_, commands_, *this, *operation_, boxes_);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePanes();
    CreateStatusBar();
    SetHandler(cmd::ExitAppAction, [this] { ExitAppClick(); });

    // The design widths replace the options' initial pane widths; remembered
    // widths are applied at first activation.
    options_->EntireValueWidth = options_->FoundValueWidth = DesignValueWidth;
    options_->EntireTreeWidth = options_->FoundTreeWidth = DesignTreeWidth;

    resize(592, 404 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + 34);
    setMinimumHeight(400);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TMainForm::CreatePanes()
{
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->setHandleWidth(2);
    splitter_->setChildrenCollapsible(false); // no snapping
    splitter_->setOpaqueResize(true);

    leftPanel_ = new QWidget(splitter_);
    leftPanel_->setObjectName(QStringLiteral("LeftPanel"));
    leftPanel_->setMinimumWidth(32);
    leftPanel_->setProperty(HelpContextProperty, 3);
    auto *leftLayout = new QVBoxLayout(leftPanel_);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    mainTree_ = new QTreeView(leftPanel_);
    SetupTreeView(mainTree_, "MainTreeView", 4);
    mainTree_->setDragEnabled(true);
    searchTree_ = new QTreeView(leftPanel_);
    SetupTreeView(searchTree_, "SearchTreeView", 5);
    searchTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    leftLayout->addWidget(mainTree_);
    leftLayout->addWidget(searchTree_);
    for (QTreeView *tree : {mainTree_, searchTree_}) {
        connect(tree, &QWidget::customContextMenuRequested, this,
                [this, tree](const QPoint &pos) { ShowTreePopup(tree, pos); });
    }

    rightPanel_ = new QWidget(splitter_);
    rightPanel_->setObjectName(QStringLiteral("RightPanel"));
    rightPanel_->setMinimumWidth(32);
    auto *rightLayout = new QVBoxLayout(rightPanel_);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    descrList_ = new QTreeWidget(rightPanel_);
    descrList_->setObjectName(QStringLiteral("DescrListView"));
    descrList_->setProperty(HelpContextProperty, 6);
    descrList_->setColumnCount(2);
    descrList_->setHeaderLabels({QStringLiteral("Поле"), QStringLiteral("Значение")});
    descrList_->setRootIsDecorated(false);
    descrList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    descrList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    descrList_->header()->setSectionsClickable(false);
    descrList_->header()->setSectionsMovable(false);
    descrList_->header()->setStretchLastSection(false);
    descrList_->setColumnWidth(0, 120);
    descrList_->setColumnWidth(1, DesignValueWidth);
    QFont font = descrList_->font();
    font.setPixelSize(12);
    descrList_->setFont(font);
    rightLayout->addWidget(descrList_);

    splitter_->addWidget(leftPanel_);
    splitter_->addWidget(rightPanel_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    leftPanel_->hide();
    rightPanel_->hide();
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { SplitterMoved(); });
    setCentralWidget(splitter_);
}

void TMainForm::CreateStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setProperty(HelpContextProperty, 7);
    panels_ = new TStatusPanelsWidget(bar);
    panels_->setObjectName(QStringLiteral("StatusPanels"));
    bar->addWidget(panels_, 1);
    setStatusBar(bar);
    bar->installEventFilter(this);

    progressBar_ = new QProgressBar(bar);
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setTextVisible(false);
    progressBar_->setProperty(HelpContextProperty, 7);
    progressBar_->hide();

    cancelButton_ = new QPushButton(QStringLiteral("Стоп"), bar);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    cancelButton_->setProperty(HelpContextProperty, 7);
    QFont small = cancelButton_->font();
    small.setPixelSize(9);
    cancelButton_->setFont(small);
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this,
            [this] { operation_->CancelButtonClick(); });
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

void TMainForm::FormShow()
{
    descrList_->clear();
    for (const char *name : DescrRowNames)
        new QTreeWidgetItem(descrList_, {QString::fromUtf8(name), QString()});

    // Panel 0 fits the longest hint; the window cannot get narrower than that.
    int widest = 0;
    const QFontMetrics fm(font());
    for (const TCommandDef &def : CommandTable())
        widest = std::max(widest, fm.horizontalAdvance(def.hint));
    panels_->SetPanelWidth(0, widest + 5);
    setMinimumWidth(widest + 48);

    // Keys reach the window before its controls (Esc stops an operation).
    qApp->installEventFilter(this);
    shell_->SetDbState(0);
    FormResize();
}

void TMainForm::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    const int view = options_->SearchView;
    commands_.SetChecked(FirstFoundViewSet + ((view >= 0 && view <= 3) ? view : 0), true);
    shell_->OpenCommandLine(commandLine_, QDir::currentPath());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    switch (shell_->FormClose()) {
    case TCloseAnswer::Close:
        event->accept();
        break;
    case TCloseAnswer::Stay:
    case TCloseAnswer::AfterOperation:
        event->ignore();
        break;
    }
}

void TMainForm::ContinueClose()
{
    QTimer::singleShot(0, this, [this] { close(); });
}

void TMainForm::ExitAppClick()
{
    close();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize()
{
    if (!progressBar_->isVisible())
        return;
    const QStatusBar *bar = statusBar();
    const int panel0 = panels_->PanelWidth(0) + panels_->x();
    const int h = bar->height();
    progressBar_->setGeometry(panel0 + 2, 2, std::max(0, bar->width() - panel0 - 34), h - 4);
    cancelButton_->setGeometry(bar->width() - 32, 3, 31, std::max(15, h - 6));
    cancelButton_->raise();
}

void TMainForm::SplitterMoved()
{
    shell_->SplitterMoved(leftPanel_->width());
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        shell_->ShowStatusHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (cancelButton_->isVisible() && shell_->FormKeyDown(key->key(), key->modifiers()))
            return true;
    } else if (watched == statusBar() && event->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- IMainView ---------------------------------------------------------------

void TMainForm::SetWindowCaption(const QString &caption)
{
    setWindowTitle(caption);
    QGuiApplication::setApplicationDisplayName(caption);
}

void TMainForm::ShowPanes(bool shown)
{
    leftPanel_->setVisible(shown);
    rightPanel_->setVisible(shown);
}

void TMainForm::ShowTree(TTreeKind tree)
{
    mainTree_->setVisible(tree == TTreeKind::Main);
    searchTree_->setVisible(tree == TTreeKind::Search);
}

void TMainForm::SetPaneWidths(int treeWidth, int valueWidth)
{
    const int total = splitter_->width() - splitter_->handleWidth();
    splitter_->setSizes({treeWidth, std::max(32, total - treeWidth)});
    descrList_->setColumnWidth(1, valueWidth);
}

void TMainForm::SetSplitterCursor(bool split)
{
    if (QSplitterHandle *handle = splitter_->handle(1))
        handle->setCursor(split ? Qt::SplitHCursor : Qt::ArrowCursor);
}

namespace {
// A tree holds more than its root: the root has children or is not alone.
bool MoreThanRoot(const QTreeView *tree)
{
    const QAbstractItemModel *m = tree->model();
    if (!m || m->rowCount() == 0)
        return false;
    return m->rowCount() > 1 || m->rowCount(m->index(0, 0)) > 0;
}
} // namespace

bool TMainForm::SearchTreeHasResults() const
{
    return MoreThanRoot(searchTree_);
}
bool TMainForm::MainTreeHasMoreThanRoot() const
{
    return MoreThanRoot(mainTree_);
}

void TMainForm::AttachSelectionHandler(TTreeKind tree)
{
    attachedTree_ = tree;
}

void TMainForm::SetTreeModel(TTreeKind tree, QAbstractItemModel *model)
{
    QTreeView *view = tree == TTreeKind::Main ? mainTree_ : searchTree_;
    view->setModel(model);
    // A tree model keeps the selection itself, so the tree logic sees the
    // view's selection without the view.
    if (auto *treeModel = qobject_cast<TTreeModel *>(model)) {
        QItemSelectionModel *own = view->selectionModel();
        view->setSelectionModel(treeModel->SelectionModel());
        if (own && own != treeModel->SelectionModel())
            own->deleteLater();
    }
    if (QItemSelectionModel *sel = view->selectionModel()) {
        connect(sel, &QItemSelectionModel::selectionChanged, this, [this, tree] {
            if (attachedTree_ == tree && shell_->hooks.SelectionChange)
                shell_->hooks.SelectionChange(tree);
        });
    }
}

QTreeView *TMainForm::ActiveTree() const
{
    switch (shell_->ActiveTree()) {
    case TTreeKind::Main:
        return mainTree_;
    case TTreeKind::Search:
        return searchTree_;
    case TTreeKind::None:
        break;
    }
    return nullptr;
}

void TMainForm::ExpandAndSelectRoot()
{
    const QAbstractItemModel *m = mainTree_->model();
    if (!m || m->rowCount() == 0)
        return;
    const QModelIndex root = m->index(0, 0);
    mainTree_->expand(root);
    mainTree_->setCurrentIndex(root);
}

void TMainForm::FinishModeSwitch(TTreeKind tree)
{
    descrList_->viewport()->update();
    if (QTreeView *view = tree == TTreeKind::Main ? mainTree_ : searchTree_; view->isVisible())
        view->setFocus();
}

QString TMainForm::SizeRowText() const
{
    const QTreeWidgetItem *row = descrList_->topLevelItem(SizeRow);
    return row ? row->text(1) : QString();
}

QString TMainForm::StatusPanelText() const
{
    return panels_->Text(0);
}
void TMainForm::SetStatusPanelText(const QString &text)
{
    panels_->SetText(0, text);
}
void TMainForm::SetTreePopupEnabled(bool enabled)
{
    treePopupEnabled_ = enabled;
}

// --- IOperationView ----------------------------------------------------------

void TMainForm::ShowOperation(const QString &title, int maximum)
{
    panels_->SetText(0, title);
    progressBar_->setRange(0, std::max(0, maximum));
    progressBar_->setValue(0);
    progressBar_->show();
    cancelButton_->show();
    FormResize();
}

void TMainForm::SetProgress(int position)
{
    progressBar_->setValue(position);
}

void TMainForm::HideOperation()
{
    panels_->SetText(0, QString());
    progressBar_->setValue(0);
    progressBar_->hide();
    cancelButton_->hide();
}

void TMainForm::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void TMainForm::FocusStatusBar()
{
    statusBar()->setFocus();
}

} // namespace qbx
