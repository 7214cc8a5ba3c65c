"""What the FILT peers share: the command line, the complex operations that
need no branch, the FILT sum of one time point in brenno's order, and the CSV
as brenno-cli writes it."""

import argparse
import math
import sys

PI = 3.141592653589793
TERM_CAP = 10000
TAIL_TERMS = 5


# Complex numbers as pairs (re, im) of floats or of numpy arrays, by
# brenno's formulas.
def mul(a, b):
    return (a[0] * b[0] - a[1] * b[1], a[1] * b[0] + a[0] * b[1])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


def neg(z):
    return (-z[0], -z[1])


def parse_arguments(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("function", choices=["sample", "transcendental"],
                        help="sample: (1-exp(-s*1.2))/s; transcendental: exp(-0.1s)sinh(0.5sqrt(s))/sinh(sqrt(s))/s")
    parser.add_argument("--start", type=float, default=0.01)
    parser.add_argument("--end", type=float, default=5.0)
    parser.add_argument("--count", type=int, default=2048)
    parser.add_argument("--filt", default="4,0,200,0.2", help="A,B,K1,K2")
    arguments = parser.parse_args()
    arguments.a, arguments.b, arguments.k1, arguments.k2 = (float(x) for x in arguments.filt.split(","))
    return arguments


def times(start, end, count):
    """The time points: the step divides by the count, not by count - 1."""
    h = (end - start) / count
    return [start + i * h for i in range(count)]


def point(t, a, b, k1, k2):
    """sigma, the step d, the scale e^(A+Bt)/t and the number of term pairs."""
    m = t * k2 + k1
    pairs = TERM_CAP if m >= TERM_CAP else int(m) if m >= 1 else 0
    return a / t + b, PI / t, math.exp(t * b + a) / t, pairs


def term_omegas(d, count):
    """The imaginary parts of the terms' s, by repeated addition."""
    y = -0.5 * d
    omegas = []
    for _ in range(count):
        y = y + d
        omegas.append(y)
    return omegas


def level(im_f, pairs, scale):
    """Plain terms alternating from a minus sign, then the Euler tail."""
    total = 0.0
    for k in range(pairs):
        total = (im_f[2 * k] + total) - im_f[2 * k + 1]
    w = im_f[2 * pairs:]
    tail = ((((31 * w[0] - 26 * w[1]) + 16 * w[2]) - 6 * w[3]) + w[4]) * 0.03125
    return -(tail + total) * scale


def exponent_form(x):
    """printf's %E with the exponent widened to three digits."""
    text = "%E" % x
    mantissa, _, exponent = text.partition("E")
    if not exponent:
        return text
    return "%sE%s%03d" % (mantissa, exponent[0], int(exponent[1:]))


def write_csv(ts, levels):
    lines = ["time[sec], amplitude[linear] \r\n"]
    lines += ["%s, %s \r\n" % (exponent_form(t), exponent_form(v)) for t, v in zip(ts, levels)]
    sys.stdout.buffer.write("".join(lines).encode("ascii"))
