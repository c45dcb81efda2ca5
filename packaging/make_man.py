#!/usr/bin/env python3
"""Writes a program's man page from its own --help text (and, for a program with commands,
from each `PROGRAM COMMAND --help`), so the page never says other than the program does.

    make_man.py PROGRAM OUT.1 [--commands]
"""
import datetime
import os
import re
import subprocess
import sys


def run(args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def esc(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def split_term(line):
    """'  term   what it does' -> (term, what it does); two spaces end the term."""
    m = re.match(r"\s*(.*?\S)\s{2,}(\S.*)$", line)
    return (m.group(1), m.group(2)) if m else (line.strip(), "")


def blocks(lines):
    """Paragraphs separated by blank lines."""
    block = []
    for line in lines + [""]:
        if line.strip():
            block.append(line)
        elif block:
            yield block
            block = []


def body(lines, out):
    """Help text after the synopsis: 'name:' lines open sections, indented lines are terms."""
    for block in blocks(lines):
        if re.match(r"^\w[\w ]*:$", block[0]):
            out.append(".SH " + block[0][:-1].upper())
            block = block[1:]
        if all(line.startswith("  ") for line in block):
            for line in block:
                term, what = split_term(line)
                out += [".TP", ".B " + esc(term), esc(what)]
        else:
            out += [".PP"] + [esc(line.strip()) for line in block]


def main():
    program, target = sys.argv[1], sys.argv[2]
    with_commands = "--commands" in sys.argv[3:]
    name = os.path.basename(program)
    help_lines = run([program, "--help"]).splitlines()
    version = run([program, "--version"]).strip()
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0")) or None
    day = datetime.date.fromtimestamp(epoch) if epoch else datetime.date.today()

    synopsis = []
    while help_lines and (help_lines[0].startswith("usage:") or (synopsis and help_lines[0].startswith(" "))):
        synopsis.append(help_lines.pop(0).replace("usage:", "", 1).strip())
    summary = help_lines.pop(0).strip().rstrip(".") if help_lines else name

    out = [f'.TH {name.upper()} 1 "{day.isoformat()}" "{esc(version)}" "User Commands"',
           ".SH NAME", f"{esc(name)} \\- {esc(summary[:1].lower() + summary[1:])}",
           ".SH SYNOPSIS"]
    for i, line in enumerate(synopsis):
        out += ([".br"] if i else []) + [esc(line)]

    if with_commands:
        out.append(".SH COMMANDS")
        rest = [line for line in help_lines if line.startswith("  ")]
        for line in rest:
            usage, what = split_term(line)
            command = usage.split()[0]
            # COMMAND --help: the usage line, its description, a blank line, the details.
            detail = run([program, command, "--help"]).splitlines()
            out += [".TP", ".B " + esc(usage), esc(what)]
            text = detail[detail.index("") + 1:] if "" in detail else []
            if text:
                out += [".RS", ".nf"] + [esc(line) for line in text] + [".fi", ".RE"]
        out += [".SH SEE ALSO", ".BR velmora (1)"]
    else:
        body(help_lines, out)
        out += [".SH SEE ALSO", ".BR velmora\\-cli (1)"]

    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
