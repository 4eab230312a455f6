#include "runtime/Currency.h"
#include "runtime/Error.h"
#include "runtime/Format.h"

#include "FinanceLocale.h"
#include "TestSupport.h"

#include <cmath>
#include <limits>

namespace {

struct TextCase {
    const char* locale;
    double value;
    const char* text;
};

TEST(CurrencyFormat, FollowsTheDefaultLocale)
{
    const TextCase cases[] = {
        {"en_US", 100000, "$100,000.00"},
        {"en_US", -1110.2050194164946, "($1,110.21)"},
        {"en_US", 0.82, "$0.82"},
        {"en_US", 0, "$0.00"},
        {"en_US", -0.004, "$0.00"}, // rounds to nothing: no sign
        {"en_US", 1234567.891, "$1,234,567.89"},
        {"de_DE", 100000, "100.000,00\u00a0€"},
        {"de_DE", -1110.2050194164946, "-1.110,21\u00a0€"},
        {"ja_JP", -1110.4, "(￥1,110)"},
        // Halfway in the decimal text: away from zero, as every pattern rounds.
        {"en_US", 1.005, "$1.01"},
        {"en_US", -1.005, "($1.01)"},
        {"en_US", -0.005, "($0.01)"},
        {"de_DE", 2.675, "2,68\u00a0€"},
        {"ja_JP", 1110.5, "￥1,111"},
        // Beyond 15 digits: the digits of the decimal text, then zeros.
        {"en_US", 1E32, "$100,000,000,000,000,000,000,000,000,000,000.00"},
        {"en_US", -123456789012345678.0, "($123,456,789,012,346,000.00)"},
        {"de_DE", 1E23, "100.000.000.000.000.000.000.000,00\u00a0€"},
    };
    for (const TextCase& c : cases) {
        PinnedLocale pin(c.locale);
        EXPECT_EQ(rt::formatCurrency(c.value), QString::fromUtf8(c.text)) << c.locale << " " << c.value;
        EXPECT_EQ(rt::format(c.value, u"currency"), QString::fromUtf8(c.text)) << c.locale << " " << c.value;
    }
}

TEST(CurrencyFormat, InfAndNanAreRuntimeErrors)
{
    PinnedLocale pin("en_US");
    EXPECT_THROW(rt::formatCurrency(std::numeric_limits<double>::infinity()), rt::RuntimeError);
    EXPECT_THROW(rt::formatCurrency(std::nan("")), rt::RuntimeError);
}

TEST(MoneyReading, PlainNumbersUseThePointAndCurrencyTextTheLocale)
{
    const TextCase cases[] = {
        {"en_US", 100000, "$100,000.00"},
        {"en_US", -1110.21, "($1,110.21)"},
        {"en_US", -5, "-$5.00"},
        {"en_US", -5, "$-5"},
        {"en_US", 1000, "1,000"},
        {"en_US", 1, "1.000"},
        {"en_US", -2.5, " -2.5 "},
        {"en_US", 0, "$0.00"},
        {"de_DE", 1, "1.000"}, // a typed number: "." is the point in every locale
        {"de_DE", 0.5, ".5"},
        {"de_DE", 1000.5, "1.000,50 €"},
        {"de_DE", -1110.21, "-1.110,21\u00a0€"},
        {"de_DE", 1000.5, "1.000,5"}, // grouping marks it as the locale's amount
        {"fr_FR", -1110.21, "(1\u202f110,21\u00a0€)"},
        {"fr_FR", 1110.21, "1 110,21 €"},
    };
    for (const TextCase& c : cases) {
        PinnedLocale pin(c.locale);
        try {
            EXPECT_DOUBLE_EQ(rt::cdblAmount(QString::fromUtf8(c.text)), c.value) << c.locale << " " << c.text;
        } catch (const rt::RuntimeError& e) {
            ADD_FAILURE() << c.locale << " " << c.text << ": " << e.what();
        }
    }
}

TEST(MoneyReading, WhatIsNoAmountIsATypeMismatch)
{
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", ""},      {"en_US", "$"},        {"en_US", "1-2"},      {"en_US", "abc"},
        {"en_US", "(-5)"},  {"en_US", "($5"},      {"en_US", "$1.2.3"},   {"en_US", "$5x"},
        {"en_US", "1.5,0"}, {"de_DE", "1,5"},     {"de_DE", "$5"},       {"en_US", "--5"},
    };
    for (const auto& [locale, text] : cases) {
        PinnedLocale pin(locale);
        try {
            const double v = rt::cdblAmount(QString::fromUtf8(text));
            ADD_FAILURE() << locale << " \"" << text << "\" read as " << v;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.description(), "Type mismatch") << locale << " " << text;
        }
    }
}

TEST(MoneyReading, TheDisplayedAmountReadsBackInEveryLocale)
{
    for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "de_CH", "ja_JP", "pt_BR", "C"}) {
        PinnedLocale pin(locale);
        for (double x : {0.0, 0.82, -1110.21, 100000.45, -61614.94, 1234567.5, 1E23, -1E32}) {
            const QString shown = rt::formatCurrency(x);
            const double back = rt::cdblAmount(shown);
            // The currency's own decimals: yen shows none.
            EXPECT_EQ(rt::formatCurrency(back), shown) << locale << " " << shown.toStdString();
        }
    }
}

} // namespace
