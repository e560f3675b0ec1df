#!/usr/bin/python3
"""The JSON Schema of `orvane schema` checked with a real TOML reader (tomllib) and a real JSON Schema
checker (Debian's python3-jsonschema, with the draft the schema's "$schema" names): every mod the tool
exports passes, and every bad mod the tool refuses for a type, a key, a range or a character is refused
by the schema as well.

Usage: check_schema.py ORVANE ORVANE_SAMPLE_GAME"""
import json
import os
import re
import string
import shutil
import subprocess
import sys
import tempfile
import tomllib
import unicodedata

import jsonschema

orvane, sample_game = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
failures = []


def run(*arguments, stdin=None):
    return subprocess.run([orvane, *arguments], capture_output=True, text=True, input=stdin)


def load(text):
    # A TOML language server hands the checker JSON: 46.0 is a JSON number like 46, and only the schema's
    # draft tells whether "integer" takes it. Python's float is that JSON number.
    return tomllib.loads(text)


work = tempfile.mkdtemp(prefix="orvane-schema-")
os.chdir(work)
schema_run = run("schema", "-o", "schema.json")
assert schema_run.returncode == 0, schema_run.stderr
with open("schema.json", encoding="utf-8") as file:
    schema = json.load(file)
checker = jsonschema.validators.validator_for(schema, default=None)
assert checker is not None, f"the schema names no draft the checker knows: {schema.get('$schema')}"
checker.check_schema(schema)
validator = checker(schema)
assert run("schema").stdout == open("schema.json", encoding="utf-8").read()

subprocess.run([sample_game, "games"], check=True, capture_output=True)
games = {"ce": "games/ce/QEV.EXE", "dos12": "games/dos12/QEVEXE/GEOSCAPE.EXE", "dos14": "games/dos14/QEVEXE/GEOSCAPE.EXE"}

# Exports and diffs pass.
checked = 0
for name, game in games.items():
    exported = run("export", game)
    assert exported.returncode == 0, exported.stderr
    errors = list(validator.iter_errors(load(exported.stdout)))
    for error in errors[:5]:
        failures.append(f"export of {name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    checked += 1
# Games of random values: their names and strings hold characters from all over the code page, and the
# schema's patterns take every one. Their numbers and options are random bytes the pages' boxes may
# refuse; an export holds them as the game does, and applying takes a value equal to the game's.
for seed in (1, 2, 3):
    subprocess.run([sample_game, f"random{seed}", "--random", str(seed)], check=True, capture_output=True)
    for name, game in games.items():
        exported = run("export", game.replace("games/", f"random{seed}/", 1))
        assert exported.returncode == 0, exported.stderr
        mod = load(exported.stdout)
        assert any(not text.isascii() for record in mod["first_name"] for text in record.values() if isinstance(text, str))
        errors = [error for error in validator.iter_errors(mod) if error.validator in ("pattern", "not")]
        for error in errors[:5]:
            failures.append(f"export of {name} random {seed}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
        checked += 1
edits = """[mod]
format = 1
edition = "DOS version 1.4"

[[unit]]
number = 7
name = "Sectoid Soldier"
health = 45
bravery = -100

[[item]]
number = 3
item_name = "Fusée à plasma"
ammo_type_1 = 255
damage_type = "Plasma"

[[facility_type]]
number = 12
defense_strength = -1500

[base_stores]
engineers = 250

[[base_square]]
number = 8
facility = "Empty"
days_to_completion = 255

[[english_dat]]
number = 12
text = "Fête"
"""
with open("edits.toml", "w", encoding="utf-8") as file:
    file.write(edits)
for name, game in games.items():
    applied = run("apply", "-q", "--no-backups", game, "edits.toml")
    assert applied.returncode == 0, applied.stderr
subprocess.run([sample_game, "shipped"], check=True, capture_output=True)
for name, game in games.items():
    diffed = run("diff", "shipped/" + game.removeprefix("games/"), game)
    assert diffed.returncode == 0, diffed.stderr
    for error in list(validator.iter_errors(load(diffed.stdout)))[:5]:
        failures.append(f"diff of {name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    checked += 1

# Bad mods: refused by the tool for a type, a key or a range, and by the schema.
header = "[mod]\nformat = 1\n"
bad = [
    "[mod]\nformat = 2\n",
    "[mod]\nformat = 1.0\n",
    "[mod]\nformat = 1\nedition = \"DOS version 1.3\"\n",
    "[mod]\nformat = 1\nauthor = \"me\"\n",
    "[[unit]]\nnumber = 0\n",
    header + "[[weapon]]\nnumber = 1\n",
    header + "[[unit]]\nnumber = 33\n",
    header + "[[unit]]\nnumber = -1\n",
    header + "[[unit]]\nhealth = 5\n",
    header + "[[unit]]\nnumber = 7.0\n",
    header + "[[unit]]\nnumber = 0\ntime_unit = 5\n",
    header + "[[unit]]\nnumber = 0\nstrength = 101\n",
    header + "[[unit]]\nnumber = 0\nhealth = 256\n",
    header + "[[unit]]\nnumber = 0\nhealth = 46.0\n",
    header + "[[unit]]\nnumber = 0\ntime_units = 12.5\n",
    header + "[[unit]]\nnumber = 0\ntime_units = \"fast\"\n",
    header + "[[unit]]\nnumber = 0\nbravery = 55\n",
    header + "[[unit]]\nnumber = 0\nbravery = 120\n",
    header + "[[unit]]\nnumber = 0\nflying_ability = \"Maybe\"\n",
    header + "[[unit]]\nnumber = 0\nflying_ability = true\n",
    header + "[[facility_type]]\nnumber = 2\nconstruction_cost_k = -5\n",
    header + "[[facility_type]]\nnumber = 2\nhit_ratio = 101\n",
    header + "[[facility_type]]\nnumber = 2\ndefense_strength = -1\n",
    header + "[base_stores]\nengineers = 251\n",
    header + "[base_stores]\nstingray_launchers = 28672\n",
    header + "[base_stores]\nname = \"Stores\"\n",
    header + "[[base_stores]]\nnumber = 1\n",
    header + "[unit]\nhealth = 5\n",
    header + "[[base_square]]\nnumber = 8\ndays_to_completion = 60\n",
    header + "[[base_square]]\nnumber = 37\n",
    header + "[[base_square]]\nnumber = 8\nfacility = \"Garden\"\n",
    header + "[[last_name]]\nnumber = 1\nlast_names = \"Abcdefghijkl\"\n",
    header + "[[first_name]]\nnumber = 1\nfirst_names = \"\"\n",
    header + "[[first_name]]\nnumber = 0\nfirst_names = \"Al\"\n",
    header + "[[item]]\nnumber = 0\nammo_type_1 = 80\n",
    header + "[[item]]\nnumber = 0\nammo_type_1 = 254\n",
    header + "[[item]]\nnumber = 0\nitem_name = \"A name far too long to fit\"\n",
    header + "[[item]]\nnumber = 0\ndamage_type = \"Fire\"\n",
    header + "[[english_dat]]\nnumber = 0\ntext = \"x\"\n",
    header + "[[english_dat]]\nnumber = 1\ntext = 5\n",
    header + "[[english_dat]]\nnumber = 1\nname = \"x\"\n",
    header + "[[english2_dat]]\nnumber = 1\nwords = \"x\"\n",
    "[mod]\nformat = 1e0\n",
    header + "[[unit]]\nnumber = 0\nhealth = 4.6e1\n",
    header + "[[item]]\nnumber = 0\nammo_type_1 = 255.0\n",
    header + "[base_stores]\nengineers = 250.0\n",
    header + "[[english_dat]]\nnumber = 12.0\ntext = \"x\"\n",
    header + "[[english_dat]]\nnumber = 1\ntext = \"a\\nb\"\n",
    header + "[[english_dat]]\nnumber = 1\ntext = \"ab\\n\"\n",
    header + "[[english2_dat]]\nnumber = 1\ntext = \"5 €\"\n",
    header + "[[item]]\nnumber = 0\nitem_name = \"Fus€e\"\n",
    header + "[[first_name]]\nnumber = 1\nfirst_names = \"A\\tl\"\n",
    header + "[[last_name]]\nnumber = 1\nlast_names = \"Sm\\u0000th\"\n",
]
for text in bad:
    refused = run("apply", "--dry-run", games["dos14"], "-", stdin=text)
    if refused.returncode != 1:
        failures.append(f"the tool accepts a bad mod ({refused.returncode}): {text!r}")
    if validator.is_valid(load(text)):
        failures.append(f"the schema accepts a bad mod the tool refuses: {text!r}: {refused.stderr.strip()}")
    checked += 1

# Every character from U+0000 to U+2FFF (the code page's glyphs end at U+266B), each the whole of a
# string, and every letter followed by a combining accent (as macOS writes "é"): the schema takes it
# exactly when applying does, which composes a text (NFC) first, so the ohm sign is the game's Ω.
# Fifty strings a mod, as applying names at most fifty refused values and counts the rest.
probes = [chr(point) for point in range(0x3000)]
probes += [letter + chr(accent) for letter in string.ascii_letters for accent in range(0x300, 0x370)]
disagreements = []
taken = 0
for start in range(0, len(probes), 50):
    batch = probes[start:start + 50]
    text = header + "".join(f'[[english_dat]]\nnumber = {number}\ntext = "' +
                            "".join(f"\\u{ord(c):04X}" for c in probe) + '"\n'
                            for number, probe in enumerate(batch, 1))
    applied = run("apply", "--dry-run", games["dos14"], "-", stdin=text)
    assert applied.returncode in (0, 1) and "more" not in applied.stderr, applied.stderr
    refused_by_tool = {int(number) for number in re.findall(r"english_dat (\d+), text: the character", applied.stderr)}
    assert (applied.returncode == 1) == bool(refused_by_tool), applied.stderr
    refused_by_schema = {error.absolute_path[1] + 1 for error in validator.iter_errors(load(text))}
    for number, probe in enumerate(batch, 1):
        taken += number not in refused_by_tool and unicodedata.normalize("NFC", probe) == probe
        if (number in refused_by_tool) != (number in refused_by_schema):
            written = " ".join(f"U+{ord(c):04X}" for c in probe)
            disagreements.append(f"{written} {'refused' if number in refused_by_tool else 'taken'} by the tool")
if disagreements:
    failures.append(f"the schema and the tool disagree on {len(disagreements)} characters: {disagreements[:10]}")
# Bytes 1 to 255 are a character each, written composed; a probe that every string refused would show nothing.
if taken != 255:
    failures.append(f"applying takes {taken} characters, not the code page's 255")
checked += len(probes)

for failure in failures:
    print(failure)
print(f"{checked} mods checked against the schema: {len(failures)} failures")
os.chdir("/")
shutil.rmtree(work)
sys.exit(1 if failures else 0)
