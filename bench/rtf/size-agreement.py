#!/usr/bin/env python3
"""Size agreement of rtfconv's HTML with LibreOffice's own reading of RTF files.

    bench/rtf/size-agreement.py RTFCONV FILE.rtf...

LibreOffice (through its Python bridge, Debian's python3-uno) opens each file
and reports every run of text with its size and font; rtfconv converts the
same file to HTML. The characters (white space aside) are matched in order,
and a character agrees when the HTML gives it LibreOffice's size. An element
with two style attributes is read both ways, the first and the last kept, as
HTML readers differ: it agrees only when both do. Prints each file's share
and the whole's, counted in LibreOffice's characters; fonts likewise.
"""

import difflib
import os
import subprocess
import sys
import tempfile
import time
from html.parser import HTMLParser

import uno
from com.sun.star.beans import PropertyValue


def office_runs(desktop, path):
    """(character, size in points, font) of each character LibreOffice shows."""
    hidden = PropertyValue()
    hidden.Name, hidden.Value = "Hidden", True
    try:
        document = desktop.loadComponentFromURL(uno.systemPathToFileUrl(os.path.abspath(path)), "_blank", 0,
                                                (hidden,))
    except Exception:
        document = None
    if document is None:
        return None  # LibreOffice cannot open it: no reading to compare with
    characters = []

    def walk(text):
        paragraphs = text.createEnumeration()
        while paragraphs.hasMoreElements():
            paragraph = paragraphs.nextElement()
            if paragraph.supportsService("com.sun.star.text.TextTable"):
                for name in paragraph.getCellNames():
                    walk(paragraph.getCellByName(name).getText())
                continue
            portions = paragraph.createEnumeration()
            while portions.hasMoreElements():
                portion = portions.nextElement()
                if portion.TextPortionType == "Text":
                    characters.extend((c, portion.CharHeight, portion.CharFontName)
                                      for c in portion.getString() if not c.isspace())

    try:
        walk(document.getText())
    finally:
        document.close(True)
    return characters


class StyledText(HTMLParser):
    """Characters of an HTML body with their size and font, each read with
    the first and with the last of duplicate style attributes."""

    VOID = {"br", "img", "hr", "meta", "link", "input"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []  # (first-kept style, last-kept style) per open element
        self.characters = []
        self.in_body = False

    @staticmethod
    def declarations(value):
        style = {}
        for part in (value or "").split(";"):
            if ":" in part:
                name, _, setting = part.partition(":")
                style[name.strip()] = setting.strip()
        return style

    def handle_starttag(self, tag, attrs):
        if tag == "body":
            self.in_body = True
        if tag in self.VOID:
            return
        styles = [value for name, value in attrs if name == "style"]
        first = self.declarations(styles[0] if styles else None)
        last = self.declarations(styles[-1] if styles else None)
        self.stack.append((first, last))

    def handle_endtag(self, tag):
        if tag not in self.VOID and self.stack:
            self.stack.pop()

    def inherited(self, which, name):
        for styles in reversed(self.stack):
            if name in styles[which]:
                return styles[which][name]
        return None

    def handle_data(self, data):
        if not self.in_body:
            return
        looks = []
        for which in (0, 1):
            size = self.inherited(which, "font-size")
            size = float(size[:-2]) if size and size.endswith("pt") else None
            looks.append((size, (self.inherited(which, "font-family") or "").strip("'\"")))
        self.characters.extend((c, looks) for c in data if not c.isspace())


def our_runs(rtfconv, path):
    html = subprocess.run([rtfconv, path], capture_output=True, check=True).stdout.decode("utf-8")
    parser = StyledText()
    parser.feed(html)
    return parser.characters


def start_office(profile):
    pipe = "sizeagreement%d" % os.getpid()
    process = subprocess.Popen(["soffice", "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
                                "--headless", "--norestore", "--invisible", "--accept=pipe,name=%s;urp;" % pipe],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(150):
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return process, context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        except Exception:
            time.sleep(0.2)
    process.kill()
    sys.exit("LibreOffice did not start")


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    rtfconv, files = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory() as profile:
        process, desktop = start_office(profile)
        total = sizes = fonts = 0
        try:
            for path in files:
                theirs = office_runs(desktop, path)
                if theirs is None:
                    print("%-60s LibreOffice cannot open it, left out" % path)
                    continue
                ours = our_runs(rtfconv, path)
                matcher = difflib.SequenceMatcher(None, [c for c, _ in ours], [c for c, _, _ in theirs],
                                                  autojunk=False)
                size_agree = font_agree = 0
                for block in matcher.get_matching_blocks():
                    for k in range(block.size):
                        looks = ours[block.a + k][1]
                        _, size, font = theirs[block.b + k]
                        size_agree += all(s is not None and abs(s - size) < 0.01 for s, _ in looks)
                        font_agree += all(f == font for _, f in looks)
                count = max(len(theirs), 1)
                print("%-60s %6d characters  size %.2f  font %.2f"
                      % (path, len(theirs), size_agree / count, font_agree / count))
                total += len(theirs)
                sizes += size_agree
                fonts += font_agree
        finally:
            try:
                desktop.terminate()
            except Exception:
                pass
            process.wait(timeout=30)
        print("all: %d characters  size agreement %.3f  font agreement %.3f"
              % (total, sizes / max(total, 1), fonts / max(total, 1)))


if __name__ == "__main__":
    main()
