#!/usr/bin/python3
"""The built PDF manual as a viewer reads it, through qpdf's JSON: bookmarks
for its chapters and sections, and every link of the page it was set from
jumping to a place in it (WeasyPrint drops a link to a missing anchor, and a
web link to "#..." opens nothing in a PDF viewer)."""
import json
import re
import subprocess
import sys


def main(pdf, html):
    document = json.loads(subprocess.run(["qpdf", "--json", pdf], check=True,
                                         capture_output=True, text=True).stdout)
    objects = document["qpdf"][1]

    def value(item):
        return objects[f"obj:{item}"]["value"] if str(item).endswith(" R") else item

    def names(tree):
        found = set(value(tree.get("/Names", []))[::2])
        return found.union(*(names(value(kid)) for kid in value(tree.get("/Kids", []))))

    faults = []
    if not any(chapter["kids"] for chapter in document["outlines"]):
        faults.append("no bookmarks for the chapters and their sections")
    root = value(objects["trailer"]["value"]["/Root"])
    places = names(value(value(root.get("/Names", {})).get("/Dests", {})))
    jumps = set()
    for page in document["pages"]:
        for link in map(value, value(value(page["object"]).get("/Annots", []))):
            action = value(link.get("/A", {}))
            target = link.get("/Dest", action.get("/D"))
            if action.get("/URI", "u:")[2:].startswith("#"):
                faults.append(f"page {page['pageposfrom1']}: a web link to {action['/URI'][2:]}")
            elif target in places:
                jumps.add(target[2:])
    with open(html, encoding="utf-8") as source:
        for lost in sorted(set(re.findall(r'href="#([^"]+)"', source.read())) - jumps):
            faults.append(f"the link to #{lost} does not jump in the PDF")
    print("\n".join(faults) or f"{len(document['outlines'])} chapters bookmarked, "
          f"{len(jumps)} places linked, every link jumping")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
