#include "overview/gui/TOverviewButtons.h"

#include "overview/gui/IOverviewHost.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace qbx {

TOverviewButtons::TOverviewButtons(QDialog &window, IOverviewHost &host,
                                   std::function<void()> goToItem, std::function<void()> saveCsv,
                                   int helpTopic)
    : window_(window), host_(host), helpTopic_(helpTopic), box_(new QDialogButtonBox)
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
    QObject::connect(helpButton, &QPushButton::clicked, &window_,
                     [this] { host_.ShowOverviewHelp(helpTopic_); });
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
        host_.ShowOverviewHelp(helpTopic_);
        return true;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        enter();
        return true;
    }
    return false;
}

} // namespace qbx
