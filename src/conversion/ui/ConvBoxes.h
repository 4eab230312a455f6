#pragma once
// The converters as the conversion window calls them: from-position,
// to-position, input box, output box. Each reads the input box's text and
// writes the output box only when its conversion completes.
class QLineEdit;

namespace Calc_conv_len { void conv_len(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_area { void conv_area(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_Vol { void conv_vol(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_mass { void conv_mass(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_force { void conv_force(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_press { void conv_press(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_work { void conv_work(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_Power { void conv_power(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_time { void conv_time(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_freq { void conv_freq(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_temp { void conv_temp(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_dens { void conv_dens(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_angle { void conv_angle(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_torque { void conv_torque(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_vel { void conv_vel(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_accel { void conv_accel(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
namespace Calc_conv_numbers { void conv_numbers(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
// Traps no error itself: a run-time error passes to the caller's trap.
namespace calc_conv_prefix { void conv_prefix(int from, int to, QLineEdit* Txt_A, QLineEdit* Txt_B); }
