#!/usr/bin/env python3
"""Writes sysdata/LBLTPL.csv, the label template catalogue, from the sheet dimension data of
Debian's glabels-data package (install it with apt-get; only its template XML files are read).

    python3 scripts/make-lbltpl.py [TEMPLATE_FOLDER] > sysdata/LBLTPL.csv

Every Avery US-Letter and A4 sheet product becomes one row per printer kind it is sold for.
Lengths are converted to inches and rounded to three decimals. A handful of sheets whose data
disagrees with the manufacturer's published dimensions by more than a hundredth of an inch
are corrected from the published values (CORRECTIONS below); equivalent products follow.
Labels smaller than the program's smallest stock are left out, and a pitch that the source's
rounding left a hair short of its label is widened to the label. Standard library only, so the catalogue can be made again on any machine.
"""
import csv
import io
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

DEFAULT_FOLDER = "/usr/share/libglabels-3.0/templates"
SOURCE_FILES = ("avery-us-templates.xml", "avery-iso-templates.xml")
PAPER_CODES = {"US-Letter": ("LTR", 8.5, 11.0), "A4": ("A4", 8.27, 11.69)}

COLUMNS = ["DESCRIPT", "LBLHEIGHT", "LBLWIDTH", "NBRACROSS", "NBRDOWN", "TOPMARG", "LEFTMARG",
           "HORIZPITCH", "VERTPITCH", "SHEETWIDTH", "SHEETDEPTH", "PRINTER", "PAPERSIZE",
           "LBLSHAPE", "MANUFAC", "PRODTYPE", "MIDEXTRAX", "MIDEXTRAY", "ART"]

# Published sheet dimensions (inches) that replace the source's values for these base products.
CORRECTIONS = {
    # 3/16" side margins and a 2.75" pitch leave 1/8" between the columns.
    "5160": {"LEFTMARG": 0.1875, "HORIZPITCH": 2.75},
    # The source files a round label under this number; the product is the 2/3" x 1-3/4"
    # return address sheet, 60 to the page.
    "5195": {"LBLWIDTH": 1.75, "LBLHEIGHT": 0.667, "NBRACROSS": 4, "NBRDOWN": 15, "TOPMARG": 0.5,
             "LEFTMARG": 0.3, "HORIZPITCH": 2.05, "VERTPITCH": 0.667, "LBLSHAPE": "RR",
             "PRODTYPE": "ADDRESS/SHIPPING LABELS", "PURPOSE": "Return Address Labels"},
    # 63.5 x 38.1 mm, 21 to the page, centred on A4 (7.21 mm sides, 15.15 mm top).
    "7160": {"LBLWIDTH": 63.5 / 25.4, "LEFTMARG": 7.21 / 25.4, "TOPMARG": 15.15 / 25.4,
             "HORIZPITCH": 66.04 / 25.4},
    # 99.1 x 38.1 mm, 14 to the page, centred on A4 (4.65 mm sides).
    "7163": {"LEFTMARG": 4.65 / 25.4, "HORIZPITCH": 101.6 / 25.4},
}

# The pictures of pre-printed designs the program ships (resources/label-art), named "AV" + product.
ART_NAMES = {"AV12295", "AV12297", "AV2180", "AV4160", "AV4161", "AV4168", "AV4169", "AV4266", "AV5097",
             "AV5196", "AV5198", "AV5305", "AV5385", "AV5386", "AV5391", "AV5766", "AV5776", "AV5824",
             "AV5895", "AV5896", "AV8166", "AVWSD5", "AVWSD8", "AVWSI13", "AVWSI15"}

UNIT_INCHES = {"in": 1.0, "mm": 1 / 25.4, "cm": 1 / 2.54, "pt": 1 / 72.0, "pc": 1 / 6.0}


def inches(text):
    """A length of the source (number and optional unit; a bare number is points)."""
    match = re.fullmatch(r"\s*([-+0-9.eE]+)\s*([a-z]*)\s*", text or "0")
    if not match:
        raise ValueError("not a length: %r" % text)
    unit = match.group(2) or "pt"
    return float(match.group(1)) * UNIT_INCHES[unit]


def printers(part):
    """The printer kinds a product is sold for, by Avery's numbering: the L and J prefixes of
    the A4 range, the 5xxx/15xxx laser and 8xxx/18xxx/28xxx/48xxx inkjet numbers of the US
    range; anything else is sold for both."""
    if part.startswith("L"):
        return ["LJ"]
    if part.startswith("J"):
        return ["IJ"]
    digits = re.match(r"\d+", part)
    number = digits.group(0) if digits else ""
    if len(number) == 4 and number[0] == "5" or len(number) == 5 and number[:2] == "15":
        return ["LJ"]
    if len(number) == 4 and number[0] == "8" or len(number) == 5 and number[:2] in ("18", "28", "48"):
        return ["IJ"]
    return ["LJ", "IJ"]


def product_type(purpose, categories):
    text = purpose.lower()
    if "diskette" in text:
        return "DISKETTE LABELS"
    if "file folder" in text or "filing" in text:
        return "FILE FOLDER LABELS"
    if "index" in text or "divider" in text:
        return "INDEX PRODUCTS"
    if "card" in text or "badge" in text or {"card", "business-card"} & categories:
        return "CARD PRODUCTS"
    if "address" in text or "shipping" in text or "mailing" in text or "mail" in categories:
        return "ADDRESS/SHIPPING LABELS"
    return "MISCELLANEOUS"


def label_geometry(label):
    """Width, height and shape code of one label element, or None for an unknown kind."""
    kind = label.tag
    if kind == "Label-rectangle":
        rounded = inches(label.get("round", "0")) > 0
        return inches(label.get("width")), inches(label.get("height")), "RR" if rounded else "SR"
    if kind in ("Label-round", "Label-cd"):
        diameter = 2 * inches(label.get("radius"))
        return diameter, diameter, "EL"
    if kind == "Label-ellipse":
        return inches(label.get("width")), inches(label.get("height")), "EL"
    return None


def sheet_grid(layouts):
    """Counts, origin, pitches and middle gaps of the label grid: one layout, or two halves of
    the same grid side by side or one above the other (the sheet's middle gap)."""
    def values(layout):
        return (int(layout.get("nx")), int(layout.get("ny")), inches(layout.get("x0")),
                inches(layout.get("y0")), inches(layout.get("dx", "0")), inches(layout.get("dy", "0")))
    if len(layouts) == 1:
        nx, ny, x0, y0, dx, dy = values(layouts[0])
        return nx, ny, x0, y0, dx, dy, 0.0, 0.0
    if len(layouts) == 2:
        first, second = sorted((values(layout) for layout in layouts), key=lambda v: (v[3], v[2]))
        nx, ny, x0, y0, dx, dy = first
        if second[1] == ny and abs(second[3] - y0) < 1e-6 and second[0] == nx and abs(second[4] - dx) < 1e-6:
            return 2 * nx, ny, x0, y0, dx, dy, second[2] - (x0 + nx * dx), 0.0
        if second[0] == nx and abs(second[2] - x0) < 1e-6 and second[1] == ny and abs(second[5] - dy) < 1e-6:
            return nx, 2 * ny, x0, y0, dx, dy, 0.0, second[3] - (y0 + ny * dy)
    return None


def base_row(template):
    paper = PAPER_CODES.get(template.get("size"))
    if paper is None:
        return None
    labels = [child for child in template if child.tag.startswith("Label-")]
    if not labels:
        return None
    geometry = label_geometry(labels[0])
    grid = sheet_grid(labels[0].findall("Layout"))
    if geometry is None or grid is None:
        return None
    width, height, shape = geometry
    nx, ny, x0, y0, dx, dy, gapx, gapy = grid
    # Labels smaller than a stock may be (0.5 x 0.3 inch, such as disc spine strips) are left out.
    if width < 0.5 or height < 0.3:
        return None
    # A pitch a few hundredths of a point short of the label is the source's rounding: labels
    # that touch their neighbours.
    if nx > 1 and 0 < width - dx < 0.01:
        dx = width
    if ny > 1 and 0 < height - dy < 0.01:
        dy = height
    purpose = (template.get("_description") or template.get("description") or "").strip()
    categories = {meta.get("category") for meta in template.findall("Meta")}
    return {"LBLHEIGHT": height, "LBLWIDTH": width, "NBRACROSS": nx, "NBRDOWN": ny, "TOPMARG": y0,
            "LEFTMARG": x0, "HORIZPITCH": dx if nx > 1 else width, "VERTPITCH": dy if ny > 1 else height,
            "SHEETWIDTH": paper[1], "SHEETDEPTH": paper[2], "PAPERSIZE": paper[0], "LBLSHAPE": shape,
            "MANUFAC": "AVERY", "PRODTYPE": product_type(purpose, categories), "MIDEXTRAX": gapx,
            "MIDEXTRAY": gapy, "ART": "", "PURPOSE": purpose}


def catalogue_rows(folder):
    bases, equivalents = {}, []
    for name in SOURCE_FILES:
        for template in ElementTree.parse(os.path.join(folder, name)).getroot().iter("Template"):
            if template.get("brand") != "Avery":
                continue
            if template.get("equiv"):
                equivalents.append((template.get("part"), template.get("equiv")))
                continue
            row = base_row(template)
            if row is not None:
                row.update(CORRECTIONS.get(template.get("part"), {}))
                bases[template.get("part")] = row
    products = dict(bases)
    for part, equiv in equivalents:
        if equiv in bases and part not in products:
            products[part] = bases[equiv]
    rows = []
    for part, values in products.items():
        description = ("Avery %s  %s" % (part, values["PURPOSE"]))[:60].rstrip()
        for printer in printers(part):
            row = {key: value for key, value in values.items() if key != "PURPOSE"}
            row.update({"DESCRIPT": description, "PRINTER": printer})
            if "AV" + part in ART_NAMES:
                row["ART"] = "AV" + part
            rows.append(row)
    rows.sort(key=lambda row: (row["DESCRIPT"].upper(), row["PRINTER"]))
    return rows


def formatted(value):
    if isinstance(value, float):
        return "%.3f" % round(value, 3)
    return str(value)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_FOLDER
    rows = catalogue_rows(folder)
    out = io.StringIO()
    out.write("# Label template catalogue delivered as sysdata/LBLTPL.DBF (tag DESCRIPT on UPPER(descript)).\n")
    out.write("# Source: sheet dimension data from Debian's glabels-data package templates\n")
    out.write("# (Avery US-Letter and A4 sheets), converted by scripts/make-lbltpl.py with the few\n")
    out.write("# published-dimension corrections it lists; labels smaller than a stock may be are left out.\n")
    out.write("# Lengths in inches, three decimals. One row per printer kind the product is sold for.\n")
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(COLUMNS)
    for row in rows:
        writer.writerow([formatted(row[column]) for column in COLUMNS])
    sys.stdout.write(out.getvalue())


if __name__ == "__main__":
    main()
