#!/usr/bin/env python3
"""Writes the editor's own 24 x 24 SVG icons and editor_icons.qrc from one table.

Every icon shares the same frame, stroke width and palette, so the set stays coherent; edit
the table and run this script again to change an icon. The SVGs are what the build compiles in.
"""
import math
import os

INK = "#26364f"     # outlines and glyphs
BLUE = "#2f7de1"    # the accent: what the command acts on or makes
LIGHT = "#d6e6fa"   # fill of closed figures
PAPER = "#ffffff"   # pages and labels
RED = "#d9443a"     # removal, the red pen of the editor
YELLOW = "#f2b632"
GREEN = "#2e9e5b"
STROKE = 1.5


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
            f'<g fill="none" stroke="{INK}" stroke-width="{STROKE}" stroke-linecap="round" '
            f'stroke-linejoin="round">\n{body}\n</g>\n</svg>\n')


def polygon(n, r=8.5, cx=12, cy=12, start=-90):
    pts = []
    for i in range(n):
        a = math.radians(start + 360.0 * i / n)
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return f'<polygon points="{" ".join(pts)}" fill="{LIGHT}"/>'


def magnifier(inner):
    return (f'<circle cx="10" cy="10" r="6.5" fill="{PAPER}"/><path d="M15 15l6 6" stroke-width="2.5"/>'
            + inner)


PAGE = f'<path d="M5 2.5h9l4.5 4.5v14.5H5z" fill="{PAPER}"/><path d="M14 2.5V7h4.5"/>'
CYLINDER = (f'<path d="M4 6v11c0 1.7 3.1 3 7 3s7-1.3 7-3V6" fill="{LIGHT}"/>'
            f'<ellipse cx="11" cy="6" rx="7" ry="3" fill="{PAPER}"/><path d="M4 11.5c0 1.7 3.1 3 7 3s7-1.3 7-3"/>')
SHEET_CELLS = ''.join(f'<rect x="{x}" y="{y}" width="4" height="3" fill="{LIGHT}" stroke-width="1"/>'
                      for x in (6, 11) for y in (6, 10.5, 15))

ICONS = {
    # Fallbacks for the standard names of the freedesktop icon theme.
    "document-new": PAGE + f'<path d="M11.5 10.5v7M8 14h7" stroke="{BLUE}" stroke-width="2"/>',
    "document-open": f'<path d="M2.5 6h6l2 2h10v11h-18z" fill="{LIGHT}"/>'
                     f'<path d="M2.5 19l3.5-8h16l-3.5 8z" fill="{PAPER}"/>',
    "document-save": f'<rect x="3.5" y="3.5" width="17" height="17" rx="2" fill="{LIGHT}"/>'
                     f'<path d="M7.5 3.5v5h8v-5"/><rect x="7" y="13" width="10" height="7.5" fill="{PAPER}"/>',
    "document-save-as": f'<rect x="2.5" y="3.5" width="15" height="15" rx="2" fill="{LIGHT}"/>'
                        f'<path d="M6 3.5v4.5h7V3.5"/><rect x="5.5" y="12" width="8" height="6.5" fill="{PAPER}"/>'
                        f'<path d="M14 21l1-3 6-6 2 2-6 6z" fill="{PAPER}" stroke="{BLUE}"/>',
    "document-print": f'<path d="M7 9V3h10v6"/><rect x="2.5" y="9" width="19" height="8" rx="1.5" fill="{LIGHT}"/>'
                      f'<rect x="7" y="14" width="10" height="7" fill="{PAPER}"/><path d="M18 12h.5" stroke="{BLUE}" stroke-width="2"/>',
    "document-print-preview": PAGE + f'<circle cx="11" cy="13" r="3.5" fill="{LIGHT}" stroke="{BLUE}"/>'
                              f'<path d="M13.5 15.5l3.5 3.5" stroke="{BLUE}" stroke-width="2"/>',
    "edit-undo": f'<path d="M9 14L4 9l5-5"/><path d="M4 9h10.5a5.5 5.5 0 0 1 0 11H11" stroke="{BLUE}"/>',
    "edit-redo": f'<path d="M15 14l5-5-5-5"/><path d="M20 9H9.5a5.5 5.5 0 0 0 0 11H13" stroke="{BLUE}"/>',
    "edit-cut": f'<circle cx="6.5" cy="17.5" r="3" fill="{LIGHT}"/><circle cx="17.5" cy="17.5" r="3" fill="{LIGHT}"/>'
                f'<path d="M8.5 15L18 3M15.5 15L6 3" stroke="{BLUE}"/>',
    "edit-copy": f'<rect x="3.5" y="3.5" width="11" height="13" rx="1" fill="{PAPER}"/>'
                 f'<rect x="9.5" y="7.5" width="11" height="13" rx="1" fill="{LIGHT}"/>',
    "edit-paste": f'<rect x="4" y="4.5" width="13" height="16" rx="1.5" fill="{LIGHT}"/>'
                  f'<rect x="7.5" y="3" width="6" height="3" rx="1" fill="{PAPER}"/>'
                  f'<rect x="11" y="10.5" width="9.5" height="11" rx="1" fill="{PAPER}" stroke="{BLUE}"/>',
    "edit-select-all": f'<rect x="3" y="3" width="18" height="18" stroke-dasharray="2 2"/>'
                       f'<rect x="6.5" y="6.5" width="5" height="5" fill="{LIGHT}" stroke="{BLUE}"/>'
                       f'<circle cx="15" cy="15" r="2.5" fill="{LIGHT}" stroke="{BLUE}"/>',
    "edit-delete": f'<path d="M6 6l12 12M18 6L6 18" stroke="{RED}" stroke-width="2.5"/>',
    "zoom-in": magnifier(f'<path d="M10 7v6M7 10h6" stroke="{BLUE}" stroke-width="2"/>'),
    "zoom-out": magnifier(f'<path d="M7 10h6" stroke="{BLUE}" stroke-width="2"/>'),
    "zoom-original": magnifier(f'<rect x="7.5" y="8" width="5" height="4" fill="{LIGHT}" stroke="{BLUE}"/>'),
    "format-text-bold": '<path d="M7 4h5.5a4 4 0 0 1 0 8H7zM7 12h6.5a4 4 0 0 1 0 8H7z" stroke-width="2.5"/>',
    "format-text-italic": f'<path d="M10 4h8M6 20h8M15 4L9 20" stroke-width="2"/>',
    "format-text-underline": f'<path d="M7 4v7a5 5 0 0 0 10 0V4" stroke-width="2"/><path d="M5 21h14" stroke="{BLUE}" stroke-width="2"/>',
    "format-justify-left": '<path d="M4 6h16M4 10h10M4 14h16M4 18h10"/>',
    "format-justify-center": '<path d="M4 6h16M7 10h10M4 14h16M7 18h10"/>',
    "format-justify-right": '<path d="M4 6h16M10 10h10M4 14h16M10 18h10"/>',
    "object-rotate-left": f'<rect x="9.5" y="9.5" width="11" height="11" fill="{LIGHT}"/>'
                          f'<path d="M12 4.5A7.5 7.5 0 0 0 4.5 12" stroke="{BLUE}"/><path d="M2.5 10l2 2.5 2-2.5" stroke="{BLUE}"/>',
    "object-rotate-right": f'<rect x="3.5" y="9.5" width="11" height="11" fill="{LIGHT}"/>'
                           f'<path d="M12 4.5A7.5 7.5 0 0 1 19.5 12" stroke="{BLUE}"/><path d="M17.5 10l2 2.5 2-2.5" stroke="{BLUE}"/>',
    "object-flip-horizontal": f'<path d="M12 3v18" stroke-dasharray="2 2"/><path d="M9.5 6v12h-7z" fill="{BLUE}" stroke="{BLUE}"/>'
                              f'<path d="M14.5 6v12h7z" fill="{PAPER}"/>',
    "object-flip-vertical": f'<path d="M3 12h18" stroke-dasharray="2 2"/><path d="M6 9.5h12L6 2.5z" fill="{BLUE}" stroke="{BLUE}"/>'
                            f'<path d="M6 14.5h12L6 21.5z" fill="{PAPER}"/>',
    "help-contents": f'<circle cx="12" cy="12" r="9" fill="{LIGHT}"/>'
                     f'<path d="M9.5 9.5a2.5 2.5 0 1 1 3.5 2.3c-.7.3-1 .9-1 1.7v.5" stroke="{BLUE}" stroke-width="2"/>'
                     f'<path d="M12 17.5v.2" stroke="{BLUE}" stroke-width="2.5"/>',
    "help-about": f'<circle cx="12" cy="12" r="9" fill="{LIGHT}"/><path d="M12 11v6" stroke="{BLUE}" stroke-width="2"/>'
                  f'<path d="M12 7.5v.2" stroke="{BLUE}" stroke-width="2.5"/>',
    "help-faq": f'<path d="M3.5 5.5h17v11h-9l-5 4v-4h-3z" fill="{LIGHT}"/>'
                f'<path d="M10 9a2 2 0 1 1 2.5 1.9c-.4.2-.5.5-.5 1v.3" stroke="{BLUE}"/><path d="M12 14v.2" stroke="{BLUE}" stroke-width="2"/>',
    "application-exit": f'<path d="M13 3.5H5v17h8" fill="{LIGHT}"/><path d="M10 12h11M17.5 8.5L21 12l-3.5 3.5" stroke="{RED}" stroke-width="2"/>',
    "preferences-system": f'<circle cx="12" cy="12" r="3" fill="{PAPER}" stroke="{BLUE}"/>'
                          + ''.join(f'<path d="M{12 + 6 * math.cos(math.radians(a)):.2f} {12 + 6 * math.sin(math.radians(a)):.2f}'
                                    f'L{12 + 9 * math.cos(math.radians(a)):.2f} {12 + 9 * math.sin(math.radians(a)):.2f}" stroke-width="2.5"/>'
                                    for a in range(0, 360, 45))
                          + '<circle cx="12" cy="12" r="6.5"/>',
    "go-home": f'<path d="M3 11.5L12 4l9 7.5"/><path d="M5.5 10v10h13V10" fill="{LIGHT}"/>'
               f'<rect x="10" y="14" width="4" height="6" fill="{PAPER}" stroke="{BLUE}"/>',
    "system-software-update": f'<path d="M19.5 12a7.5 7.5 0 1 1-2.2-5.3" /><path d="M18 3v4h-4"/>'
                              f'<path d="M12 8v7M9 12.5l3 3 3-3" stroke="{BLUE}" stroke-width="2"/>',
    "document-properties": PAGE + f'<path d="M8 10h7M8 13.5h7M8 17h4" stroke="{BLUE}"/>',
    "preferences-desktop-font": f'<path d="M3 20L9 4h1.5l6 16M5.5 14h8.5" stroke-width="2"/>'
                                f'<path d="M16 20v-5a2.5 2.5 0 0 1 5 0v5M16 17.5h5" stroke="{BLUE}"/>',
    "internet-web-browser": f'<circle cx="12" cy="12" r="9" fill="{LIGHT}"/><ellipse cx="12" cy="12" rx="4" ry="9"/>'
                            '<path d="M3 12h18M4.5 7.5h15M4.5 16.5h15" stroke-width="1"/>',
    "contact-new": f'<rect x="3.5" y="3.5" width="14" height="17" rx="1.5" fill="{LIGHT}"/>'
                   f'<circle cx="10.5" cy="10" r="2.5" fill="{PAPER}"/><path d="M6.5 17a4 4 0 0 1 8 0"/>'
                   f'<path d="M20.5 6v4M20.5 13v4" stroke="{BLUE}" stroke-width="2"/>',

    # Label tools of the left tool bar.
    "tool-select": f'<path d="M5.5 3l13 9.5-6 1-3.5 6z" fill="{PAPER}"/>',
    "tool-text": f'<rect x="3" y="4" width="18" height="16" rx="1" fill="{PAPER}" stroke-dasharray="2 1.5"/>'
                 f'<path d="M8 8h8M12 8v9" stroke="{BLUE}" stroke-width="2"/>',
    "tool-field": f'<rect x="2.5" y="7" width="13" height="10" rx="1" fill="{PAPER}"/><path d="M5.5 11h7M5.5 14h4.5" stroke="{BLUE}"/>'
                  f'<path d="M16 6v9c0 1 1.6 1.8 3.3 1.8S22.5 16 22.5 15V6" fill="{LIGHT}"/><ellipse cx="19.25" cy="6" rx="3.25" ry="1.6" fill="{PAPER}"/>',
    "tool-serial": f'<rect x="2.5" y="5" width="19" height="14" rx="1.5" fill="{PAPER}"/>'
                   f'<path d="M5 9.5l1.5-1.5v8M9.5 9.5a1.8 1.8 0 1 1 3 1.5L9.5 16h3.5M15.5 8h3.5l-2 3a2.6 2.6 0 1 1-1.8 4.5" stroke="{BLUE}"/>',
    "tool-barcode": f'<rect x="2.5" y="4.5" width="19" height="15" fill="{PAPER}"/>'
                    + ''.join(f'<rect x="{x}" y="7" width="{w}" height="10" fill="{INK}" stroke="none"/>'
                              for x, w in ((5, 1), (7, 2), (10, 1), (12, 1), (14, 2.5), (17.5, 1), (19, .8))),
    "tool-barcode2d": f'<rect x="2.5" y="2.5" width="19" height="19" fill="{PAPER}"/>'
                      + ''.join(f'<rect x="{x}" y="{y}" width="5" height="5" fill="{LIGHT}"/><rect x="{x + 1.75}" y="{y + 1.75}" width="1.5" height="1.5" fill="{INK}" stroke="none"/>'
                                for x, y in ((5, 5), (14, 5), (5, 14)))
                      + ''.join(f'<rect x="{x}" y="{y}" width="2" height="2" fill="{BLUE}" stroke="none"/>'
                                for x, y in ((14, 14), (17, 17), (17, 14), (14.5, 17.5), (11, 11), (11, 6), (6, 11))),
    "tool-zipbarcode": f'<rect x="2.5" y="5.5" width="19" height="13" fill="{PAPER}"/>'
                       + ''.join(f'<path d="M{x} {16 - h}V16" stroke-width="1.3"/>'
                                 for x, h in ((5, 7), (7, 3.5), (9, 7), (11, 3.5), (13, 3.5), (15, 7), (17, 3.5), (19, 7))),
    "tool-table": f'<rect x="3" y="4.5" width="18" height="15" fill="{PAPER}"/>'
                  f'<path d="M3 9.5h18M3 14.5h18M9 4.5v15M15 4.5v15"/><rect x="3" y="4.5" width="18" height="5" fill="{LIGHT}"/>',
    "tool-gradient": f'<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="{BLUE}"/>'
                     f'<stop offset="1" stop-color="{PAPER}"/></linearGradient></defs>'
                     '<rect x="3" y="5" width="18" height="14" rx="1" fill="url(#g)"/>',
    "tool-wordart": f'<defs><linearGradient id="w" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="{BLUE}"/>'
                    f'<stop offset="1" stop-color="{YELLOW}"/></linearGradient></defs>'
                    '<path d="M3 19L9.5 3.5h3L19 15.5" stroke="url(#w)" stroke-width="3"/><path d="M6.5 13h9" stroke-width="2"/>'
                    f'<path d="M3 21.5c4-2 8 1 12 0s4-2 6-2" stroke="{BLUE}"/>',
    "tool-picture": f'<rect x="2.5" y="4.5" width="19" height="15" rx="1" fill="{PAPER}"/>'
                    f'<path d="M2.5 17l5.5-6 4 4 3-3 6.5 6.5" fill="{LIGHT}" stroke="{GREEN}"/>'
                    f'<circle cx="16.5" cy="8.5" r="1.8" fill="{YELLOW}" stroke="{YELLOW}"/>',

    # Every figure of the shape object.
    "shape-line": '<path d="M4.5 19.5l15-15"/>',
    "shape-dline": '<path d="M3.5 12h17"/>',
    "shape-vline": '<path d="M12 3.5v17"/>',
    "shape-square": f'<rect x="5.5" y="5.5" width="13" height="13" fill="{LIGHT}"/>',
    "shape-roundrect": f'<rect x="2.5" y="6" width="19" height="12" rx="3.5" fill="{LIGHT}"/>',
    "shape-roundsquare": f'<rect x="5.5" y="5.5" width="13" height="13" rx="3.5" fill="{LIGHT}"/>',
    "shape-rectangle": f'<rect x="2.5" y="6" width="19" height="12" fill="{LIGHT}"/>',
    "shape-ellipse": f'<ellipse cx="12" cy="12" rx="9.5" ry="6.5" fill="{LIGHT}"/>',
    "shape-circle": f'<circle cx="12" cy="12" r="8" fill="{LIGHT}"/>',
    "shape-triangle": f'<path d="M12 4l8.5 16h-17z" fill="{LIGHT}"/>',
    "shape-trianglelean": f'<path d="M4.5 4v16h15z" fill="{LIGHT}"/>',
    "shape-rectlean": f'<path d="M7.5 6.5h14l-5 11h-14z" fill="{LIGHT}"/>',
    "shape-rectleanmid": f'<path d="M2.5 6.5h19l-5 11h-9z" fill="{LIGHT}"/>',
    "shape-rectleancenter": f'<path d="M12 3l9 9-9 9-9-9z" fill="{LIGHT}"/>',
    "shape-five": polygon(5),
    "shape-six": polygon(6, start=0),
    "shape-octopus": polygon(8, start=-67.5),
    "shape-cross": f'<path d="M9 3.5h6v5.5h5.5v6H15v5.5H9V15H3.5V9H9z" fill="{LIGHT}"/>',
    "shape-love": f'<path d="M12 20s-8-5-8-10.5A4 4 0 0 1 12 8a4 4 0 0 1 8 1.5C20 15 12 20 12 20z" fill="{LIGHT}"/>',
    "shape-transparent": '<rect x="2.5" y="6" width="19" height="12" stroke-dasharray="2 2"/>',

    # Format commands.
    "line-color": f'<path d="M4 15l9.5-9.5 3 3L7 18H4z" fill="{PAPER}"/><path d="M12 7l3 3"/>'
                  f'<rect x="3" y="19.5" width="18" height="3" fill="{RED}" stroke="none"/>',
    "fill-color": f'<path d="M5 10.5l6-6 7 7-6 6z" fill="{LIGHT}"/><path d="M19.5 13.5s1.5 2 1.5 3a1.5 1.5 0 0 1-3 0c0-1 1.5-3 1.5-3z" fill="{YELLOW}"/>'
                  f'<rect x="3" y="19.5" width="18" height="3" fill="{YELLOW}" stroke="none"/>',
    "font-color": f'<path d="M5.5 17L11 3.5h2L18.5 17M8 12h8" stroke-width="2"/>'
                  f'<rect x="3" y="19.5" width="18" height="3" fill="{RED}" stroke="none"/>',
    "line-width": '<path d="M4 6h16" stroke-width="1"/><path d="M4 11h16" stroke-width="2.2"/><path d="M4 17.5h16" stroke-width="3.6"/>',
    "line-style": '<path d="M4 6h16"/><path d="M4 12h16" stroke-dasharray="1 2.5"/><path d="M4 18h16" stroke-dasharray="5 2 1 2"/>',
    "align-objects-left": f'<path d="M4 3v18" stroke="{BLUE}"/><rect x="6.5" y="6" width="13" height="4" fill="{LIGHT}"/><rect x="6.5" y="14" width="8" height="4" fill="{LIGHT}"/>',
    "align-objects-right": f'<path d="M20 3v18" stroke="{BLUE}"/><rect x="4.5" y="6" width="13" height="4" fill="{LIGHT}"/><rect x="9.5" y="14" width="8" height="4" fill="{LIGHT}"/>',
    "align-objects-top": f'<path d="M3 4h18" stroke="{BLUE}"/><rect x="6" y="6.5" width="4" height="13" fill="{LIGHT}"/><rect x="14" y="6.5" width="4" height="8" fill="{LIGHT}"/>',
    "align-objects-bottom": f'<path d="M3 20h18" stroke="{BLUE}"/><rect x="6" y="4.5" width="4" height="13" fill="{LIGHT}"/><rect x="14" y="9.5" width="4" height="8" fill="{LIGHT}"/>',
    "align-objects-hcenter": f'<path d="M12 3v18" stroke="{BLUE}" stroke-dasharray="2 2"/><rect x="5.5" y="6" width="13" height="4" fill="{LIGHT}"/><rect x="8" y="14" width="8" height="4" fill="{LIGHT}"/>',
    "align-objects-vcenter": f'<path d="M3 12h18" stroke="{BLUE}" stroke-dasharray="2 2"/><rect x="6" y="5.5" width="4" height="13" fill="{LIGHT}"/><rect x="14" y="8" width="4" height="8" fill="{LIGHT}"/>',
    "order-front": f'<rect x="3.5" y="3.5" width="11" height="11" fill="{PAPER}" stroke-dasharray="2 1.5"/><rect x="9.5" y="9.5" width="11" height="11" fill="{BLUE}" stroke="{INK}"/>',
    "order-back": f'<rect x="9.5" y="9.5" width="11" height="11" fill="{BLUE}" stroke="{INK}"/><rect x="3.5" y="3.5" width="11" height="11" fill="{PAPER}"/>',
    "order-forward": f'<rect x="3.5" y="8.5" width="12" height="12" fill="{LIGHT}"/><path d="M19 14V3.5M15.5 7L19 3.5 22.5 7" stroke="{BLUE}" stroke-width="2"/>',
    "order-backward": f'<rect x="3.5" y="3.5" width="12" height="12" fill="{LIGHT}"/><path d="M19 10v10.5M15.5 17l3.5 3.5 3.5-3.5" stroke="{BLUE}" stroke-width="2"/>',
    "orient-landscape": f'<rect x="2.5" y="5.5" width="19" height="13" rx="1" fill="{PAPER}"/><rect x="5" y="8" width="6" height="8" fill="{LIGHT}" stroke="{BLUE}"/><rect x="13" y="8" width="6" height="8" fill="{LIGHT}" stroke="{BLUE}"/>',
    "orient-portrait": f'<rect x="5.5" y="2.5" width="13" height="19" rx="1" fill="{PAPER}"/><rect x="8" y="5" width="8" height="6" fill="{LIGHT}" stroke="{BLUE}"/><rect x="8" y="13" width="8" height="6" fill="{LIGHT}" stroke="{BLUE}"/>',

    # Data lists, the sheet and the other programs.
    "datalist-manage": CYLINDER + f'<rect x="13.5" y="13.5" width="9" height="8" fill="{PAPER}" stroke="{BLUE}"/><path d="M13.5 17.5h9M18 13.5v8" stroke="{BLUE}" stroke-width="1"/>',
    "datalist-open": CYLINDER + f'<path d="M13 15.5h4l1.5 1.5h4v5h-9.5z" fill="{PAPER}" stroke="{BLUE}"/>',
    "datalist-make": CYLINDER + f'<circle cx="18" cy="18" r="4.5" fill="{PAPER}" stroke="{BLUE}"/><path d="M18 15.5v5M15.5 18h5" stroke="{BLUE}"/>',
    "disc-label": f'<circle cx="12" cy="12" r="9.5" fill="{LIGHT}"/><circle cx="12" cy="12" r="2.5" fill="{PAPER}"/><path d="M12 5.5a6.5 6.5 0 0 1 6.5 6.5" stroke="{BLUE}"/>',
    "change-paper": f'<rect x="3.5" y="2.5" width="13" height="19" rx="1" fill="{PAPER}"/>'
                    + ''.join(f'<rect x="{x}" y="{y}" width="4" height="3" fill="{LIGHT}" stroke-width="1"/>' for x in (5.5, 10.5) for y in (5, 9.5))
                    + f'<path d="M15 15.5h7M19.5 13l2.5 2.5-2.5 2.5M22 20h-7M17.5 17.5L15 20l2.5 2.5" stroke="{BLUE}" stroke-width="1.5"/>',
    "cell-overview": f'<rect x="4" y="2.5" width="15" height="19" rx="1" fill="{PAPER}"/>' + SHEET_CELLS
                     + f'<rect x="6" y="6" width="4" height="3" fill="none" stroke="{RED}" stroke-width="1.5"/>',
    "grid": '<rect x="3.5" y="3.5" width="17" height="17"/>'
            + ''.join(f'<circle cx="{x}" cy="{y}" r=".6" fill="{INK}" stroke="none"/>' for x in (7.5, 12, 16.5) for y in (7.5, 12, 16.5)),
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, body in ICONS.items():
        with open(os.path.join(here, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg(body))
    with open(os.path.join(here, "editor_icons.qrc"), "w", encoding="utf-8") as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/icons">\n')
        for name in sorted(ICONS):
            f.write(f'    <file>{name}.svg</file>\n')
        f.write('</qresource>\n</RCC>\n')


if __name__ == "__main__":
    main()
