"""The FILT of brenno-cli in numpy, vectorised over every term of every time
point at once: the same complex formulas on arrays of real and imaginary
parts, branches taken with where. Writes the CSV brenno-cli writes."""

import numpy as np

import filt_common
from filt_common import mul, neg, sub

GUARD = 1e-128


def guarded_ratio(numerator, divisor, d):
    return np.where(np.abs(divisor) > GUARD, numerator / divisor,
                    np.where(d > 0, numerator / GUARD, numerator / -GUARD))


def guarded_denominator(den):
    return np.where(np.abs(den) < GUARD, np.where(den > 0, GUARD, -GUARD), den)


def div(x, y):
    a, b = x
    c, d = y
    r1 = guarded_ratio(d, c, d)
    den1 = guarded_denominator(d * r1 + c)
    r2 = guarded_ratio(c, d, d)
    den2 = guarded_denominator(c * r2 + d)
    first = np.abs(c) >= np.abs(d)
    return (np.where(first, (b * r1 + a) / den1, (a * r2 + b) / den2),
            np.where(first, (b - a * r1) / den1, (b * r2 - a) / den2))


def modulus(z):
    p, q = np.abs(z[0]), np.abs(z[1])
    t1 = q / p
    t2 = p / q
    return np.where(q == 0, p, np.where(p > q, p * np.sqrt(1 + t1 * t1), q * np.sqrt(1 + t2 * t2)))


def exp(z):
    m = np.exp(z[0])
    return (np.cos(z[1]) * m, np.sin(z[1]) * m)


def sinh(z):
    return (np.sinh(z[0]) * np.cos(z[1]), np.cosh(z[0]) * np.sin(z[1]))


def sqrt(z):
    x, y = z
    w = np.sqrt((np.abs(x) + modulus(z)) * 0.5)
    t = np.where(y < 0, -w, w)
    zero = (x == 0) & (y == 0)
    return (np.where(zero, 0.0, np.where(x >= 0, w, y / (t + t))),
            np.where(zero, 0.0, np.where(x >= 0, y / (w + w), t)))


def constant(value, like):
    return (np.full_like(like, value), np.zeros_like(like))


def sample(s):
    return div(sub(constant(1.0, s[0]), exp(mul(neg(s), constant(1.2, s[0])))), s)


def transcendental(s):
    root = sqrt(s)
    numerator = mul(exp(mul(neg(constant(0.1, s[0])), s)), sinh(mul(constant(0.5, s[0]), root)))
    return div(div(numerator, sinh(sqrt(s))), s)


def main():
    arguments = filt_common.parse_arguments(__doc__)
    function = sample if arguments.function == "sample" else transcendental
    ts = filt_common.times(arguments.start, arguments.end, arguments.count)
    points = [filt_common.point(t, arguments.a, arguments.b, arguments.k1, arguments.k2) for t in ts]
    sigma, d, scale, pairs = (np.array(column) for column in zip(*points))
    terms = 2 * pairs.max() + filt_common.TAIL_TERMS
    # One row a time point: -d/2, then d again and again, summed in order.
    steps = np.repeat(d[:, None], terms + 1, axis=1)
    steps[:, 0] = -0.5 * d
    omegas = np.cumsum(steps, axis=1)[:, 1:]
    with np.errstate(all="ignore"):
        im_f = function((np.repeat(sigma[:, None], terms, axis=1), omegas))[1]
    total = np.zeros(len(ts))
    for k in range(pairs.max()):
        total = np.where(k < pairs, (im_f[:, 2 * k] + total) - im_f[:, 2 * k + 1], total)
    rows = np.arange(len(ts))
    w = [im_f[rows, 2 * pairs + q] for q in range(filt_common.TAIL_TERMS)]
    tail = ((((31 * w[0] - 26 * w[1]) + 16 * w[2]) - 6 * w[3]) + w[4]) * 0.03125
    filt_common.write_csv(ts, -(tail + total) * scale)


if __name__ == "__main__":
    main()
