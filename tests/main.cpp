#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // QApplication adopts the user's locale; numbers in the tests are written with ".".
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
