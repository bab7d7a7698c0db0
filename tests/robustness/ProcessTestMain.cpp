#include <QCoreApplication>
#include <gtest/gtest.h>

// QProcess wants an application object, even when nothing but its blocking waits is used.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
