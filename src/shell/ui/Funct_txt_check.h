#pragma once
// Key filters and range checks of numeric input boxes.
#include "shell/ui/NumberBox.h"

#include <optional>

class QLineEdit;

namespace Funct_txt_check {

// Only ".-+0123456789", and each of ".", "-", "+" at most once in the box.
extern const NumberBox::Keys numericKeys;
// Only "0123456789".
extern const NumberBox::Keys digitKeys;

// The two filters as key-press handlers: they set the code to 0 to refuse.
void key_numeric(int& keyAscii, const QLineEdit* box);
void key_digits(int& keyAscii);

// Minutes 0..59: out of range writes `restore` ("#0") back and returns it;
// in range returns the number and leaves the text; 0 writes "0" and returns 0.
double check_0_59(QLineEdit* box, double restore);
// Seconds 0..59.99, the same, the restored value under the automatic pattern.
double check_0_5999(QLineEdit* box, double restore);

// General bounds: a number outside them puts `value` back into the box and
// keeps it; one inside becomes the value. A box reading 0 is tidied to "0"
// unless it reads "0." or "0.0..." (so 0.05 can be typed).
double check_range(QLineEdit* box, double& value, std::optional<double> minimum = std::nullopt,
                   std::optional<double> maximum = std::nullopt, std::optional<double> d = std::nullopt);

// While the user types a number below the minimum, check_range holds it:
// the box keeps the text and the value stays as it was, with no message.
// Leaving the box for another control of its window, or Enter, refuses it
// as above, with the text put back selected; opening the box's context menu
// or activating another window is not leaving it, and a closing window
// checks nothing. Pastes and writes by code are checked at once, and so is
// the maximum; a text refused at once is put back with the caret where the
// refused edit found it.
// True while `box` holds such a number: its handler must not use the text.
bool held(const QLineEdit* box);

// x - trunc(x): keeps the sign of x.
double frac_part(double x);

} // namespace Funct_txt_check
