#!/usr/bin/env python3
"""Checks the documentation against the files and the program it describes.

    scripts/docs-check.py [TRIVELON_CLI]

- Every link of README.md and docs/*.md that is not a web address points to
  a file that exists, and a link to a heading (#...) to a heading that the
  file has (GitHub's anchors: lower case, spaces to dashes, punctuation out).
- Every file the player's guide (docs/guide.*.md) links to is built into the
  program beside it (resources/guide.qrc), where F1 shows it.
- Every path named in the first column of docs/development.md's layout table
  exists.
- With TRIVELON_CLI: the commands of `trivelon-cli --help` each have their
  section in docs/cli.md (### `COMMAND`), and that section names exactly the
  options `COMMAND --help` lists.

Prints every fault and exits 1 when there is one.
"""
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")
faults = []


def anchors(markdown):
    found = set()
    for line in markdown.splitlines():
        heading = re.match(r"#{1,6}\s+(.*)", line)
        if heading:
            text = heading.group(1).strip().lower()
            text = re.sub(r"[^\w\- ]", "", text)
            found.add(text.replace(" ", "-"))
    return found


def check_links():
    pages = [ROOT / "README.md"] + sorted((ROOT / "docs").glob("*.md"))
    for page in pages:
        text = page.read_text(encoding="utf-8")
        for target in LINK.findall(text):
            if re.match(r"[a-z]+:", target):
                continue
            path, _, anchor = target.partition("#")
            file = (page.parent / path).resolve() if path else page
            name = page.relative_to(ROOT)
            if not file.exists():
                faults.append(f"{name}: {target}: no such file")
            elif anchor and file.suffix == ".md" and anchor not in anchors(file.read_text(encoding="utf-8")):
                faults.append(f"{name}: {target}: no such heading")


def check_guide_resources():
    resources = (ROOT / "resources" / "guide.qrc").read_text(encoding="utf-8")
    built_in = set(re.findall(r'alias="([^"]+)"', resources))
    for guide in sorted((ROOT / "docs").glob("guide.*.md")):
        if guide.name not in built_in:
            faults.append(f"resources/guide.qrc: {guide.name} is not built in")
        for target in LINK.findall(guide.read_text(encoding="utf-8")):
            path = target.partition("#")[0]
            if path and not re.match(r"[a-z]+:", target) and path not in built_in:
                faults.append(f"docs/{guide.name}: {path} is not built in beside it (resources/guide.qrc)")


def check_layout():
    text = (ROOT / "docs" / "development.md").read_text(encoding="utf-8")
    table = text.split("## Layout", 1)[1].split("\n## ", 1)[0]
    for row in table.splitlines():
        if not row.startswith("| `"):
            continue
        for path in re.findall(r"`([^`]+)`", row.split("|")[1]):
            if not (ROOT / path).exists():
                faults.append(f"docs/development.md: the layout names {path}, which does not exist")


def options_of(cli, command):
    help_text = subprocess.run([cli, command, "--help"], capture_output=True, text=True, check=True).stdout
    listed = help_text.split("Options:", 1)[1].split("Arguments:", 1)[0]
    return {name for name in re.findall(r"^\s+(?:-\w, )?(--[\w-]+)", listed, re.M) if name != "--help"}


def check_cli(cli):
    usage = subprocess.run([cli, "--help"], capture_output=True, text=True).stdout
    commands = re.findall(r"^  (\w+)\s", usage.split("Commands:", 1)[1], re.M)
    page = (ROOT / "docs" / "cli.md").read_text(encoding="utf-8")
    sections = dict(re.findall(r"^### `(\w+)`\n(.*?)(?=^#)", page, re.S | re.M))
    for command in commands:
        if command not in sections:
            faults.append(f"docs/cli.md: no section for the command {command}")
            continue
        documented = set(re.findall(r"`(--[\w-]+)", sections[command]))
        listed = options_of(cli, command)
        for option in sorted(listed - documented):
            faults.append(f"docs/cli.md: {command} {option} is not described")
        for option in sorted(documented - listed):
            faults.append(f"docs/cli.md: {command} {option} is described but not an option")
    for command in sections:
        if command not in commands:
            faults.append(f"docs/cli.md: a section for {command}, which is no command")


check_links()
check_guide_resources()
check_layout()
if len(sys.argv) > 1:
    check_cli(sys.argv[1])
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
