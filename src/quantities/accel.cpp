#include "quantities/accel.h"

double accel::cms22ms2() const { return 0.01; }
double accel::cms22ins2() const { return 1.0 / 2.54; }
double accel::cms22fps2() const { return 1.0 / 30.48; }
double accel::ms22cms2() const { return 100.0; }
double accel::ms22ins2() const { return 1.0 / 0.0254; }
double accel::ms22fps2() const { return 1.0 / 0.3048; }
double accel::ins22cms2() const { return 2.54; }
double accel::ins22ms2() const { return 0.0254; }
double accel::ins22fps2() const { return 1.0 / 12.0; }
double accel::fps22cms2() const { return 30.48; }
double accel::fps22ms2() const { return 0.3048; }
double accel::fps22ins2() const { return 12.0; }
double accel::fps22mphs() const { return 0.6818; }
