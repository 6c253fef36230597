#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests compare exact texts and number formats: pin the locale.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
