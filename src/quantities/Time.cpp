#include "quantities/Time.h"

double Time::day2hour() const { return 24.0; }
double Time::day2min() const { return day2hour() * hour2min(); }
double Time::day2sec() const { return day2hour() * hour2min() * min2sec(); }
double Time::day2msec() const { return day2hour() * hour2min() * min2sec() * sec2msec(); }
double Time::hour2day() const { return 1.0 / 24.0; }
double Time::hour2min() const { return 60.0; }
double Time::hour2sec() const { return hour2min() * min2sec(); }
double Time::hour2msec() const { return hour2min() * min2sec() * sec2msec(); }
double Time::min2day() const { return min2hour() * hour2day(); }
double Time::min2hour() const { return 1.0 / 60.0; }
double Time::min2sec() const { return 60.0; }
double Time::min2msec() const { return min2sec() * sec2msec(); }
double Time::sec2day() const { return sec2min() * min2hour() * hour2day(); }
double Time::sec2hour() const { return sec2min() * min2hour(); }
double Time::sec2min() const { return 1.0 / 60.0; }
double Time::sec2msec() const { return 1000.0; }
double Time::msec2day() const { return msec2sec() * sec2min() * min2hour() * hour2day(); }
double Time::msec2hour() const { return msec2sec() * sec2min() * min2hour(); }
double Time::msec2min() const { return msec2sec() * sec2min(); }
double Time::msec2sec() const { return 1.0 / 1000.0; }
