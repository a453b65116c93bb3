#!/usr/bin/env python3
"""Builds vantrel.exe twice, with the windows preset's settings, from clean
build folders in two different places, and checks that the two files are
the same bytes and hold neither build folder nor the source folder: whoever
builds the same sources gets the same executable."""
import hashlib
import pathlib
import subprocess
import sys
import tempfile


def build(cmake, source, folder):
    subprocess.run([cmake, "--preset", "windows", "-S", source, "-B", folder],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run([cmake, "--build", folder, "--target", "vantrel"],
                   check=True, stdout=subprocess.DEVNULL)
    return (pathlib.Path(folder) / "vantrel.exe").read_bytes()


def main(cmake, source):
    faults = []
    with tempfile.TemporaryDirectory(prefix="vantrel-a-") as first, \
            tempfile.TemporaryDirectory(prefix="vantrel-build-b-") as second:
        folders = [first, str(pathlib.Path(second) / "nested" / "deeper")]
        images = [build(cmake, source, folder) for folder in folders]
        for folder, image in zip(folders, images):
            print(f"{folder}/vantrel.exe: {len(image)} bytes, "
                  f"sha256 {hashlib.sha256(image).hexdigest()}")
            for place in (folder, source):
                for form in (place, place.replace("/", "\\")):
                    if form.encode() in image:
                        faults.append(f"{folder}/vantrel.exe holds the path {form}")
        if images[0] != images[1]:
            differing = sum(a != b for a, b in zip(*images)) + abs(len(images[0]) - len(images[1]))
            faults.append(f"the two builds differ in {differing} bytes")
    for fault in faults:
        print(fault)
    print("passed" if not faults else f"{len(faults)} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
