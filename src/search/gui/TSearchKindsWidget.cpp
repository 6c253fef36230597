#include "search/gui/TSearchKindsWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace qbx {

TSearchKindsWidget::TSearchKindsWidget(QDialog *dialog)
    : QWidget(dialog), viewComboBox_(new QComboBox(this)),
      okButton_(new QPushButton(QStringLiteral("O&K"), this)),
      cancelButton_(new QPushButton(QCoreApplication::translate("TSearchKindsWidget", "&Отмена"), this))
{
    viewComboBox_->setObjectName(QStringLiteral("ViewComboBox"));
    viewComboBox_->addItems({QCoreApplication::translate("TSearchKindsWidget", "Стандартные результаты"),
                             QCoreApplication::translate("TSearchKindsWidget", "По производителям"), QCoreApplication::translate("TSearchKindsWidget", "В виде списка"),
                             QCoreApplication::translate("TSearchKindsWidget", "В виде списка листьев")});
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setAutoDefault(false);

    auto *group = new QGroupBox(QCoreApplication::translate("TSearchKindsWidget", "Искать только"), this);
    group->setObjectName(QStringLiteral("TypeGroupBox"));
    auto *kinds = new QHBoxLayout(group);
    const auto make = [&](const char *name, const QString &caption) {
        auto *box = new QCheckBox(caption, group);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
        kinds->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TSearchKindsWidget::KindsChanged);
        return box;
    };
    cdCheckBox_ = make("CDCheckBox", QCoreApplication::translate("TSearchKindsWidget", "&Компакт-диски"));
    folderCheckBox_ = make("FolderCheckBox", QCoreApplication::translate("TSearchKindsWidget", "&Папки"));
    fileCheckBox_ = make("FileCheckBox", QCoreApplication::translate("TSearchKindsWidget", "&Файлы"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    auto *view = new QHBoxLayout;
    auto *viewLabel = new QLabel(QCoreApplication::translate("TSearchKindsWidget", "Вид результатов:"), this);
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

    connect(cancelButton_, &QPushButton::clicked, dialog, &QDialog::reject);
}

bool TSearchKindsWidget::AnyKind() const
{
    return cdCheckBox_->isChecked() || folderCheckBox_->isChecked() || fileCheckBox_->isChecked();
}

TSearchKinds TSearchKindsWidget::Kinds() const
{
    return {cdCheckBox_->isChecked(), folderCheckBox_->isChecked(), fileCheckBox_->isChecked(),
            viewComboBox_->currentIndex()};
}

void TSearchKindsWidget::SetView(int view)
{
    if (view >= 0 && view < viewComboBox_->count())
        viewComboBox_->setCurrentIndex(view);
}

} // namespace qbx
