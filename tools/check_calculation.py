#!/usr/bin/env python3
"""Independent check of the sample cases of the calculation tests.

Recomputes, straight from the sizing formulas and with nothing of the C++ code, the key
numbers of the four sample cases in tests/calculation/SampleCases.h (the inputs are repeated
below) and compares them with the golden data sheets in tests/data/. Run it by hand after
changing a sample case or a golden file:  python3 tools/check_calculation.py
"""
import math
import pathlib
import struct
import sys

DATA = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data"


def flange(b, D, Re):
    ke = (0.5993 + 0.1778 / D + (0.364 + 0.383 / math.sqrt(D)) * b**4
          + 0.4 * (1.6 - 25.4 / D)**5 * max(0.0, 0.07 + 12.7 / D - b)**2.5
          - (0.008999999 + 0.8636 / D) * max(0.0, 0.5 - b)**1.5
          + (41935 / D**2 + 3) * max(0.0, b - 0.7)**2.5)
    e = 0.03937 * b * D * (830 - 5000 * b + 9000 * b**2 - 4200 * b**3 + 2671 / math.sqrt(D))
    k0 = ke * (1e6 * b * D) / (1e6 * b * D + 381 * e)
    return k0 * (1 + b * e / Re) * b**2, max(1300 * b**2 * D, 5000)


def radius(b, D, Re):
    k0 = 0.6014 - 0.030352 / D**0.25 + (0.376 + 0.16292 / D**0.25) * (
        0.16129 / (D**2 * b**2 + 0.0635 * D) + b**4 + 1.5 * b**16)
    bb = (0.0002 + 0.02794 / D) + (0.0038 + 0.01016 / D) * (b**2 + (16.5 + 0.19685 * D) * b**16)
    return (k0 + bb * math.sqrt(1e6 / Re)) * b**2, 64000 * b**2


def vena(b, D, Re):
    k0 = 0.5922 + 0.4252 * (0.3871 / (D**2 * b**2 + 0.254 * D) + b**4 + 1.25 * b**16)
    bb = 0.00025 + 0.002325 * (b + 1.75 * b**4 + 10 * b**12 + 0.0787402 * D * b**16)
    return (k0 + bb * math.sqrt(1e6 / Re)) * b**2, 6400 * b**2


def corner(b, D, Re):
    c = 0.5959 + 0.0312 * b**2.1 - 0.184 * b**8 + 0.0029 * b**2.5 * (1e6 / Re)**0.75
    return c * b**2 / math.sqrt(1 - b**4), 14000 * b**1.3


def beta(S, D, Re, coef, eps=None):
    """Secant iteration on coef(b) - target; eps(b) gives the expansibility (gas/steam)."""
    target = S
    b0 = ((S / 0.61)**2 / (1 + (S / 0.61)**2))**0.25
    f0 = coef(b0, D, Re)[0] - target
    b1 = 1.02 * b0
    f1 = coef(b1, D, Re)[0] - target
    e = None
    while True:
        b2 = (b0 * f1 - b1 * f0) / (f1 - f0)
        if eps:
            e = eps(b2)
            target = S / e
        f0, f1 = f1, coef(b2, D, Re)[0] - target
        b0, b1 = b1, b2
        if abs(f1) <= 1e-6:
            return b2, e, target, coef(b2, D, Re)[1]


def eps_taps(p1, dp, R, k, corner_taps):
    ru = (p1 - R * R * dp / 1000) / p1
    if corner_taps:
        return lambda b: 1 - (0.3707 + 0.3184 * b**4) * (1 - ru**(1 / k))**0.935
    return lambda b: 1 - (0.41 + 0.35 * b**4) * (1 - ru) / k


def round_sig(v, n):
    e = math.floor(math.log(v) / math.log(10))
    k = n - e
    return math.floor(v * 10**k + 0.5) / float(repr(10.0**k))


def liquid():
    # 50 M³/h, D 102,26 mm, 2500 mmCA, T 60 ºC, rho 998,2 / 983,2, 0,47 cP, R 0,8, inox
    D, dp = 102.26, 2500 * 9.79763
    fa = 1 + 3.4e-5 * (60 - 20)
    W = 50 * 998.2
    rho = 983.2
    S = W / (0.0039986 * D * D * fa * math.sqrt(dp) * math.sqrt(rho))
    Q = W / rho
    V = 353.67 * 0.8 * Q / D**2
    Re = rho * D * V / 0.47
    b, _, target, remin = beta(S, D, Re, flange)
    loss = struct.unpack("f", struct.pack("f", 0.1022))[0] * dp * (1 - S) / (1 + S)
    return dict(S=S, beta=b, d=D * b, Re=Re, Q=Q, remin=remin, loss=loss)


def gas(tap=radius, corner_taps=False, mass=False):
    D, dp, p12, T9, z26, k, R, mu = 154.08, 12500.0, 700.0, 40.0, 0.985, 1.3, 0.75, 0.011
    if mass:
        pv, d19 = 0.0, 0.84 / 1.29307
        fa = 1 + 3.4e-5 * (T9 - 20)
    else:
        pv, d19, fa = 7.38 * 60 / 100, 0.65, 1.0005
    rho = ((p12 - pv) + 0.622 * pv / d19) * d19 * 3.4837 / (z26 * (T9 + 273.15))
    if mass:
        Q = 2000 / rho
    else:
        Q = 1500 * 101.325 * (T9 + 273.15) * z26 / (0.998 * (15 + 273.15) * (p12 - pv))
    S = Q * math.sqrt(rho) / (0.0039986 * D * D * fa * math.sqrt(dp))
    V = 353.67 * R * Q / D**2
    Re = rho * D * V / mu
    b, e, target, remin = beta(S, D, Re, tap, eps_taps(p12, dp, R, k, corner_taps))
    return dict(S=S, beta=b, d=D * b, eps=e, target=target, Re=Re, Q=Q, rho=rho, remin=remin)


def steam():
    # 2 T/h, D 77,92 mm, 2000 Kg/m², 10 Kg/cm², rho 4,9, 0,000018 Pa.s, k 1,3, R 0,7, inox
    D, dp, p12 = 77.92, 2000 * 98.0665 / 10, 10 * 98.0665
    fa = 1 + 3.4e-5 * (250 - 20)
    rho = 4.9
    Q = 2000 / rho
    S = Q * math.sqrt(rho) / (0.0039986 * D * D * fa * math.sqrt(dp))
    V = 353.67 * 0.7 * Q / D**2
    Re = rho * D * V / 0.018
    b, e, target, remin = beta(S, D, Re, vena, eps_taps(p12, dp, 0.7, 1.3, False))
    return dict(S=S, beta=b, d=D * b, eps=e, target=target, Re=Re, Q=Q, remin=remin)


def sheet_value(lines, label):
    for line in lines:
        if line[1:35].rstrip("_ ") == label:
            return float(line[36:].split(" ")[0].replace(",", "."))
    raise KeyError(label)


def check(name, values, failures):
    lines = (DATA / name).read_text(encoding="utf-8").splitlines()
    expected = {
        "Beta = d/D": round_sig(values["beta"], 4),
        "Diâmetro do quirasol": round_sig(values["d"], 4),
        "N.º de reynolds limite inf.": round_sig(values["remin"], 1),
        "N.º de reynolds usual": values["Re"],
        "Vazão de projeto": values["Q"],
    }
    if "loss" in values:
        expected["Perda de carga permanente"] = round_sig(values["loss"], 1)
    if "eps" in values:
        expected["Epsilo"] = round_sig(values["eps"], 4)
        expected["Coeficiente de Carga"] = round_sig(values["target"], 4)
        expected["Coeficiente de Carga * Epsilo"] = values["S"]
    else:
        expected["Coeficiente de Carga"] = values["S"]
    for label, value in expected.items():
        got = sheet_value(lines if label != "Vazão de projeto" else
                          lines[lines.index(next(l for l in lines if "Cálculos" in l)):], label)
        ok = math.isclose(got, value, rel_tol=1e-12, abs_tol=1e-12)
        print(f"{name:28} {label:32} {got!r:>22} {value!r:>22} {'ok' if ok else 'DIFFERS'}")
        if not ok:
            failures.append((name, label))


def main():
    failures = []
    check("calculo-liquido-flange.txt", liquid(), failures)
    check("calculo-gas-radius.txt", gas(), failures)
    check("calculo-vapor-vena.txt", steam(), failures)
    check("calculo-gas-corner.txt", gas(corner, True, True), failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
