#include "runtime/Error.h"
#include "runtime/Registry.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/frmAbout.h"

#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace rt::reg;
const QString kInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = "System Information Is Unavailable At This Time";

class About : public ::testing::Test {
protected:
    void SetUp() override
    {
        storeClear();
        MDIForm1::instance().findChild<QAction*>("Brindlewick")->trigger();
        about = Forms::existing<frmAbout>();
    }
    void TearDown() override
    {
        storeClear();
        about->unload();
    }
    QStringList clickSysInfo()
    {
        rt::MessageRecorder rec;
        QTest::mouseClick(child<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
        return rec.messages;
    }
    frmAbout* about = nullptr;
};

TEST_F(About, ShowsTitleVersionAndDescription)
{
    EXPECT_EQ(about->windowTitle(), "About Quillmere");
    EXPECT_EQ(child<QLabel>(about, "lblTitle")->text(), "Quillmere");
    EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(), "Version: 3.1 MDI");
    EXPECT_EQ(child<QLabel>(about, "lblDescription")->text(), "Please contact us, brindlewick");
    EXPECT_EQ(child<QPushButton>(about, "cmdSysInfo")->text(), "&System Info...");
    QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isLoaded());
}

// The icon lives in the UI library's resources, which a static link drops
// unless they are pulled in.
TEST_F(About, ShowsTheProgramIconAsTheFrameDoes)
{
    const QPixmap icon = child<QLabel>(about, "picIcon")->pixmap();
    EXPECT_FALSE(icon.isNull());
    EXPECT_FALSE(MDIForm1::instance().windowIcon().pixmap(32, 32).isNull());
}

// The icon is the program's own, not a warning sign: 32 by 32 pixels without
// the signal yellow, orange or red of an alert.
TEST_F(About, TheProgramIconCarriesNoWarningColours)
{
    const QImage icon(":/icons/quillmere.png");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    int signal = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const QColor c = icon.pixelColor(x, y);
            const float hue = c.hsvHueF() * 360;
            if (c.alphaF() > 0.5f && c.hsvSaturationF() > 0.6f && c.valueF() > 0.7f && (hue <= 65 || hue >= 345))
                ++signal;
        }
    EXPECT_EQ(signal, 0);
}

TEST_F(About, WithoutRegistryValuesSystemInfoIsUnavailable)
{
    EXPECT_EQ(clickSysInfo(), QStringList{kUnavailable});
}

TEST_F(About, TheFolderValueNeedsTheProgramFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("msinfo");
    storeSetText(HKEY_LOCAL_MACHINE, kLocation, "MSINFO", folder);
    EXPECT_EQ(clickSysInfo(), QStringList{kUnavailable});

    QFile exe(folder + "\\MSINFO32.EXE");
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write("#!/bin/sh\nexit 0\n");
    exe.close();
    exe.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(clickSysInfo(), QStringList{});
}

TEST_F(About, TheFullPathIsStartedWithoutAFileTest)
{
    storeSetText(HKEY_LOCAL_MACHINE, kInfo, "PATH", "/bin/true");
    EXPECT_EQ(clickSysInfo(), QStringList{});
    storeSetText(HKEY_LOCAL_MACHINE, kInfo, "PATH", "/no/such/program");
    EXPECT_EQ(clickSysInfo(), QStringList{kUnavailable});
}

TEST(Registry, ReadsTextAndNumbersAndRefusesWriteAccess)
{
    storeClear();
    storeSetNumber(HKEY_LOCAL_MACHINE, "K", "N", 261);
    storeSetText(HKEY_LOCAL_MACHINE, "K", "T", "C:\\x");
    storeSet(HKEY_LOCAL_MACHINE, "K", "B", REG_BINARY, QByteArray("\x01\x02", 2));
    QString v = "kept";
    EXPECT_TRUE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "K", "N", v));
    EXPECT_EQ(v, "261");
    EXPECT_TRUE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "k", "t", v));
    EXPECT_EQ(v, "C:\\x");
    v = "kept";
    EXPECT_FALSE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "K", "B", v)); // a type we cannot show
    EXPECT_FALSE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "K", "missing", v));
    EXPECT_EQ(v, "");
    EXPECT_FALSE(frmAbout::GetKeyValue(HKEY_LOCAL_MACHINE, "Nope", "N", v));

    HKEY h = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_ALL_ACCESS_2003F, &h), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_READ, &h), ERROR_SUCCESS);
    char small[2];
    uint32_t size = sizeof small, type = 0;
    EXPECT_EQ(RegQueryValueExA(h, "T", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(RegCloseKey(h), ERROR_SUCCESS);
    storeClear();
}

} // namespace
