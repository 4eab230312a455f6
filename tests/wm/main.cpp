// The window-manager tests run on a real X server with a real window manager
// (scripts/wm-test starts both), not offscreen: a caption bar and a border
// exist only there.
#include "WindowCatalog.h"
#include "shell/ui/QuillApp.h"

#include "SanitizerOptions.h"

#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" || qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "Run by scripts/wm-test, with QT_QPA_PLATFORM=xcb on an X server with a window manager\n");
        return 1;
    }
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    return RUN_ALL_TESTS();
}
