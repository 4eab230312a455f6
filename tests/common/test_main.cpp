// Widget tests run offscreen; no message box may block a test, so messages
// go to stderr unless a test records them.
#include "WindowCatalog.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/QuillApp.h"

#include "SanitizerOptions.h"
#include "TestSupport.h"

#include <QLocale>
#include <QWindow>
#include <clocale>
#include <cstdio>
#include <utility>
#include <gtest/gtest.h>

namespace {

// scripts/test runs tests once more on a decimal-comma desktop
// (QM_EXPECT_COMMA_LOCALE=1 with a generated de_DE locale). Should the C
// library not find that locale it would fall back to "." in silence and the
// run would prove nothing, so every test program of the run fails instead.
class CommaDesktop : public ::testing::Environment {
public:
    void SetUp() override
    {
        EXPECT_NE(std::setlocale(LC_NUMERIC, ""), nullptr) << "the locale of LC_ALL/LC_NUMERIC is not available";
        EXPECT_STREQ(std::localeconv()->decimal_point, ",") << "the desktop locale has no decimal comma";
    }
};

// scripts/test runs some test programs once under each of several generated
// locales (QM_EXPECT_LOCALE=ar_EG with LC_ALL=ar_EG.UTF-8). The program's
// locale is the one Qt finds in the environment; the C library must find it
// too, or the desktop would not be the one the run claims.
class NamedDesktop : public ::testing::Environment {
public:
    explicit NamedDesktop(QString name) : name_(std::move(name)) {}
    void SetUp() override
    {
        EXPECT_NE(std::setlocale(LC_ALL, ""), nullptr) << "the locale of LC_ALL is not available";
        EXPECT_EQ(QLocale::system().name().toStdString(), name_.toStdString()) << "the desktop locale is another";
    }

private:
    QString name_;
};

// Every text the program writes into a box goes through the box's
// controller; a test whose windows wrote one past it fails, whatever it checks.
class NoStrayWrites : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { NumberBox::forgetStrayWrites(); }
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        for (const QString& s : NumberBox::strayWrites()) {
            std::fprintf(stderr, "%s.%s wrote a box past its controller: %s\n", test.test_suite_name(), test.name(),
                         qPrintable(s));
            failed_ = true;
        }
    }
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

// A window hidden while it is the active one stays the offscreen platform's
// active window, where a desktop's window manager hands activation on. Shown
// again by a later test, it would not be activated anew, and its focus would
// go to no control. After each test no hidden window is left active: a
// window of our own takes the activation and goes with it.
class NoHiddenActiveWindow : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        QWindow* active = QGuiApplication::focusWindow();
        if (!active || active->isVisible()) return;
        {
            QWindow standIn;
            standIn.setFlags(Qt::Tool | Qt::FramelessWindowHint);
            standIn.resize(1, 1);
            standIn.show();
            standIn.requestActivate();
            (void)QTest::qWaitForWindowActive(&standIn);
        }
        QApplication::processEvents();
    }
};

} // namespace


int main(int argc, char** argv)
{
    // An offscreen platform given with its options (a screen of another size)
    // is kept. Otherwise the screen is a desktop's, on which every window has
    // its design size; the offscreen platform's own is smaller than some.
    QTemporaryDir screenDir;
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen:"))
        qputenv("QT_QPA_PLATFORM", offscreenWithScreen(screenDir, 1920, 1080).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    if (qEnvironmentVariableIsSet("QM_EXPECT_COMMA_LOCALE")) ::testing::AddGlobalTestEnvironment(new CommaDesktop);
    if (qEnvironmentVariableIsSet("QM_EXPECT_LOCALE"))
        ::testing::AddGlobalTestEnvironment(new NamedDesktop(qEnvironmentVariable("QM_EXPECT_LOCALE")));
    auto* strays = new NoStrayWrites; // the listeners' list owns it
    ::testing::UnitTest::GetInstance()->listeners().Append(strays);
    ::testing::UnitTest::GetInstance()->listeners().Append(new NoHiddenActiveWindow);
    const int failed = RUN_ALL_TESTS();
    return failed || strays->failed() ? 1 : 0;
}
