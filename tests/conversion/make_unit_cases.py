#!/usr/bin/env python3
"""Writes UnitCases.inc: every unit converter's unit names in list order, and
for every cell of its pair table, named by its two units, an input and the
text the output box must show. A cell's input is chosen from the cell itself,
so adding a unit adds that unit's cells and changes no other. The factors and formulas are
written out here a second time, independently of the C++ tables, in the same
order and bracketing (Python floats are IEEE doubles and math.pow is C's pow),
and the display text follows the result formatter's rules, rounding the
15 significant digits of the plain number text half away from zero.

    python3 tests/conversion/make_unit_cases.py > tests/conversion/UnitCases.inc

The test program runs this script and fails when its output and the file differ.
"""
import math
import zlib
from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 1000  # whole numbers of any size keep every digit

p10 = lambda n: math.pow(10.0, n)
pw = math.pow

# ---- factors -------------------------------------------------------------
L = dict(cm2ft=0.03281, cm2in=0.3938, cm2km=p10(-5), cm2yd=1 / 91.44, mm2yd=1 / 914.4, ft2cm=30.48, ft2m=0.3048,
         ft2km=p10(-4) * 3.048, ft2in=12, ft2mi=p10(-4) * 1.894, ft2ya=0.333333, in2cm=2.54, in2ft=0.08333,
         in2m=0.0254, in2ya=0.02778, m2ft=3.281, m2in=39.37, m2km=0.001, m2mi=p10(-4) * 6.214, m2ya=1.094,
         mi2ft=5280.0, mi2km=1.609, mi2ya=1760, ya2cm=91.44, ya2ft=3, ya2in=36, ya2m=0.9144, ya2mi=p10(-4) * 5.682)
A = dict(acr2sqya=4840, acr2ha=0.4047, acr2sqmi=1 / 640, cm22m2=p10(-4), sqi2m2=p10(-4) * 6.452, km22acr=247.1,
         m22acr=p10(-4) * 2.47, m22ha=p10(-4), m22sqmi=p10(-7) * 3.861, mm22m2=p10(-6), km22m2=pw(1000, 2),
         sqft2m2=pw(0.3048, 2))
V = dict(cm32cuft=p10(-5) * 3.531, cm32cuin=p10(-2) * 6.102, cm32m3=p10(-6), cm32cuyd=p10(-6) * 1.308,
         cm32floz=p10(-2) * 3.381, cuft2cm3=p10(4) * 2.832, cuft2cuin=p10(3) * 1.728, cuft2m3=p10(-2) * 2.832,
         cuft2gal=7.481, cuin2cm3=16.39, cuin2m3=p10(-5) * 1.639, m32cm3=p10(6), m32cuya=1.308, gal2cuft=0.13368,
         gal2lit=3.78542, gal2m3=p10(-3) * 3.78542, gal2cuin=231, gal2floz=128, lit2cuft=p10(-2) * 3.532,
         lit2ga=0.26417, lit2m3=p10(-3), lit2floz=33.8142, cup2Floz=8, cup2gal=1 / 16)
MASS = [[None, p10(-3), p10(-5) * 6.854], [p10(3), None, p10(-2) * 6.854], [p10(4) * 1.459, 14.59, None]]
FORCE = [
    [None, p10(-3), p10(-3) * 9.807, 1 / (p10(-3) * 1.02), p10(-3) * 2.205, p10(-2) * 3.528],
    [1000, None, 9.807, 1000 / (p10(-3) * 1.02), 2.205, 35.28],
    [p10(3) / 9.807, 1 / 9.807, None, p10(5), 2.205 / 9.807, 35.28 / 9.807],
    [p10(-3) * 1.02, p10(-5) / 9.807, p10(-5), None, p10(-6) * 2.248, p10(-2) * (p10(-3) * 1.02 * 3.528)],
    [p10(3) * 0.4536, 0.4536, 0.4536 * 9.807, p10(3) * 0.4536 * 980.7, None, p10(-2) * 1600.3008],
    [(1 / 16) * 0.4536 * 1000, (1 / 16) * 0.4536, (1 / 16) * 0.4536 * 9.807, (1 / 16) * 0.4536 * 1000 * 980.7,
     1 / 16, None],
]
# pressure, in the order atm mmHg inHg bar psi psf dpcm2 Pa
P = dict(atm2mmHg=760, atm2inHg=29.92, atm2bar=1.0133, atm2psi=14.7, atm2dpcm2=p10(6) * 1.01325,
         atm2Pa=p10(5) * 1.01325, mmHg2inHg=1 / 25.4, inHg2atm=p10(-2) * 3.342, inHg2mmHg=25.4,
         inHg2bar=p10(-2) * 3.388, inHg2psi=0.4912, inHg2psf=70.7328, inHg2dpcm2=33863.86725, inHg2Pa=3386.386725,
         bar2atm=p10(-1) * 9.87, bar2mmHg=750.1, bar2inHg=750.1 / 25.4, bar2psi=p10(1) * 1.451, bar2dpcm2=p10(6),
         bar2Pa=p10(5), psi2atm=p10(-2) * 6.804, psi2mmHg=51.7144, psi2inHg=2.036, psi2psf=144, psi2dpcm2=68950,
         psi2Pa=6895, psf2atm=p10(-4) * 4.725, psf2mmHg=p10(-2) * 1.414 * 25.4, psf2inHg=p10(-2) * 1.414,
         psf2psi=1 / 144, psf2bar=p10(-4) * 4.788, psf2Pa=47.88, dpcm22mmHg=p10(-4) * 7.501,
         dpcm22inHg=p10(-4) * 7.501 / 25.4, dpcm22psi=p10(-5) * 1.45, Pa2atm=p10(-6) * 9.869,
         Pa2mmHg=p10(-4) * 2.953 * 25.4, Pa2inHg=p10(-4) * 2.953, Pa2psi=p10(-4) * 1.45, Pa2psf=p10(-2) * 2.089,
         Pa2dpcm2=10)
P['atm2psf'] = P['atm2psi'] * 144
P['mmHg2psi'] = P['mmHg2inHg'] * P['inHg2psi']
P['mmHg2atm'] = P['mmHg2psi'] * P['psi2atm']
P['mmHg2bar'] = P['mmHg2atm'] * P['atm2bar']
P['mmHg2psf'] = P['mmHg2inHg'] * P['inHg2psi'] * P['psi2psf']
P['mmHg2dpcm2'] = P['mmHg2inHg'] * P['inHg2psi'] * P['psi2dpcm2']
P['mmHg2Pa'] = P['mmHg2inHg'] * P['inHg2psi'] * P['psi2Pa']
P['bar2psf'] = P['bar2psi'] * 144
P['psi2bar'] = P['psi2Pa'] * P['Pa2atm'] * P['atm2bar']
P['psf2dpcm2'] = P['psf2bar'] * P['bar2dpcm2']
P['dpcm22atm'] = P['dpcm22inHg'] * P['inHg2atm']
P['dpcm22psf'] = P['dpcm22psi'] * 144
P['dpcm22bar'] = P['dpcm22atm'] * P['atm2bar']
P['dpcm22Pa'] = P['dpcm22atm'] * P['atm2Pa']
P['Pa2bar'] = P['Pa2dpcm2'] * P['dpcm22bar']
W = dict(J2Ws=1, J2cal=0.2389, J2ftlb=0.7376, Ws2J=1, Ws2Wh=1 / 3600, Wh2J=3600, Wh2Ws=3600, Wh2Btu=3.415,
         Wh2ftlb=2655, Btu2J=p10(3) * 1.055, Btu2Ws=p10(3) * 1.055, Btu2Wh=p10(3) * (p10(-4) * 2.93), Btu2cal=252,
         Btu2ftlb=778.3, ftlb2J=1.356, ftlb2Wh=p10(-4) * 3.766, ftlb2Btu=p10(-3) * 1.285)
W['J2Wh'] = W['J2Ws'] * 1 / 3600
W['J2Btu'] = 1 / W['Btu2J']
W['Wh2cal'] = W['Wh2Btu'] * W['Btu2cal']
W['Ws2Btu'] = W['Ws2Wh'] * W['Wh2Btu']
W['Ws2cal'] = W['Ws2Wh'] * W['Wh2cal']
W['Ws2ftlb'] = W['Ws2Wh'] * W['Wh2ftlb']
W['ftlb2cal'] = W['ftlb2J'] * W['J2cal']
W.update(cal2J=1 / W['J2cal'], cal2Ws=1 / W['Ws2cal'], cal2Wh=1 / W['Wh2cal'], cal2Btu=1 / W['Btu2cal'],
         cal2ftlb=1 / W['ftlb2cal'], ftlb2Ws=1 / W['Ws2ftlb'])
PW = dict(W2Hp=p10(-3) * 1.341, W2Btupm=p10(-2) * 5.689, W2calpsec=0.2388, Hp2W=745.7, Hp2Btupm=42.42, Btupm2W=17.58,
          Btupm2Hp=p10(-2) * 2.357)
PW['Hp2calpsec'] = PW['Hp2W'] * PW['W2calpsec']
PW['Btupm2calpsec'] = PW['Btupm2W'] * PW['W2calpsec']
PW.update(calpsec2W=1 / PW['W2calpsec'], calpsec2Hp=1 / PW['Hp2calpsec'], calpsec2Btupm=1 / PW['Btupm2calpsec'])
T = dict(day2hour=24, hour2min=60, min2sec=60, sec2msec=1000, hour2day=1 / 24, min2hour=1 / 60, sec2min=1 / 60,
         msec2sec=1 / 1000)
T['day2min'] = T['day2hour'] * T['hour2min']
T['day2sec'] = T['day2hour'] * T['hour2min'] * T['min2sec']
T['day2msec'] = T['day2hour'] * T['hour2min'] * T['min2sec'] * T['sec2msec']
T['hour2sec'] = T['hour2min'] * T['min2sec']
T['hour2msec'] = T['hour2min'] * T['min2sec'] * T['sec2msec']
T['min2day'] = T['min2hour'] * T['hour2day']
T['min2msec'] = T['min2sec'] * T['sec2msec']
T['sec2day'] = T['sec2min'] * T['min2hour'] * T['hour2day']
T['sec2hour'] = T['sec2min'] * T['min2hour']
T['msec2day'] = T['msec2sec'] * T['sec2min'] * T['min2hour'] * T['hour2day']
T['msec2hour'] = T['msec2sec'] * T['sec2min'] * T['min2hour']
T['msec2min'] = T['msec2sec'] * T['sec2min']
PI = 4 * math.atan(1)
FREQ = [[None, 2 * PI, 360, 60], [1 / (2 * PI), None, 180 / PI, (1 / (2 * PI)) * 60],
        [1 / 360, PI / 180, None, (1 / 360) * 60], [1 / 60, 2 * (1 / 60) * PI, (1 / 60) * 360, None]]
DENS = [[None, 1 / 1000, p10(-5) * 3.6128, 1 / 16.018], [1000, None, 0.0361281, 1 / (p10(-2) * 1.6018)],
        [27679.28115, 27.67928, None, 1728.011], [16.018, p10(-2) * 1.6018, p10(-4) * 5.787, None]]
ANGLE = [[None, PI / 180], [180 / PI, None]]
Nm2lbft = 1 / 0.3048 / 4.448
Dycm2lbft = p10(-6) * 2.248 / 30.48
TORQUE = [[None, 10000000, Nm2lbft, Nm2lbft * 16 * 12], [1 / 10000000, None, Dycm2lbft, Dycm2lbft * 16 * 12],
          [1 / Nm2lbft, 1 / Dycm2lbft, None, 192], [1 / (Nm2lbft * 16 * 12), 1 / (Dycm2lbft * 16 * 12), 1 / 192, None]]
VEL = [  # mm/s cm/s m/s km/h fps inps mph kt
    [None, 0.1, 0.001, p10(-3) * 3.6, (1 / 25.4) * (1 / 12), 1 / 25.4, (1 / 1000) * 3.6 / 1.60934,
     (1 / 1000) * 3.6 * (1 / 1.852)],
    [10, None, 0.01, 0.036, 1 / 30.48, 1 / 2.54, 0.036 / 1.60934, (1 / 1.852) * 0.036],
    [1000, 100, None, 3.6, 3.281, (1 / 2.54) * 100, 2.237, 1.943],
    [(1 / 3.6) * 1000, (1 / 3.6) * 100, 1 / 3.6, None, 0.9113, (1 / 3.6) * 100 * (1 / 2.54), 0.6214, 1 / 1.852],
    [304.8, 30.48, 0.3048, 1.097, None, 12, 0.6818, 1 / 1.689],
    [25.4, 2.54, 0.0254, 0.09144, (1 / 30.48) * 2.54, None, 0.09144 / 1.60934, 0.09144 / 1.852],
    [(1 / 3.6) * 1.60934 * 1000, (1 / 3.6) * 1.60934 * 100, (1 / 3.6) * 1.60934, 1.60934, 1 / 0.6818,
     (1 / 3.6) * 1.60934 * 100 / 2.54, None, 0.8684],
    [(1 / 3.6) * 1.852 * 1000, (1 / 3.6) * 1.852 * 100, (1 / 3.6) * 1.852, 1.852, 1.689, 20.268, 1.151, None],
]
ACCEL = [[None, 0.01, 1 / 30.48, 1 / 2.54], [100, None, 1 / 0.3048, 1 / 0.0254], [30.48, 0.3048, None, 12],
         [2.54, 0.0254, 1 / 12, None]]


def square(d, names):
    return [[None if a == b else d[f"{a}2{b}"] for b in names] for a in names]


def by_factor(table):
    return [[None if f is None else (lambda x, f=f: x * f) for f in row] for row in table]


# ---- formula tables ------------------------------------------------------
def length():
    l = L
    mm = [None, lambda x: x * 0.1, lambda x: x * 0.001, lambda x: p10(-6) * x, lambda x: l['cm2in'] * (x * 0.1),
          lambda x: l['cm2ft'] * (x * 0.1), lambda x: l['mm2yd'] * x, lambda x: l['m2mi'] * (x * 0.001)]
    cm = [lambda x: x * 10.0, None, lambda x: x * 0.01, lambda x: l['cm2km'] * x, lambda x: l['cm2in'] * x,
          lambda x: l['cm2ft'] * x, lambda x: l['cm2yd'] * x, lambda x: l['m2mi'] * (x * 0.01)]
    m = [lambda x: p10(3) * x, lambda x: x * 100.0, None, lambda x: l['m2km'] * x, lambda x: l['m2in'] * x,
         lambda x: l['m2ft'] * x, lambda x: l['m2ya'] * x, lambda x: l['m2mi'] * x]
    km = [lambda x: x / (l['cm2km'] * 0.1), lambda x: x / l['cm2km'], lambda x: x / l['m2km'], None,
          lambda x: x / (l['in2m'] / 1000), lambda x: x / l['ft2km'], lambda x: l['m2ya'] * (x / l['m2km']),
          lambda x: l['m2mi'] * (x / l['m2km'])]
    inch = [lambda x: 10 * (l['in2cm'] * x), lambda x: l['in2cm'] * x, lambda x: l['in2m'] * x,
            lambda x: (l['in2m'] * x) / 1000, None, lambda x: l['in2ft'] * x, lambda x: l['in2ya'] * x,
            lambda x: l['ya2mi'] * (l['in2ya'] * x)]
    ft = [lambda x: 10 * (l['ft2cm'] * x), lambda x: l['ft2cm'] * x, lambda x: l['ft2m'] * x,
          lambda x: l['ft2km'] * x, lambda x: l['ft2in'] * x, None, lambda x: l['ft2ya'] * x,
          lambda x: l['ft2mi'] * x]
    yd = [lambda x: 10 * (l['ya2cm'] * x), lambda x: l['ya2cm'] * x, lambda x: l['ya2m'] * x,
          lambda x: l['ft2km'] * (l['ya2ft'] * x), lambda x: l['ya2in'] * x, lambda x: l['ya2ft'] * x, None,
          lambda x: l['ya2mi'] * x]
    mi = [lambda x: 10 * (l['ya2cm'] * (l['mi2ya'] * x)), lambda x: l['ya2cm'] * (l['mi2ya'] * x),
          lambda x: l['ya2m'] * (l['mi2ya'] * x), lambda x: l['mi2km'] * x,
          lambda x: l['ya2in'] * (l['mi2ya'] * x), lambda x: l['mi2ft'] * x, lambda x: l['mi2ya'] * x, None]
    return [mm, cm, m, km, inch, ft, yd, mi]


def area():
    l, a = L, A
    sq = lambda f: pw(f, 2)
    # the factor of the "mi^2" row for each target 0..6, used by "Acre" and "Ha" too
    mi_to = [sq(10 * (l['ya2cm'] * l['mi2ya'])), sq(l['ya2cm'] * l['mi2ya']), sq(l['ya2m'] * l['mi2ya']),
             sq(l['mi2km']), sq(l['ya2in'] * l['mi2ya']), sq(l['mi2ft']), sq(l['mi2ya'])]
    k = lambda f: (lambda x: f * x)
    rows = [
        [None, k(sq(0.1)), k(sq(0.001)), k(sq(p10(-6))), k(sq(l['cm2in'] * 0.1)), k(sq(l['cm2ft'] * 0.1)),
         k(sq(l['cm2yd'] * 0.1)), k(sq(l['m2mi'] * 0.001)), lambda x: a['m22acr'] * (a['mm22m2'] * x),
         lambda x: a['m22ha'] * (a['mm22m2'] * x)],
        [k(sq(10.0)), None, k(sq(0.01)), k(sq(l['cm2km'])), k(sq(l['cm2in'])), k(sq(l['cm2ft'])),
         k(sq(l['cm2yd'])), k(sq(l['m2mi'] * 0.01)), lambda x: a['m22acr'] * (a['cm22m2'] * x),
         lambda x: a['m22ha'] * (a['cm22m2'] * x)],
        [k(sq(p10(3))), k(sq(100.0)), None, k(sq(l['m2km'])), k(sq(l['m2in'])), k(sq(l['m2ft'])), k(sq(l['m2ya'])),
         k(sq(l['m2mi'])), lambda x: a['m22acr'] * x, lambda x: a['m22ha'] * x],
        [k(sq(1 / (l['cm2km'] * 0.1))), k(sq(1 / l['cm2km'])), k(sq(1 / l['m2km'])), None,
         k(sq(1 / (l['in2m'] / 1000))), k(sq(l['m2ft'] * (1 / l['m2km']))), k(sq(l['m2ya'] * (1 / l['m2km']))),
         k(sq(l['m2mi'] * (1 / l['m2km']))), lambda x: a['km22acr'] * x,
         lambda x: a['m22ha'] * (a['km22m2'] * x)],
        [k(sq(10 * l['in2cm'])), k(sq(l['in2cm'])), k(sq(l['in2m'])), k(sq(l['in2m'] / 1000)), None,
         k(sq(l['in2ft'])), k(sq(l['in2ya'])), k(sq(l['ya2mi'] * l['in2ya'])),
         lambda x: a['m22acr'] * (a['sqi2m2'] * x), lambda x: a['m22ha'] * (a['sqi2m2'] * x)],
        [k(sq(10 * l['ft2cm'])), k(sq(l['ft2cm'])), k(sq(l['ft2m'])), k(sq(l['ft2km'])), k(sq(l['ft2in'])), None,
         k(sq(l['ft2ya'])), k(sq(l['ft2mi'])), lambda x: a['m22acr'] * (a['sqft2m2'] * x),
         lambda x: a['m22ha'] * (a['sqft2m2'] * x)],
        [k(sq(10 * l['ya2cm'])), k(sq(l['ya2cm'])), k(sq(l['ya2m'])), k(sq(l['ft2km'] * l['ya2ft'])),
         k(sq(l['ya2in'])), k(sq(l['ya2ft'])), None, k(sq(l['ya2mi'])), lambda x: x / a['acr2sqya'],
         lambda x: a['acr2ha'] * (x / a['acr2sqya'])],
        [k(f) for f in mi_to] + [lambda x: a['m22acr'] * (x / a['m22sqmi']), lambda x: a['m22ha'] * (x / a['m22sqmi'])],
        [(lambda x, f=f: f * (a['acr2sqmi'] * x)) for f in mi_to]
        + [lambda x: a['acr2sqmi'] * x, None, lambda x: a['acr2ha'] * x],
        [(lambda x, f=f: f * (a['acr2sqmi'] * (x / a['acr2ha']))) for f in mi_to]
        + [lambda x: a['acr2sqmi'] * (x / a['acr2ha']), lambda x: x / a['acr2ha'], None],
    ]
    rows[7].insert(7, None)
    return rows


def volume():
    l, v = L, V
    c = lambda f: pw(f, 3)
    return [
        [None, lambda x: x * c(0.1), lambda x: x * c(0.001), lambda x: x * c(p10(-6)),
         lambda x: x * c(0.1 * l['cm2in']), lambda x: x * c(0.1 * l['cm2ft']), lambda x: x * c(0.1 * l['cm2yd']),
         lambda x: x * c(0.001 * l['m2mi']), lambda x: x * c(0.001) / v['lit2m3'],
         lambda x: x * c(0.1) * v['cm32floz'], lambda x: x * c(0.1) * v['cm32floz'] / v['cup2Floz'],
         lambda x: x * c(0.001) / v['gal2m3']],
        [lambda x: x * p10(3), None, lambda x: x * c(0.01), lambda x: x * c(l['cm2km']), lambda x: x * c(l['cm2in']),
         lambda x: x * c(l['cm2ft']), lambda x: x * c(l['cm2yd']), lambda x: x * c(0.01 * l['m2mi']),
         lambda x: x * c(0.01) / v['lit2m3'], lambda x: x * v['cm32floz'],
         lambda x: x * v['cm32floz'] / v['cup2Floz'], lambda x: x * c(0.01) / v['gal2m3']],
        [lambda x: x * c(p10(3)), lambda x: x * c(100), None, lambda x: x * c(l['m2km']), lambda x: x * c(l['m2in']),
         lambda x: x * c(l['m2ft']), lambda x: x * c(l['m2ya']), lambda x: x * c(l['m2mi']),
         lambda x: x / v['lit2m3'], lambda x: x * c(100) * v['cm32floz'],
         lambda x: x * c(100) * v['cm32floz'] / v['cup2Floz'], lambda x: x / v['gal2m3']],
        [lambda x: x * c(1 / (0.1 * l['cm2km'])), lambda x: x * c(1 / l['cm2km']), lambda x: x * c(1 / l['m2km']),
         None, lambda x: x * c(1000 / l['in2m']), lambda x: x * c(1 / l['m2km'] * l['m2ft']),
         lambda x: x * c(1 / l['m2km'] * l['m2ya']), lambda x: x * c(1 / l['m2km'] * l['m2mi']),
         lambda x: x * c(1000) / v['lit2m3'], lambda x: x * c(100000) * v['cm32floz'],
         lambda x: x * c(100000) * v['cm32floz'] / v['cup2Floz'], lambda x: x * c(1000) / v['gal2m3']],
        [lambda x: x * c(l['in2cm'] * 10), lambda x: x * c(l['in2cm']), lambda x: x * c(l['in2m']),
         lambda x: x * c(l['in2m'] / 1000), None, lambda x: x * c(l['in2ft']), lambda x: x * c(l['in2ya']),
         lambda x: x * c(l['in2ya'] * l['ya2mi']), lambda x: x * v['cuin2m3'] / v['lit2m3'],
         lambda x: x * v['cuin2cm3'] * v['cm32floz'], lambda x: x * v['cuin2cm3'] * v['cm32floz'] / v['cup2Floz'],
         lambda x: x * v['cuin2m3'] / v['gal2m3']],
        [lambda x: x * c(l['ft2cm'] * 10), lambda x: x * c(l['ft2cm']), lambda x: x * c(l['ft2m']),
         lambda x: x * c(l['ft2km']), lambda x: x * c(l['ft2in']), None, lambda x: x * c(l['ft2ya']),
         lambda x: x * c(l['ft2mi']), lambda x: x * v['cuft2m3'] / v['lit2m3'],
         lambda x: x * v['cuft2cm3'] * v['cm32floz'], lambda x: x * v['cuft2cm3'] * v['cm32floz'] / v['cup2Floz'],
         lambda x: x * v['cuft2m3'] / v['gal2m3']],
        [lambda x: x * c(l['ya2cm'] * 10), lambda x: x * c(l['ya2cm']), lambda x: x * c(l['ya2m']),
         lambda x: x * c(l['ya2ft'] * l['ft2km']), lambda x: x * c(l['ya2in']), lambda x: x * c(l['ya2ft']), None,
         lambda x: x * c(l['ya2mi']), lambda x: x / v['m32cuya'] / v['lit2m3'],
         lambda x: x / v['m32cuya'] * v['m32cm3'] * v['cm32floz'],
         lambda x: x / v['m32cuya'] * v['m32cm3'] * v['cm32floz'] / v['cup2Floz'],
         lambda x: x / v['m32cuya'] / v['gal2m3']],
        [lambda x: x * c(l['mi2ya'] * l['ya2cm'] * 10), lambda x: x * c(l['mi2ya'] * l['ya2cm']),
         lambda x: x * c(l['mi2ya'] * l['ya2m']), lambda x: x * c(l['mi2km']),
         lambda x: x * c(l['mi2ya'] * l['ya2in']), lambda x: x * c(l['mi2ft']), lambda x: x * c(l['mi2ya']), None,
         lambda x: x * c(l['mi2ya'] * l['ya2m']) / v['lit2m3'],
         lambda x: x * c(l['mi2ya'] * l['ya2m']) * v['m32cm3'] * v['cm32floz'],
         lambda x: x * c(l['mi2ya'] * l['ya2m']) * v['m32cm3'] * v['cm32floz'] / v['cup2Floz'],
         lambda x: x * c(l['mi2ya'] * l['ya2m']) / v['gal2m3']],
        [lambda x: x * v['lit2m3'] * v['m32cm3'] * p10(3), lambda x: x * v['lit2m3'] * v['m32cm3'],
         lambda x: x * v['lit2m3'], lambda x: x * v['lit2m3'] * c(1.0 / 1000.0),
         lambda x: x * v['lit2floz'] / v['cm32floz'] * v['cm32cuin'],
         lambda x: x * v['lit2floz'] / v['cm32floz'] * v['cm32cuft'],
         lambda x: x * v['lit2floz'] / v['cm32floz'] * v['cm32cuyd'], lambda x: x * v['lit2cuft'] * c(l['ft2mi']),
         None, lambda x: x * v['lit2floz'], lambda x: x * v['lit2floz'] / v['cup2Floz'], lambda x: x * v['lit2ga']],
        [lambda x: x / v['cm32floz'] * p10(3), lambda x: x / v['cm32floz'], lambda x: x / v['cm32floz'] * v['cm32m3'],
         lambda x: x / v['cm32floz'] * v['cm32m3'] * c(1.0 / 1000.0),
         lambda x: x / v['cm32floz'] * v['cm32cuin'], lambda x: x / v['cm32floz'] * v['cm32cuft'],
         lambda x: x / v['cm32floz'] * v['cm32cuft'] * c(l['ft2ya']),
         lambda x: x / v['cm32floz'] * v['cm32cuft'] * c(l['ft2mi']), lambda x: x / v['lit2floz'], None,
         lambda x: x / v['cup2Floz'], lambda x: x / v['gal2floz']],
        [lambda x: x * v['cup2Floz'] / v['cm32floz'] * p10(3), lambda x: x * v['cup2Floz'] / v['cm32floz'],
         lambda x: x * v['cup2Floz'] / v['cm32floz'] * pw(100, -3),
         lambda x: x * v['cup2Floz'] / v['cm32floz'] * pw(100000, -3),
         lambda x: x * v['cup2gal'] / v['cuft2gal'] * v['cuft2cuin'], lambda x: x * v['cup2gal'] / v['cuft2gal'],
         lambda x: x * v['cup2gal'] / v['cuft2gal'] * c(l['ft2ya']),
         lambda x: x * v['cup2gal'] / v['cuft2gal'] * c(l['ft2mi']), lambda x: x * v['cup2Floz'] / v['lit2floz'],
         lambda x: x * v['cup2Floz'], None, lambda x: x * v['cup2Floz'] / v['gal2floz']],
        [lambda x: x * v['gal2m3'] * v['m32cm3'] * p10(3), lambda x: x * v['gal2m3'] * v['m32cm3'],
         lambda x: x * v['gal2m3'], lambda x: x * v['gal2m3'] * c(l['m2km']), lambda x: x * v['gal2cuin'],
         lambda x: x * v['gal2cuft'], lambda x: x * v['gal2cuft'] * c(l['ft2ya']),
         lambda x: x * v['gal2cuft'] * c(l['ft2mi']), lambda x: x * v['gal2lit'], lambda x: x * v['gal2floz'],
         lambda x: x * v['gal2floz'] / v['cup2Floz'], None],
    ]


def temperature():
    # (setter field, member) per cell, in double arithmetic as the members compute
    C2F = lambda c: c * 9 / 5 + 32
    K2F = lambda k: (k - 273.15) * (9 / 5) + 32
    F2C = lambda f: (f - 32) * (5 / 9)
    R2F = lambda r: r - 459.67
    return [
        [None, lambda c: c + 273.15, C2F, lambda c: C2F(c) + 459.67],
        [lambda k: k - 273.15, None, K2F, lambda k: K2F(k) + 459.67],
        [F2C, lambda f: F2C(f) + 273.15, None, lambda f: f + 459.67],
        [lambda r: F2C(R2F(r)), lambda r: F2C(R2F(r)) + 273.15, R2F, None],
    ]


# Each converter: its module, whose exported value the tests read, its units as
# the lists show them (in list order, which is the order of the rows and
# columns), its formula table.
CONVERTERS = [
    ("Calc_conv_len", ["mm", "cm", "m", "km", "in", "ft", "yard", "mi"], length()),
    ("Calc_conv_area", ["mm^2", "cm^2", "m^2", "km^2", "in^2", "ft^2", "yard^2", "mi^2", "Acre", "Ha"], area()),
    ("Calc_conv_Vol", ["mm^3", "cm^3", "m^3", "km^3", "in^3", "ft^3", "yard^3", "mi^3", "Liters", "Oz", "Cup", "Gal(US)"],
     volume()),
    ("Calc_conv_mass", ["gr", "kg", "slug"], by_factor(MASS)),
    ("Calc_conv_force", ["gr-f", "kg-f", "N", "dyne", "lb", "oz"], by_factor(FORCE)),
    ("Calc_conv_press", ["atm", "mm-Hg or (torr)", "in-Hg", "bar", "psi", "psf", "dynes/cm^2", "Pa or (N/m^2)"],
     by_factor(square(P, ["atm", "mmHg", "inHg", "bar", "psi", "psf", "dpcm2", "Pa"]))),
    ("Calc_conv_work", ["Joule or (N-m)", "Watt-sec", "Watt_hour", "Btu", "cal", "ft-lb"],
     by_factor(square(W, ["J", "Ws", "Wh", "Btu", "cal", "ftlb"]))),
    ("Calc_conv_Power", ["Watt or (N*m/sec)", "Hp", "Btu/min", "cal/sec"],
     by_factor(square(PW, ["W", "Hp", "Btupm", "calpsec"]))),
    ("Calc_conv_time", ["Day", "Hours", "Min", "sec", "msec"], by_factor(square(T, ["day", "hour", "min", "sec", "msec"]))),
    ("Calc_conv_freq", ["Hz", "rad/sec", "deg/sec", "RPM"], by_factor(FREQ)),
    ("Calc_conv_temp", ["deg_C", "deg_K", "deg_F", "deg_R"], temperature()),
    ("Calc_conv_dens", ["Kg/m^3", "gr/cm^3", "lb/in^3", "lb/ft^3"], by_factor(DENS)),
    ("Calc_conv_angle", ["deg", "rad"], by_factor(ANGLE)),
    ("Calc_conv_torque", ["N-m", "Dyne-cm", "lb-ft", "oz-in"], by_factor(TORQUE)),
    ("Calc_conv_vel", ["mm/s", "cm/s", "m/s", "km/h", "fps", "inps", "mph", "kt"], by_factor(VEL)),
    ("Calc_conv_accel", ["cm/s^2", "m/s^2", "fps^2", "inps^2"], by_factor(ACCEL)),
]


# ---- display text --------------------------------------------------------
def plain(x):
    """Plain number text: 15 significant digits, no trailing zeros."""
    if x == 0:
        return "0"
    s = "%.14e" % abs(x)
    mant, e = s.split("e")
    e = int(e)
    digits = (mant[0] + mant[2:]).rstrip("0") or "0"
    if e >= 15 or e < -4:
        out = digits[0] + ("." + digits[1:] if len(digits) > 1 else "") + "E%s%02d" % ("-" if e < 0 else "+", abs(e))
    elif e < 0:
        out = "0." + "0" * (-e - 1) + digits
    else:
        out = digits + "0" * (e + 1 - len(digits)) if len(digits) <= e + 1 else digits[:e + 1] + "." + digits[e + 1:]
    return ("-" if x < 0 else "") + out


def decimal15(a):
    """The 15 significant digits of the plain number text, as an exact decimal."""
    return Decimal("%.14e" % a)


def formatted(x):
    """Rounds the decimal digits of the plain number text half away from zero."""
    a, f = abs(x), x - math.floor(x)
    d = decimal15(a)
    if f == 0 or 1 <= a < 10 or (a < 1 and f >= 0.1) or 10 <= a <= 10000:
        places = 2 if 10 <= a <= 10000 and f != 0 else 4
        r = d.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
        s = format(r, "f")
    else:
        e = d.adjusted() if d else 0
        r = d.scaleb(-e).quantize(Decimal("1.0000"), rounding=ROUND_HALF_UP)
        if r >= 10:
            e += 1
            r = (r / 10).quantize(Decimal("1.0000"), rounding=ROUND_HALF_UP)
        s = format(r, "f") + "E" + ("-" if e < 0 else "+") + "%02d" % abs(e)
    return ("-" if x < 0 and r != 0 else "") + s


INPUTS = ["1", "2.5", "-7", "0.3", "1234.5", "1E-3", "88", "-0.04", "6.02E+5"]


def input_for(module, source, target):
    """A cell's input, chosen by the cell alone (its converter and its two unit
    names), so that a unit added to a table leaves every other cell as it was."""
    return INPUTS[zlib.crc32(("%s|%s|%s" % (module, source, target)).encode()) % len(INPUTS)]


def c_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


def main():
    print("// Generated by make_unit_cases.py: every unit converter's units and every cell")
    print("// of its pair table.")
    print("// converter, its units in list order, and each cell: from, to, input, expected output text")
    print("const UnitCases unitCases[] = {")
    for module, units, table in CONVERTERS:
        n = len(units)
        assert len(table) == n and all(len(r) == n for r in table), module
        print('{%s::converter, {%s}, {' % (module, ", ".join(c_string(u) for u in units)))
        for i in range(n):
            for j in range(n):
                text = input_for(module, units[i], units[j])
                x = float(text)
                cell = table[i][j]
                out = plain(x) if cell is None else formatted(cell(x))
                print('    {%s, %s, "%s", "%s"},' % (c_string(units[i]), c_string(units[j]), text, out))
        print("}},")
    print("};")

main()
