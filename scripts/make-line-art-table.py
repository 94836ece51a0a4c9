#!/usr/bin/env python3
"""Writes data/Lna.dat, the line-art table of "&pre-convert to lineart": one record for
every 3 x 3 neighbourhood of a non-blank cell except the fully surrounded one (the inside
of a shape keeps its character).

Thin strokes follow their neighbours: "_" along a row, "|" up and down, "\\" and "/" on the
diagonals, "." where a row turns down (the top corners of a box) and "|" where a column
meets a row from above. The border cells of a filled shape (five or more neighbours) take
the line that runs across the side their neighbours lie on. Where two diagonals meet, the
point takes "V", "^", "<" or ">"."""
import itertools
import pathlib


def line_for(nw, n, ne, w, e, sw, s, se):
    count = nw + n + ne + w + e + sw + s + se
    if count == 8:
        return None
    if count == 0:
        return '.'
    if count >= 5:
        gx = (ne + e + se) - (nw + w + sw)
        gy = (sw + s + se) - (nw + n + ne)
        if gx == 0 and gy == 0:
            return None
        if abs(gy) > abs(gx):
            return '_'
        if abs(gx) > abs(gy):
            return '|'
        return '/' if gx * gy > 0 else '\\'
    across, upright = w + e, n + s
    falling, rising = nw + se, ne + sw
    if across and upright:
        if n:
            return '|'
        return '.' if across == 1 else '_'
    best = max(across, upright, falling, rising)
    if across == best:
        return '_'
    if upright == best:
        return '|'
    if falling == best and rising == best:
        # Two diagonals meeting: the point of a V, a peak, or a side vertex.
        if nw and ne and not (sw or se):
            return 'V'
        if sw and se and not (nw or ne):
            return '^'
        if nw and sw and not (ne or se):
            return '>'
        if ne and se and not (nw or sw):
            return '<'
        return 'X' if nw and ne and sw and se else ('\\' if nw and se else '/')
    return '\\' if falling == best else '/'


def main():
    out = []
    number = 0
    for bits in itertools.product((0, 1), repeat=8):
        ch = line_for(*bits)
        if ch is None:
            continue
        number += 1
        nw, n, ne, w, e, sw, s, se = ('*' if b else ' ' for b in bits)
        out += [f'-- record {number}', nw + n + ne, w + '*' + e + '  ' + ch, sw + s + se]
    out.append('END')
    target = pathlib.Path(__file__).resolve().parent.parent / 'data' / 'Lna.dat'
    target.write_bytes(('\r\n'.join(out) + '\r\n').encode('ascii'))


if __name__ == '__main__':
    main()
