#include "conversion/ui/Fill_lists.h"

#include "conversion/Calc_conv_Power.h"
#include "conversion/Calc_conv_Vol.h"
#include "conversion/Calc_conv_accel.h"
#include "conversion/Calc_conv_angle.h"
#include "conversion/Calc_conv_area.h"
#include "conversion/Calc_conv_dens.h"
#include "conversion/Calc_conv_force.h"
#include "conversion/Calc_conv_freq.h"
#include "conversion/Calc_conv_len.h"
#include "conversion/Calc_conv_mass.h"
#include "conversion/Calc_conv_numbers.h"
#include "conversion/Calc_conv_press.h"
#include "conversion/Calc_conv_temp.h"
#include "conversion/Calc_conv_time.h"
#include "conversion/Calc_conv_torque.h"
#include "conversion/Calc_conv_vel.h"
#include "conversion/Calc_conv_work.h"
#include "conversion/calc_conv_prefix.h"

#include <QListWidget>

namespace Fill_lists {

void fill(QListWidget* from, QListWidget* to, const ConvSkeleton::Converter& converter)
{
    QStringList entries;
    for (const char* unit : converter.units) entries << QString::fromUtf8(unit);
    for (QListWidget* list : {from, to}) {
        list->clear();
        list->addItems(entries);
        list->setCurrentRow(0);
    }
}

void fill_len(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_len::converter); }
void fill_area(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_area::converter); }
void fill_vol(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_Vol::converter); }
void fill_mass(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_mass::converter); }
void fill_force(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_force::converter); }
void fill_press(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_press::converter); }
void fill_work(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_work::converter); }
void fill_power(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_Power::converter); }
void fill_time(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_time::converter); }
void fill_freq(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_freq::converter); }
void fill_temp(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_temp::converter); }
void fill_dens(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_dens::converter); }
void fill_angle(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_angle::converter); }
void fill_torque(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_torque::converter); }
void fill_vel(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_vel::converter); }
void fill_accel(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_accel::converter); }
void fill_numb(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_numbers::converter); }
void fill_prefix(QListWidget* f, QListWidget* t) { fill(f, t, calc_conv_prefix::converter); }

} // namespace Fill_lists
