#!/usr/bin/env python3
# Writes the seed corpus of the INI fuzz target (see the input format in fuzz_ini.cpp).
import os, sys

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, "corpus")

def case(exists, text, *ops):
    data = (b"F" if exists else b"\x00") + text
    for op in ops:
        data += b"\x01" + b"\x02".join(op)
    return data

CONFIG = (b"[Settings]\nOrder=Start,Title,Signal,Connection,Volume,Battery,Clock,Menu\n"
          b"Skin=\\Program Files\\Velkis\\Themes\\Default\\barconfin.skin\nStartup=1\n")
SKIN = (b"# skin\r\n[Skin Info]\r\nName = Default\r\nAuthor=  someone \r\n\r\n[Topbar]\r\n"
        b"Background=top.bmp\r\nLandscape=top_l.bmp\r\n[Button Images]\r\nStart=start.bmp\r\n"
        b"Menu=menu.bmp\r\n[Title Font]\r\nName=Tahoma\r\nSize=8.5\r\nStyle=1\r\nColor=16777215\r\n")
seeds = {
    "missing_file": case(False, b"", (b"r", b"Settings", b"Order"), (b"w", b"Settings", b"Order", b"Start,Clock"),
                         (b"r", b"Settings", b"Order", b"100")),
    "config": case(True, CONFIG, (b"r", b"Settings", b"Skin", b"100"), (b"w", b"Settings", b"Startup", b"0"),
                   (b"w", b"Settings", b"New", b"x"), (b"w", b"Other", b"k", b"v"), (b"r", b"Settings", b"Startup")),
    "skin_crlf": case(True, SKIN, (b"r", b"Skin Info", b"Author"), (b"w", b"Title Font", b"Size", b"9"),
                      (b"r", b"Title Font", b"Size", b"4"), (b"r", b"title font", b"Size")),
    "continuation": case(True, b"[S]\na=\\Program Files\\+\n  Velkis\\+\nthemes.skin\nb=1\n[T]\nc=+\n\nd=2\n",
                         (b"r", b"S", b"a"), (b"w", b"S", b"a", b"short"), (b"r", b"T", b"d"), (b"w", b"T", b"c", b"x+")),
    "malformed": case(True, b"[S]\nno equals here\nk=v\n[Bad\n[T]\nk=1\n",
                      (b"r", b"S", b"k"), (b"w", b"S", b"k", b"2"), (b"r", b"T", b"k"), (b"w", b"T", b"k", b"3")),
    "duplicate_sections": case(True, b"[A]\nk=1\n[A]\nk=2\nj=3\n[ A]\nk=4\n",
                               (b"r", b"A", b"j"), (b"w", b"A", b"j", b"5"), (b"r", b" A", b"k"), (b"w", b"A ", b"k", b"6")),
    "spaces_tabs": case(True, b"  [S]  \n  key \t = value with = signs  \n\tk2=#not a comment\n# c=1\nk3\t=x\n",
                        (b"r", b"S", b"key \t"), (b"r", b"S", b"k2"), (b"r", b"S", b"c"), (b"w", b"S", b"k3", b"y")),
    "control_bytes": case(True, b"[S]\na=1\x0cb=2\x00\nc=3\x1a\r\rd=4\r\n",
                          (b"r", b"S", b"b"), (b"r", b"S", b"d"), (b"w", b"S", b"c", b"9"), (b"r", b"S", b"d")),
    "long_lines": case(True, b"[S]\nk=" + b"v" * 520 + b"\nj=" + b"w" * 510 + b"\nx=" + b"a" * 300 + b"+\n" + b"b" * 300 + b"\n",
                       (b"r", b"S", b"j"), (b"r", b"S", b"x"), (b"w", b"S", b"j", b"1"), (b"r", b"S", b"k", b"513")),
    "line_of_512": case(True, b"[S]\nk=" + b"v" * 510 + b"\r\nj=1\n" + b"#" * 512 + b"\x00[T]\nm=" + b"x" * 510,
                        (b"r", b"S", b"j"), (b"w", b"S", b"j", b"2"), (b"r", b"T", b"m"), (b"w", b"T", b"m", b"3")),
    "no_final_line_feed": case(True, b"[S]\nk=v", (b"w", b"T", b"k", b"v"), (b"r", b"S", b"k"), (b"r", b"T", b"k")),
    "faults": case(True, CONFIG, (b"S", b"Settings", b"Startup", b"0"), (b"T", b"Settings", b"Startup", b"0"),
                   (b"T", b"None", b"k", b"v"), (b"w", b"Settings", b"Startup", b"1")),
    "empty_section_names": case(True, b"[\n[]\nk=1\n[x\n", (b"r", b"", b"k"), (b"w", b"", b"k", b"2")),
}
os.makedirs(out, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)
print(f"{len(seeds)} seeds in {out}", file=sys.stderr)
