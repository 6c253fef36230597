#include "desktop/gui/TAboutForm.h"
#include "interaction/DialogFlags.h"

#include "desktop/Help.h"
#include "desktop/VersionInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QCoreApplication>

namespace qbx {

namespace {

constexpr int Margin = 12;
constexpr int LogoSize = 32;
constexpr int LabelLeft = 58;   // right of the logo
constexpr int ExtraWidth = 74;  // the box is the label's width plus this
constexpr int ButtonGap = 15;   // from the last line of text to the button
constexpr int ExtraHeight = 63; // the box is the button's top plus this

// The program's texts break lines with "\r" or "\r\n"; a label wants "\n".
QString LabelText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TAboutForm::TAboutForm(IHelp &help, QWidget *parent)
    : QDialog(parent, AnswerDialogFlags), help_(help)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QCoreApplication::translate("TAboutForm", "О программе"));
    SetHelpContext(this, HcAboutApp);

    logoImage_ = new QLabel(this);
    logoImage_->setObjectName(QStringLiteral("LogoImage"));
    logoImage_->setGeometry(Margin, Margin, LogoSize, LogoSize);
    // The main icon: the owner's (the main window's), else the application's.
    QIcon icon = parent ? parent->windowIcon() : QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    logoImage_->setPixmap(icon.pixmap(LogoSize, LogoSize));

    aboutLabel_ = new QLabel(this);
    aboutLabel_->setObjectName(QStringLiteral("AboutLabel"));
    aboutLabel_->setTextFormat(Qt::PlainText);
    aboutLabel_->setText(LabelText(AboutText(ReadVersionInfo())));

    okButton_ = new QPushButton(QCoreApplication::translate("TAboutForm", "О&К"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setToolTip(QCoreApplication::translate("TAboutForm", "Закрыть это окно"));
    okButton_->setStatusTip(QCoreApplication::translate("TAboutForm", "Закрыть это окно"));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    SizeToText();
}

void TAboutForm::SizeToText()
{
    aboutLabel_->adjustSize();
    aboutLabel_->move(LabelLeft, Margin);
    const int width = aboutLabel_->width() + ExtraWidth;
    okButton_->adjustSize();
    const int buttonTop = aboutLabel_->geometry().bottom() + 1 + ButtonGap;
    okButton_->move((width - okButton_->width()) / 2, buttonTop);
    setFixedSize(width, buttonTop + ExtraHeight);
}

void TAboutForm::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    okButton_->setFocus();
    QDialog::showEvent(event);
}

void TAboutForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help_.ShowHelpTopic(HcAboutApp);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace qbx
