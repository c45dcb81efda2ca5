#!/usr/bin/env python3
"""The folder graph of src/: which folders each folder includes (#include "folder/..."),
whether that graph has a cycle, and whether each folder's CMake target links exactly the
folders it includes. Exit status 1 on a cycle or a mismatch.

    scripts/folder-graph.py          the graph and the verdict
    scripts/folder-graph.py -v       also every include line that crosses folders
"""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([^"]+)"')
LINKS = re.compile(r"target_link_libraries\((velmora_[a-z_]+|velmora-cli)\b(.*?)\)", re.S)


def folders():
    return sorted(d for d in os.listdir(ROOT) if os.path.isdir(os.path.join(ROOT, d)))


def includes(folder):
    found = {}
    for dirpath, _, files in os.walk(os.path.join(ROOT, folder)):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(dirpath, name)
            with open(path, errors="replace") as f:
                for line in f:
                    m = INCLUDE.match(line)
                    if m and m.group(1) != folder:
                        found.setdefault(m.group(1), []).append(f"{folder}/{name} -> {m.group(1)}/{m.group(2)}")
    return found


def links(folder):
    """Our targets linked by the folder's library (or, for cli, its program)."""
    path = os.path.join(ROOT, folder, "CMakeLists.txt")
    if not os.path.exists(path):
        return None
    with open(path) as f:
        text = f.read()
    own = {"cli": "velmora-cli"}.get(folder, f"velmora_{folder}")
    linked = set()
    for target, body in LINKS.findall(text):
        if target == own:
            linked |= set(re.findall(r"velmora::([a-z_]+)", body))
    return linked


def cycles(graph):
    index, low, stack, on, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in graph[v]:
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for v in graph:
        if v not in index:
            visit(v)
    return found


def main():
    verbose = "-v" in sys.argv
    names = folders()
    edges = {f: includes(f) for f in names}
    graph = {f: sorted(e for e in edges[f] if e in names) for f in names}
    ok = True
    for f in names:
        linked = links(f)
        verdict = ""
        if linked is not None and linked != set(graph[f]):
            ok = False
            verdict = f"   LINKS {sorted(linked)}"
        print(f"{f:13} -> {' '.join(graph[f])}{verdict}")
        if verbose:
            for lines in edges[f].values():
                for line in lines:
                    print("      " + line)
    found = cycles(graph)
    for component in found:
        ok = False
        print("cycle through: " + " ".join(component))
    print("acyclic, links match includes" if ok else "NOT OK")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
