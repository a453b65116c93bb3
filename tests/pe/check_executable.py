#!/usr/bin/env python3
"""Checks the built executable as the system loader and a reader of its
import table see it: a 32-bit GUI program that imports only system DLLs,
the calls it is built on, and no dialog manager."""
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll"}
REQUIRED = {"GetMessageA", "TranslateMessage", "DispatchMessageA", "PostQuitMessage",
            "GetWindowTextLengthA", "GetWindowTextA", "MessageBoxA", "HeapFree"}
FORBIDDEN = {"IsDialogMessageA", "IsDialogMessageW"}


def imports(dump):
    """{dll: set of names} from `objdump -p`."""
    table, current = {}, None
    for line in dump.splitlines():
        stripped = line.strip()
        if stripped.startswith("DLL Name:"):
            current = stripped.split(":", 1)[1].strip().lower()
            table[current] = set()
        elif current and stripped == "":
            current = None
        elif current:
            fields = stripped.split()
            if len(fields) == 3 and fields[1].isdigit():
                table[current].add(fields[2])
    return table


def main(objdump, exe):
    dump = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    faults = []
    if "file format pei-i386" not in dump:
        faults.append("not a PE32 image for i386")
    if "(Windows GUI)" not in dump:
        faults.append("not the GUI subsystem")
    table = imports(dump)
    foreign = sorted(set(table) - SYSTEM_DLLS)
    if foreign:
        faults.append(f"imports from DLLs that are not the system's: {foreign}")
    names = set().union(*table.values()) if table else set()
    if REQUIRED - names:
        faults.append(f"missing imports: {sorted(REQUIRED - names)}")
    if FORBIDDEN & names:
        faults.append(f"imports the dialog manager: {sorted(FORBIDDEN & names)}")
    for fault in faults:
        print(f"{exe}: {fault}")
    print("1 passed, 0 failed" if not faults else "0 passed, 1 failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
