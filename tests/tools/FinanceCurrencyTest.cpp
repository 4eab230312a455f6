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
        // The locale's own digits, separators and marks of direction.
        {"de_CH", -1110.21, "-1\u2019110.21\u00a0CHF"},
        {"hi_IN", -1234567.5, "\u20b9-12,34,567.50"},
        {"ar_EG", -1110.21, "\u061c-\u0661\u066c\u0661\u0661\u0660\u066b\u0662\u0661\u00a0\u062c.\u0645.\u200f"},
        {"fa_IR", 100000, "\u200e\u0631\u06cc\u0627\u0644\u00a0\u06f1\u06f0\u06f0\u066c\u06f0\u06f0\u06f0"},
        // No symbol of its own: the ISO code, or nothing.
        {"en_CH", -1110.21, "CHF-1\u2019110.21"},
        {"ia_001", 0.82, "\u00a00,82"},
        // Chakma digits lie beyond 16 bits; the taka keeps its two decimals.
        {"ccp_BD", -1110.21, "(\U00011137,\U00011137\U00011137\U00011136.\U00011138\U00011137\u09f3)"},
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
        {"de_DE", 1000.5, "1.000,5"}, // not a plain number: the locale's form
        {"de_DE", 1.5, "1,5"},
        {"fr_FR", -1110.21, "(1\u202f110,21\u00a0€)"},
        {"fr_FR", 1110.21, "1 110,21 €"},
        {"de_CH", -1110.21, "-1\u2019110.21\u00a0CHF"},
        {"de_CH", 1000, "1\u2019000"},
        {"hi_IN", -1234567.5, "\u20b9-12,34,567.50"},
        // The marks of writing direction show nothing and read as nothing.
        {"ar_EG", -1110.21, "\u061c-\u0661\u066c\u0661\u0661\u0660\u066b\u0662\u0661\u00a0\u062c.\u0645.\u200f"},
        {"ar_EG", 123, "\u0661\u0662\u0663"}, // the locale's digits mark its amount
        {"fa_IR", -1110, "\u200e(\u0631\u06cc\u0627\u0644\u00a0\u06f1\u066c\u06f1\u06f1\u06f0)"},
        {"fa_IR", -5, "\u200e\u2212\u06f5"},
        {"fa_IR", 1.5, "\u06f1\u066b\u06f5"},
        {"fa_IR", 2.5, "2.5"},
        {"en_US", 5, "\u200e$5.00"},
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
        {"en_US", "1.5,0"}, {"de_DE", "1,5,"},    {"de_DE", "$5"},       {"en_US", "--5"},
        {"en_US", "5-"},    {"en_US", "$5-"},      {"en_US", "1,"},       {"en_US", "1,.5"},
        {"en_CH", "CHF"},   {"en_CH", "$5"},       {"ia_001", "1,5,0"},
        {"en_US", "\u0661\u0662"}, // digits of another locale
        {"ar_EG", "\u0661-\u0662"}, {"fa_IR", "\u0631\u06cc\u0627\u0644"}, {"fa_IR", "\u200e"},
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
    for (const char* locale : {"en_US", "en_GB", "de_DE", "fr_FR", "de_CH", "ja_JP", "pt_BR", "hi_IN", "ar_EG", "fa_IR", "C"}) {
        PinnedLocale pin(locale);
        for (double x : {0.0, 0.82, -1110.21, 100000.45, -61614.94, 1234567.5, 1E23, -1E32}) {
            const QString shown = rt::formatCurrency(x);
            const double back = rt::cdblAmount(shown);
            // The currency's own decimals: yen shows none.
            EXPECT_EQ(rt::formatCurrency(back), shown) << locale << " " << shown.toStdString();
        }
    }
}

// The decimals of the locale's currency, as it writes them: the digits of
// its zero amount but one, counted by code point (some scripts' digits lie
// beyond 16 bits).
int decimalsOf(const QLocale& locale)
{
    int digits = 0;
    for (char32_t c : locale.toCurrencyString(0.0).toUcs4()) digits += QChar::isDigit(c);
    return digits > 0 ? digits - 1 : 0;
}

// A locale's name, with its script where the name alone would not say it.
QString nameOf(const QLocale& locale)
{
    if (QLocale(locale.language(), locale.territory()).script() == locale.script()) return locale.name();
    return locale.name() + u'(' + QLocale::scriptToString(locale.script()) + u')';
}

// Every locale Qt knows reads back what it writes: symbol or ISO code, its
// own digits (beyond 16 bits too), marks of direction, every form of a sign
// and the currency's decimals.
TEST(MoneyReading, EveryLocaleReadsBackItsOwnAmounts)
{
    const QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 500);
    QStringList failing;
    for (const QLocale& locale : locales) {
        PinnedLocale pin(locale);
        const double unit = std::pow(10.0, decimalsOf(locale));
        QStringList wrong;
        for (double x : {0.0, 0.82, 1110.21, -1110.21, 100000.0, -123456789.5, 1E12, -1E12}) {
            const double expected = std::round(x * unit) / unit;
            const QString shown = rt::formatCurrency(x);
            try {
                const double back = rt::cdblAmount(shown);
                if (back != expected) wrong << QStringLiteral("\"%1\" read as %2").arg(shown).arg(back, 0, 'g', 17);
            } catch (const rt::RuntimeError& e) {
                wrong << QStringLiteral("\"%1\": %2").arg(shown, e.description());
            }
        }
        if (!wrong.isEmpty()) {
            failing << nameOf(locale);
            ADD_FAILURE() << failing.last().toStdString() << ": " << wrong.join(u", ").toStdString();
        }
    }
    EXPECT_TRUE(failing.isEmpty()) << failing.size() << " of " << locales.size() << " locales: " << failing.join(u' ').toStdString();
}

} // namespace
