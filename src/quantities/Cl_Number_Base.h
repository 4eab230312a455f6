#pragma once
// Number text in the bases 2 to 16, fractions included. Every conversion
// passes through the decimal hub: a setter reads its base's text into the hub,
// an output writes the hub in its base. Every public member traps run-time
// errors (the description is reported and the member yields empty text).
#include <QString>
#include <array>

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

private:
    void set(int base, const QString& text);
    QString output(int base);

    static double frac_floor(double x);
    static QString digit_char(int d);
    static QString digit_value(QChar c);
    static double to_decimal(const QString& s, int b);
    static QString from_decimal(const QString& s, int b);

    // One text per base, indexed by the base; the base-10 text is the hub.
    std::array<QString, 17> field_;
};
