#include "search/gui/TSearchIntForm.h"
#include "interaction/DialogFlags.h"

#include "interaction/HelpContext.h"
#include "search/SearchConditions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <limits>

namespace qbx {

namespace {

constexpr int kMaxUnits = std::numeric_limits<int>::max();

QSpinBox *MakeSpin(const char *name, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, kMaxUnits);
    spin->setMinimumWidth(110);
    // A value typed outside the bounds is brought to the nearest bound when
    // the box is left ("до" below "от" becomes "от"), not thrown away.
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

int ClampedUnits(int64_t units)
{
    return int(std::clamp<int64_t>(units, 0, kMaxUnits));
}

} // namespace

TSearchIntForm::TSearchIntForm(const ISearchFormState &state, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), state_(state),
      exactButton_(new QRadioButton(QCoreApplication::translate("TSearchIntForm", "Точно:"), this)),
      rangeButton_(new QRadioButton(QCoreApplication::translate("TSearchIntForm", "От"), this)),
      exactSpinEdit_(MakeSpin("ExactSpinEdit", this)),
      fromSpinEdit_(MakeSpin("FromSpinEdit", this)), toSpinEdit_(MakeSpin("ToSpinEdit", this)),
      sizeComboBox_(new QComboBox(this)), kinds_(new TSearchKindsWidget(this))
{
    setObjectName(QStringLiteral("SearchIntForm"));
    setWindowTitle(QCoreApplication::translate("TSearchIntForm", "Поиск в базе данных"));
    setModal(true);
    SetHelpContext(this, 12);
    rangeButton_->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(exactButton_);
    modes->addButton(rangeButton_);
    for (int u = 0; u < kSizeUnitCount; ++u)
        sizeComboBox_->addItem(SizeUnitText(u));
    sizeComboBox_->setObjectName(QStringLiteral("SizeComboBox"));
    sizeComboBox_->setCurrentIndex(-1);

    auto *sizeGroup = new QGroupBox(
        QCoreApplication::translate("TSearchIntForm", "Введите размер продукта"), this);
    sizeGroup->setObjectName(QStringLiteral("SizeRadioGroup"));
    auto *grid = new QGridLayout(sizeGroup);
    exactButton_->setParent(sizeGroup);
    rangeButton_->setParent(sizeGroup);
    grid->addWidget(exactButton_, 0, 0);
    grid->addWidget(exactSpinEdit_, 0, 1);
    grid->addWidget(rangeButton_, 1, 0);
    grid->addWidget(fromSpinEdit_, 1, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("TSearchIntForm", "до"), sizeGroup), 1,
                    2);
    grid->addWidget(toSpinEdit_, 1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sizeGroup);
    auto *unit = new QHBoxLayout;
    auto *sizeLabel = new QLabel(
        QCoreApplication::translate("TSearchIntForm", "Укажите используемую единицу размера:"),
        this);
    sizeLabel->setObjectName(QStringLiteral("SizeLabel"));
    unit->addWidget(sizeLabel);
    unit->addWidget(sizeComboBox_);
    layout->addLayout(unit);
    layout->addWidget(kinds_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(modes, &QButtonGroup::buttonClicked, this, [this] { SizeRadioGroupClick(); });
    connect(kinds_, &TSearchKindsWidget::KindsChanged, this, [this] { SearchParamsChange(); });
    connect(fromSpinEdit_, &QSpinBox::valueChanged, this, [this] { FromSpinEditChange(); });
    connect(kinds_->OKButton(), &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

int TSearchIntForm::Unit() const
{
    return std::max(sizeComboBox_->currentIndex(), 0);
}

bool TSearchIntForm::Run(int view, TSizeSearchAnswer &answer)
{
    kinds_->SetView(view);
    if (exec() != QDialog::Accepted)
        return false;
    const bool range = rangeButton_->isChecked();
    answer.fromBytes = FromBytes;
    answer.toBytes = ToBytes;
    answer.from = range ? fromSpinEdit_->value() : exactSpinEdit_->value();
    answer.to = range ? toSpinEdit_->value() : 0;
    answer.unitText = SizeUnitText(Unit());
    answer.kinds = kinds_->Kinds();
    return true;
}

void TSearchIntForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSearchIntForm::FormShow()
{
    const int64_t a = TextToInt64(FromBytes);
    const int64_t b = TextToInt64(ToBytes);
    const int unit = ChooseSizeUnit(sizeComboBox_->currentIndex(), state_.SizeUnit(), a, b);
    {
        const QSignalBlocker fromBlock(fromSpinEdit_);
        const QSignalBlocker toBlock(toSpinEdit_);
        fromSpinEdit_->setRange(0, kMaxUnits);
        toSpinEdit_->setRange(0, kMaxUnits);
        if (rangeButton_->isChecked()) {
            fromSpinEdit_->setValue(ClampedUnits(BytesInUnit(a, unit)));
            toSpinEdit_->setValue(ClampedUnits(BytesInUnit(b, unit)));
        } else {
            exactSpinEdit_->setValue(ClampedUnits(BytesInUnit(a, unit)));
        }
        sizeComboBox_->setCurrentIndex(unit);
        SizeRadioGroupClick();
    }
    FromSpinEditChange();
    (rangeButton_->isChecked() ? fromSpinEdit_ : exactSpinEdit_)->setFocus();
}

void TSearchIntForm::SizeRadioGroupClick()
{
    const bool range = rangeButton_->isChecked();
    exactSpinEdit_->setEnabled(!range);
    fromSpinEdit_->setEnabled(range);
    toSpinEdit_->setEnabled(range);
    SearchParamsChange();
}

void TSearchIntForm::FromSpinEditChange()
{
    // The upper bound follows the lower one up and cannot be left below it.
    // The lower bound gets no upper limit of its own: a spin box would hold
    // it down at once while the user types, and raising it raises the upper
    // bound, so it never stays above that.
    toSpinEdit_->setMinimum(fromSpinEdit_->value());
}

void TSearchIntForm::SearchParamsChange()
{
    const bool open = state_.CatalogueOpen();
    OKButton()->setEnabled(open && (exactButton_->isChecked() || rangeButton_->isChecked()) &&
                           kinds_->AnyKind());
}

void TSearchIntForm::OKButtonClick()
{
    if (!OKButton()->isEnabled())
        return;
    // At most 2147483647 units of 2^30 bytes: the product stays far inside
    // 64 bits.
    const int64_t unit = SizeUnitBytes(Unit());
    if (rangeButton_->isChecked()) {
        FromBytes = QString::number(int64_t(fromSpinEdit_->value()) * unit);
        ToBytes = QString::number(int64_t(toSpinEdit_->value()) * unit);
    } else {
        FromBytes = QString::number(int64_t(exactSpinEdit_->value()) * unit);
        ToBytes.clear();
    }
    accept();
}

} // namespace qbx
