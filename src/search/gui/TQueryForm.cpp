#include "search/gui/TQueryForm.h"

#include "search/QueryComparison.h"
#include "search/QueryWords.h"
#include "search/gui/TQueryTreeViewWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace qbx {

namespace {

// A small picture per node kind: "?", "И", "ИЛИ", "НЕ" and a comparison.
QVariant KindPicture(int kind)
{
    static const QString marks[] = {QStringLiteral("?"), QStringLiteral("&"), QStringLiteral("|"),
                                    QStringLiteral("!"), QStringLiteral("=")};
    static const QColor colours[] = {Qt::gray, QColor(0, 100, 0), QColor(0, 0, 160),
                                     QColor(160, 0, 0), QColor(90, 90, 90)};
    if (kind < 0 || kind > QkCompare)
        return {};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(colours[kind]);
    p.drawRect(1, 1, 13, 13);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, marks[kind]);
    return QIcon(pixmap);
}

QPushButton *Button(const QString &name, const QString &caption, const QString &hint,
                    QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoDefault(false);
    return b;
}

QCheckBox *Check(const QString &name, const QString &caption, QWidget *parent)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

void SetItems(QComboBox *box, const QStringList &items, int current)
{
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(current);
}

} // namespace

TQueryForm::TQueryForm(const TOptions &options, const TWindowState &window,
                       TCatalogueDocument &document, IMessageBoxes &boxes,
                       IQueryFileDialogs &dialogs,
                       QWidget *parent)
    : QDialog(parent), editor_(options, window, document, boxes, dialogs)
{
    setObjectName(QStringLiteral("QueryForm"));
    setWindowTitle(QCoreApplication::translate("TQueryForm", "Поиск в базе данных"));
    setModal(true);
    setSizeGripEnabled(true);
    setMinimumSize(500, 280);
    editor_.Model().decoration = KindPicture;
    BuildControls();
    Connect();
    // FormCreate: the field list is filled once.
    lOperand_->addItems(ShownQueryWords(QueryFieldNames()));
    lOperand_->setCurrentIndex(-1);
    unit_->addItems(ShownQueryWords(QuerySizeUnits()));
    unit_->setCurrentIndex(-1);
    resize(640, 380);
    Sync();
}

TQueryForm::~TQueryForm()
{
    // The view goes before the model it shows.
    delete tree_;
}

void TQueryForm::BuildControls()
{
    BuildTreeControls();
    BuildConditionGroups();
    BuildFormButtons();
    LayOut();
    // The form sees the keys of every control first.
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

// The query tree and the buttons that add and delete its elements.
void TQueryForm::BuildTreeControls()
{
    tree_ = new TQueryTreeViewWidget(editor_, this);
    tree_->setObjectName(QStringLiteral("QueryTreeView"));
    tree_->setModel(&editor_.Model());

    addBoolean_ = Button(QStringLiteral("AddBooleanBitBtn"), QCoreApplication::translate("TQueryForm", "&Логика"),
                         QCoreApplication::translate("TQueryForm", "Добавить логический элемент (Ins)"), this);
    addCompare_ = Button(QStringLiteral("AddCompareBitBtn"), QCoreApplication::translate("TQueryForm", "&Сравнение"),
                         QCoreApplication::translate("TQueryForm", "Добавить элемент сравнения (Alt+Ins)"), this);
    deleteItem_ = Button(QStringLiteral("DeleteItemBitBtn"), QCoreApplication::translate("TQueryForm", "&Элемент"),
                         QCoreApplication::translate("TQueryForm", "Удалить элемент (Del)"), this);
}

// The groups that edit the selected comparison: left operand, operator,
// right operand, and the kinds of item searched.
void TQueryForm::BuildConditionGroups()
{
    lOperandGroup_ = new QGroupBox(QCoreApplication::translate("TQueryForm", "Л&евый операнд"), this);
    lOperandGroup_->setObjectName(QStringLiteral("LOperandGroupBox"));
    lOperand_ = new QComboBox(lOperandGroup_);
    lOperand_->setObjectName(QStringLiteral("LOperandComboBox"));
    (new QVBoxLayout(lOperandGroup_))->addWidget(lOperand_);

    operatorGroup_ = new QGroupBox(QCoreApplication::translate("TQueryForm", "О&ператор"), this);
    operatorGroup_->setObjectName(QStringLiteral("OperatorGroupBox"));
    operator_ = new QComboBox(operatorGroup_);
    operator_->setObjectName(QStringLiteral("OperatorComboBox"));
    (new QVBoxLayout(operatorGroup_))->addWidget(operator_);

    rOperandGroup_ = new QGroupBox(QCoreApplication::translate("TQueryForm", "П&равый операнд"), this);
    rOperandGroup_->setObjectName(QStringLiteral("ROperandGroupBox"));
    value_ = new QLineEdit(rOperandGroup_);
    value_->setObjectName(QStringLiteral("ROperandEdit"));
    number_ = new QSpinBox(rOperandGroup_);
    number_->setObjectName(QStringLiteral("ROperandSpinEdit"));
    number_->setRange(0, 2147483647);
    unit_ = new QComboBox(rOperandGroup_);
    unit_->setObjectName(QStringLiteral("ROperandComboBox"));
    case_ = Check(QStringLiteral("CaseCheckBox"), QCoreApplication::translate("TQueryForm", "&Учитывать регистр символов"),
                  rOperandGroup_);
    auto *operandRow = new QHBoxLayout;
    operandRow->addWidget(value_, 1);
    operandRow->addWidget(number_, 1);
    operandRow->addWidget(unit_);
    auto *rLayout = new QVBoxLayout(rOperandGroup_);
    rLayout->addLayout(operandRow);
    rLayout->addWidget(case_);

    typeGroup_ = new QGroupBox(QCoreApplication::translate("TQueryForm", "Искать только"), this);
    typeGroup_->setObjectName(QStringLiteral("TypeGroupBox"));
    cd_ = Check(QStringLiteral("CDCheckBox"), QCoreApplication::translate("TQueryForm", "&Компакт-диски"), typeGroup_);
    folder_ = Check(QStringLiteral("FolderCheckBox"), QCoreApplication::translate("TQueryForm", "&Папки"), typeGroup_);
    file_ = Check(QStringLiteral("FileCheckBox"), QCoreApplication::translate("TQueryForm", "&Файлы"), typeGroup_);
    auto *typeLayout = new QHBoxLayout(typeGroup_);
    for (QCheckBox *c : {cd_, folder_, file_}) {
        c->setChecked(true);
        typeLayout->addWidget(c);
    }
}

void TQueryForm::BuildFormButtons()
{
    new_ = Button(QStringLiteral("NewButton"), QCoreApplication::translate("TQueryForm", "&Новый"),
                  QCoreApplication::translate("TQueryForm", "Создать новый запрос (Ctrl+N)"), this);
    load_ = Button(QStringLiteral("LoadButton"), QCoreApplication::translate("TQueryForm", "&Загрузить..."),
                   QCoreApplication::translate("TQueryForm", "Загрузить запрос из файла (Ctrl+O)"), this);
    save_ = Button(QStringLiteral("SaveButton"), QCoreApplication::translate("TQueryForm", "Со&хранить..."),
                   QCoreApplication::translate("TQueryForm", "Сохранить запрос в файл (Ctrl+S)"), this);
    ok_ = Button(QStringLiteral("OKButton"), QStringLiteral("O&K"),
                 QCoreApplication::translate("TQueryForm", "Проверить запрос и начать поиск"), this);
    ok_->setDefault(true);
    cancel_ = Button(QStringLiteral("CancelButton"), QCoreApplication::translate("TQueryForm", "&Отмена"),
                     QCoreApplication::translate("TQueryForm", "Отменить поиск и закрыть окно"), this);
}

// The tree with its buttons left, the groups right, the form's buttons below.
void TQueryForm::LayOut()
{
    auto *treeButtons = new QHBoxLayout;
    for (QPushButton *b : {addBoolean_, addCompare_, deleteItem_})
        treeButtons->addWidget(b);
    auto *left = new QVBoxLayout;
    left->addWidget(tree_, 1);
    left->addLayout(treeButtons);
    auto *right = new QVBoxLayout;
    for (QGroupBox *g : {lOperandGroup_, operatorGroup_, rOperandGroup_, typeGroup_})
        right->addWidget(g);
    right->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto *bottom = new QHBoxLayout;
    for (QPushButton *b : {new_, load_, save_})
        bottom->addWidget(b);
    bottom->addStretch(1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

void TQueryForm::Connect()
{
    editor_.changed = [this] { Sync(); };
    editor_.expand = [this](TQueryNode *node) { tree_->expand(editor_.Model().IndexOf(node)); };
    editor_.expandAll = [this] { tree_->expandAll(); };

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!syncing_)
                    editor_.Select(editor_.Model().NodeOf(current));
            });
    // A new tree (New, Load) replaces the model's rows and with them the
    // current index: select the editor's node again.
    connect(&editor_.Model(), &QAbstractItemModel::modelReset, this, [this] { Sync(); });
    connect(addBoolean_, &QPushButton::clicked, this, [this] { editor_.AddBoolean(); });
    connect(addCompare_, &QPushButton::clicked, this, [this] { editor_.AddCompare(); });
    connect(deleteItem_, &QPushButton::clicked, this, [this] { editor_.DeleteSelected(); });
    connect(new_, &QPushButton::clicked, this, [this] { editor_.ClearQuery(); });
    connect(load_, &QPushButton::clicked, this, [this] { editor_.LoadWithDialog(); });
    connect(save_, &QPushButton::clicked, this, [this] { editor_.SaveWithDialog(); });
    connect(ok_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto guarded = [this](auto f) {
        return [this, f](auto value) {
            if (!syncing_)
                f(value);
        };
    };
    connect(lOperand_, &QComboBox::activated, this,
            guarded([this](int i) { editor_.ChooseField(i); }));
    connect(operator_, &QComboBox::activated, this,
            guarded([this](int i) { editor_.ChooseOperator(i); }));
    connect(value_, &QLineEdit::textEdited, this,
            guarded([this](const QString &t) { editor_.SetValue(t); }));
    connect(number_, &QSpinBox::valueChanged, this,
            guarded([this](int n) { editor_.SetNumber(n); }));
    connect(unit_, &QComboBox::activated, this, guarded([this](int i) { editor_.ChooseUnit(i); }));
    connect(case_, &QCheckBox::toggled, this, guarded([this](bool on) { editor_.SetMatchCase(on); }));
    for (QCheckBox *c : {cd_, folder_, file_})
        connect(c, &QCheckBox::toggled, this, guarded([this](bool) {
                    editor_.SetKinds(cd_->isChecked(), folder_->isChecked(), file_->isChecked());
                }));
}

void TQueryForm::Sync()
{
    syncing_ = true;
    const TQueryControls &c = editor_.Controls();
    addBoolean_->setEnabled(c.addBoolean);
    addCompare_->setEnabled(c.addCompare);
    deleteItem_->setEnabled(c.deleteItem);
    lOperandGroup_->setEnabled(c.fieldEnabled);
    lOperand_->setCurrentIndex(c.field);
    operatorGroup_->setEnabled(c.operatorEnabled);
    SetItems(operator_, ShownQueryWords(c.operators), c.op);

    const bool size = c.form == TOperandForm::Size;
    rOperandGroup_->setEnabled(c.form != TOperandForm::Disabled);
    value_->setVisible(!size);
    value_->setEnabled(c.form == TOperandForm::Text);
    number_->setVisible(size);
    unit_->setVisible(size);
    number_->setEnabled(size);
    unit_->setEnabled(size);
    if (value_->text() != c.value)
        value_->setText(c.value);
    number_->setValue(c.number);
    unit_->setCurrentIndex(c.unit);
    case_->setEnabled(c.caseEnabled);
    case_->setChecked(c.caseSensitive);

    cd_->setChecked(c.cd);
    folder_->setChecked(c.folder);
    file_->setChecked(c.file);
    new_->setEnabled(c.newEnabled);
    save_->setEnabled(c.saveEnabled);
    ok_->setEnabled(c.okEnabled);

    const QModelIndex selected = editor_.Model().IndexOf(editor_.Selected());
    if (tree_->currentIndex() != selected)
        tree_->setCurrentIndex(selected);
    syncing_ = false;
}

void TQueryForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    editor_.PrepareToShow();
    tree_->setFocus();
}

void TQueryForm::OKButtonClick()
{
    if (editor_.Accept())
        accept();
}

bool TQueryForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(watched, static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool TQueryForm::FormKeyDown(QObject *target, const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    auto click = [](QPushButton *b) {
        if (b->isEnabled())
            b->click();
        return true;
    };
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return click(ok_);
    case Qt::Key_Escape:
        return click(cancel_);
    case Qt::Key_Insert:
        if (mods == Qt::NoModifier)
            return click(addBoolean_);
        return mods == Qt::AltModifier && click(addCompare_);
    case Qt::Key_Delete:
        if (mods != Qt::NoModifier)
            return false;
        // The key goes to the control with the focus: in the value edit or
        // the spin edit Del edits the text.
        if (target == value_ || target == number_ ||
            (target->isWidgetType() && number_->isAncestorOf(static_cast<QWidget *>(target))))
            return false;
        return click(deleteItem_);
    case Qt::Key_F1:
        if (OnHelp)
            OnHelp(HelpContext);
        return true;
    default:
        break;
    }
    if (mods != Qt::ControlModifier)
        return false;
    // The same keys on a Russian layout give the Cyrillic letters Т, Щ and Ы.
    if (key == Qt::Key_N || key == 0x0422)
        return click(new_);
    if (key == Qt::Key_O || key == 0x0429)
        return click(load_);
    if (key == Qt::Key_S || key == 0x042B)
        return click(save_);
    return false;
}

} // namespace qbx
