#!/usr/bin/python3
"""Checks the built Tarvel.exe with a reader of its own (pefile): the PE
header, the five resources, the version block field by field, the icon
group and the three icon images, whose pixels must be those of the text
grids and must draw what the icon is meant to show.

usage: check_exe.py TARVEL_EXE ICON_DIR [WINDOW_STREAM]

With WINDOW_STREAM (the host build's window description), the executable
must carry exactly that stream, once, in a section of initialised data.
"""
import struct
import sys

import pefile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def expect(actual, expected, what):
    return check(actual == expected, f"{what}: {actual!r}, expected {expected!r}")


# --- the PE header -----------------------------------------------------------

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msimg32.dll", "ole32.dll", "oleaut32.dll",
               "windowscodecs.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll", "comctl32.dll"}

def check_header(pe):
    expect(pe.FILE_HEADER.Machine, 0x14C, "machine")
    expect(pe.OPTIONAL_HEADER.Magic, 0x10B, "optional header magic (PE32)")
    expect(pe.OPTIONAL_HEADER.Subsystem, 2, "subsystem (Windows GUI)")
    check(pe.FILE_HEADER.Characteristics & 0x0002, "not marked executable")
    check(not pe.FILE_HEADER.Characteristics & 0x2000, "marked as a DLL")
    # The C and C++ runtimes are linked in: only the system's own DLLs are
    # imported, none of the compiler's (libstdc++, libgcc, winpthread).
    imported = {entry.dll.decode().lower() for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    check("kernel32.dll" in imported, f"imports {sorted(imported)} lack kernel32.dll")
    expect(sorted(imported - SYSTEM_DLLS), [], "imported DLLs that are not the system's")


# --- the resources -----------------------------------------------------------

EXPECTED_RESOURCES = {
    (3, 30001, 0): 304,
    (3, 30002, 0): 744,
    (3, 30003, 0): 296,
    (14, 1, 0): 48,
    (16, 1, 1033): 516,
}


def read_resources(pe):
    found = {}
    if not check(hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"), "no resource section"):
        return found
    for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for rid in rtype.directory.entries:
            for lang in rid.directory.entries:
                key = (rtype.id, rid.id, lang.id)
                entry = lang.data.struct
                found[key] = pe.get_data(entry.OffsetToData, entry.Size)
    return found


def check_resources(found):
    expect(sorted(found), sorted(EXPECTED_RESOURCES), "resources (type, id, language)")
    for key, size in EXPECTED_RESOURCES.items():
        if key in found:
            expect(len(found[key]), size, f"size of resource {key}")


# --- the version block -------------------------------------------------------

def parse_entry(data, at, end):
    """One version entry at `at`: (key, type, value bytes, children, length)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    check(at + length <= end, f"entry at {at} runs past its parent")
    pos = at + 6
    key_end = pos
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[pos:key_end].decode("utf-16-le")
    pos = (key_end + 2 + 3) & ~3
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = data[pos:pos + value_bytes]
    pos = (pos + value_bytes + 3) & ~3
    children = []
    while pos < at + length:
        child = parse_entry(data, pos, at + length)
        children.append(child)
        pos = (pos + child["length"] + 3) & ~3
    check(pos == ((at + length + 3) & ~3), f"children of {key!r} do not fill it")
    return {"key": key, "type": kind, "value_length": value_length, "value": value,
            "children": children, "length": length, "at": at}


FIXED = [
    ("signature", 0xFEEF04BD),
    ("structure version", 0x00010000),
    ("file version high", 0x00010000),
    ("file version low", 0),
    ("product version high", 0x00010000),
    ("product version low", 0),
    ("flags mask", 0),
    ("flags", 0),
    ("operating system", 4),
    ("file type", 1),
    ("file subtype", 0),
    ("file date high", 0),
    ("file date low", 0),
]

STRINGS = [
    ("CompanyName", "Qev"),
    ("ProductName", "Tolmark1"),
    ("FileVersion", "1.00"),
    ("ProductVersion", "1.00"),
    ("InternalName", "Tarvel"),
    ("OriginalFilename", "Tarvel.exe"),
]


def expect_pixels(actual, expected, what):
    """Compares two grids of rows from the top; names the first difference."""
    for y, (arow, erow) in enumerate(zip(actual, expected)):
        for x, (a, e) in enumerate(zip(arow, erow)):
            if a != e:
                return check(False, f"{what}: pixel ({x}, {y}) is {a!r}, expected {e!r}")
    return expect((len(actual), [len(r) for r in actual]), (len(expected), [len(r) for r in expected]),
                  f"{what}: shape")


def padded(n):
    return (n + 3) & ~3


def check_version(data):
    root = parse_entry(data, 0, len(data))
    expect(root["key"], "VS_VERSION_INFO", "root key")
    expect(root["length"], 516, "root length")
    expect(root["type"], 0, "root type (binary)")
    expect(root["value_length"], 52, "fixed information length")
    fields = struct.unpack("<13I", root["value"]) if len(root["value"]) == 52 else ()
    for (name, value), actual in zip(FIXED, fields):
        expect(actual, value, f"fixed information: {name}")
    keys = [c["key"] for c in root["children"]]
    if not expect(keys, ["VarFileInfo", "StringFileInfo"], "blocks under the root, in order"):
        return
    var, sfi = root["children"]
    expect(var["type"], 1, "VarFileInfo type")
    expect(var["value_length"], 0, "VarFileInfo value length")
    expect([c["key"] for c in var["children"]], ["Translation"], "VarFileInfo's values")
    if var["children"]:
        translation = var["children"][0]
        expect(translation["type"], 0, "Translation type (binary)")
        expect(translation["value"], bytes([0x09, 0x04, 0xB0, 0x04]), "Translation")
        expect(translation["length"], 36, "Translation length")
    expect(var["length"], 68, "VarFileInfo length")

    expect(sfi["type"], 1, "StringFileInfo type")
    expect([c["key"] for c in sfi["children"]], ["040904B0"], "string tables")
    if not sfi["children"]:
        return
    table = sfi["children"][0]
    expect(table["type"], 1, "string table type")
    expect([(c["key"], c["value"].decode("utf-16-le")) for c in table["children"]],
           [(k, v + "\0") for k, v in STRINGS], "strings, in order, each with its NUL")
    for c in table["children"]:
        expect(c["type"], 1, f"{c['key']} type (text)")
        chars = len(c["value"]) // 2
        expect(c["value_length"], chars, f"{c['key']} value length in characters")
        # A string's own length ends at its value; its padding is counted
        # by the table that holds it, the last string's too.
        expect(c["length"], padded(6 + 2 * (len(c["key"]) + 1)) + 2 * chars, f"{c['key']} length")
    expect(table["length"], 24 + sum(padded(c["length"]) for c in table["children"]),
           "string table length (every string padded, the last too)")
    expect(sfi["length"], 36 + padded(table["length"]), "StringFileInfo length")
    expect(root["length"], 92 + padded(var["length"]) + padded(sfi["length"]), "root length from its blocks")
    expect(len(data), root["length"], "resource size and root length")


# --- the icon group and its images ------------------------------------------

GROUP = [  # width, height, colours, reserved, planes, bits, bytes, id
    (32, 32, 2, 0, 1, 1, 304, 30001),
    (32, 32, 16, 0, 1, 4, 744, 30002),
    (16, 16, 16, 0, 1, 4, 296, 30003),
]

PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
LETTERS16 = "KMGONPTDSRLYBFAW"
GRIDS = {30001: "window-32x32-2.txt", 30002: "window-32x32-16.txt", 30003: "window-16x16-16.txt"}


def check_group(data):
    head = struct.unpack_from("<HHH", data, 0)
    expect(head, (0, 1, 3), "icon group head (reserved, type, count)")
    for n, expected in enumerate(GROUP):
        entry = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * n)
        expect(entry, expected, f"icon group entry {n + 1}")


def read_grid(path):
    """The grid's palette indices, rows from the top; None is transparent."""
    rows, size = [], None
    for line in open(path, encoding="ascii").read().splitlines():
        if line.startswith("#") or (not line and size is None):
            continue
        if size is None:
            size = [int(v) for v in line.split()]
            continue
        if line:
            rows.append(line)
    colours = size[2]
    letters = "KW" if colours == 2 else LETTERS16
    return [[None if ch == "." else letters.index(ch) for ch in row] for row in rows]


def decode_image(data, width, height, bits):
    """Colour indices and mask bits, rows from the top."""
    colour_row = (width * bits + 31) // 32 * 4
    mask_row = (width + 31) // 32 * 4
    start = 40 + 4 * (1 << bits)
    colours, mask = [], []
    for y in range(height):
        stored = height - 1 - y  # bottom row first
        row = data[start + stored * colour_row:start + (stored + 1) * colour_row]
        per_byte = 8 // bits
        colours.append([(row[x // per_byte] >> (8 - bits - (x % per_byte) * bits)) & ((1 << bits) - 1)
                        for x in range(width)])
        mrow = data[start + height * colour_row + stored * mask_row:][:mask_row]
        mask.append([(mrow[x // 8] >> (7 - x % 8)) & 1 for x in range(width)])
        check(all(b == 0 for b in row[(width * bits + 7) // 8:]), f"colour row {y} padding")
        check(all(b == 0 for b in mrow[(width + 7) // 8:]), f"mask row {y} padding")
    return colours, mask


def check_image(data, image_id, width, bits, icon_dir):
    height = width
    header = struct.unpack_from("<IiiHHIIiiII", data, 0)
    colour_bytes = (width * bits + 31) // 32 * 4 * height
    mask_bytes = (width + 31) // 32 * 4 * height
    expect(header, (40, width, 2 * height, 1, bits, 0, colour_bytes + mask_bytes, 0, 0, 0, 0),
           f"icon {image_id} bitmap header")
    table = [struct.unpack_from("<BBBB", data, 40 + 4 * i) for i in range(1 << bits)]
    palette = [(0, 0, 0), (255, 255, 255)] if bits == 1 else PALETTE16
    expect(table, [(b, g, r, 0) for r, g, b in palette], f"icon {image_id} colour table")
    expect(len(data), 40 + 4 * len(palette) + colour_bytes + mask_bytes, f"icon {image_id} size")

    colours, mask = decode_image(data, width, height, bits)
    grid = read_grid(f"{icon_dir}/{GRIDS[image_id]}")
    see_through = 1 if bits == 1 else 0
    expected_colours = [[see_through if p is None else p for p in row] for row in grid]
    expected_mask = [[1 if p is None else 0 for p in row] for row in grid]
    expect_pixels(colours, expected_colours, f"icon {image_id} colour bitmap against its grid")
    expect_pixels(mask, expected_mask, f"icon {image_id} mask against its grid")
    return [[None if m else c for c, m in zip(crow, mrow)] for crow, mrow in zip(colours, mask)]


def check_drawing(pixels, image_id, width, height, shadow_max):
    """The 16-colour drawing: a white window at a slant, outlined in black,
    with an aqua title bar, silver touches and a grey shadow."""
    grey, black, silver, aqua, white = 7, 0, 8, 14, 15
    used = {p for row in pixels for p in row if p is not None}
    check(used <= {black, grey, silver, aqua, white}, f"icon {image_id} uses colours {sorted(used)}")
    check({black, grey, silver, aqua, white} <= used, f"icon {image_id} lacks one of its colours")
    window = [(x, y) for y, row in enumerate(pixels) for x, p in enumerate(row)
              if p is not None and p != grey]
    xs = [x for x, _ in window]
    ys = [y for _, y in window]
    expect(max(xs) - min(xs) + 1, width, f"icon {image_id} window width")
    expect(max(ys) - min(ys) + 1, height, f"icon {image_id} window height")
    tops = [min(y for x, y in window if x == c) for c in range(min(xs), max(xs) + 1)]
    check(all(a <= b for a, b in zip(tops, tops[1:])), f"icon {image_id} top edge climbs")
    check(tops[-1] > tops[0], f"icon {image_id} top edge is level")
    shadow = [x for row in pixels for x, p in enumerate(row) if p == grey]
    check(shadow and 1 <= max(shadow) - max(xs) <= shadow_max,
          f"icon {image_id} shadow sticks out 1 to {shadow_max} px past the right edge")


def check_mono_matches(mono, colour):
    """The 2-colour drawing is the 16-colour one in black and white."""
    to_mono = {0: 0, 7: 0, 8: 1, 14: 1, 15: 1}
    expect_pixels(mono, [[None if p is None else to_mono.get(p, -1) for p in row] for row in colour],
           "2-colour icon against the 16-colour one in black and white")


def check_stream(pe, path):
    stream = open(path, "rb").read()
    found = []
    for section in pe.sections:
        data = section.get_data()
        at = data.find(stream)
        while at >= 0:
            found.append(section.Name.rstrip(b"\0").decode())
            at = data.find(stream, at + 1)
    check(len(stream) > 0, "the window description stream is empty")
    expect(found, [".rdata"], "sections that carry the window description stream")


def main():
    exe, icon_dir = sys.argv[1], sys.argv[2]
    pe = pefile.PE(exe)
    check_header(pe)
    if len(sys.argv) > 3:
        check_stream(pe, sys.argv[3])
    found = read_resources(pe)
    check_resources(found)
    if (16, 1, 1033) in found:
        check_version(found[(16, 1, 1033)])
    if (14, 1, 0) in found:
        check_group(found[(14, 1, 0)])
    images = {}
    for _, _, _, _, _, bits, _, image_id in GROUP:
        key = (3, image_id, 0)
        if key in found:
            width = 16 if image_id == 30003 else 32
            images[image_id] = check_image(found[key], image_id, width, bits, icon_dir)
    if 30002 in images:
        check_drawing(images[30002], 30002, 18, 21, 6)
    if 30003 in images:
        check_drawing(images[30003], 30003, 10, 11, 3)
    if 30001 in images and 30002 in images:
        check_mono_matches(images[30001], images[30002])
    for f in failures:
        print("FAIL:", f)
    print(f"check_exe: {len(failures)} faults")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
