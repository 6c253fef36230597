#include "overview/gui/TOverviewButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace qbx {

TOverviewButtons::TOverviewButtons(QDialog &window, std::function<void()> goToItem,
                                   std::function<void()> saveCsv, std::function<void()> help)
    : window_(window), help_(std::move(help)), box_(new QDialogButtonBox)
{
    goTo_ = AddAction(QCoreApplication::translate("Overview", "Перейти к элементу"),
                      QStringLiteral("GoToItemButton"), std::move(goToItem));
    AddAction(QCoreApplication::translate("Overview", "Сохранить как..."),
              QStringLiteral("SaveCsvButton"), std::move(saveCsv));
    auto *helpButton = box_->addButton(QCoreApplication::translate("Overview", "Справка"),
                                       QDialogButtonBox::HelpRole);
    auto *close = box_->addButton(QCoreApplication::translate("Overview", "Закрыть"),
                                  QDialogButtonBox::RejectRole);
    for (QPushButton *b : {helpButton, close})
        b->setAutoDefault(false);
    QObject::connect(helpButton, &QPushButton::clicked, &window_, [this] {
        if (help_)
            help_();
    });
    QObject::connect(close, &QPushButton::clicked, &window_, &QDialog::reject);
}

QPushButton *TOverviewButtons::AddAction(const QString &text, const QString &objectName,
                                         std::function<void()> action)
{
    // Action buttons keep the order they were added in, before the help.
    auto *button = box_->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &window_, std::move(action));
    return button;
}

bool TOverviewButtons::HandleKey(const QKeyEvent &event, const std::function<void()> &enter) const
{
    if (event.modifiers() != Qt::NoModifier)
        return false;
    if (event.key() == Qt::Key_F1) {
        if (help_)
            help_();
        return true;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        enter();
        return true;
    }
    return false;
}

} // namespace qbx
