#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A modal window that nobody answers would hang the test run: one left open
// for several seconds fails the running test and is closed.
void WatchForForgottenModals()
{
    auto *timer = new QTimer(qApp);
    auto seen = std::make_shared<std::pair<QPointer<QWidget>, int>>();
    QObject::connect(timer, &QTimer::timeout, [seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal != seen->first) {
            *seen = {modal, 0};
            return;
        }
        if (++seen->second < 20)
            return;
        ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        *seen = {nullptr, 0};
    });
    timer->start(250);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    WatchForForgottenModals();
    return RUN_ALL_TESTS();
}
