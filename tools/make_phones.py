#!/usr/bin/env python3
"""Writes the shipped phone definitions (phones/*.bsd) from the font drawn below.

    python3 tools/make_phones.py            write the files
    python3 tools/make_phones.py --check    parse the written files and check them
    python3 tools/make_phones.py --preview  print the font as ASCII art

Every glyph is drawn in a frame of ten rows:
    row 1       accents of capitals
    rows 2-8    capitals, digits and ascenders (baseline is row 8)
    rows 4-8    x-height of lowercase letters
    rows 9-10   descenders
so that letters of one line, which share their top row, sit on one baseline.
"""

import argparse
import os
import sys

HEIGHT = 10
BASELINE = 8  # last row of a capital, 1-based
MAX_ROWS = 10
MAX_COLUMNS = 9  # the loader takes ten positions per row, the first is the ":"

# Each block is a line of labels (one character each) and ten rows below it; the
# glyphs of a block stand side by side, "#" set, "." clear.
SHEET = r"""
A     B     C     D     E    F    G     H     I   J    K     L    M
..... ..... ..... ..... .... .... ..... ..... ... .... ..... .... .....
.###. ####. .###. ####. #### #### .###. #...# ### ...# #...# #... #...#
#...# #...# #...# #...# #... #... #...# #...# .#. ...# #..#. #... ##.##
#...# #...# #.... #...# #... #... #.... #...# .#. ...# #.#.. #... #.#.#
##### ####. #.... #...# ###. ###. #.### ##### .#. ...# ##... #... #.#.#
#...# #...# #.... #...# #... #... #...# #...# .#. ...# #.#.. #... #...#
#...# #...# #...# #...# #... #... #...# #...# .#. #..# #..#. #... #...#
#...# ####. .###. ####. #### #... .###. #...# ### .##. #...# #### #...#
..... ..... ..... ..... .... .... ..... ..... ... .... ..... .... .....
..... ..... ..... ..... .... .... ..... ..... ... .... ..... .... .....

N     O     P     Q     R     S     T     U     V     W     X     Y     Z
..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....
#...# .###. ####. .###. ####. .###. ##### #...# #...# #...# #...# #...# #####
#...# #...# #...# #...# #...# #...# ..#.. #...# #...# #...# #...# #...# ....#
##..# #...# #...# #...# #...# #.... ..#.. #...# #...# #...# .#.#. .#.#. ...#.
#.#.# #...# ####. #...# ####. .###. ..#.. #...# #...# #.#.# ..#.. ..#.. ..#..
#..## #...# #.... #.#.# #.#.. ....# ..#.. #...# .#.#. #.#.# .#.#. ..#.. .#...
#...# #...# #.... #..#. #..#. #...# ..#.. #...# .#.#. ##.## #...# ..#.. #....
#...# .###. #.... .##.# #...# .###. ..#.. .###. ..#.. #...# #...# ..#.. #####
..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....
..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....

a    b    c    d    e    f   g    h    i j   k    l m     n    o    p    q
.... .... .... .... .... ... .... .... . ... .... . ..... .... .... .... ....
.... #... .... ...# .... .## .... #... # ..# #... # ..... .... .... .... ....
.... #... .... ...# .... #.. .... #... . ... #... # ..... .... .... .... ....
.##. ###. .### .### .##. ### .### ###. # ..# #..# # ####. ###. .##. ###. .###
...# #..# #... #..# #..# #.. #..# #..# # ..# #.#. # #.#.# #..# #..# #..# #..#
.### #..# #... #..# #### #.. #..# #..# # ..# ##.. # #.#.# #..# #..# #..# #..#
#..# #..# #... #..# #... #.. #..# #..# # ..# #.#. # #.#.# #..# #..# #..# #..#
.### ###. .### .### .### #.. .### #..# # ..# #..# # #.#.# #..# .##. ###. .###
.... .... .... .... .... ... ...# .... . ..# .... . ..... .... .... #... ...#
.... .... .... .... .... ... .##. .... . ##. .... . ..... .... .... #... ...#

r    s    t   u    v     w     x     y    z
.... .... ... .... ..... ..... ..... .... ....
.... .... ... .... ..... ..... ..... .... ....
.... .... #.. .... ..... ..... ..... .... ....
#.## .### ### #..# #...# #...# #...# #..# ####
##.. #... #.. #..# #...# #...# .#.#. #..# ...#
#... .##. #.. #..# .#.#. #.#.# ..#.. #..# .##.
#... ...# #.. #..# .#.#. #.#.# .#.#. #..# #...
#... ###. .## .### ..#.. .#.#. #...# .### ####
.... .... ... .... ..... ..... ..... ...# ....
.... .... ... .... ..... ..... ..... .##. ....

0     1   2     3     4     5     6     7     8     9
..... ... ..... ..... ..... ..... ..... ..... ..... .....
.###. .#. .###. ####. ...#. ##### ..##. ##### .###. .###.
#...# ##. #...# ...#. ..##. #.... .#... ....# #...# #...#
#..## .#. ....# ..#.. .#.#. ####. #.... ...#. #...# #...#
#.#.# .#. ...#. ...#. #..#. ....# ####. ..#.. .###. .####
##..# .#. ..#.. ....# ##### ....# #...# .#... #...# ....#
#...# .#. .#... #...# ...#. #...# #...# .#... #...# ...#.
.###. ### ##### .###. ...#. .###. .###. .#... .###. .##..
..... ... ..... ..... ..... ..... ..... ..... ..... .....
..... ... ..... ..... ..... ..... ..... ..... ..... .....

! " #     $     %     &     ' (   )   *     +     , -   . /   :
. ... ..... ..... ..... ..... . ... ... ..... ..... .. ... . ... .
# #.# .#.#. ..#.. ##... .##.. # ..# #.. ..... ..... .. ... . ..# .
# #.# .#.#. .#### ##..# #..#. # .#. .#. ..#.. ..#.. .. ... . ..# .
# ... ##### #.#.. ...#. #.#.. . #.. ..# #.#.# ..#.. .. ... . .#. #
# ... .#.#. .###. ..#.. .#... . #.. ..# .###. ##### .. ### . .#. .
# ... ##### ..#.# .#... #.#.# . #.. ..# #.#.# ..#.. .. ... . .#. .
. ... .#.#. ####. #..## #..#. . .#. .#. ..#.. ..#.. .# ... . #.. .
# ... .#.#. ..#.. ...## .##.# . ..# #.. ..... ..... .# ... # #.. #
. ... ..... ..... ..... ..... . ... ... ..... ..... #. ... . ... .
. ... ..... ..... ..... ..... . ... ... ..... ..... .. ... . ... .

; <    =    >    ?     @     [  \   ]  ^     _     `  {   | }   ~
.. .... .... .... ..... ..... .. ... .. ..... ..... .. ... . ... .....
.. ...# .... #... .###. .###. ## #.. ## ..#.. ..... #. .## # ##. .....
.. ..#. .... .#.. #...# #...# #. #.. .# .#.#. ..... .# .#. # .#. .....
.# .#.. #### ..#. ....# #.### #. .#. .# #...# ..... .. .#. # .#. .##.#
.. #... .... ...# ...#. #.#.# #. .#. .# ..... ..... .. #.. # ..# #.##.
.. .#.. #### ..#. ..#.. #.### #. .#. .# ..... ..... .. .#. # .#. .....
.. ..#. .... .#.. ..... #.... #. ..# .# ..... ..... .. .#. # .#. .....
.# ...# .... #... ..#.. .###. ## ..# ## ..... ..... .. .## # ##. .....
#. .... .... .... ..... ..... .. ... .. ..... ##### .. ... # ... .....
.. .... .... .... ..... ..... .. ... .. ..... ..... .. ... . ... .....

€     ‚  ƒ    „    …     †   ‡   ˆ   ‰        ‹   Œ       ‘  ’  “     ”
..... .. .... .... ..... ... ... ... ........ ... ....... .. .. ..... .....
..### .. ..## .... ..... .#. .#. .#. ##...... ... .###### .# ## .#..# ##.##
.#... .. .#.. .... ..... ### ### #.# ##..#... ... #..#... #. .# #..#. .#..#
####. .. .#.. .... ..... .#. .#. ... ...#.... ..# #..#... ## #. ##.## #..#.
.#... .. ###. .... ..... .#. .#. ... ..#..... .#. #..#### .. .. ..... .....
####. .. .#.. .... ..... .#. .#. ... .#...... #.. #..#... .. .. ..... .....
.#... .# .#.. .#.# ..... .#. ### ... #..##.## .#. #..#... .. .. ..... .....
..### .# .#.. .#.# #.#.# .#. .#. ... ...##.## ..# .###### .. .. ..... .....
..... #. .#.. #.#. ..... ... ... ... ........ ... ....... .. .. ..... .....
..... .. #... .... ..... ... ... ... ........ ... ....... .. .. ..... .....

•   –     —        ˜    ™         ›   œ
... ..... ........ .... ......... ... .......
... ..... ........ .#.# ###.#...# ... .......
... ..... ........ #.#. .#..##.## ... .......
### ..... ........ .... .#..#.#.# #.. .##.##.
### ##### ######## .... ......... .#. #..#..#
### ..... ........ .... ......... ..# #..####
... ..... ........ .... ......... .#. #..#...
... ..... ........ .... ......... #.. .##.###
... ..... ........ .... ......... ... .......
... ..... ........ .... ......... ... .......

¡ ¢    £     ¤     ¥     ¦ §    ¨   ©       ª   «     ¬    ®       ¯    °
. .... ..... ..... ..... . .... ... ....... ... ..... .... ....... .... ...
. .... ..##. ..... #...# # .### #.# .#####. .## ..... .... .#####. #### .#.
. ..#. .#..# #...# .#.#. # #... ... #.....# #.# ..... .... #.....# .... #.#
# .### .#... .###. ..#.. # .##. ... #.###.# .## ..#.# .... #.##..# .... .#.
. #.#. ####. .#.#. ##### . #..# ... #.#...# ... .#.#. #### #.#.#.# .... ...
# #.#. .#... .###. ..#.. # #..# ... #.###.# ### #.#.. ...# #.##..# .... ...
# #.#. .#... #...# ##### # .##. ... #.....# ... .#.#. .... #.#.#.# .... ...
# .### ##### ..... ..#.. # ...# ... .#####. ... ..#.# .... .#####. .... ...
# ..#. ..... ..... ..... . ###. ... ....... ... ..... .... ....... .... ...
# .... ..... ..... ..... . .... ... ....... ... ..... .... ....... .... ...

±     ²   ³   ´  µ    ¶     · ¸  ¹   º   »     ¼       ½       ¾        ¿
..... ... ... .. .... ..... . .. ... ... ..... ....... ....... ........ .....
..... .#. ##. .# .... .#### . .. .#. .#. ..... #....#. #....#. ##....#. .....
..#.. #.# ..# #. .... ###.# . .. ##. #.# ..... #...#.. #...#.. .##..#.. .....
..#.. ..# .#. .. #..# ###.# . .. .#. .#. #.#.. #..#... #..#... ##..#... ..#..
##### .#. ..# .. #..# .##.# # .. .#. ... .#.#. ..#.... ..#.... ...#.... .....
..#.. ### ##. .. #..# ..#.# . .. ### ### ..#.# .#..#.# .#..##. ..#..#.# ..#..
..#.. ... ... .. #..# ..#.# . .. ... ... .#.#. #...### #....#. .#...### .#...
##### ... ... .. ###. ..#.# . .. ... ... #.#.. ......# .....## #......# #....
..... ... ... .. #... ..... . .# ... ... ..... ....... ....... ........ #...#
..... ... ... .. #... ..... . #. ... ... ..... ....... ....... ........ .###.

Å     Æ      Ð     Ø     ×   ÷     Þ     ß    æ       ð    ø     þ
..#.. ...... ..... ..... ... ..... ..... .... ....... .... ..... ....
.#.#. .##### ####. .#### ... ..... #.... .##. ....... .#.# ..... #...
.###. #..#.. .#..# #..## ... ..#.. ####. #..# ....... ..#. ....# #...
#...# #..#.. .#..# #.#.# #.# ..... #...# #..# .##.##. .#.# .###. ###.
#...# #####. ###.# #.#.# .#. ##### #...# #.#. ...#..# .### #..## #..#
##### #..#.. .#..# #.#.# #.# ..... ####. #..# .###### #..# #.#.# #..#
#...# #..#.. .#..# ##..# ... ..#.. #.... #..# #..#... #..# ##..# #..#
#...# #..### ####. ####. ... ..... #.... #.#. .##.### .##. .###. ###.
..... ...... ..... ..... ... ..... ..... .... ....... .... #.... #...
..... ...... ..... ..... ... ..... ..... .... ....... .... ..... #...
"""

# Accents drawn above a letter, bottom row last.
ACUTE = [".#", "#."]
GRAVE = ["#.", ".#"]
CIRCUMFLEX = [".#.", "#.#"]
CARON = ["#.#", ".#."]
TILDE_NARROW = [".#.#", "#.#."]
TILDE_WIDE = [".##.#", "#.##."]
RING = [".#.", "#.#", ".#."]
CEDILLA = [".#", "##"]  # drawn below the baseline

# Capitals give up one of their seven rows to make room for an accent; the row named
# here (1-based frame row) is the one the letter misses least.
SQUASH_ROW = {"A": 4, "E": 3, "I": 3, "N": 2, "O": 4, "S": 4, "U": 4, "Y": 6, "Z": 4}

# Composed letters: character -> (base letter, accent). The base of an accented
# lowercase letter without room for an accent is replaced by a dotless form.
COMPOSED = {
    "À": ("A", "grave"), "Á": ("A", "acute"), "Â": ("A", "circumflex"),
    "Ã": ("A", "tilde"), "Ä": ("A", "diaeresis"),
    "Ç": ("C", "cedilla"),
    "È": ("E", "grave"), "É": ("E", "acute"), "Ê": ("E", "circumflex"), "Ë": ("E", "diaeresis"),
    "Ì": ("I", "grave"), "Í": ("I", "acute"), "Î": ("I", "circumflex"), "Ï": ("I", "diaeresis"),
    "Ñ": ("N", "tilde"),
    "Ò": ("O", "grave"), "Ó": ("O", "acute"), "Ô": ("O", "circumflex"),
    "Õ": ("O", "tilde"), "Ö": ("O", "diaeresis"),
    "Ù": ("U", "grave"), "Ú": ("U", "acute"), "Û": ("U", "circumflex"), "Ü": ("U", "diaeresis"),
    "Ý": ("Y", "acute"), "Ÿ": ("Y", "diaeresis"),
    "Š": ("S", "caron"), "Ž": ("Z", "caron"),
    "à": ("a", "grave"), "á": ("a", "acute"), "â": ("a", "circumflex"),
    "ã": ("a", "tilde"), "ä": ("a", "diaeresis"), "å": ("a", "ring"),
    "ç": ("c", "cedilla"),
    "è": ("e", "grave"), "é": ("e", "acute"), "ê": ("e", "circumflex"), "ë": ("e", "diaeresis"),
    "ì": ("ı", "grave"), "í": ("ı", "acute"), "î": ("ı", "circumflex"), "ï": ("ı", "diaeresis"),
    "ñ": ("n", "tilde"),
    "ò": ("o", "grave"), "ó": ("o", "acute"), "ô": ("o", "circumflex"),
    "õ": ("o", "tilde"), "ö": ("o", "diaeresis"),
    "ù": ("u", "grave"), "ú": ("u", "acute"), "û": ("u", "circumflex"), "ü": ("u", "diaeresis"),
    "ý": ("y", "acute"), "ÿ": ("y", "diaeresis"),
    "š": ("s", "caron"), "ž": ("z", "caron"),
}

# Characters that look like another one here.
COPIES = {"\u00a0": " ", "\u00ad": "-"}

# Windows-1252 bytes that stand for no character.
UNASSIGNED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}

# The characters of the GSM 03.38 default alphabet that Windows-1252 holds, in the
# order of the GSM table; these can be sent as they are. LF and CR are in it too.
GSM_ORDER = (
    "@£$¥èéùìòÇ\nØø\rÅå_ÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ\u00a7¿abcdefghijklmnopqrstuvwxyzäöñüà"
)


def parse_sheet(text):
    glyphs = {}
    lines = text.strip("\n").split("\n")
    blocks = [lines[i:i + HEIGHT + 1] for i in range(0, len(lines), HEIGHT + 2)]
    for block in blocks:
        labels = block[0].split()
        rows = [line.split() for line in block[1:]]
        assert len(rows) == HEIGHT, f"block {labels[0]}: {len(rows)} rows"
        for index, label in enumerate(labels):
            assert len(label) == 1 and label not in glyphs, label
            glyph = [row[index] for row in rows]
            assert len(set(map(len, glyph))) == 1, f"ragged glyph {label!r}"
            glyphs[label] = glyph
    return glyphs


def blank(width):
    return ["." * width for _ in range(HEIGHT)]


def overlay(rows, pattern, top, left):
    rows = [list(row) for row in rows]
    for dy, line in enumerate(pattern):
        for dx, pixel in enumerate(line):
            if pixel == "#":
                assert rows[top + dy][left + dx] == ".", "accent runs into the letter"
                rows[top + dy][left + dx] = "#"
    return ["".join(row) for row in rows]


def widen(rows, width, left):
    pad = width - len(rows[0])
    return ["." * left + row + "." * (pad - left) for row in rows]


def squash(rows, row):
    # Drops the frame row `row` and moves what was above it down by one.
    index = row - 1
    return ["." * len(rows[0])] + rows[:index] + rows[index + 1:]


def accent_pattern(name, width):
    if name == "diaeresis":
        return ["#.#"] if width % 2 else ["#..#"]
    if name == "tilde":
        return TILDE_WIDE if width >= 5 else TILDE_NARROW
    return {"acute": ACUTE, "grave": GRAVE, "circumflex": CIRCUMFLEX,
            "caron": CARON, "ring": RING, "cedilla": CEDILLA}[name]


def compose(glyphs, base_char, accent):
    base = glyphs[base_char]
    capital = base_char.isupper()
    pattern = accent_pattern(accent, len(base[0]))
    width = max(len(base[0]), len(pattern[0]))
    rows = widen(base, width, (width - len(base[0])) // 2)
    # An accent leaning right sits right of the middle when it cannot be centred.
    left = (width - len(pattern[0]) + (accent in ("acute", "cedilla"))) // 2
    if accent == "cedilla":
        return overlay(rows, pattern, BASELINE, left)
    if capital:
        rows = squash(rows, SQUASH_ROW[base_char])
        # Two-row accents touch the shortened letter; one-row ones keep a gap.
        return overlay(rows, pattern, 0, left)
    # Lowercase: the accent ends in row 2, a row above the x-height; the taller ring
    # ends in row 3 and sits on the letter.
    bottom = 3 if accent == "ring" else 2
    return overlay(rows, pattern, bottom - len(pattern), left)


def build_font():
    glyphs = parse_sheet(SHEET)
    # Dotless i, the base of the accented i: the dot in row 2 goes.
    glyphs["ı"] = [row if n != 1 else "." * len(row) for n, row in enumerate(glyphs["i"])]
    glyphs[" "] = blank(3)
    for char, (base, accent) in COMPOSED.items():
        glyphs[char] = compose(glyphs, base, accent)
    for char, original in COPIES.items():
        glyphs[char] = glyphs[original]
    return glyphs


def printable_codes():
    return [c for c in list(range(32, 127)) + list(range(128, 256)) if c not in UNASSIGNED]


def char_of(code):
    return bytes([code]).decode("cp1252")


# --- phones ------------------------------------------------------------------------

def colour(red, green, blue):
    return red + 256 * green + 65536 * blue


PHONES = [
    # 84 x 48: four lines of ten rows fill 40 rows; the bottom band is left to the
    # soft key label as on the phone.
    dict(file="Nokia 5110.bsd", name="Nokia 5110", line_width=82, picture_height=40,
         extension=".n51", background=colour(150, 190, 120), display_height=48,
         display_width=84, line_height=10, paragraphs=False, word_wrap=True),
    # A larger organiser display that keeps paragraphs: six lines.
    dict(file="Kommunikator 9000.bsd", name="Kommunikator 9000", line_width=126,
         picture_height=60, extension=".k90", background=colour(170, 190, 205),
         display_height=64, display_width=128, line_height=10, paragraphs=True,
         word_wrap=True),
    # A small amber display that breaks lines in the middle of a word: three lines.
    dict(file="Klassik 2000.bsd", name="Klassik 2000", line_width=70, picture_height=30,
         extension=".k20", background=colour(235, 165, 50), display_height=40,
         display_width=72, line_height=10, paragraphs=False, word_wrap=False),
]


def glyph_fields(rows):
    # Empty rows are written as well so that every glyph has the full height.
    return [":" + row.replace(".", "_") for row in rows]


def phone_file(phone, glyphs):
    fields = [
        phone["name"], str(phone["line_width"]), str(phone["picture_height"]),
        phone["extension"], str(phone["background"]), str(phone["display_height"]),
        str(phone["display_width"]), str(phone["line_height"]),
        "Absätze: Ja" if phone["paragraphs"] else "Absätze: Nein",
        "Zeilensprung: Ja" if phone["word_wrap"] else "Zeilensprung: Nein",
    ]
    available = [ord(c) if c in "\n\r" else c.encode("cp1252")[0] for c in GSM_ORDER]
    special = [c for c in printable_codes() if c not in available]
    for code in available:
        fields.append(str(code))
        if code not in (10, 13):  # line ends take no room
            fields += glyph_fields(glyphs[char_of(code)])
    fields.append("S")
    for code in special:
        fields.append(str(code))
        fields += glyph_fields(glyphs[char_of(code)])
    return ("\r\n".join(fields) + "\r\n").encode("cp1252")


def phones_dir():
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "phones")


def write_all():
    glyphs = build_font()
    for phone in PHONES:
        path = os.path.join(phones_dir(), phone["file"])
        with open(path, "wb") as out:
            out.write(phone_file(phone, glyphs))
        print("wrote phones/" + phone["file"])


# --- checks ------------------------------------------------------------------------

def read_bsd(data):
    """Parses a definition as the program reads it; returns header and glyphs."""
    assert b"\r\n\r\n" not in data, "blank line"
    assert data.endswith(b"\r\n") and b"\r" not in data.replace(b"\r\n", b"")
    fields = data.decode("cp1252").split("\r\n")[:-1]
    assert all("," not in f and '"' not in f for f in fields)
    header, rest = fields[:10], fields[10:]
    glyphs, lists, current, special = {}, ([], []), None, False
    for field in rest:
        if field[:1].isdigit():
            current = int(field)
            assert 0 <= current <= 255 and current not in glyphs, field
            glyphs[current] = []
            lists[special].append(current)
        elif field == "S":
            assert not special, "second S"
            special = True
        else:
            assert current is not None and field.startswith(":") and field.count(":") == 1
            assert set(field[1:]) <= {"#", "_"}, field
            assert len(field) <= MAX_COLUMNS + 1, field
            glyphs[current].append(field[1:])
            assert len(glyphs[current]) <= MAX_ROWS, current
    return header, glyphs, lists


def check_file(path):
    with open(path, "rb") as f:
        header, glyphs, (available, special) = read_bsd(f.read())
    name, line_width, picture, ext, back, d_height, d_width, pitch, para, wrap = header
    line_width, picture, d_height, d_width, pitch = map(
        int, (line_width, picture, d_height, d_width, pitch))
    assert picture > 0 and pitch > 0 and len(ext) == 4 and ext.startswith(".")
    assert 0 <= int(back) < 2 ** 24
    assert para in ("Absätze: Ja", "Absätze: Nein"), para
    assert wrap in ("Zeilensprung: Ja", "Zeilensprung: Nein"), wrap
    assert line_width <= d_width
    heights = {len(rows) for code, rows in glyphs.items() if rows}
    assert heights == {HEIGHT}, heights
    last_top = (picture - 1) // pitch * pitch
    assert last_top + HEIGHT <= d_height, "last line runs off the display"
    for code in printable_codes():
        rows = glyphs.get(code)
        assert rows, f"no glyph for {code}"
        pixels = sum(row.count("#") for row in rows)
        assert (pixels == 0) == (code in (32, 160)), f"pixels of {code}"
        assert max(map(len, rows)) < line_width
    listed = available + special
    assert sorted(listed) == sorted(set(listed))
    assert set(printable_codes()) <= set(listed)
    for code in available:
        assert code in (10, 13) or char_of(code) in GSM_ORDER, code
    for code in special:
        assert char_of(code) not in GSM_ORDER, code
    return name


def check_all():
    glyphs = build_font()
    for phone in PHONES:
        path = os.path.join(phones_dir(), phone["file"])
        with open(path, "rb") as f:
            assert f.read() == phone_file(phone, glyphs), f"{path} is not up to date"
        print("ok", check_file(path))


def preview(chars):
    glyphs = build_font()
    chars = [c for c in chars if c in glyphs]
    for start in range(0, len(chars), 12):
        line = chars[start:start + 12]
        print("  ".join(c.ljust(len(glyphs[c][0])) for c in line))
        for row in range(HEIGHT):
            print("  ".join(glyphs[c][row].replace(".", " ") for c in line) + "|")
        print()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--preview", nargs="?", const="", metavar="TEXT")
    args = parser.parse_args()
    if args.preview is not None:
        preview(args.preview or "".join(char_of(c) for c in printable_codes()))
    elif args.check:
        check_all()
    else:
        write_all()
    return 0


if __name__ == "__main__":
    sys.exit(main())
