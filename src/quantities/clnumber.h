#pragma once
// An early draft of the number-base converter that nothing uses any more: it
// keeps four texts and converts nothing.
#include <QString>
#include <QVariant>

class clnumber {
public:
    void setzen_Dec(const QString& v) { dec_ = v; }
    void setzen_bin(const QString& v) { bin_ = v; }
    void setzen_Oct(const QString& v) { oct_ = v; }
    void setzen_Hex(const QString& v) { hex_ = v; }

    // Empty values: the draft never got its conversions.
    QVariant Out_Dec() const { return {}; }
    QVariant Out_bin() const { return {}; }
    QVariant Out_Oct() const { return {}; }
    QVariant Out_Hex() const { return {}; }

private:
    QString dec_ = QStringLiteral("0");
    QString bin_ = QStringLiteral("0");
    QString oct_ = QStringLiteral("0");
    QString hex_ = QStringLiteral("0");
};
