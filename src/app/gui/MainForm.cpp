#include "app/gui/MainForm.h"

#include "app/gui/Images.h"
#include "app/gui/PaneTreeWidget.h"
#include "app/StartUp.h"
#include "app/gui/StatusPanelsWidget.h"
#include "options/TOptions.h"
#include "options/TOptionsStorage.h"
#include "platform/Check.h"
#include "platform/RegisterFileType.h"
#include "interaction/CommandTable.h"
#include "desktop/Help.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
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
#include <QCoreApplication>

namespace qbx {

namespace {

constexpr int DesignTreeWidth = 225;
constexpr int DesignValueWidth = 245;
constexpr int DescrRowCount = 7;

// Display names of the catalogue table's seven fields, in schema order.
const char *const DescrRowNames[DescrRowCount] = {QT_TRANSLATE_NOOP("MainWindow", "Метка компакт-диска"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Полный путь"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Производитель"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Продукт"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Версия"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Размер"),
                                                  QT_TRANSLATE_NOOP("MainWindow", "Описание")};

void SetupTreeView(QTreeView *tree, const char *name, int helpContext)
{
    tree->setObjectName(QString::fromLatin1(name));
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setIndentation(19);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setUniformRowHeights(true);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    SetHelpContext(tree, helpContext);
    tree->hide();
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), boxes_(this)
{
    setObjectName(QStringLiteral("MainForm"));
    // The mode logic's AppCaption is the window's caption.
    setWindowTitle(AppTitle());
    setWindowIcon(AppIcon());
    // No help context of its own: F1 with no control focused opens the
    // contents; the menu bar carries the main menu's topic.

    RegisterFileType(QStringLiteral(".db"), QStringLiteral("QubrixDB"), 1,
                     QStringLiteral("База данных по компакт-дискам"));
    RegisterFileType(QStringLiteral(".cdq"), QStringLiteral("QubrixQ"), 2,
                     QStringLiteral("Сложный запрос по компакт-дискам"));
}

TMainForm::~TMainForm()
{
    Detach();
}

void TMainForm::Detach()
{
    // The application-wide key filter reaches the session: it goes first.
    if (filtering_)
        qApp->removeEventFilter(this);
    filtering_ = false;
}

void TMainForm::Attach(TSession &session)
{
    QBX_CHECK(!session_, "the window is attached to one session");
    session_ = &session;
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePanes();
    CreateStatusBar();
    SetHandler(cmd::ExitAppAction, [this] { ExitAppClick(); });

    // The design widths replace the initial pane widths; remembered widths
    // are applied at first activation.
    TPaneWidths &panes = WindowState().Panes;
    panes.EntireValueWidth = panes.FoundValueWidth = DesignValueWidth;
    panes.EntireTreeWidth = panes.FoundTreeWidth = DesignTreeWidth;

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
    SetHelpContext(leftPanel_, 3);
    auto *leftLayout = new QVBoxLayout(leftPanel_);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    mainTree_ = new TPaneTreeWidget(leftPanel_);
    SetupTreeView(mainTree_, "MainTreeView", 4);
    mainTree_->setDragEnabled(true);
    searchTree_ = new TPaneTreeWidget(leftPanel_);
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
    SetHelpContext(descrList_, 6);
    descrList_->setColumnCount(2);
    descrList_->setHeaderLabels({QCoreApplication::translate("MainWindow", "Поле"), QCoreApplication::translate("MainWindow", "Значение")});
    descrList_->setRootIsDecorated(false);
    descrList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    descrList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    descrList_->header()->setSectionsClickable(false);
    descrList_->header()->setSectionsMovable(false);
    descrList_->header()->setStretchLastSection(false);
    descrList_->setColumnWidth(0, 120);
    descrList_->setColumnWidth(1, DesignValueWidth);
    // "Значение" reaches the pane's right edge; the width the user gives it
    // (or the options remember) is what it keeps in a narrower pane.
    connect(descrList_->header(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (fittingValue_)
                    return;
                if (section == 1)
                    valueWidth_ = size;
                FitValueColumn();
            });
    descrList_->viewport()->installEventFilter(this);
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
    splitter_->installEventFilter(this);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { SplitterMoved(); });

    // With a catalogue open and no pane shown the window would be empty:
    // it says how to see the contents or search them.
    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->addWidget(splitter_);
    openHint_ = new QLabel(OpenHintText(), central);
    openHint_->setObjectName(QStringLiteral("OpenHintLabel"));
    openHint_->setAlignment(Qt::AlignCenter);
    openHint_->setWordWrap(true);
    openHint_->setMargin(16);
    openHint_->setForegroundRole(QPalette::PlaceholderText);
    openHint_->hide();
    centralLayout->addWidget(openHint_);
    setCentralWidget(central);
}

QString TMainForm::OpenHintText()
{
    return QCoreApplication::translate("MainWindow", "База данных открыта.\n\nЧтобы увидеть её содержимое, выберите "
                          "«Вид» → «Всё содержимое» (Ctrl+E).\nЧтобы найти в ней элементы, "
                          "выберите «Поиск» → «Глобальный поиск...» (Ctrl+F) или другой поиск.");
}

void TMainForm::FitValueColumn()
{
    const int room = descrList_->viewport()->width() - descrList_->columnWidth(0);
    fittingValue_ = true;
    descrList_->header()->resizeSection(1, std::max(valueWidth_, room));
    fittingValue_ = false;
}

void TMainForm::CreateStatusBar()
{
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    SetHelpContext(bar, 7);
    panels_ = new TStatusPanelsWidget(bar);
    panels_->setObjectName(QStringLiteral("StatusPanels"));
    bar->addWidget(panels_, 1);
    setStatusBar(bar);
    bar->installEventFilter(this);

    progressBar_ = new QProgressBar(bar);
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setTextVisible(false);
    SetHelpContext(progressBar_, 7);
    progressBar_->hide();

    cancelButton_ = new QPushButton(QCoreApplication::translate("MainWindow", "Стоп"), bar);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    SetHelpContext(cancelButton_, 7);
    QFont small = cancelButton_->font();
    small.setPixelSize(9);
    cancelButton_->setFont(small);
    cancelButton_->hide();
    connect(cancelButton_, &QPushButton::clicked, this,
            [this] { Operation().PressStop(); });
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
        new QTreeWidgetItem(descrList_, {QCoreApplication::translate("MainWindow", name), QString()});

    // Panel 0 fits the longest hint; the window cannot get narrower than that.
    int widest = 0;
    const QFontMetrics fm(font());
    for (const TCommandDef &def : CommandTable())
        widest = std::max(widest, fm.horizontalAdvance(def.hint));
    panels_->SetPanelWidth(0, widest + 5);
    setMinimumWidth(widest + 48);
    // The design size assumed a narrower font; start wide enough for both
    // status panels (remembered geometry is applied at first activation).
    const int wanted = widest + 5 + 2 + panels_->PanelWidth(1) + 8;
    if (width() < wanted) {
        const QPoint centre = geometry().center();
        resize(wanted, height());
        move(centre - rect().center());
    }

    // The field names fit their column whatever the font.
    int nameWidth = 120;
    const QFontMetrics listFm(descrList_->font());
    for (const char *name : DescrRowNames)
        nameWidth = std::max(nameWidth, listFm.horizontalAdvance(QCoreApplication::translate("MainWindow", name)) + 12);
    descrList_->setColumnWidth(0, nameWidth);

    // Keys reach the window before its controls (Esc stops an operation).
    qApp->installEventFilter(this);
    filtering_ = true;
    ModeLogic().SetDbState(DbNone);
    FormResize();
    ApplyFolders(Options(), *this);
}

void TMainForm::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    ApplyMainGeometry(Options().MainGeometry, *this);
    WindowState().Panes.ApplyPanelGeometry(Options().PanelGeometry, *this);
    const int view = Options().SearchView;
    Commands().SetChecked(CommandAt(FirstFoundViewSet + ((view >= 0 && view <= 3) ? view : 0)),
                          true);
    const QString &warning = session_->OptionsStorage().LoadWarning;
    if (!warning.isEmpty())
        MessageBoxes().Show(warning, WindowState().AppCaption(), TMsgIcon::Warning, MbOk);
    ModeLogic().OpenCommandLine(commandLine_, QDir::currentPath());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    switch (ModeLogic().Close()) {
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
    const int panel0 = panels_->ShownWidth(0) + panels_->x();
    const int h = bar->height();
    progressBar_->setGeometry(panel0 + 2, 2, std::max(0, bar->width() - panel0 - 34), h - 4);
    cancelButton_->setGeometry(bar->width() - 32, 3, 31, std::max(15, h - 6));
    cancelButton_->raise();
}

void TMainForm::SplitterMoved()
{
    ModeLogic().LeftPaneResized(leftPanel_->width());
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ModeLogic().ShowStatusHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip && qobject_cast<QMenu *>(watched)) {
        ModeLogic().ShowStatusHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (cancelButton_->isVisible() && ModeLogic().HandleKey(key->key(), key->modifiers()))
            return true;
    } else if (event->type() == QEvent::Show && Operation().Running() && watched->isWidgetType() &&
               static_cast<QWidget *>(watched)->isModal()) {
        // A question in the middle of an operation (a name conflict, the
        // interrupt question) shows the progress as it is, not as it was at
        // the last paced update.
        Operation().ShowProgress();
    } else if (descrList_ && watched == descrList_->viewport() && event->type() == QEvent::Resize) {
        FitValueColumn();
    } else if (watched == statusBar() && event->type() == QEvent::Resize) {
        FormResize();
    } else if (watched == splitter_ && event->type() == QEvent::Resize && pendingLeftWidth_ >= 0) {
        SetLeftPanelWidth(pendingLeftWidth_);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ExpandRoot(TTreeKind tree)
{
    const bool main = tree == TTreeKind::Main;
    TTreeModel &model = main ? session_->MainModel() : session_->SearchModel();
    QTreeView *view = main ? mainTree_ : searchTree_;
    const QModelIndex root = model.IndexOf(model.Tree().Root());
    if (!view->isExpanded(root))
        view->expand(root);
}

} // namespace qbx
