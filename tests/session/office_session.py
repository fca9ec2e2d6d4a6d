#!/usr/bin/env python3
"""Helpers of office_session.sh (the standard library only):

  office_session.py workbook OUT.xlsx SHEET RECORDS.txt
      an Excel workbook of two sheets: 거래처 (two suppliers) first, then SHEET with the fields
      이름, 주소, 우편번호 and one record per line of RECORDS.txt (이름|주소|우편번호). The
      command line writes workbooks of one sheet only, so the package parts are written here,
      with inline strings.
  office_session.py check DUMP.json DOC HONORIFIC
      the saved document as quilllabel-cli dump shows it: two bold field labels, 이름 with the
      honorific and 주소 without, and its label data the merge table copy beside DOC (DOC's
      name ending in .dbl, its letter case aside), which exists. Prints the copy's path.
"""
import json
import os
import sys
import zipfile
from xml.sax.saxutils import escape, quoteattr

NS = "http://schemas.openxmlformats.org"


def sheet_xml(rows):
    cells = []
    for r, row in enumerate(rows, 1):
        cells.append('<row r="%d">' % r + "".join(
            '<c r="%s%d" t="inlineStr"><is><t>%s</t></is></c>' % (chr(65 + c), r, escape(v))
            for c, v in enumerate(row)) + "</row>")
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<worksheet xmlns="%s/spreadsheetml/2006/main">' % NS +
            "<sheetData>" + "".join(cells) + "</sheetData></worksheet>")


def workbook(path, address_sheet, records):
    addresses = [["이름", "주소", "우편번호"]] + [
        line.rstrip("\n").split("|") for line in open(records, encoding="utf-8") if line.strip()]
    sheets = [("거래처", [["상호", "전화"], ["한빛상사", "02-111-2222"], ["새봄물산", "031-333-4444"]]),
              (address_sheet, addresses)]
    xml = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", xml +
            '<Types xmlns="%s/package/2006/content-types">' % NS +
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>' +
            "".join('<Override PartName="/xl/worksheets/sheet%d.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>' % (i + 1)
                    for i in range(len(sheets))) + "</Types>")
        z.writestr("_rels/.rels", xml +
            '<Relationships xmlns="%s/package/2006/relationships">' % NS +
            '<Relationship Id="rId1" Type="%s/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>' % NS +
            "</Relationships>")
        z.writestr("xl/workbook.xml", xml +
            '<workbook xmlns="%s/spreadsheetml/2006/main" xmlns:r="%s/officeDocument/2006/relationships"><sheets>' % (NS, NS) +
            "".join('<sheet name=%s sheetId="%d" r:id="rId%d"/>' % (quoteattr(name), i + 1, i + 1)
                    for i, (name, _) in enumerate(sheets)) + "</sheets></workbook>")
        z.writestr("xl/_rels/workbook.xml.rels", xml +
            '<Relationships xmlns="%s/package/2006/relationships">' % NS +
            "".join('<Relationship Id="rId%d" Type="%s/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet%d.xml"/>' % (i + 1, NS, i + 1)
                    for i in range(len(sheets))) + "</Relationships>")
        for i, (_, rows) in enumerate(sheets):
            z.writestr("xl/worksheets/sheet%d.xml" % (i + 1), sheet_xml(rows))


def field_labels(node, found):
    if isinstance(node, dict):
        if node.get("class") == "TZR_GuideLabel":
            found.append(node["props"])
        for value in node.values():
            field_labels(value, found)
    elif isinstance(node, list):
        for value in node:
            field_labels(value, found)
    return found


def check(dump_path, doc, honorific):
    dump = json.load(open(dump_path, encoding="utf-8"))
    labels = field_labels(dump, [])
    fields = sorted((p.get("FieldName"), p.get("ADDHono")) for p in labels)
    if fields != [("이름", honorific), ("주소", "")]:
        sys.exit("the field labels are %s, expected 이름 with %r and 주소" % (fields, honorific))
    for p in labels:
        if "fsBold" not in p.get("Font.Style", []):
            sys.exit("the label of %s is not bold: %s" % (p.get("FieldName"), p.get("Font.Style")))
    data = dump["labelData"]["path"]
    expected = doc[:-3] + "dbl"
    if data.lower() != expected.lower() or not os.path.isfile(data):
        sys.exit("the label data is %r, expected the copy %r beside the document" % (data, expected))
    print(data)


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "workbook":
        workbook(*sys.argv[2:])
    elif len(sys.argv) == 5 and sys.argv[1] == "check":
        check(*sys.argv[2:])
    else:
        sys.exit(__doc__)
