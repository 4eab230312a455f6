// Widget tests run offscreen; no message box may block a test, so messages
// go to stderr unless a test records them.
#include "shell/ui/QuillApp.h"

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Pictures of the windows (scripts/screenshots) are taken on a real X server.
    if (qEnvironmentVariableIsEmpty("QM_SHOT_DIR")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QuillApp app(argc, argv);
    QuillApp::setUp(false);
    return RUN_ALL_TESTS();
}
