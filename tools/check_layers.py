#!/usr/bin/env python3
"""Fails when an include under src/ points up the layers or the files include each other in a
circle. The layers, top to bottom; a folder may include its own files and any folder below it.
resources/ holds the ids shared with the resource compiler and may be included from anywhere."""
import os
import re
import sys

LAYERS = [
    ["app"],                                     # start-up, frame, commands, menus, toolbar
    ["options"],                                 # the options sheet and its pages
    ["docset"],                                  # the document set: open, close, save all
    ["files", "editing", "printing", "windows"],  # what documents are loaded, edited, printed
    ["document"],                                # the document window and its edit control
    ["settings"],                                # the options record and its store
    ["ui"],                                      # strings, message dialogs, status, help
    ["base"],                                    # process-wide state, the file-access seam
]
LEAVES = {"resources"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def rank(folder):
    for index, layer in enumerate(LAYERS):
        if folder in layer:
            return index
    return None


def main(root):
    src = os.path.join(root, "src")
    problems = []
    graph = {}  # module (path without extension) -> modules it includes
    for folder, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, src).replace(os.sep, "/")
            own = relative.split("/")[0]
            module = os.path.splitext(relative)[0]
            with open(path, encoding="utf-8", errors="replace") as source:
                text = source.read()
            if own not in LEAVES and rank(own) is None:
                problems.append(f"{relative}: folder '{own}' has no layer in tools/check_layers.py")
                continue
            for included in INCLUDE.findall(text):
                target = included.split("/")[0]
                if "/" not in included or target in LEAVES:
                    continue
                if rank(target) is None:
                    problems.append(f"{relative}: includes {included} from a folder with no layer")
                elif own not in LEAVES and rank(target) < rank(own):
                    problems.append(f"{relative}: includes {included}, which is a layer above")
                target_module = os.path.splitext(included)[0]
                if target_module != module:
                    graph.setdefault(module, set()).add(target_module)
    # A header and its source are one module; a circle of modules is a cycle.
    state = {}
    stack = []

    def visit(module):
        state[module] = "open"
        stack.append(module)
        for other in sorted(graph.get(module, ())):
            if state.get(other) == "open":
                cycle = stack[stack.index(other):] + [other]
                problems.append("include cycle: " + " -> ".join(cycle))
            elif other not in state:
                visit(other)
        stack.pop()
        state[module] = "done"

    for module in sorted(graph):
        if module not in state:
            visit(module)
    for problem in problems:
        print("layers: " + problem)
    if not problems:
        print("layers: every include points down, no cycles")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
