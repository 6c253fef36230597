#include "optionsdialog/gui/TOptionsForm.h"
#include "interaction/DialogFlags.h"

#include "desktop/Help.h"
#include "optionsdialog/OptionsPages.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <QCoreApplication>

namespace qbx {

namespace {

// The help topic of a page: the description's six pages have their own
// topics in order; the scan page shows the topic of adding a file tree.
int PageHelpContext(int index)
{
    return index < 6 ? HcTuningOptions + index : HcAddingTree;
}

// A text of the tables below in the user's language; a missing one is empty.
QString TrOptions(const char *text)
{
    return text ? QCoreApplication::translate("TOptionsForm", text) : QString();
}

// Check boxes that show one boolean of the controls.
struct BoolBox {
    const char *name;
    bool TOptionsControls::*field;
};
const BoolBox kBoolBoxes[] = {
    {"MainGeometryCheckBox", &TOptionsControls::mainGeometry},
    {"PanelGeometryCheckBox", &TOptionsControls::panelGeometry},
    {"SizeCheckBox", &TOptionsControls::emptySize},
    {"ExtraTagsCheckBox", &TOptionsControls::extraTags},
    {"ConfirmRecodeCheckBox", &TOptionsControls::confirmRecode},
    {"ConfirmInterruptCheckBox", &TOptionsControls::confirmInterrupt},
    {"ConfirmDeleteCheckBox", &TOptionsControls::confirmDelete},
    {"ConfirmUnsavedCheckBox", &TOptionsControls::confirmUnsaved},
    {"ConfirmOverwriteCheckBox", &TOptionsControls::confirmOverwrite},
    {"ConfirmEffectlessCheckBox", &TOptionsControls::confirmEffectless},
    {"ConfirmResearchCheckBox", &TOptionsControls::confirmResearch},
    {"Confirm100CheckBox", &TOptionsControls::confirm100},
    {"ConfirmHalfCheckBox", &TOptionsControls::confirmHalf},
    {"ConfirmEditCheckBox", &TOptionsControls::confirmEdit},
    {"ConfirmReviewCheckBox", &TOptionsControls::confirmReview},
};

// The confirmation boxes in scroll-box order, with their dependent boxes.
struct ConfirmRow {
    const char *name;
    const char *caption;
    const char *dependentName = nullptr;
    const char *dependentCaption = nullptr;
    TDependentBox TOptionsControls::*dependent = nullptr;
    TConfirmPair pair = TConfirmPair::Recode;
};
const ConfirmRow kConfirmRows[] = {
    {"ConfirmRecodeCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Открытие БД с неверной кодировкой"), "RecodeCheckBox",
     QT_TRANSLATE_NOOP("TOptionsForm", "на редактирование"), &TOptionsControls::recode, TConfirmPair::Recode},
    {"ConfirmInterruptCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Прекращение длительной операции")},
    {"ConfirmDeleteCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Удаление элементов и подэлементов")},
    {"ConfirmUnsavedCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Закрытие несохранённой базы данных"), "SaveCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "сохранять"),
     &TOptionsControls::save, TConfirmPair::Unsaved},
    {"ConfirmOverwriteCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Перезапись существующих файлов")},
    {"ConfirmEffectlessCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Обнаружение неэффективной логики")},
    {"ConfirmResearchCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Другой поиск, если не ничего найдено")},
    {"Confirm100CheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Найдено более 100 записей"), "More100CheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "спрашивать повторно"),
     &TOptionsControls::more100, TConfirmPair::More100},
    {"ConfirmHalfCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Найдено более половины всех записей"), "MoreHalfCheckBox",
     QT_TRANSLATE_NOOP("TOptionsForm", "спрашивать повторно"), &TOptionsControls::moreHalf, TConfirmPair::MoreHalf},
    {"ConfirmEditCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Редактирование результатов поиска")},
    {"ConfirmReviewCheckBox", QT_TRANSLATE_NOOP("TOptionsForm", "Изменение вида результатов поиска")},
};

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A titled group of radio buttons laid out in columns (filled top to bottom);
// the button group's ids are the items' indexes.
QGroupBox *AddRadioGroup(QWidget *parent, const char *name, const QString &title,
                         const QStringList &items, int columns, QButtonGroup *&group)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    group = new QButtonGroup(box);
    auto *grid = new QGridLayout(box);
    const int rows = int((items.size() + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(i));
        group->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    group->button(0)->setChecked(true);
    return box;
}

void CheckItem(QButtonGroup *group, int index)
{
    if (QAbstractButton *button = group->button(index))
        button->setChecked(true);
}

// A new page with its help context and the label that explains it on top;
// returns the page's layout for the controls below the label.
QVBoxLayout *NewPage(QWidget *&page, const char *name, int helpContext, const char *labelName,
                     const QString &text)
{
    page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    SetHelpContext(page, helpContext);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(AddLabel(page, labelName, text));
    return layout;
}

} // namespace

TOptionsForm::TOptionsForm(TOptionsStorage &storage, TPaneWidths &panes,
                           IOptionsWindow &mainWindow, IMessageBoxes &boxes,
                           IFolderPicker &folderPicker, QWidget *parent)
    : QDialog(parent, FixedDialogFlags),
      logic_(storage, panes, mainWindow, boxes, folderPicker, *this)
{
    FormCreate();
}

TOptionsForm::~TOptionsForm() = default;

QCheckBox *TOptionsForm::AddCheckBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    boxes_.insert(box->objectName(), box);
    return box;
}

void TOptionsForm::FormCreate()
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QCoreApplication::translate("TOptionsForm", "Параметры"));
    setWindowIcon(QApplication::windowIcon());
    SetHelpContext(this, HcTuningOptions);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    // All tabs stay visible, as on a page control with several rows.
    pages_->setUsesScrollButtons(false);
    const std::pair<QWidget *, const char *> pages[] = {
        {CreateStoragePage(), QT_TRANSLATE_NOOP("TOptionsForm", "&Место хранения")},
        {CreateFolderPage(), QT_TRANSLATE_NOOP("TOptionsForm", "&Рабочие папки")},
        {CreateSimplePage(kGeometryPage), QT_TRANSLATE_NOOP("TOptionsForm", "&Геометрия окна")},
        {CreateSimplePage(kSizePage, &sizeGroup_), QT_TRANSLATE_NOOP("TOptionsForm", "&Единица размера")},
        {CreateSimplePage(kSearchPage, &searchGroup_),
         QT_TRANSLATE_NOOP("TOptionsForm", "Результаты &поиска")},
        {CreateConfirmPage(), QT_TRANSLATE_NOOP("TOptionsForm", "Под&тверждения")},
        {CreateSimplePage(kScanPage), QT_TRANSLATE_NOOP("TOptionsForm", "&Добавление дерева")},
    };
    AddLanguageGroup(pages[4].first);
    for (const auto &[page, caption] : pages)
        pages_->addTab(page, TrOptions(caption));
    // F1 on the tab bar shows the topic of the page it has chosen.
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int index) { SetHelpContext(pages_->tabBar(), PageHelpContext(index)); });
    pages_->setCurrentIndex(0);
    SetHelpContext(pages_->tabBar(), HcTuningOptions);

    auto *defaultButton = new QPushButton(QCoreApplication::translate("TOptionsForm", "По &умолчанию"), this);
    defaultButton->setObjectName(QStringLiteral("DefaultButton"));
    defaultButton->setAutoDefault(false);
    auto *okButton = new QPushButton(QStringLiteral("O&K"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(QCoreApplication::translate("TOptionsForm", "&Отмена"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setAutoDefault(false);
    connect(defaultButton, &QPushButton::clicked, this, [this] { logic_.RestoreDefaults(); });
    connect(okButton, &QPushButton::clicked, this, [this] {
        logic_.ApplyControls();
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(defaultButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
    // A fixed border: the dialog keeps the size its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *TOptionsForm::CreateStoragePage()
{
    QWidget *page = nullptr;
    QVBoxLayout *layout = NewPage(page, "StorageTabSheet", HcTuningOptions, "StorageLabel",
                                  logic_.Texts().storageLabel);
    auto *row = new QHBoxLayout;
    row->addWidget(AddRadioGroup(page, "StorageRadioGroup", QCoreApplication::translate("TOptionsForm", "Место хранения"),
                                 {logic_.Texts().storeItem, logic_.Texts().iniItem}, 1,
                                 storageGroup_),
                   1);
    auto *column = new QVBoxLayout;
    using Click = void (TOptionsDialogLogic::*)();
    const std::tuple<const char *, const char *, Click> buttons[] = {
        {"LoadButton", QT_TRANSLATE_NOOP("TOptionsForm", "&Загрузить"), &TOptionsDialogLogic::LoadFromChosenPlace},
        {"SaveButton", QT_TRANSLATE_NOOP("TOptionsForm", "&Сохранить"), &TOptionsDialogLogic::SaveToChosenPlace},
        {"RemoveButton", QT_TRANSLATE_NOOP("TOptionsForm", "&Удалить"), &TOptionsDialogLogic::RemoveFromChosenPlace}};
    for (const auto &[name, caption, click] : buttons) {
        auto *button = new QPushButton(TrOptions(caption), page);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, c = click] { (logic_.*c)(); });
    }
    column->addStretch(1);
    row->addLayout(column);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget *TOptionsForm::CreateFolderPage()
{
    QWidget *page = nullptr;
    QVBoxLayout *layout =
        NewPage(page, "FolderTabSheet", HcTuningFolders, "FolderLabel", logic_.Texts().folderLabel);
    const auto addFolder = [&](const char *labelName, const char *caption, const char *editName,
                               const char *buttonName, const char *hint, QLineEdit *&edit,
                               QToolButton *&button) {
        layout->addWidget(AddLabel(page, labelName, TrOptions(caption)));
        edit = new QLineEdit(page);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setReadOnly(true);
        edit->installEventFilter(this);
        button = new QToolButton(page);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setAutoRaise(true); // a flat button
        button->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        button->setToolTip(TrOptions(hint));
        button->setStatusTip(TrOptions(hint));
        auto *row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(button);
        layout->addLayout(row);
    };
    addFolder("DbFolderLabel", QT_TRANSLATE_NOOP("TOptionsForm", "Папка баз данных:"), "DbFolderEdit", "DbSpeedButton",
              QT_TRANSLATE_NOOP("TOptionsForm", "Выберите папку с файлами баз данных"), dbFolderEdit_, dbSpeedButton_);
    addFolder("QryFolderLabel", QT_TRANSLATE_NOOP("TOptionsForm", "Папка сложных запросов:"), "QryFolderEdit", "QrySpeedButton",
              QT_TRANSLATE_NOOP("TOptionsForm", "Выберите папку с файлами сложных запросов"), qryFolderEdit_, qrySpeedButton_);
    layout->addStretch(1);
    connect(dbSpeedButton_, &QToolButton::clicked, this, [this] { logic_.PickDbFolder(); });
    connect(qrySpeedButton_, &QToolButton::clicked, this, [this] { logic_.PickQueryFolder(); });
    return page;
}

QWidget *TOptionsForm::CreateSimplePage(const TOptionsPageDef &def, QButtonGroup **radio)
{
    QWidget *page = nullptr;
    QVBoxLayout *layout =
        NewPage(page, def.name, def.helpContext, def.labelName, TrOptions(def.text));
    if (def.radioName) {
        QButtonGroup *unused = nullptr;
        QStringList items;
        for (const char *item : def.radioItems)
            items << TrOptions(item);
        layout->addWidget(AddRadioGroup(page, def.radioName, TrOptions(def.radioTitle),
                                        items, def.radioColumns, radio ? *radio : unused));
    }
    for (const auto &[name, caption] : def.checkBoxes)
        layout->addWidget(AddCheckBox(page, name, TrOptions(caption)));
    layout->addStretch(1);
    return page;
}

void TOptionsForm::AddLanguageGroup(QWidget *page)
{
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    // Before the stretch that ends the page. Each language is named in its
    // own language (the English translation keeps "Русский"), so a user can
    // find the way back from a language he cannot read.
    layout->insertWidget(
        layout->count() - 1,
        AddRadioGroup(page, "LanguageRadioGroup",
                      QCoreApplication::translate("TOptionsForm", "Язык интерфейса"),
                      {QCoreApplication::translate("TOptionsForm", "Как в системе"),
                       QCoreApplication::translate("TOptionsForm", "Русский"),
                       QStringLiteral("English")},
                      3, languageGroup_));
    layout->insertWidget(
        layout->count() - 1,
        AddLabel(page, "LanguageLabel",
                 QCoreApplication::translate("TOptionsForm",
                                             "Язык интерфейса сменится при следующем запуске "
                                             "программы.")));
}

QWidget *TOptionsForm::CreateConfirmPage()
{
    QWidget *page = nullptr;
    QVBoxLayout *layout = NewPage(
        page, "ConfirmTabSheet", HcTuningConfirm, "ConfirmLabel",
        QCoreApplication::translate("TOptionsForm", "По умолчанию Вам придётся вручную подтверждать выполнение всех важных "
                       "операций приложения. Вы можете отменить запрос некоторых "
                       "подтверждений."));
    scrollBox_ = new QScrollArea(page);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_->setWidgetResizable(true);
    auto *inner = new QWidget;
    auto *grid = new QGridLayout(inner);
    int row = 0;
    for (const ConfirmRow &r : kConfirmRows) {
        QCheckBox *main = AddCheckBox(inner, r.name, TrOptions(r.caption));
        main->setChecked(true);
        grid->addWidget(main, row, 0);
        if (r.dependentName) {
            QCheckBox *dependent =
                AddCheckBox(inner, r.dependentName, TrOptions(r.dependentCaption));
            dependent->setEnabled(false);
            grid->addWidget(dependent, row, 1);
            const TConfirmPair pair = r.pair;
            connect(main, &QCheckBox::clicked, this,
                    [this, pair] { logic_.MatchDependentBox(pair); });
        }
        ++row;
    }
    grid->setColumnStretch(2, 1);
    scrollBox_->setWidget(inner);
    scrollBox_->setMinimumHeight(std::min(inner->sizeHint().height(), 160));
    layout->addWidget(scrollBox_, 1);
    scrollBox_->verticalScrollBar()->setValue(0);
    return page;
}

TOptionsControls TOptionsForm::Controls() const
{
    TOptionsControls c;
    c.storage = storageGroup_->checkedId() == 1 ? TStoragePlace::IniFile : TStoragePlace::Registry;
    c.dbFolder = dbFolderEdit_->text();
    c.qryFolder = qryFolderEdit_->text();
    c.sizeUnit = std::max(0, sizeGroup_->checkedId());
    c.searchView = std::max(0, searchGroup_->checkedId());
    c.language = std::max(0, languageGroup_->checkedId());
    for (const BoolBox &b : kBoolBoxes)
        c.*b.field = boxes_.value(QLatin1String(b.name))->isChecked();
    for (const ConfirmRow &r : kConfirmRows) {
        if (!r.dependentName)
            continue;
        const QCheckBox *box = boxes_.value(QLatin1String(r.dependentName));
        c.*r.dependent = TDependentBox{box->isChecked(), box->isEnabled()};
    }
    return c;
}

void TOptionsForm::SetControls(const TOptionsControls &c)
{
    CheckItem(storageGroup_, int(c.storage));
    dbFolderEdit_->setText(c.dbFolder);
    qryFolderEdit_->setText(c.qryFolder);
    CheckItem(sizeGroup_, c.sizeUnit);
    CheckItem(searchGroup_, c.searchView);
    CheckItem(languageGroup_, c.language);
    for (const BoolBox &b : kBoolBoxes)
        boxes_.value(QLatin1String(b.name))->setChecked(c.*b.field);
    for (const ConfirmRow &r : kConfirmRows) {
        if (!r.dependentName)
            continue;
        QCheckBox *box = boxes_.value(QLatin1String(r.dependentName));
        box->setChecked((c.*r.dependent).checked);
        box->setEnabled((c.*r.dependent).enabled);
    }
}

void TOptionsForm::BringToFront()
{
    raise();
    activateWindow();
}

void TOptionsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    logic_.ShowOptions();
}

bool TOptionsForm::eventFilter(QObject *watched, QEvent *event)
{
    // F4 or Alt+Down in a folder edit opens the folder button's picker, as on
    // a drop-down list.
    if (event->type() == QEvent::KeyPress &&
        (watched == dbFolderEdit_ || watched == qryFolderEdit_)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if ((key->key() == Qt::Key_F4 && mods == Qt::NoModifier) ||
            (key->key() == Qt::Key_Down && mods == Qt::AltModifier)) {
            (watched == dbFolderEdit_ ? dbSpeedButton_ : qrySpeedButton_)->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qbx
