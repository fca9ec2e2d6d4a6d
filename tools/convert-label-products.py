#!/usr/bin/env python3
"""Converts the third-party label product geometry (XML templates) into catalogue rows.

Run at development time; its output, resources/catalogue/label-products.csv, is committed and
turned into spec.db at build time by make-tables. Only products the sheet model can describe
are kept: one layout of rectangle, rounded rectangle, round or ellipse cells on a sheet, all cells
inside the sheet and none overlapping.

Usage: convert-label-products.py XML_FOLDER OUTPUT_CSV
"""

import csv
import glob
import os
import sys
import xml.etree.ElementTree as ET

FIELDS = ["Code", "Product", "Paper", "Type", "P_Width", "P_Height", "L_Columns", "L_Rows",
          "L_Margin", "R_Margin", "T_Margin", "B_Margin", "L_Width", "L_Height", "C_Space",
          "R_Space", "Shape", "Radios", "C_Code", "Color", "Remark", "L_TOTAL"]

# Products of other vendors are listed under their sheet size, apart from the home product line
# whose paper kinds are material names.
PAPER_PREFIX = "해외 "
TOLERANCE_MM = 0.01


def to_mm(text):
    """A length with its unit (mm, cm, in, pt; a bare number is points) in millimetres."""
    text = text.strip()
    for unit, factor in (("mm", 1.0), ("cm", 10.0), ("in", 25.4), ("pt", 25.4 / 72.0)):
        if text.endswith(unit):
            return float(text[: -len(unit)]) * factor
    return float(text) * 25.4 / 72.0


def number(value):
    """Shortest decimal text of a length rounded to a thousandth of a millimetre."""
    value = round(value, 3)
    if value == 0:
        value = 0.0
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return text if text != "-0" else "0"


def parse(path):
    """The XML root with namespaces dropped from the tag names (some files declare one)."""
    root = ET.parse(path).getroot()
    for element in root.iter():
        if isinstance(element.tag, str) and element.tag.startswith("{"):
            element.tag = element.tag.split("}", 1)[1]
    return root


def load_paper_sizes(folder):
    sizes = {}
    root = parse(os.path.join(folder, "paper-sizes.xml"))
    for paper in root.iter("Paper-size"):
        sizes[paper.get("id")] = (paper.get("name"), to_mm(paper.get("width")),
                                  to_mm(paper.get("height")))
    return sizes


def cell_shape(template):
    """(shape word, width, height, radius) of the template's one cell kind, or None."""
    frames = [child for child in template if child.tag.startswith("Label-")]
    if len(frames) != 1:
        return None, None
    frame = frames[0]
    if frame.tag == "Label-rectangle":
        radius = to_mm(frame.get("round", "0"))
        shape = ("R.Rect" if radius > 0 else "Rect", to_mm(frame.get("width")),
                 to_mm(frame.get("height")), radius)
    elif frame.tag == "Label-round":
        diameter = 2 * to_mm(frame.get("radius"))
        shape = ("Circle", diameter, diameter, 0.0)
    elif frame.tag == "Label-ellipse":
        shape = ("Circle", to_mm(frame.get("width")), to_mm(frame.get("height")), 0.0)
    else:
        return None, None
    return shape, frame.findall("Layout")


def sheet_size(template, sizes):
    size = template.get("size")
    if size == "other":
        return "%s x %s mm" % (number(to_mm(template.get("width"))),
                               number(to_mm(template.get("height")))), \
            to_mm(template.get("width")), to_mm(template.get("height"))
    if size in sizes:
        return sizes[size]
    return None


def geometry(template, sizes):
    """The catalogue fields of a template's geometry, or a reason why it does not fit."""
    paper = sheet_size(template, sizes)
    if paper is None:
        return None, "sheet size %s" % template.get("size")
    shape, layouts = cell_shape(template)
    if shape is None:
        return None, "cell kind"
    if len(layouts) != 1:
        return None, "%d layouts" % len(layouts)
    word, width, height, radius = shape
    paper_name, page_w, page_h = paper
    layout = layouts[0]
    nx, ny = int(layout.get("nx")), int(layout.get("ny"))
    x0, y0 = to_mm(layout.get("x0", "0")), to_mm(layout.get("y0", "0"))
    gap_x = to_mm(layout.get("dx", "0")) - width if nx > 1 else 0.0
    gap_y = to_mm(layout.get("dy", "0")) - height if ny > 1 else 0.0
    right = page_w - x0 - nx * width - (nx - 1) * gap_x
    bottom = page_h - y0 - ny * height - (ny - 1) * gap_y
    if nx < 1 or ny < 1 or width <= 0 or height <= 0:
        return None, "empty layout"
    if min(gap_x, gap_y) < -TOLERANCE_MM:
        return None, "overlapping cells"
    if min(x0, y0, right, bottom) < -TOLERANCE_MM:
        return None, "cells outside the sheet"
    values = {
        "Paper": PAPER_PREFIX + paper_name, "Type": "SHEET",
        "P_Width": number(page_w), "P_Height": number(page_h),
        "L_Columns": str(nx), "L_Rows": str(ny),
        "L_Margin": number(x0), "R_Margin": number(max(right, 0.0)),
        "T_Margin": number(y0), "B_Margin": number(max(bottom, 0.0)),
        "L_Width": number(width), "L_Height": number(height),
        "C_Space": number(max(gap_x, 0.0)), "R_Space": number(max(gap_y, 0.0)),
        "Shape": word, "Radios": number(radius), "L_TOTAL": str(nx * ny),
    }
    return values, None


def main(folder, output):
    sizes = load_paper_sizes(folder)
    templates = []
    for path in sorted(glob.glob(os.path.join(folder, "*-templates.xml"))):
        templates.extend(parse(path).iter("Template"))
    by_part = {(t.get("brand"), t.get("part")): t for t in templates if not t.get("equiv")}
    rows, codes, skipped = [], set(), {}
    for template in templates:
        brand, part = template.get("brand"), template.get("part")
        source = by_part.get((brand, template.get("equiv"))) if template.get("equiv") else template
        if source is None:
            skipped["unknown equivalent"] = skipped.get("unknown equivalent", 0) + 1
            continue
        try:
            values, reason = geometry(source, sizes)
        except ValueError:
            values, reason = None, "malformed length"
        code = "%s %s" % (brand, part)
        if values is None or code.lower() in codes:
            reason = reason or "duplicate code"
            skipped[reason] = skipped.get(reason, 0) + 1
            continue
        codes.add(code.lower())
        values.update({"Code": code, "Product": brand, "C_Code": "clWhite", "Color": "흰색",
                       "Remark": "잉크젯/레이저 겸용"})
        rows.append(values)
    rows.sort(key=lambda r: (r["Product"].lower(), r["Code"].lower()))
    with open(output, "w", newline="", encoding="utf-8") as out:
        writer = csv.DictWriter(out, fieldnames=FIELDS, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)
    print("%d products written to %s" % (len(rows), output))
    for reason, count in sorted(skipped.items()):
        print("  skipped %4d: %s" % (count, reason))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
