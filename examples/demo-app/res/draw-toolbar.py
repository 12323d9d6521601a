#!/usr/bin/env python3
"""Draws the demo's toolbar bitmap, toolbar.bmp: six buttons of 16 by 15
pixels (New, Cut, Copy, Paste, Find, About) on the light grey
that toolbars show as transparent. Rerun after changing a picture."""
import struct

W, H = 16, 15
GREY, BLACK, WHITE = (192, 192, 192), (0, 0, 0), (255, 255, 255)
YELLOW, BLUE, DARK, RED = (240, 200, 40), (30, 60, 170), (96, 96, 96), (200, 30, 30)

# One picture per button: rows of characters, each a colour.
PALETTE = {'.': GREY, 'k': BLACK, 'w': WHITE, 'y': YELLOW, 'b': BLUE, 'd': DARK, 'r': RED}
PICTURES = [
    # New: a sheet with a folded corner.
    ["................", "...kkkkkkk......", "...kwwwwwkk.....", "...kwwwwwkwk....",
     "...kwwwwwkkkk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
     "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...", "...kwwwwwwwwk...",
     "...kwwwwwwwwk...", "...kkkkkkkkkk...", "................"],
    # Cut: scissors.
    ["................", "....k.....k.....", "....k.....k.....", "....k.....k.....",
     ".....k...k......", ".....k...k......", "......k.k.......", ".......k........",
     "......r.r.......", ".....r...r......", "...rrr...rrr....", "..r..r...r..r...",
     "..r..r...r..r...", "...rr.....rr....", "................"],
    # Copy: two sheets.
    ["................", ".kkkkkk.........", ".kwwwwkk........", ".kwwwwkwk.......",
     ".kwwkkkkkkk.....", ".kwwkwwwwwkk....", ".kwwkwwwwwkwk...", ".kwwkwwwwwkkkk..",
     ".kwwkwwwwwwwwk..", ".kkkkwwwwwwwwk..", "....kwwwwwwwwk..", "....kwwwwwwwwk..",
     "....kkkkkkkkkk..", "................", "................"],
    # Paste: a clipboard with a sheet.
    ["................", ".....kkkk.......", "..kkkkddkkkk....", "..kyykkkkyyk....",
     "..kyyyyyyyyk....", "..kyyyykkkkkkk..", "..kyyyykwwwwwkk.", "..kyyyykwwwwwkwk",
     "..kyyyykwwwwwkkk", "..kyyyykwwwwwwwk", "..kyyyykwwwwwwwk", "..kyyyykwwwwwwwk",
     "..kkkkkkkkkkkkkk", "................", "................"],
    # Find: a magnifying glass.
    ["................", "....kkkk........", "...kwwwwk.......", "..kwwbwwwk......",
     "..kwbwwwwk......", "..kwwwwwwk......", "..kwwwwwwk......", "...kwwwwk.......",
     "....kkkkdd......", "........ddd.....", ".........ddd....", "..........ddd...",
     "...........dd...", "................", "................"],
    # About: a question mark in a blue circle.
    ["................", ".....bbbbbb.....", "...bbbbbbbbbb...", "..bbbbwwwwbbbb..",
     "..bbbwwbbwwbbb..", ".bbbbbbbbwwbbbb.", ".bbbbbbbwwbbbbb.", ".bbbbbbwwbbbbbb.",
     ".bbbbbbwwbbbbbb.", "..bbbbbbbbbbbb..", "..bbbbbwwbbbbb..", "...bbbbwwbbbb...",
     ".....bbbbbb.....", "................", "................"],
]


def pixel(x, y):
    picture = PICTURES[x // W]
    return PALETTE[picture[y][x % W]]


def main():
    width, height = W * len(PICTURES), H
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = b''.join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows.append(row + b'\0' * (stride - len(row)))
    image = b''.join(rows)
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(image), 0, 0, 14 + len(header))
    with open(__file__.replace('draw-toolbar.py', 'toolbar.bmp'), 'wb') as out:
        out.write(file_header + header + image)


if __name__ == '__main__':
    for picture in PICTURES:
        assert len(picture) == H and all(len(row) == W for row in picture), picture
    main()
