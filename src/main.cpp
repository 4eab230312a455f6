#include "WindowCatalog.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/QuillApp.h"

int main(int argc, char** argv)
{
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(true);
    MDIForm1::instance().show();
    return app.exec();
}
