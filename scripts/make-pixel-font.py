#!/usr/bin/env python3
"""Writes data/Fonts/pixel.flf, the program's own FIGlet font: a 3 x 5 pixel alphabet
(wider where letters need it), each pixel two "#" wide so that it comes out square in a
character cell, with descenders for g, j, p, q, y and the comma."""
import pathlib

# Rows 0-4 hold capitals and digits, rows 2-4 the x-height, rows 5-6 descenders.
GLYPHS = {
    ' ': ['...'],
    '!': ['X', 'X', 'X', '.', 'X'],
    '"': ['X.X', 'X.X'],
    '#': ['.X.X.', 'XXXXX', '.X.X.', 'XXXXX', '.X.X.'],
    '$': ['.XX', 'XX.', '.X.', '.XX', 'XX.'],
    '%': ['X.X', '..X', '.X.', 'X..', 'X.X'],
    '&': ['.X..', 'X.X.', '.X..', 'X.X.', '.X.X'],
    "'": ['X', 'X'],
    '(': ['.X', 'X.', 'X.', 'X.', '.X'],
    ')': ['X.', '.X', '.X', '.X', 'X.'],
    '*': ['...', 'X.X', '.X.', 'X.X'],
    '+': ['...', '.X.', 'XXX', '.X.'],
    ',': ['..', '..', '..', '..', '.X', 'X.'],
    '-': ['...', '...', 'XXX'],
    '.': ['.', '.', '.', '.', 'X'],
    '/': ['..X', '..X', '.X.', 'X..', 'X..'],
    '0': ['XXX', 'X.X', 'X.X', 'X.X', 'XXX'],
    '1': ['.X.', 'XX.', '.X.', '.X.', 'XXX'],
    '2': ['XX.', '..X', '.X.', 'X..', 'XXX'],
    '3': ['XX.', '..X', '.X.', '..X', 'XX.'],
    '4': ['X.X', 'X.X', 'XXX', '..X', '..X'],
    '5': ['XXX', 'X..', 'XX.', '..X', 'XX.'],
    '6': ['.XX', 'X..', 'XX.', 'X.X', '.X.'],
    '7': ['XXX', '..X', '.X.', '.X.', '.X.'],
    '8': ['.X.', 'X.X', '.X.', 'X.X', '.X.'],
    '9': ['.X.', 'X.X', '.XX', '..X', 'XX.'],
    ':': ['.', 'X', '.', 'X'],
    ';': ['..', '.X', '..', '.X', 'X.'],
    '<': ['..X', '.X.', 'X..', '.X.', '..X'],
    '=': ['...', 'XXX', '...', 'XXX'],
    '>': ['X..', '.X.', '..X', '.X.', 'X..'],
    '?': ['XX.', '..X', '.X.', '...', '.X.'],
    '@': ['.XXX.', 'X...X', 'X.XXX', 'X....', '.XXX.'],
    'A': ['.X.', 'X.X', 'XXX', 'X.X', 'X.X'],
    'B': ['XX.', 'X.X', 'XX.', 'X.X', 'XX.'],
    'C': ['.XX', 'X..', 'X..', 'X..', '.XX'],
    'D': ['XX.', 'X.X', 'X.X', 'X.X', 'XX.'],
    'E': ['XXX', 'X..', 'XX.', 'X..', 'XXX'],
    'F': ['XXX', 'X..', 'XX.', 'X..', 'X..'],
    'G': ['.XX', 'X..', 'X.X', 'X.X', '.XX'],
    'H': ['X.X', 'X.X', 'XXX', 'X.X', 'X.X'],
    'I': ['XXX', '.X.', '.X.', '.X.', 'XXX'],
    'J': ['..X', '..X', '..X', 'X.X', '.X.'],
    'K': ['X.X', 'X.X', 'XX.', 'X.X', 'X.X'],
    'L': ['X..', 'X..', 'X..', 'X..', 'XXX'],
    'M': ['X...X', 'XX.XX', 'X.X.X', 'X...X', 'X...X'],
    'N': ['X..X', 'XX.X', 'X.XX', 'X..X', 'X..X'],
    'O': ['.X.', 'X.X', 'X.X', 'X.X', '.X.'],
    'P': ['XX.', 'X.X', 'XX.', 'X..', 'X..'],
    'Q': ['.X.', 'X.X', 'X.X', 'XX.', '.XX'],
    'R': ['XX.', 'X.X', 'XX.', 'X.X', 'X.X'],
    'S': ['.XX', 'X..', '.X.', '..X', 'XX.'],
    'T': ['XXX', '.X.', '.X.', '.X.', '.X.'],
    'U': ['X.X', 'X.X', 'X.X', 'X.X', 'XXX'],
    'V': ['X.X', 'X.X', 'X.X', 'X.X', '.X.'],
    'W': ['X...X', 'X...X', 'X.X.X', 'XX.XX', 'X...X'],
    'X': ['X.X', 'X.X', '.X.', 'X.X', 'X.X'],
    'Y': ['X.X', 'X.X', '.X.', '.X.', '.X.'],
    'Z': ['XXX', '..X', '.X.', 'X..', 'XXX'],
    '[': ['XX', 'X.', 'X.', 'X.', 'XX'],
    '\\': ['X..', 'X..', '.X.', '..X', '..X'],
    ']': ['XX', '.X', '.X', '.X', 'XX'],
    '^': ['.X.', 'X.X'],
    '_': ['...', '...', '...', '...', '...', 'XXX'],
    '`': ['X.', '.X'],
    'a': ['...', '...', '.XX', 'X.X', '.XX'],
    'b': ['X..', 'X..', 'XX.', 'X.X', 'XX.'],
    'c': ['...', '...', '.XX', 'X..', '.XX'],
    'd': ['..X', '..X', '.XX', 'X.X', '.XX'],
    'e': ['...', '.X.', 'XXX', 'X..', '.XX'],
    'f': ['.XX', 'X..', 'XXX', 'X..', 'X..'],
    'g': ['...', '...', '.XX', 'X.X', '.XX', '..X', 'XX.'],
    'h': ['X..', 'X..', 'XX.', 'X.X', 'X.X'],
    'i': ['X', '.', 'X', 'X', 'X'],
    'j': ['..X', '...', '..X', '..X', '..X', 'X.X', '.X.'],
    'k': ['X..', 'X..', 'X.X', 'XX.', 'X.X'],
    'l': ['X', 'X', 'X', 'X', 'X'],
    'm': ['.....', '.....', 'XX.X.', 'X.X.X', 'X.X.X'],
    'n': ['...', '...', 'XX.', 'X.X', 'X.X'],
    'o': ['...', '...', '.X.', 'X.X', '.X.'],
    'p': ['...', '...', 'XX.', 'X.X', 'XX.', 'X..', 'X..'],
    'q': ['...', '...', '.XX', 'X.X', '.XX', '..X', '..X'],
    'r': ['...', '...', '.XX', 'X..', 'X..'],
    's': ['...', '...', '.XX', '.X.', 'XX.'],
    't': ['.X.', '.X.', 'XXX', '.X.', '.XX'],
    'u': ['...', '...', 'X.X', 'X.X', '.XX'],
    'v': ['...', '...', 'X.X', 'X.X', '.X.'],
    'w': ['.....', '.....', 'X...X', 'X.X.X', '.X.X.'],
    'x': ['...', '...', 'X.X', '.X.', 'X.X'],
    'y': ['...', '...', 'X.X', 'X.X', '.XX', '..X', 'XX.'],
    'z': ['...', '...', 'XXX', '.X.', 'XXX'],
    '{': ['.XX', '.X.', 'XX.', '.X.', '.XX'],
    '|': ['X', 'X', 'X', 'X', 'X', 'X'],
    '}': ['XX.', '.X.', '.XX', '.X.', 'XX.'],
    '~': ['....', 'XX.X', 'X.XX'],
}

HEIGHT = 7
BASELINE = 5
GAP = '  '  # one pixel between letters
COMMENTS = [
    'pixel.flf: a square-pixel alphabet for Glyphora, 7 lines high.',
    'Made for the program by its developers; use it freely.',
    'Letters are 3 pixels wide (M, N, W, m, w and # wider), each pixel "##".',
]


def glyph_lines(rows):
    width = max(len(row) for row in rows)
    rows = [row.ljust(width, '.') for row in rows] + ['.' * width] * (HEIGHT - len(rows))
    return [row.replace('X', '##').replace('.', '  ') + GAP for row in rows]


def main():
    assert sorted(GLYPHS) == [chr(c) for c in range(32, 127)]
    glyphs = [glyph_lines(GLYPHS[chr(c)]) for c in range(32, 127)]
    widest = max(len(lines[0]) for lines in glyphs)
    out = [f'flf2a$ {HEIGHT} {BASELINE} {widest + 2} -1 {len(COMMENTS)} 0 0 0'] + COMMENTS
    for lines in glyphs:
        out += [line + '@' for line in lines[:-1]] + [lines[-1] + '@@']
    target = pathlib.Path(__file__).resolve().parent.parent / 'data' / 'Fonts' / 'pixel.flf'
    target.write_text('\n'.join(out) + '\n', encoding='ascii')


if __name__ == '__main__':
    main()
