#!/usr/bin/python3
"""The built PDF manual as a viewer reads it, through qpdf's JSON: bookmarks
for its chapters and their sections, and every link of the page it was set
from jumping to a place in the manual itself (a web link to "#..." opens
nothing in a PDF viewer, and WeasyPrint drops a link to a missing anchor)."""
import json
import re
import subprocess
import sys


def main(pdf, html):
    shown = subprocess.run(["qpdf", "--json", pdf], check=True, capture_output=True, text=True)
    document = json.loads(shown.stdout)
    objects = document["qpdf"][1]

    def value(item):
        return objects[f"obj:{item}"]["value"] if isinstance(item, str) and item.endswith(" R") else item

    def names(tree):
        tree = value(tree)
        found = set(value(tree.get("/Names", []))[::2])
        for kid in value(tree.get("/Kids", [])):
            found |= names(kid)
        return found

    faults = []
    chapters = document["outlines"]
    if not chapters or not any(chapter["kids"] for chapter in chapters):
        faults.append("no bookmarks for the chapters and their sections")
    root = value(objects["trailer"]["value"]["/Root"])
    places = names(value(root.get("/Names", {})).get("/Dests", {}))
    links = 0
    jumps = set()
    for page in document["pages"]:
        for annotation in map(value, value(value(page["object"]).get("/Annots", []))):
            if annotation.get("/Subtype") != "/Link":
                continue
            links += 1
            action = value(annotation.get("/A", {}))
            uri = action.get("/URI", "u:")[2:]
            target = annotation.get("/Dest", action.get("/D"))
            if uri.startswith("#") or uri.startswith("file:"):
                faults.append(f"page {page['pageposfrom1']}: a web link to {uri}")
            elif isinstance(target, str) and target not in places:
                faults.append(f"page {page['pageposfrom1']}: a link to {target[2:]}, which is nowhere")
            elif isinstance(target, str):
                jumps.add(target[2:])
    with open(html, encoding="utf-8") as page:
        for lost in sorted(set(re.findall(r'href="#([^"]+)"', page.read())) - jumps):
            faults.append(f"the link to #{lost} does not jump in the PDF")
    print("\n".join(faults) or f"{len(chapters)} chapters bookmarked, {links} links, all jumping")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
