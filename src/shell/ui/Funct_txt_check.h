#pragma once
// Key filters and range checks of numeric input boxes.
#include <QStringView>
#include <optional>

class QLineEdit;

namespace Funct_txt_check {

// Only ".-+0123456789", and each of ".", "-", "+" at most once in the text
// (selected characters included): `text` is the box's text before the key.
// A box declares it as its filter:
// NumberBox::of(box).accepts(Funct_txt_check::key_numeric).
void key_numeric(int& keyAscii, QStringView text);
// Only "0123456789".
void key_digits(int& keyAscii);

// The checks read the box's number through its controller (NumberBox), which
// read it once when the text changed; a write of theirs runs the box's change
// handling again, nested.

// Minutes 0..59: out of range writes `restore` ("#0") back and returns it;
// in range returns the number, and a text that starts with "0" loses it
// ("05" becomes "5"); 0 writes "0" and returns 0.
double check_0_59(QLineEdit* box, double restore);
// Seconds 0..59.99, the same but a leading "0" stays (so that "0.5" can be
// reached by typing 5 after the 0 and then the point), the restored value
// under the automatic pattern.
double check_0_5999(QLineEdit* box, double restore);

// General bounds: a number outside them puts `value` back into the box and
// keeps it; one inside becomes the value. A box reading 0 is tidied to "0"
// unless it reads "0." or "0.0..." (so 0.05 can be typed). A bound not given
// is the box's own (NumberBox::within). The check never sees a number its
// box holds below the minimum while the user edits it: the controller lets
// it go, and the check refuses it, when the user leaves the box.
double check_range(QLineEdit* box, double& value, std::optional<double> minimum = std::nullopt,
                   std::optional<double> maximum = std::nullopt, std::optional<double> d = std::nullopt);

// x - trunc(x): keeps the sign of x.
double frac_part(double x);

} // namespace Funct_txt_check
