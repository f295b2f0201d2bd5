#!/usr/bin/env python3
"""Fails when a file includes against the direction of the layers or includes Qt outside a
qt/ folder.

Layers, lowest first: resources, platform, format, online, data, fares, results, journeys,
app. A file under src/<layer>/ includes only its own and lower layers, never a qt/ folder;
a file under src/<layer>/qt/ may also include the qt/ folders of its own and lower layers.
Programs, tests, benchmarks and fuzz targets stand above every layer, but <Q...> headers
belong only in qt/ folders everywhere. Prints each violation and exits 1 if there is any.
"""
import os
import re
import sys

ORDER = ["resources", "platform", "format", "online", "data", "fares", "results", "journeys", "app"]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCES = (".h", ".hpp", ".cpp", ".cc", ".inc")


def place(path):
    """(layer, in_qt) of a file; layer is None outside src/."""
    parts = path.split(os.sep)
    in_qt = "qt" in parts[:-1]
    if parts[0] == "src" and len(parts) > 2 and parts[1] in ORDER:
        return parts[1], in_qt
    return None, in_qt


def check(root):
    bad = []
    for top in ("src", "tools", "tests", "bench", "fuzz"):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if not name.endswith(SOURCES):
                    continue
                full = os.path.join(folder, name)
                rel = os.path.relpath(full, root)
                layer, in_qt = place(rel)
                with open(full, encoding="utf-8", errors="replace") as f:
                    for n, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        kind, target = m.groups()
                        first = target.split("/")[0]
                        if kind == "<" and re.match(r"Q[A-Za-z]", first) and not in_qt:
                            bad.append(f"{rel}:{n}: Qt header <{target}> outside a qt/ folder")
                        if kind != '"' or layer is None:
                            continue
                        if first == "datatool":
                            bad.append(f"{rel}:{n}: the core includes the data tool's {target}")
                            continue
                        if first not in ORDER:
                            continue
                        if ORDER.index(first) > ORDER.index(layer):
                            bad.append(f"{rel}:{n}: {layer} includes {target} from the higher layer {first}")
                        elif "/qt/" in target and not in_qt:
                            bad.append(f"{rel}:{n}: {layer} includes the Qt header {target}")
    return bad


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    bad = check(os.path.abspath(root))
    for b in bad:
        print(b)
    if bad:
        print(f"{len(bad)} include(s) against the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
