#include "search/TSearchStrForm.h"

#include "platform/TextRules.h"
#include "shell/Help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qbx {

QComboBox *MakeViewComboBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("ViewComboBox"));
    box->addItems({QStringLiteral("Стандартные результаты"), QStringLiteral("По производителям"),
                   QStringLiteral("В виде списка"), QStringLiteral("В виде списка листьев")});
    return box;
}

QWidget *MakeKindBox(QWidget *parent, QCheckBox *&discs, QCheckBox *&folders, QCheckBox *&files)
{
    auto *group = new QGroupBox(QStringLiteral("Искать только"), parent);
    group->setObjectName(QStringLiteral("TypeGroupBox"));
    auto *layout = new QHBoxLayout(group);
    const auto make = [&](const char *name, const QString &caption) {
        auto *box = new QCheckBox(caption, group);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
        layout->addWidget(box);
        return box;
    };
    discs = make("CDCheckBox", QStringLiteral("&Компакт-диски"));
    folders = make("FolderCheckBox", QStringLiteral("&Папки"));
    files = make("FileCheckBox", QStringLiteral("&Файлы"));
    return group;
}

TSearchStrForm::TSearchStrForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      promptLabel_(new QLabel(this)), searchComboBox_(new QComboBox(this)),
      caseCheckBox_(new QCheckBox(QStringLiteral("&Учитывать регистр символов"), this)),
      substringCheckBox_(new QCheckBox(QStringLiteral("&Искать как подстроку"), this)),
      viewComboBox_(MakeViewComboBox(this)),
      okButton_(new QPushButton(QStringLiteral("O&K"), this)),
      cancelButton_(new QPushButton(QStringLiteral("&Отмена"), this))
{
    setObjectName(QStringLiteral("SearchStrForm"));
    setWindowTitle(QStringLiteral("Поиск в базе данных"));
    setModal(true);
    promptLabel_->setObjectName(QStringLiteral("PromptLabel"));
    searchComboBox_->setObjectName(QStringLiteral("SearchComboBox"));
    searchComboBox_->setEditable(true);
    searchComboBox_->setInsertPolicy(QComboBox::NoInsert);
    searchComboBox_->setMinimumWidth(320);
    promptLabel_->setBuddy(searchComboBox_);
    caseCheckBox_->setObjectName(QStringLiteral("CaseCheckBox"));
    caseCheckBox_->setToolTip(QStringLiteral("Учитывать регистр введённых символов"));
    substringCheckBox_->setObjectName(QStringLiteral("SubstringCheckBox"));
    substringCheckBox_->setToolTip(
        QStringLiteral("Искать введённый текст как подстроку (*текст*)"));
    substringCheckBox_->setChecked(true);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addWidget(searchComboBox_);
    layout->addWidget(caseCheckBox_);
    layout->addWidget(substringCheckBox_);
    layout->addWidget(MakeKindBox(this, cdCheckBox_, folderCheckBox_, fileCheckBox_));
    auto *view = new QHBoxLayout;
    auto *viewLabel = new QLabel(QStringLiteral("Вид результатов:"), this);
    viewLabel->setObjectName(QStringLiteral("ViewLabel"));
    viewLabel->setBuddy(viewComboBox_);
    view->addWidget(viewLabel);
    view->addWidget(viewComboBox_, 1);
    layout->addLayout(view);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(searchComboBox_, &QComboBox::editTextChanged, this, [this] { SearchParamsChange(); });
    for (QCheckBox *box : {cdCheckBox_, folderCheckBox_, fileCheckBox_})
        connect(box, &QCheckBox::toggled, this, [this] { SearchParamsChange(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TSearchStrForm::Run(const TStringSearchSetup &setup, const QString &text, int view,
                         TStringSearchAnswer &answer)
{
    SetHelpContext(this, setup.helpContext);
    promptLabel_->setText(setup.prompt);
    searchComboBox_->lineEdit()->setMaxLength(setup.maxLength);
    if (view >= 0 && view < viewComboBox_->count())
        viewComboBox_->setCurrentIndex(view);
    SearchText = text;
    if (exec() != QDialog::Accepted)
        return false;
    answer.text = SearchText;
    answer.caseSensitive = caseCheckBox_->isChecked();
    answer.substring = substringCheckBox_->isChecked();
    answer.kinds = {cdCheckBox_->isChecked(), folderCheckBox_->isChecked(),
                    fileCheckBox_->isChecked(), viewComboBox_->currentIndex()};
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
    const bool open = !catalogueOpen || catalogueOpen();
    okButton_->setEnabled(
        open && !searchComboBox_->currentText().isEmpty() &&
        (cdCheckBox_->isChecked() || folderCheckBox_->isChecked() || fileCheckBox_->isChecked()));
}

void TSearchStrForm::OKButtonClick()
{
    if (!okButton_->isEnabled())
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
