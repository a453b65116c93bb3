#!/usr/bin/env python3
"""Reads the executable's PE header byte by byte, as the system loader
does, and checks that it is a hardened 32-bit GUI image: i386, PE32, the
GUI subsystem, ASLR with its relocations really kept, DEP, no section both
writable and executable, and imports only from system DLLs (so the
compiler's run-time libraries are linked in).

Before judging the real file, every check is shown to catch its fault: a
table of single-byte changes to the same image must each be reported."""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll"}
MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
SUBSYSTEM_GUI = 2
DYNAMIC_BASE = 0x40
NX_COMPAT = 0x100
RELOCS_STRIPPED = 0x0001
SCN_EXECUTE = 0x20000000
SCN_WRITE = 0x80000000
IMAGE_REL_BASED_HIGHLOW = 3


class Image:
    """The fields of a PE image that the checks need, with their offsets."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        self.pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[self.pe:self.pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        coff = self.pe + 4
        (self.machine, sections, _, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, coff)
        self.optional = coff + 20
        self.magic = struct.unpack_from("<H", data, self.optional)[0]
        self.subsystem_at = self.optional + 68
        self.dll_characteristics_at = self.optional + 70
        self.subsystem, self.dll_characteristics = struct.unpack_from(
            "<HH", data, self.subsystem_at)
        directories = self.optional + 96
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(struct.unpack_from("<I", data, directories - 4)[0])]
        self.sections = []
        table = self.optional + optional_size
        for i in range(sections):
            at = table + 40 * i
            name = data[at:at + 8].rstrip(b"\0").decode("latin-1")
            virtual_size, rva, raw_size, raw_at = struct.unpack_from("<IIII", data, at + 8)
            flags = struct.unpack_from("<I", data, at + 36)[0]
            self.sections.append({"name": name, "rva": rva, "size": max(virtual_size, raw_size),
                                  "raw_at": raw_at, "raw_size": raw_size,
                                  "flags": flags, "flags_at": at + 36})

    def offset(self, rva):
        for section in self.sections:
            if section["rva"] <= rva < section["rva"] + section["raw_size"]:
                return section["raw_at"] + rva - section["rva"]
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def text_at(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def imported_dlls(self):
        rva, _ = self.directories[1]
        names, at = [], self.offset(rva)
        while True:
            descriptor = struct.unpack_from("<IIIII", self.data, at)
            if descriptor == (0, 0, 0, 0, 0):
                return names
            names.append(self.text_at(descriptor[3]))
            at += 20

    def base_relocations(self):
        """Count of HIGHLOW entries in the base relocation directory."""
        rva, size = self.directories[5] if len(self.directories) > 5 else (0, 0)
        if size == 0:
            return 0
        at, end, count = self.offset(rva), self.offset(rva) + size, 0
        while at < end:
            _, block = struct.unpack_from("<II", self.data, at)
            if block < 8:
                break
            for i in range(8, block, 2):
                entry = struct.unpack_from("<H", self.data, at + i)[0]
                count += entry >> 12 == IMAGE_REL_BASED_HIGHLOW
            at += block
        return count


def faults(data):
    """Every way in which the image falls short, in words."""
    try:
        image = Image(data)
        found = []
        if image.machine != MACHINE_I386:
            found.append(f"machine {image.machine:#x}, not i386 (0x14c)")
        if image.magic != PE32_MAGIC:
            found.append(f"optional header magic {image.magic:#x}, not PE32 (0x10b)")
        if image.subsystem != SUBSYSTEM_GUI:
            found.append(f"subsystem {image.subsystem}, not the GUI (2)")
        if not image.dll_characteristics & DYNAMIC_BASE:
            found.append("no DYNAMIC_BASE (ASLR)")
        if not image.dll_characteristics & NX_COMPAT:
            found.append("no NX_COMPAT (DEP)")
        if image.characteristics & RELOCS_STRIPPED:
            found.append("relocations stripped: ASLR cannot move the image")
        if image.base_relocations() == 0:
            found.append("no base relocations to move the image by")
        for section in image.sections:
            if section["flags"] & SCN_WRITE and section["flags"] & SCN_EXECUTE:
                found.append(f"section {section['name']} is writable and executable")
        foreign = sorted({dll.lower() for dll in image.imported_dlls()} - SYSTEM_DLLS)
        if foreign:
            found.append(f"imports from DLLs that are not the system's: {foreign}")
        return found
    except (ValueError, struct.error) as error:
        return [f"unreadable: {error}"]


def put(data, at, fmt, value):
    changed = bytearray(data)
    struct.pack_into(fmt, changed, at, value)
    return bytes(changed)


def rename_import(data, old, new):
    """The image with one imported DLL's name overwritten in place."""
    start = data.index(old.encode())
    return data[:start] + new.encode().ljust(len(old), b"\0")[:len(old)] + data[start + len(old):]


def faulty_images(data):
    """(what is wrong, the image with that fault)."""
    image = Image(data)
    code = next(s for s in image.sections if s["flags"] & SCN_EXECUTE)
    first_dll = image.imported_dlls()[0]
    return [
        ("amd64 machine", put(data, image.pe + 4, "<H", 0x8664)),
        ("PE32+ magic", put(data, image.optional, "<H", 0x20B)),
        ("console subsystem", put(data, image.subsystem_at, "<H", 3)),
        ("no ASLR", put(data, image.dll_characteristics_at, "<H",
                        image.dll_characteristics & ~DYNAMIC_BASE)),
        ("no DEP", put(data, image.dll_characteristics_at, "<H",
                       image.dll_characteristics & ~NX_COMPAT)),
        ("relocations stripped", put(data, image.pe + 22, "<H",
                                     image.characteristics | RELOCS_STRIPPED)),
        ("empty relocation directory", put(data, image.optional + 96 + 8 * 5 + 4, "<I", 0)),
        ("writable code", put(data, code["flags_at"], "<I", code["flags"] | SCN_WRITE)),
        ("runtime DLL import", rename_import(data, first_dll, "libgcc_s_dw2-1.dll")),
    ]


def main(exe):
    with open(exe, "rb") as stream:
        data = stream.read()
    failed = 0
    for what, changed in faulty_images(data):
        if not faults(changed):
            print(f"the check misses an image with {what}")
            failed += 1
    for fault in faults(data):
        print(f"{exe}: {fault}")
        failed += 1
    print(f"{Image(data).base_relocations()} base relocations, imports: "
          f"{', '.join(Image(data).imported_dlls())}")
    print("passed" if not failed else f"{failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
