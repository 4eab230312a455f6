#include "runtime/Error.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/NumberBox.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <cmath>

namespace {

int numeric(const QString& boxText, QChar typed)
{
    int k = typed.unicode();
    Funct_txt_check::key_numeric(k, boxText);
    return k;
}

TEST(KeyFilters, NumericAllowsEachSignAndPointOnce)
{
    EXPECT_EQ(numeric("1.5", '.'), 0);
    EXPECT_EQ(numeric("1.5", '7'), '7');
    EXPECT_EQ(numeric("1.5", '\b'), 0);
    EXPECT_EQ(numeric("1.5", 'E'), 0);
    EXPECT_EQ(numeric("-3", '-'), 0);
    EXPECT_EQ(numeric("-3", '+'), '+');
    EXPECT_EQ(numeric("", '-'), '-');
    for (QChar c : {QChar('.'), QChar('-'), QChar('\b'), QChar('a')}) {
        int k = c.unicode();
        Funct_txt_check::key_digits(k);
        EXPECT_EQ(k, 0) << c.toLatin1();
    }
    int k = '5';
    Funct_txt_check::key_digits(k);
    EXPECT_EQ(k, '5');
}

TEST(KeyFilters, ARefusedKeyNeverReachesTheBox)
{
    QLineEdit box;
    NumberBox::of(&box).accepts(Funct_txt_check::key_numeric);
    QTest::keyClicks(&box, "1.2.3-x4-");
    EXPECT_EQ(box.text(), "1.23-4");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "1.23-4");
    QTest::keyClick(&box, Qt::Key_Left); // keys without a character pass
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "1.23-");
}

// Runs a check as a change handler would: every write by the check re-enters it.
struct Checked {
    QLineEdit box;
    double value = 0;
    int calls = 0;
};

TEST(RangeChecks, MinutesAndSeconds)
{
    QLineEdit box;
    NumberBox::of(&box).show("75");
    EXPECT_EQ(Funct_txt_check::check_0_59(&box, 12.6), 12.6);
    EXPECT_EQ(box.text(), "13");
    NumberBox::of(&box).show("30");
    EXPECT_EQ(Funct_txt_check::check_0_59(&box, 12.6), 30);
    EXPECT_EQ(box.text(), "30");
    NumberBox::of(&box).show("05");
    EXPECT_EQ(Funct_txt_check::check_0_59(&box, 12.6), 5);
    EXPECT_EQ(box.text(), "5");
    NumberBox::of(&box).show("05");
    EXPECT_EQ(Funct_txt_check::check_0_5999(&box, 12), 5);
    EXPECT_EQ(box.text(), "05") << "seconds keep the 0 that 0.5 is typed from";
    for (const char* zero : {"", "0.", "-"}) {
        NumberBox::of(&box).show(zero);
        EXPECT_EQ(Funct_txt_check::check_0_59(&box, 12.6), 0) << zero;
        EXPECT_EQ(box.text(), "0") << zero;
    }
    NumberBox::of(&box).show("59.99");
    EXPECT_EQ(Funct_txt_check::check_0_5999(&box, 12), 59.99);
    NumberBox::of(&box).show("60");
    EXPECT_EQ(Funct_txt_check::check_0_5999(&box, 12), 12);
    EXPECT_EQ(box.text(), "12.0000");
}

TEST(RangeChecks, GeneralBoundsKeepAndShowTheValue)
{
    struct Case {
        const char* typed;
        std::optional<double> min, max;
        double value;
        double result;
        const char* text;
    } cases[] = {
        {"95", 0, 90, 45, 45, "45"},   {"30", 0, 90, 45, 30, "30"},   {"0.0", 0, 90, 45, 0, "0.0"},
        {"0.", 0, 90, 45, 0, "0."},    {"-", 0, 90, 45, 0, "0"},      {"00", 0, 90, 45, 0, "0"},
        {"", 0, 90, 45, 0, "0"},       {"1.3", 1.01, {}, 1.4, 1.3, "1.3"},
        // The kept 1.4 must show as 1.4: "#0" would show 1, which reads back as another number.
        {"0.5", 1.01, {}, 1.4, 1.4, "1.4"}, {"7", {}, {}, 1, 7, "7"},
    };
    for (const auto& c : cases) {
        QLineEdit box(c.typed);
        double value = c.value;
        EXPECT_EQ(Funct_txt_check::check_range(&box, value, c.min, c.max), c.result) << c.typed;
        EXPECT_EQ(value, c.result) << c.typed;
        EXPECT_EQ(box.text(), c.text) << c.typed;
    }
}

TEST(RangeChecks, AnOverflowingTextIsReportedAndTheValueKept)
{
    rt::MessageRecorder rec;
    QLineEdit box("1E400");
    double value = 1.4;
    EXPECT_EQ(Funct_txt_check::check_range(&box, value, 1, 10), 1.4);
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    EXPECT_EQ(Funct_txt_check::frac_part(2.75), 0.75);
    EXPECT_NEAR(Funct_txt_check::frac_part(-2.3), -0.3, 1e-15);
}

} // namespace
