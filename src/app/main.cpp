#include <QApplication>

// Placeholder entry until the start-up sequence lands.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Кварнис"));
    return 0;
}
