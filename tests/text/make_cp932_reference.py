#!/usr/bin/env python3
"""Writes the code page 932 reference the codec test compares against, from Python's own cp932
codec: each two-byte code, the character it decodes to, and the code Windows writes it as. Of
several codes Windows writes the JIS code, then NEC row 13, then the IBM rows 0xFA-0xFC, then the
NEC-selected rows 0xED-0xEE; Python's encoder does not follow that order, so it is applied here."""
import sys

def preference(code):
    lead = code >> 8
    if lead == 0x87:
        return 1
    if 0xFA <= lead <= 0xFC:
        return 2
    if 0xED <= lead <= 0xEE:
        return 3
    return 0

decoded = []
for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
    for trail in list(range(0x40, 0x7F)) + list(range(0x80, 0xFD)):
        try:
            text = bytes([lead, trail]).decode("cp932")
        except UnicodeDecodeError:
            continue
        decoded.append(((lead << 8) | trail, ord(text)))

written = {}
for code, char in decoded:
    best = written.get(char)
    if best is None or (preference(code), code) < (preference(best), best):
        written[char] = code

sys.stdout.write("".join("%04X %04X %04X\n" % (code, char, written[char]) for code, char in decoded))
