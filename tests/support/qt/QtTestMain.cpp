// GoogleTest's main for suites that need real widgets: one QApplication for
// the whole run, on the offscreen platform unless another one is asked for.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
