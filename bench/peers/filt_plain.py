"""The FILT of brenno-cli in plain Python: the same complex formulas on pairs
of floats, one term at a time. Writes the CSV brenno-cli writes."""

import math

import filt_common
from filt_common import mul, neg, sub

GUARD = 1e-128


def guarded_ratio(numerator, divisor, d):
    if abs(divisor) > GUARD:
        return numerator / divisor
    return numerator / GUARD if d > 0 else numerator / -GUARD


def guarded_denominator(den):
    if abs(den) < GUARD:
        return GUARD if den > 0 else -GUARD
    return den


def div(x, y):
    a, b = x
    c, d = y
    if abs(c) >= abs(d):
        r = guarded_ratio(d, c, d)
        den = guarded_denominator(d * r + c)
        return ((b * r + a) / den, (b - a * r) / den)
    r = guarded_ratio(c, d, d)
    den = guarded_denominator(c * r + d)
    return ((a * r + b) / den, (b * r - a) / den)


def modulus(z):
    p, q = abs(z[0]), abs(z[1])
    if q == 0:
        return p
    if p > q:
        t = q / p
        return p * math.sqrt(1 + t * t)
    t = p / q
    return q * math.sqrt(1 + t * t)


def exp(z):
    m = math.exp(z[0])
    return (math.cos(z[1]) * m, math.sin(z[1]) * m)


def sinh(z):
    return (math.sinh(z[0]) * math.cos(z[1]), math.cosh(z[0]) * math.sin(z[1]))


def sqrt(z):
    if z[0] == 0 and z[1] == 0:
        return (0.0, 0.0)
    w = math.sqrt((abs(z[0]) + modulus(z)) * 0.5)
    if z[0] >= 0:
        return (w, z[1] / (w + w))
    t = -w if z[1] < 0 else w
    return (z[1] / (t + t), t)


def sample(s):
    return div(sub((1.0, 0.0), exp(mul(neg(s), (1.2, 0.0)))), s)


def transcendental(s):
    root = sqrt(s)
    numerator = mul(exp(mul(neg((0.1, 0.0)), s)), sinh(mul((0.5, 0.0), root)))
    return div(div(numerator, sinh(sqrt(s))), s)


def main():
    arguments = filt_common.parse_arguments(__doc__)
    function = sample if arguments.function == "sample" else transcendental
    ts = filt_common.times(arguments.start, arguments.end, arguments.count)
    levels = []
    for t in ts:
        sigma, d, scale, pairs = filt_common.point(t, arguments.a, arguments.b, arguments.k1, arguments.k2)
        omegas = filt_common.term_omegas(d, 2 * pairs + filt_common.TAIL_TERMS)
        im_f = [function((sigma, y))[1] for y in omegas]
        levels.append(filt_common.level(im_f, pairs, scale))
    filt_common.write_csv(ts, levels)


if __name__ == "__main__":
    main()
