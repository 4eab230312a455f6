#pragma once
// Number text in the bases 2 to 16, fractions included. Every conversion
// passes through the hub: a setter stores its base's text as the hub, an
// output writes the hub's value in its base. The digits shown are exact for
// the number typed: its integer digits all, its fraction cut after ten digits.
// Every public member traps run-time errors (the description is reported and
// the member yields empty text).
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class Cl_Number_Base {
public:
    void setzen_base2(const QString& v) { set(2, v); }
    void setzen_base3(const QString& v) { set(3, v); }
    void setzen_base4(const QString& v) { set(4, v); }
    void setzen_base5(const QString& v) { set(5, v); }
    void setzen_base6(const QString& v) { set(6, v); }
    void setzen_base7(const QString& v) { set(7, v); }
    void setzen_base8(const QString& v) { set(8, v); }
    void setzen_base9(const QString& v) { set(9, v); }
    void setzen_base10(const QString& v);
    void setzen_base11(const QString& v) { set(11, v); }
    void setzen_base12(const QString& v) { set(12, v); }
    void setzen_base13(const QString& v) { set(13, v); }
    void setzen_base14(const QString& v) { set(14, v); }
    void setzen_base15(const QString& v) { set(15, v); }
    void setzen_base16(const QString& v) { set(16, v); }

    QString output_base2() { return output(2); }
    QString output_base3() { return output(3); }
    QString output_base4() { return output(4); }
    QString output_base5() { return output(5); }
    QString output_base6() { return output(6); }
    QString output_base7() { return output(7); }
    QString output_base8() { return output(8); }
    QString output_base9() { return output(9); }
    QString output_base10() { return output(10); }
    QString output_base11() { return output(11); }
    QString output_base12() { return output(12); }
    QString output_base13() { return output(13); }
    QString output_base14() { return output(14); }
    QString output_base15() { return output(15); }
    QString output_base16() { return output(16); }

    // Whether a member has reported a run-time error since the object was made.
    bool failed() const { return failed_; }

private:
    // The exact value of a numeral: its whole part as a multi-word integer
    // (least significant word first) and its fraction digits in `base`
    // (most significant first, each below the base, no trailing zeros).
    struct Exact {
        bool negative = false;
        int base = 10;
        std::vector<uint32_t> whole;
        std::vector<uint8_t> fraction;
    };

    void set(int base, const QString& text);
    QString output(int base);

    static QString digit_char(int d);
    static QString digit_value(QChar c);
    // The value of a setter's text in base b: every character keeps its place.
    static Exact to_decimal(const QString& s, int b);
    // The value of the base-10 hub, read by the leading-number parse's rules.
    static Exact hub_value(const QString& s);
    // The value's text in base b: every whole digit, ten fraction digits cut.
    static QString from_decimal(Exact x, int b);
    static Exact exact(bool negative, int base, const std::vector<uint8_t>& whole, std::vector<uint8_t> fraction);

    // One text per base, indexed by the base. The hub is the text of
    // hubBase_: a setter's base, or 10 once output_base10 has rewritten it.
    // It stays a numeral of its own base because a value such as one third,
    // typed in base 3, has no finite decimal text.
    std::array<QString, 17> field_;
    int hubBase_ = 10;
    bool failed_ = false;
};
