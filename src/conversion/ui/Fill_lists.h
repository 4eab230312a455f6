#pragma once
// Fills the unit lists of the conversion window with a converter's unit
// names. The position of an entry is all a converter receives, so each list
// is filled in its converter's order. A fill fills the from-list, selects its
// first entry, then does the same for the to-list; each selection runs the
// tab's list handler.
class QListWidget;

namespace ConvSkeleton {
struct Converter;
}

namespace Fill_lists {

void fill(QListWidget* from, QListWidget* to, const ConvSkeleton::Converter& converter);

// Each tab's fill, named after its quantity: `fill` with that quantity's converter.
void fill_len(QListWidget* from, QListWidget* to);
void fill_area(QListWidget* from, QListWidget* to);
void fill_vol(QListWidget* from, QListWidget* to);
void fill_mass(QListWidget* from, QListWidget* to);
void fill_force(QListWidget* from, QListWidget* to);
void fill_press(QListWidget* from, QListWidget* to);
void fill_work(QListWidget* from, QListWidget* to);
void fill_power(QListWidget* from, QListWidget* to);
void fill_time(QListWidget* from, QListWidget* to);
void fill_freq(QListWidget* from, QListWidget* to);
void fill_temp(QListWidget* from, QListWidget* to);
void fill_dens(QListWidget* from, QListWidget* to);
void fill_angle(QListWidget* from, QListWidget* to);
void fill_torque(QListWidget* from, QListWidget* to);
void fill_vel(QListWidget* from, QListWidget* to);
void fill_accel(QListWidget* from, QListWidget* to);
void fill_numb(QListWidget* from, QListWidget* to);
void fill_prefix(QListWidget* from, QListWidget* to);

} // namespace Fill_lists
