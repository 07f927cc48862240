#!/usr/bin/env bash
# Reads the resources of Windows programs and checks what Windows shows of
# them: the version information (description, product, company, copyright
# and the project's version as file and product version) and the
# application manifest (per-monitor DPI awareness v2, Windows 10/11, UTF-8
# code page, no elevation). Prints one line per program; exits non-zero when
# anything is missing.
#
#   scripts/windows-resources-check.sh PROGRAM.exe...
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(Trivelon VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")
status=0
for program in "$@"; do
  resources=$(mktemp)
  x86_64-w64-mingw32-objcopy -O binary -j .rsrc "$program" "$resources"
  python3 - "$resources" "$version" "$(basename "$program" .exe)" <<'PYTHON' || status=1
import re, sys

data = open(sys.argv[1], "rb").read()
version, name = sys.argv[2], sys.argv[3]

# A string of the version information: its key in UTF-16 with its ending
# zero, padding to 32 bits, then the value up to its ending zero.
def version_string(key):
    start = data.find((key + "\0").encode("utf-16-le"))
    if start < 0:
        return None
    at = start + 2 * (len(key) + 1)
    at += (4 - at % 4) % 4
    end = at
    while end + 1 < len(data) and data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le")

expected = {
    "FileDescription": lambda v: v.startswith("Тривелон — калькулятор ковки и заточки"),
    "ProductName": lambda v: v == "Тривелон",
    "CompanyName": lambda v: bool(v),
    "LegalCopyright": lambda v: "©" in v,
    "FileVersion": lambda v: v == version,
    "ProductVersion": lambda v: v == version,
    "OriginalFilename": lambda v: v == name + ".exe",
}
problems = [f"{key} {version_string(key)!r}" for key, good in expected.items()
            if version_string(key) is None or not good(version_string(key))]

manifest = re.search(rb"<assembly.*?</assembly>", data, re.S)
text = manifest.group(0).decode("utf-8") if manifest else ""
for needed in ("<dpiAwareness", ">PerMonitorV2<", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",
               "<activeCodePage", ">UTF-8<", 'level="asInvoker"'):
    if needed not in text:
        problems.append("manifest without " + needed)
if problems:
    print(f"{name}.exe: " + "; ".join(problems))
    sys.exit(1)
print(f"{name}.exe: {version_string('FileDescription')}, {version_string('ProductName')} {version}, "
      "manifest: PerMonitorV2, Windows 10/11, UTF-8, asInvoker")
PYTHON
  rm -f "$resources"
done
exit $status
