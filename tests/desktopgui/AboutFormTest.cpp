#include "desktop/gui/TAboutForm.h"

#include "desktop/Help.h"
#include "desktop/QStringPrinter.h"
#include "desktop/RecordingHelp.h"
#include "desktop/VersionInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace qbx;

using test::RecordingHelp;

void PressKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

TEST(AboutForm, ShowsTheVersionTextSizedToIt)
{
    RecordingHelp help;
    TAboutForm form(help);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("О программе"));
    const TVersionInfo info = ReadVersionInfo();
    const QString expected = info.FileDescription + QStringLiteral("\nВерсия ") + info.FileVersion +
                             QStringLiteral("\n\n") + info.LegalCopyright + QStringLiteral("\n");
    EXPECT_EQ(form.AboutLabel()->text(), expected);
    EXPECT_EQ(form.OKButton()->text(), QStringLiteral("О&К"));
    EXPECT_EQ(form.OKButton()->toolTip(), QStringLiteral("Закрыть это окно"));
    EXPECT_FALSE(form.LogoImage()->pixmap().isNull());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);

    // The box follows its text: the button below the last line, centred.
    const QRect label = form.AboutLabel()->geometry();
    const QRect button = form.OKButton()->geometry();
    EXPECT_EQ(form.width(), label.width() + 74);
    EXPECT_EQ(button.top(), label.bottom() + 1 + 15);
    EXPECT_EQ(form.height(), button.top() + 63);
    EXPECT_LE(std::abs(button.center().x() - form.width() / 2), 1);
    EXPECT_GT(label.left(), form.LogoImage()->geometry().right());
}

TEST(AboutForm, LogoIsTheOwnersMainIcon)
{
    RecordingHelp help;
    QWidget owner;
    QPixmap red(32, 32);
    red.fill(Qt::red);
    owner.setWindowIcon(QIcon(red));
    TAboutForm form(help, &owner);
    const QImage logo = form.LogoImage()->pixmap().toImage();
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.pixelColor(16, 16), QColor(Qt::red));
}

TEST(AboutForm, F1OpensItsTopicAndEnterOrEscCloses)
{
    RecordingHelp help;
    TAboutForm form(help);
    form.show();
    PressKey(form.OKButton(), Qt::Key_F1);
    EXPECT_EQ(help.shown, std::vector<int>{HcAboutApp});
    EXPECT_TRUE(form.isVisible());

    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QTimer::singleShot(0, [&] { PressKey(form.OKButton(), key); });
        form.exec();
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

} // namespace
