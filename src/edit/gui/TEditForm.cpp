#include "edit/gui/TEditForm.h"
#include "interaction/DialogFlags.h"
#include "tree/FieldCapacities.h"

#include "interaction/MessageBoxes.h"
#include "options/TOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QCoreApplication>

namespace qbx {

namespace {

QLineEdit *Edit(QWidget *parent, const char *name, int maxLength, bool readOnly = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    e->setReadOnly(readOnly);
    return e;
}

QLabel *Label(QWidget *parent, const char *name, const char *text, QWidget *buddy)
{
    auto *l = new QLabel(QCoreApplication::translate("TEditForm", text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TEditForm::TEditForm(IMessageBoxes &boxes, const TOptions &options, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), boxes_(boxes), options_(options),
      labelEdit_(Edit(this, "LabelEdit", kLabelCapacity, true)),
      pathEdit_(Edit(this, "PathEdit", kPathCapacity, true)),
      folderCheckBox_(new QCheckBox(QCoreApplication::translate("TEditForm", "&Папка"), this)),
      producerEdit_(Edit(this, "ProducerEdit", kProducerCapacity)),
      productEdit_(Edit(this, "ProductEdit", kProductCapacity)),
      versionEdit_(Edit(this, "VersionEdit", kVersionCapacity)), sizeSpinEdit_(new QSpinBox(this)),
      sizeComboBox_(new QComboBox(this)), descrEdit_(Edit(this, "DescrEdit", kDescriptionCapacity)),
      okButton_(new QPushButton(QStringLiteral("O&K"), this)),
      cancelButton_(new QPushButton(QCoreApplication::translate("TEditForm", "&Отмена"), this))
{
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QCoreApplication::translate("TEditForm", "Редактирование описания"));
    setModal(true);
    folderCheckBox_->setObjectName(QStringLiteral("FolderCheckBox"));
    sizeSpinEdit_->setObjectName(QStringLiteral("SizeSpinEdit"));
    sizeSpinEdit_->setRange(0, kEditSizeMax);
    sizeComboBox_->setObjectName(QStringLiteral("SizeComboBox"));
    sizeComboBox_->addItems(
        {QCoreApplication::translate("TEditForm", "байт"), QCoreApplication::translate("TEditForm", "кБ"), QCoreApplication::translate("TEditForm", "МБ"), QCoreApplication::translate("TEditForm", "ГБ")});
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(Label(this, "LabelLabel", QT_TRANSLATE_NOOP("TEditForm", "Метка компакт-диска:"), labelEdit_), 0, 0);
    grid->addWidget(labelEdit_, 0, 1);
    grid->addWidget(Label(this, "PathLabel", QT_TRANSLATE_NOOP("TEditForm", "Полный путь:"), pathEdit_), 1, 0);
    grid->addWidget(pathEdit_, 1, 1);
    grid->addWidget(folderCheckBox_, 2, 1);
    grid->addWidget(Label(this, "ProducerLabel", QT_TRANSLATE_NOOP("TEditForm", "Производитель:"), producerEdit_), 3, 0);
    grid->addWidget(producerEdit_, 3, 1);
    grid->addWidget(Label(this, "ProductLabel", QT_TRANSLATE_NOOP("TEditForm", "Продукт:"), productEdit_), 4, 0);
    grid->addWidget(productEdit_, 4, 1);
    grid->addWidget(Label(this, "VersionLabel", QT_TRANSLATE_NOOP("TEditForm", "Версия:"), versionEdit_), 5, 0);
    grid->addWidget(versionEdit_, 5, 1);
    grid->addWidget(Label(this, "SizeLabel", QT_TRANSLATE_NOOP("TEditForm", "Размер:"), sizeSpinEdit_), 6, 0);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeSpinEdit_, 1);
    sizeRow->addWidget(sizeComboBox_);
    grid->addLayout(sizeRow, 6, 1);
    grid->addWidget(Label(this, "DescrLabel", QT_TRANSLATE_NOOP("TEditForm", "Описание:"), descrEdit_), 7, 0);
    grid->addWidget(descrEdit_, 7, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    grid->addLayout(buttons, 8, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 320);

    QWidget *order[] = {labelEdit_,   pathEdit_,    folderCheckBox_, producerEdit_,
                        productEdit_, versionEdit_, sizeSpinEdit_,   sizeComboBox_,
                        descrEdit_,   okButton_,    cancelButton_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QLineEdit *e : {producerEdit_, productEdit_, versionEdit_, descrEdit_})
        connect(e, &QLineEdit::textChanged, this, [this] { EditChange(); });
    connect(sizeSpinEdit_, &QSpinBox::valueChanged, this, [this] { EditChange(); });
    connect(sizeComboBox_, &QComboBox::currentIndexChanged, this, [this] { EditChange(); });
    connect(folderCheckBox_, &QCheckBox::clicked, this, [this] { FolderCheckBoxClick(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TEditForm::Execute(TEditValues &values)
{
    values_ = &values;
    const bool ok = exec() == QDialog::Accepted;
    values_ = nullptr;
    return ok;
}

void TEditForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
    if (const QScreen *scr = screen()) {
        const QRect area = scr->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TEditForm::FormShow()
{
    if (!values_)
        return;
    const TEditControls c = logic_.Show(*values_, options_.SizeUnit);
    // The controls are filled without their change events.
    const QSignalBlocker b1(folderCheckBox_), b2(producerEdit_), b3(productEdit_), b4(versionEdit_),
        b5(sizeSpinEdit_), b6(sizeComboBox_), b7(descrEdit_);
    labelEdit_->setText(values_->Label);
    pathEdit_->setText(c.Path);
    const bool hasPath = !c.Path.isEmpty();
    pathEdit_->setEnabled(hasPath);
    folderCheckBox_->setEnabled(hasPath);
    folderCheckBox_->setChecked(hasPath && c.Path.endsWith(u'\\'));
    producerEdit_->setText(c.Producer);
    producerEdit_->selectAll();
    productEdit_->setText(c.Product);
    versionEdit_->setText(c.Version);
    sizeSpinEdit_->setValue(c.Size.Number);
    sizeComboBox_->setCurrentIndex(c.Size.Unit);
    descrEdit_->setText(c.Descr);
    okButton_->setEnabled(false);
    if (QWidget *first = FieldControl(values_->FirstControl); first && first->isEnabled())
        first->setFocus();
    else
        producerEdit_->setFocus();
}

QWidget *TEditForm::FieldControl(TEditField field) const
{
    switch (field) {
    case FieldLabel:
        return labelEdit_;
    case FieldPath:
        return pathEdit_;
    case FieldProduct:
        return productEdit_;
    case FieldVersion:
        return versionEdit_;
    case FieldSize:
        return sizeSpinEdit_;
    case FieldDescr:
        return descrEdit_;
    case FieldProducer:
        break;
    }
    return producerEdit_;
}

TEditControls TEditForm::Controls() const
{
    return {pathEdit_->text(),
            producerEdit_->text(),
            productEdit_->text(),
            versionEdit_->text(),
            {sizeSpinEdit_->value(), sizeComboBox_->currentIndex()},
            descrEdit_->text()};
}

void TEditForm::EditChange()
{
    okButton_->setEnabled(logic_.Differs(Controls()));
}

void TEditForm::FolderCheckBoxClick()
{
    pathEdit_->setText(TEditFormLogic::FolderPath(pathEdit_->text(), folderCheckBox_->isChecked()));
    EditChange();
}

void TEditForm::OKButtonClick()
{
    if (!values_ || !okButton_->isEnabled())
        return;
    if (!logic_.Accept(Controls(), *values_)) {
        boxes_.Show(QCoreApplication::translate("TEditForm", "Описание содержит символы, которые нельзя сохранить в базе "
                                   "данных."),
                    windowTitle(), TMsgIcon::Warning, MbOk);
        return;
    }
    accept();
}

void TEditForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            if (okButton_->isEnabled())
                OKButtonClick();
            return;
        }
        break;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_F1:
        if (OnHelp)
            OnHelp(HelpContext);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qbx
