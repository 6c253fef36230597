#include "storage/gui/TMessageForm.h"
#include "interaction/DialogFlags.h"

#include "platform/TextRules.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace qbx {
namespace {

QString kQuestion()
{
    return QCoreApplication::translate("TMessageForm", "Заменить, дополнить, сохранить его описание или прекратить операцию?");
}

QString ExistsText(const QString &path)
{
    return QCoreApplication::translate("TMessageForm", "Элемент \"") + text::Visible(path) +
           QCoreApplication::translate("TMessageForm", "\" уже существует.");
}

} // namespace

TMessageForm::TMessageForm(QWidget *parent)
    : QDialog(parent, AnswerDialogFlags), iconImage_(new QLabel(this)),
      messageLabel_(new QLabel(this)),
      overwriteButton_(new QPushButton(QCoreApplication::translate("TMessageForm", "&Заменить"), this)),
      complementButton_(new QPushButton(QCoreApplication::translate("TMessageForm", "&Дополнить"), this)),
      keepButton_(new QPushButton(QCoreApplication::translate("TMessageForm", "&Сохранить"), this)),
      cancelButton_(new QPushButton(QCoreApplication::translate("TMessageForm", "&Отменить"), this)),
      allCheckBox_(
          new QCheckBox(QCoreApplication::translate("TMessageForm", "&Принять выбор для всех конфликтующих элементов"), this))
{
    setObjectName(QStringLiteral("MessageForm"));
    setWindowTitle(QCoreApplication::translate("TMessageForm", "Перенос элементов"));
    setModal(true);
    iconImage_->setObjectName(QStringLiteral("IconImage"));
    messageLabel_->setObjectName(QStringLiteral("MessageLabel"));
    overwriteButton_->setObjectName(QStringLiteral("OverwriteButton"));
    complementButton_->setObjectName(QStringLiteral("ComplementButton"));
    keepButton_->setObjectName(QStringLiteral("KeepButton"));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    allCheckBox_->setObjectName(QStringLiteral("AllCheckBox"));

    iconImage_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    messageLabel_->setTextFormat(Qt::PlainText);
    complementButton_->setDefault(true);
    for (QPushButton *b : {overwriteButton_, keepButton_, cancelButton_})
        b->setAutoDefault(false);
    setTabOrder(overwriteButton_, complementButton_);
    setTabOrder(complementButton_, keepButton_);
    setTabOrder(keepButton_, cancelButton_);
    setTabOrder(cancelButton_, allCheckBox_);

    connect(overwriteButton_, &QPushButton::clicked, this, [this] { Choose(ConflictOverwrite); });
    connect(complementButton_, &QPushButton::clicked, this, [this] { Choose(ConflictComplement); });
    connect(keepButton_, &QPushButton::clicked, this, [this] { Choose(ConflictKeep); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

TConflictAnswer TMessageForm::AskConflict(const QString &fullItemPath)
{
    SetPath(fullItemPath);
    exec();
    return answer_;
}

void TMessageForm::Choose(TConflictAnswer answer)
{
    // Each "for all" answer follows its single answer.
    answer_ = TConflictAnswer(answer + (allCheckBox_->isChecked() ? 1 : 0));
    accept();
}

void TMessageForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TMessageForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        if (OnHelp)
            OnHelp(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMessageForm::FormShow()
{
    const QScreen *scr = screen();
    const QRect screenRect = scr->geometry();
    const int screenWidth = screenRect.width();
    const double scale = logicalDpiX() / 96.0;
    auto px = [scale](int v) { return int(v * scale); };

    // A path too long for the screen is shown as "..." and its tail, cut
    // by the average width of its characters.
    QString path = path_;
    const QFontMetrics fm = messageLabel_->fontMetrics();
    if (fm.horizontalAdvance(ExistsText(path)) > screenWidth - 100 && !path.isEmpty()) {
        const double perChar = double(fm.horizontalAdvance(path)) / double(path.size());
        const qsizetype keep =
            std::max<qsizetype>(0, qsizetype(std::nearbyint((screenWidth - 100) / perChar)) - 26);
        if (path.size() > keep)
            path = QStringLiteral("...") + path.right(keep);
    }
    // The system's texts break lines with "\r"; a label wants "\n".
    messageLabel_->setText(ExistsText(path) + u'\n' + kQuestion());
    messageLabel_->adjustSize();

    const int buttonW = px(92);
    const int buttonH = px(23);
    const int formW = std::max(messageLabel_->width() + px(76), px(392) + px(32));
    iconImage_->setGeometry(px(16), px(16), px(32), px(32));
    messageLabel_->move(px(60), px(16));
    const int buttonsTop = std::max(messageLabel_->geometry().bottom(), px(48)) + px(16);
    const int left = (formW - px(392)) / 2;
    QPushButton *buttons[] = {overwriteButton_, complementButton_, keepButton_, cancelButton_};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(left + px(100) * i, buttonsTop, buttonW, buttonH);
    allCheckBox_->adjustSize();
    allCheckBox_->move(left, buttonsTop + buttonH + px(12));
    allCheckBox_->setChecked(false);
    const int formH = allCheckBox_->geometry().bottom() + px(12);
    setFixedSize(formW, formH);
    move(screenRect.x() + (screenWidth - formW) / 2,
         screenRect.y() + (screenRect.height() - formH) / 2);
    complementButton_->setFocus();
    answer_ = ConflictCancel;
}

} // namespace qbx
