#include "search/gui/TSearchStrForm.h"
#include "interaction/DialogFlags.h"

#include "interaction/HelpContext.h"
#include "platform/TextRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qbx {

TSearchStrForm::TSearchStrForm(const ISearchFormState &state, QWidget *parent)
    : QDialog(parent, FixedDialogFlags), state_(state), promptLabel_(new QLabel(this)),
      searchComboBox_(new QComboBox(this)),
      caseCheckBox_(new QCheckBox(
          QCoreApplication::translate("TSearchStrForm", "&Учитывать регистр символов"), this)),
      substringCheckBox_(new QCheckBox(
          QCoreApplication::translate("TSearchStrForm", "&Искать как подстроку"), this)),
      kinds_(new TSearchKindsWidget(this))
{
    setObjectName(QStringLiteral("SearchStrForm"));
    setWindowTitle(QCoreApplication::translate("TSearchStrForm", "Поиск в базе данных"));
    setModal(true);
    promptLabel_->setObjectName(QStringLiteral("PromptLabel"));
    searchComboBox_->setObjectName(QStringLiteral("SearchComboBox"));
    searchComboBox_->setEditable(true);
    searchComboBox_->setInsertPolicy(QComboBox::NoInsert);
    searchComboBox_->setMinimumWidth(320);
    promptLabel_->setBuddy(searchComboBox_);
    caseCheckBox_->setObjectName(QStringLiteral("CaseCheckBox"));
    caseCheckBox_->setToolTip(
        QCoreApplication::translate("TSearchStrForm", "Учитывать регистр введённых символов"));
    substringCheckBox_->setObjectName(QStringLiteral("SubstringCheckBox"));
    substringCheckBox_->setToolTip(QCoreApplication::translate(
        "TSearchStrForm", "Искать введённый текст как подстроку (*текст*)"));
    substringCheckBox_->setChecked(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addWidget(searchComboBox_);
    layout->addWidget(caseCheckBox_);
    layout->addWidget(substringCheckBox_);
    layout->addWidget(kinds_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(searchComboBox_, &QComboBox::editTextChanged, this, [this] { SearchParamsChange(); });
    connect(kinds_, &TSearchKindsWidget::KindsChanged, this, [this] { SearchParamsChange(); });
    connect(kinds_->OKButton(), &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

bool TSearchStrForm::Run(const TStringSearchSetup &setup, const QString &text, int view,
                         TStringSearchAnswer &answer)
{
    SetHelpContext(this, setup.helpContext);
    promptLabel_->setText(setup.prompt);
    searchComboBox_->lineEdit()->setMaxLength(setup.maxLength);
    kinds_->SetView(view);
    SearchText = text;
    if (exec() != QDialog::Accepted)
        return false;
    answer.text = SearchText;
    answer.caseSensitive = caseCheckBox_->isChecked();
    answer.substring = substringCheckBox_->isChecked();
    answer.kinds = kinds_->Kinds();
    return true;
}

void TSearchStrForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TSearchStrForm::FormShow()
{
    searchComboBox_->setEditText(SearchText);
    searchComboBox_->lineEdit()->selectAll();
    SearchParamsChange();
    searchComboBox_->setFocus();
}

void TSearchStrForm::SearchParamsChange()
{
    const bool open = state_.CatalogueOpen();
    kinds_->OKButton()->setEnabled(open && !searchComboBox_->currentText().isEmpty() &&
                                   kinds_->AnyKind());
}

void TSearchStrForm::OKButtonClick()
{
    if (!kinds_->OKButton()->isEnabled())
        return;
    SearchText = searchComboBox_->currentText();
    // The history holds each text once, the latest spelling first.
    for (int i = searchComboBox_->count() - 1; i >= 0; --i)
        if (text::EqualFolded(searchComboBox_->itemText(i), SearchText))
            searchComboBox_->removeItem(i);
    searchComboBox_->insertItem(0, SearchText);
    searchComboBox_->setEditText(SearchText);
    accept();
}

} // namespace qbx
