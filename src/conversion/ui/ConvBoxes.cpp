#include "conversion/ui/ConvBoxes.h"

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
#include "runtime/Error.h"

#include <QLineEdit>

namespace {

using Convert = ConvSkeleton::Output (*)(int, int, QStringView);

void write(Convert convert, int from, int to, QLineEdit* in, QLineEdit* out)
{
    // The text is complete before the box sees it: a failed step leaves it as it was.
    if (ConvSkeleton::Output text = convert(from, to, in->text())) out->setText(*text);
}

void trapped(Convert convert, int from, int to, QLineEdit* in, QLineEdit* out)
{
    rt::trap([&] { write(convert, from, to, in, out); });
}

} // namespace

#define BOX(module, procedure)                                                                                       \
    void module::procedure(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B)                                     \
    {                                                                                                                \
        trapped(&module::convert, from, to, Txt_A, Txt_B);                                                           \
    }

BOX(Calc_conv_len, conv_len)
BOX(Calc_conv_area, conv_area)
BOX(Calc_conv_Vol, conv_vol)
BOX(Calc_conv_mass, conv_mass)
BOX(Calc_conv_force, conv_force)
BOX(Calc_conv_press, conv_press)
BOX(Calc_conv_work, conv_work)
BOX(Calc_conv_Power, conv_power)
BOX(Calc_conv_time, conv_time)
BOX(Calc_conv_freq, conv_freq)
BOX(Calc_conv_temp, conv_temp)
BOX(Calc_conv_dens, conv_dens)
BOX(Calc_conv_angle, conv_angle)
BOX(Calc_conv_torque, conv_torque)
BOX(Calc_conv_vel, conv_vel)
BOX(Calc_conv_accel, conv_accel)
BOX(Calc_conv_numbers, conv_numbers)

void calc_conv_prefix::conv_prefix(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B)
{
    write(&calc_conv_prefix::convert, from, to, Txt_A, Txt_B);
}
