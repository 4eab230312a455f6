#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// A misspelt control name fails the test that asked for it instead of
// handing it a null pointer that takes the whole test program down.
TEST(TestSupport, AMissingControlFailsOnlyItsTest)
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    box->setObjectName("Txt_A");
    EXPECT_EQ(child<QLineEdit>(&window, "Txt_A"), box);
    EXPECT_THROW(child<QLineEdit>(&window, "Txt_a"), MissingControl);
    EXPECT_THROW(child<QPushButton>(&window, "Txt_A"), MissingControl) << "a control of another type";
    EXPECT_THROW(child<QLineEdit>(nullptr, "Txt_A"), MissingControl);
}
