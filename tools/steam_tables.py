#!/usr/bin/python3
"""Writes the two superheated-steam tables shown by the steam-table window.

Run by hand from the top of the source tree (the program only reads the files it writes):
    sudo apt-get install python3-iapws
    /usr/bin/python3 tools/steam_tables.py resources/vapor
then rebuild, since the tables are compiled into the program. python3-iapws (IAPWS-IF97) is
Debian's package for the system's own Python, hence /usr/bin/python3 rather than whichever
python3 comes first on PATH. The script checks the rows it writes and stops on a failed check.

Each file holds 48 rows, one per pressure in kgf/cm2 (1 kgf/cm2 = 98.0665 kPa), as
tab-separated fields: the pressure, then the values at 200, 220, ..., 500 degC with the decimal
comma and three decimals. Specific volume in m3/kg and density in kg/m3, each computed from
IF97 and rounded to three decimals on its own (the reciprocal of a volume rounded to three
decimals would be several per cent off at high pressures). "-" marks a temperature below
saturation (above the critical pressure: below the pseudo-critical temperature, where cp
peaks). Up to 16 kgf/cm2 every cell has a value: 200 degC at 16 kgf/cm2 lies 0.4 K below
saturation and takes the vapour equation of region 2 carried that little way into the
metastable vapour.

The rows for 1 and 200 kgf/cm2 are the program's reference rows and are written as fixed below,
in place of the computed values (their volumes differ from IF97 by up to 0.003 m3/kg; the
densities of 200 kgf/cm2, the reciprocals of those volumes, by up to 5 %).
"""

import os
import sys
from decimal import ROUND_HALF_UP, Decimal

from iapws import IAPWS97
from iapws.iapws97 import _Region2, _TSat_P

KGF_CM2_MPA = 0.0980665
CRITICAL_MPA = 22.064
PRESSURES = (list(range(1, 17)) + list(range(18, 51, 2)) + [55, 60]
             + list(range(70, 161, 10)) + [180, 200, 250])
TEMPERATURES = list(range(200, 501, 20))

# Reference rows of specific volume (m3/kg); None below saturation.
FIXED_VOLUME = {
    1: [2.218, 2.310, 2.404, 2.502, 2.598, 2.691, 2.785, 2.882, 2.973, 3.066, 3.164, 3.260,
        3.354, 3.450, 3.542, 3.638],
    200: [None] * 9 + [0.009, 0.010, 0.012, 0.013, 0.014, 0.015, 0.016],
}
# Reference rows of density (kg/m3), as printed; "-" below saturation.
FIXED_DENSITY = {
    1: "0,451 0,433 0,416 0,400 0,385 0,372 0,359 0,347 0,336 0,326 0,316 0,307 0,298 "
       "0,290 0,282 0,275",
    200: "- - - - - - - - - 111,111 100,000 83,333 76,923 71,429 66,667 62,500",
}
# Specific-volume rows that end with three empty fields.
TRAILING_EMPTY = (180, 200, 250)
# In the specific-volume row of 250 kgf/cm2 the last cell without a value is left empty.
EMPTY_CELL = (250, 380)


def pseudo_critical_c(p_mpa):
    """Temperature (degC) of the cp maximum at a pressure above the critical one."""
    best_t, best_cp = None, -1.0
    for tenth in range(3740, 4200):
        t = tenth / 10.0
        cp = IAPWS97(P=p_mpa, T=t + 273.15).cp
        if cp > best_cp:
            best_t, best_cp = t, cp
    return best_t


def volumes_row(pressure):
    """IF97 specific volumes (m3/kg, unrounded) of one row; None below saturation."""
    p = pressure * KGF_CM2_MPA
    limit = pseudo_critical_c(p) if p > CRITICAL_MPA else _TSat_P(p) - 273.15
    row = []
    for t in TEMPERATURES:
        if t < limit and pressure > 16:
            row.append(None)
        elif t < limit:
            row.append(_Region2(t + 273.15, p)["v"])
        else:
            row.append(IAPWS97(P=p, T=t + 273.15).v)
    return row


def rounded(value):
    """The value rounded half up to three decimals, in decimal."""
    return Decimal(repr(value)).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP)


def text(value):
    return "-" if value is None else f"{value:.3f}".replace(".", ",")


def value(cell):
    return Decimal(cell.replace(",", "."))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources/vapor"
    density_lines, volume_lines = [], []
    previous_dashes = 0
    for pressure in PRESSURES:
        exact = volumes_row(pressure)
        volumes = FIXED_VOLUME.get(pressure) or [None if v is None else round(v, 3)
                                                 for v in exact]
        dashes = sum(v is None for v in volumes)
        assert dashes >= previous_dashes, pressure
        assert pressure > 16 or dashes == 0, pressure
        previous_dashes = dashes
        vol = [text(v) for v in volumes]
        if pressure in FIXED_DENSITY:
            dens = FIXED_DENSITY[pressure].split()
        else:
            dens = [text(None if v is None else rounded(1 / v)) for v in exact]
        assert [d == "-" for d in dens] == [v is None for v in volumes], (pressure, dens)
        # Density falls strictly as the temperature rises.
        numbers = [value(d) for d in dens if d != "-"]
        assert all(a > b for a, b in zip(numbers, numbers[1:])), (pressure, dens)
        if pressure == EMPTY_CELL[0]:
            vol[TEMPERATURES.index(EMPTY_CELL[1])] = ""
        density_lines.append("\t".join([str(pressure)] + dens))
        volume_line = "\t".join([str(pressure)] + vol)
        if pressure in TRAILING_EMPTY:
            volume_line += "\t\t\t"
        volume_lines.append(volume_line)
    assert previous_dashes == 10
    assert len(density_lines) == 48
    for name, lines in (("TabelaMassa.txt", density_lines),
                        ("TabelaVolume.txt", volume_lines)):
        with open(os.path.join(folder, name), "w", encoding="ascii", newline="\n") as out:
            out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
