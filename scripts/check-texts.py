#!/usr/bin/env python3
"""Checks resources/Message.ini and resources/Caption.ini.

Every text must exist in all three languages (0 English, 1 Traditional
Chinese, 2 Simplified Chinese), no key may appear twice in a section, and the
files must be UTF-8 without BOM with LF line ends. Lists the message numbers
present and those the program asks for but the file lacks.

Usage: check-texts.py [RESOURCES_DIR]   (default: ../resources beside this script)
Exit status 0 when clean, 1 when an error was found.
"""

import os
import re
import sys

LANGUAGES = ("0", "1", "2")

MESSAGE_SECTIONS = ("Selvane_F", "Selvane_Inertia_F", "ABB")
CAPTION_SECTIONS = ("Selvane_F", "Selvane_Inertia_F", "Selvane_Actions_F")


def numbers(*spans):
    out = set()
    for span in spans:
        lo, hi = span if isinstance(span, tuple) else (span, span)
        out.update(range(lo, hi + 1))
    return out


# Message numbers the program looks up, per section.
EXPECTED_NUMBERS = {
    "Selvane_F": numbers(0, (1, 7), (10, 22), 24, (30, 45), (50, 52), (54, 59), 61, 62,
                         64, 65, (67, 86), (89, 99), (100, 170)),
    "Selvane_Inertia_F": numbers((11, 16), (21, 38)),
    "ABB": numbers(998, 999, (1009, 1013)),
}

# Texts that must read exactly so in the given section and key.
PINNED = {
    ("Message.ini", "Selvane_F", "58.0"): "Suggest Matches : Total",
    # Leading blank: the count lines append it directly to the number.
    ("Message.ini", "Selvane_F", "59.0"): " Sets",
}
GLYPHS = {998: "π", 999: "Δ", 1009: "ρ", 1010: "θ", 1011: "μ", 1012: "η", 1013: "ηm"}
for number, glyph in GLYPHS.items():
    for lang in LANGUAGES:
        PINNED[("Message.ini", "ABB", f"{number}.{lang}")] = glyph

# Components whose captions the program writes itself.
FORBIDDEN_CAPTIONS = {("Selvane_F", "stModeName")}

MESSAGE_KEY = re.compile(r"^(\d+)\.(\d+)$")
CAPTION_KEY = re.compile(r"^(?:(.+)\.)?Cap\.(\d+)$")


class Report:
    def __init__(self):
        self.errors = []

    def error(self, where, text):
        self.errors.append(f"{where}: {text}")


def parse(path, report):
    """Returns {section: {key: (value, line_no)}} in file order.

    Reads the way the program's INI reader does: each line is trimmed, the
    key is what stands before the first "=", the value everything after it.
    """
    name = os.path.basename(path)
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        report.error(name, "starts with a UTF-8 BOM")
        raw = raw[3:]
    if b"\r" in raw:
        report.error(name, "contains CR characters (line ends must be LF)")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        report.error(name, f"not valid UTF-8: {e}")
        return {}
    if text and not text.endswith("\n"):
        report.error(name, "last line has no line end")

    sections = {}
    section_keys_folded = {}
    current = None
    for no, line in enumerate(text.split("\n"), start=1):
        where = f"{name}:{no}"
        if line != line.rstrip():
            report.error(where, "trailing blanks would be lost when read")
        stripped = line.strip()
        if not stripped or stripped.startswith(";"):
            continue
        if stripped.startswith("[") and stripped.endswith("]"):
            current = stripped[1:-1]
            if current.lower() in {s.lower() for s in sections}:
                report.error(where, f"section [{current}] appears twice")
            sections.setdefault(current, {})
            section_keys_folded.setdefault(current, {})
            continue
        if current is None:
            report.error(where, "key outside any section")
            continue
        if "=" not in stripped:
            report.error(where, "line is neither section, comment nor key=value")
            continue
        key, value = stripped.split("=", 1)
        key = key.strip()
        folded = key.lower()
        seen = section_keys_folded[current]
        if folded in seen:
            report.error(where, f"duplicate key {key} in [{current}] (first at line {seen[folded]})")
            continue
        seen[folded] = no
        if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
            report.error(where, f"{key}: value is quoted")
        if value.strip() == "":
            report.error(where, f"{key}: empty value")
        sections[current][key] = (value, no)
    return sections


def check_languages(name, sections, key_pattern, report):
    """Every text (key less its language) must have exactly languages 0, 1, 2."""
    for section, keys in sections.items():
        groups = {}
        for key, (_, no) in keys.items():
            m = key_pattern.match(key)
            if not m:
                report.error(f"{name}:{no}", f"key {key} has not the expected form")
                continue
            base, lang = m.group(1) or "", m.group(2)
            if lang not in LANGUAGES:
                report.error(f"{name}:{no}", f"key {key}: unknown language {lang}")
                continue
            groups.setdefault(base, set()).add(lang)
        for base, langs in groups.items():
            missing = [lang for lang in LANGUAGES if lang not in langs]
            if missing:
                label = base if base else "(window caption)"
                report.error(name, f"[{section}] {label} lacks language(s) {', '.join(missing)}")


def compact(values):
    """1,2,3,5 -> '1-3, 5'."""
    values = sorted(values)
    parts = []
    i = 0
    while i < len(values):
        j = i
        while j + 1 < len(values) and values[j + 1] == values[j] + 1:
            j += 1
        parts.append(str(values[i]) if i == j else f"{values[i]}-{values[j]}")
        i = j + 1
    return ", ".join(parts) if parts else "(none)"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    report = Report()

    files = {}
    for name in ("Message.ini", "Caption.ini"):
        path = os.path.join(resources, name)
        if not os.path.isfile(path):
            report.error(name, f"not found in {resources}")
            continue
        files[name] = parse(path, report)

    messages = files.get("Message.ini", {})
    captions = files.get("Caption.ini", {})
    check_languages("Message.ini", messages, MESSAGE_KEY, report)
    check_languages("Caption.ini", captions, CAPTION_KEY, report)

    for name, found, wanted in (("Message.ini", messages, MESSAGE_SECTIONS),
                                ("Caption.ini", captions, CAPTION_SECTIONS)):
        for section in found:
            if section not in wanted:
                report.error(name, f"unexpected section [{section}]")
        for section in wanted:
            if name in files and section not in found:
                report.error(name, f"section [{section}] missing")

    for (name, section, key), text in PINNED.items():
        got = files.get(name, {}).get(section, {}).get(key)
        if got is not None and got[0] != text:
            report.error(f"{name}:{got[1]}", f"[{section}] {key} must read {text!r}, not {got[0]!r}")
        elif got is None and name in files:
            report.error(name, f"[{section}] {key} missing (must read {text!r})")

    for section, component in FORBIDDEN_CAPTIONS:
        for key, (_, no) in captions.get(section, {}).items():
            if key.split(".")[0] == component:
                report.error(f"Caption.ini:{no}", f"{key}: the program writes this caption itself")

    print("Message numbers present:")
    for section in MESSAGE_SECTIONS:
        present = {int(MESSAGE_KEY.match(k).group(1))
                   for k in messages.get(section, {}) if MESSAGE_KEY.match(k)}
        expected = EXPECTED_NUMBERS[section]
        print(f"  [{section}] {len(present)} numbers: {compact(present)}")
        missing = expected - present
        extra = present - expected
        if missing:
            report.error("Message.ini", f"[{section}] numbers looked up but missing: {compact(missing)}")
        if extra:
            print(f"    not looked up by the program: {compact(extra)}")

    print("Captions present:")
    for section in CAPTION_SECTIONS:
        bases = sorted({CAPTION_KEY.match(k).group(1) or "(window)"
                        for k in captions.get(section, {}) if CAPTION_KEY.match(k)})
        print(f"  [{section}] {len(bases)}: {', '.join(bases)}")

    if report.errors:
        print(f"\n{len(report.errors)} error(s):")
        for e in report.errors:
            print("  " + e)
        return 1
    print("\nOK: every key has languages 0, 1 and 2; no duplicates.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
