#pragma once
// Pins the default locale (which the currency format and its reading follow)
// for the life of a test.
#include <QLocale>

class PinnedLocale {
public:
    explicit PinnedLocale(const char* name) : PinnedLocale(QLocale(QString::fromLatin1(name))) {}
    explicit PinnedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~PinnedLocale() { QLocale::setDefault(previous_); }
    PinnedLocale(const PinnedLocale&) = delete;
    PinnedLocale& operator=(const PinnedLocale&) = delete;

private:
    QLocale previous_;
};
