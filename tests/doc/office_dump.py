#!/usr/bin/python3
"""Prints what an independent reader finds in a .docx (python-docx) or an
.odt (zipfile and ElementTree, nothing of ours) in one plain form, so a test
can compare both with one text worked out by hand:

  page W H portrait|landscape top=T bottom=B left=L right=R header=D   (twips)
  [header] / [body], then per block
  P <align><K if kept with the next> | <runs>
  T <grid column widths>
  R<H if repeated on every page><S if it may split> | <cell> | <cell> ...
A run is {b14} (bold, 14 pt) or {12} before its text when the format
changes; a bookmark is {#name}; a cell is its paragraphs joined by " ¶ ",
with ~N before a cell spanning N grid columns. Texts are escaped: \\t \\n \\\\
and \\uXXXX for other control characters.
For an .odt the zip itself is checked first: `mimetype` the first entry,
stored, no extra field; the element names of content.xml are listed on a
line "elements ...".
"""
import sys
import zipfile
import xml.etree.ElementTree as ET


def esc(text):
    out = []
    for ch in text:
        if ch == "\\":
            out.append("\\\\")
        elif ch == "\t":
            out.append("\\t")
        elif ch == "\n":
            out.append("\\n")
        elif ord(ch) < 0x20 or ch in "\ufffe\uffff":
            out.append("\\u%04x" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


class Runs:
    def __init__(self):
        self.out = []
        self.fmt = None

    def text(self, text, bold, size):
        fmt = ("b" if bold else "") + str(size)
        if fmt != self.fmt:
            self.out.append("{" + fmt + "}")
            self.fmt = fmt
        self.out.append(esc(text))

    def bookmark(self, name):
        self.out.append("{#" + esc(name) + "}")

    def __str__(self):
        return "".join(self.out)


# ---------------------------------------------------------------- docx
def docx_dump(path):
    import docx
    from docx.oxml.ns import qn
    from docx.table import Table, _Cell
    from docx.text.paragraph import Paragraph
    from docx.enum.text import WD_ALIGN_PARAGRAPH

    align = {None: "L", WD_ALIGN_PARAGRAPH.LEFT: "L", WD_ALIGN_PARAGRAPH.CENTER: "C",
             WD_ALIGN_PARAGRAPH.RIGHT: "R", WD_ALIGN_PARAGRAPH.JUSTIFY: "J"}
    d = docx.Document(path)

    def para(p):
        runs = Runs()
        for child in p._p:
            if child.tag == qn("w:r"):
                from docx.text.run import Run
                r = Run(child, p)
                size = r.font.size.pt if r.font.size is not None else 12
                runs.text(r.text, bool(r.bold), int(size))
            elif child.tag == qn("w:bookmarkStart"):
                runs.bookmark(child.get(qn("w:name")))
        keep = "K" if p.paragraph_format.keep_with_next else ""
        return align[p.alignment] + keep, str(runs)

    def story(parent, element, lines):
        for child in element:
            if child.tag == qn("w:p"):
                a, r = para(Paragraph(child, parent))
                lines.append("P " + a + " | " + r)
            elif child.tag == qn("w:tbl"):
                t = Table(child, parent)
                widths = [c.get(qn("w:w")) for c in child.findall(qn("w:tblGrid") + "/" + qn("w:gridCol"))]
                lines.append("T " + ",".join(widths))
                for row in t.rows:
                    tr = row._tr
                    flags = ("H" if tr.find(qn("w:trPr") + "/" + qn("w:tblHeader")) is not None else "") + \
                            ("" if tr.find(qn("w:trPr") + "/" + qn("w:cantSplit")) is not None else "S")
                    cells = []
                    for tc in tr.tc_lst:
                        cell = _Cell(tc, t)
                        span = tc.find(qn("w:tcPr") + "/" + qn("w:gridSpan"))
                        texts = ["%s:%s" % para(p) for p in cell.paragraphs]
                        cells.append(("~%s " % span.get(qn("w:val")) if span is not None else "") + " ¶ ".join(texts))
                    lines.append("R" + flags + " | " + " | ".join(cells))

    s = d.sections[0]
    tw = lambda emu: int(round(emu / 635))
    orient = "landscape" if s.orientation == 1 else "portrait"
    lines = ["page %d %d %s top=%d bottom=%d left=%d right=%d header=%d" % (
        tw(s.page_width), tw(s.page_height), orient, tw(s.top_margin), tw(s.bottom_margin),
        tw(s.left_margin), tw(s.right_margin), tw(s.header_distance))]
    lines.append("[header]")
    if not s.header.is_linked_to_previous:
        story(s.header, s.header._element, lines)
    lines.append("[body]")
    story(d._body, [c for c in d.element.body if c.tag != qn("w:sectPr")], lines)
    return lines


# ---------------------------------------------------------------- odt
NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
}
PREFIX = {v: k for k, v in NS.items()}


def q(name):
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


def short(tag):
    uri, local = tag[1:].split("}")
    return PREFIX.get(uri, uri) + ":" + local


def twips(length):
    assert length.endswith("pt"), length
    return int(round(float(length[:-2]) * 20))


def odt_styles(root):
    styles = {}
    for s in root.iter(q("style:style")):
        props = {}
        for p in s:
            for k, v in p.attrib.items():
                props[short(k)] = v
        styles[s.get(q("style:name"))] = props
    return styles


def odt_dump(path):
    z = zipfile.ZipFile(path)
    first = z.infolist()[0]
    assert first.filename == "mimetype", first.filename
    assert first.compress_type == zipfile.ZIP_STORED, first.compress_type
    assert first.extra == b"", first.extra
    assert z.read("mimetype") == b"application/vnd.oasis.opendocument.text"
    # The mimetype's bytes at the fixed offset of the file that readers look at.
    assert open(path, "rb").read()[30:38] == b"mimetype"
    assert "META-INF/manifest.xml" in z.namelist()
    content = ET.fromstring(z.read("content.xml"))
    styles_root = ET.fromstring(z.read("styles.xml"))
    styles = odt_styles(content)
    styles.update(odt_styles(styles_root))
    align = {"start": "L", "center": "C", "end": "R", "justify": "J"}

    def inline(element, runs, fmt):
        if element.text:
            runs.text(element.text, *fmt)
        for child in element:
            tag = short(child.tag)
            if tag == "text:span":
                st = styles[child.get(q("text:style-name"))]
                inline(child, runs, (st["fo:font-weight"] == "bold", int(st["fo:font-size"][:-2])))
            elif tag == "text:s":
                runs.text(" " * int(child.get(q("text:c"), "1")), *fmt)
            elif tag == "text:tab":
                runs.text("\t", *fmt)
            elif tag == "text:line-break":
                runs.text("\n", *fmt)
            elif tag == "text:bookmark":
                runs.bookmark(child.get(q("text:name")))
            else:
                raise AssertionError("unexpected " + tag)
            if child.tail:
                runs.text(child.tail, *fmt)

    def para(p):
        st = styles[p.get(q("text:style-name"))]
        runs = Runs()
        inline(p, runs, (st.get("fo:font-weight") == "bold", int(st.get("fo:font-size", "12pt")[:-2])))
        keep = "K" if st.get("fo:keep-with-next") == "always" else ""
        return align[st.get("fo:text-align", "start")] + keep, str(runs)

    def row(r, header, lines):
        st = styles[r.get(q("table:style-name"))]
        flags = ("H" if header else "") + ("" if st.get("fo:keep-together") == "always" else "S")
        cells = []
        for c in r:
            if short(c.tag) == "table:covered-table-cell":
                continue
            span = c.get(q("table:number-columns-spanned"))
            texts = ["%s:%s" % para(p) for p in c.findall(q("text:p"))]
            cells.append(("~%s " % span if span and span != "1" else "") + " ¶ ".join(texts))
        lines.append("R" + flags + " | " + " | ".join(cells))

    def story(element, lines):
        for child in element:
            tag = short(child.tag)
            if tag == "text:p":
                a, r = para(child)
                lines.append("P " + a + " | " + r)
            elif tag == "table:table":
                widths = [str(twips(styles[c.get(q("table:style-name"))]["style:column-width"]))
                          for c in child.findall(q("table:table-column"))]
                lines.append("T " + ",".join(widths))
                for part in child:
                    if short(part.tag) == "table:table-header-rows":
                        for r in part:
                            row(r, True, lines)
                    elif short(part.tag) == "table:table-row":
                        row(part, False, lines)
            else:
                raise AssertionError("unexpected " + tag)

    layout = styles_root.find(".//" + q("style:page-layout-properties"))
    hf = styles_root.find(".//" + q("style:header-style") + "/" + q("style:header-footer-properties"))
    top = twips(layout.get(q("fo:margin-top")))
    distance = top
    if hf is not None:
        top += twips(hf.get(q("fo:min-height"))) + twips(hf.get(q("fo:margin-bottom"), "0pt"))
    lines = ["page %d %d %s top=%d bottom=%d left=%d right=%d header=%d" % (
        twips(layout.get(q("fo:page-width"))), twips(layout.get(q("fo:page-height"))),
        layout.get(q("style:print-orientation")), top, twips(layout.get(q("fo:margin-bottom"))),
        twips(layout.get(q("fo:margin-left"))), twips(layout.get(q("fo:margin-right"))), distance)]
    lines.append("[header]")
    header = styles_root.find(".//" + q("style:master-page") + "/" + q("style:header"))
    if header is not None:
        story(header, lines)
    lines.append("[body]")
    story(content.find(q("office:body") + "/" + q("office:text")), lines)
    lines.append("elements " + " ".join(sorted({short(e.tag) for e in content.iter()})))
    return lines


def cells_only(lines):
    """--cells: the page header's text on one line "H ...", then each table
    as "T" and its rows, cells tab-separated; formats, spans and marks left
    out, the paragraphs of a cell joined and blanks collapsed, as a reader
    of the text alone sees them."""
    import re

    def plain(cell):
        cell = re.sub(r"^~\d+ ", "", cell)
        paras = [re.sub(r"^[LCRJ]K?:", "", p) for p in cell.split(" ¶ ")]
        text = re.sub(r"\{[^}]*\}", "", " ".join(paras)).replace("\\t", " ")
        return " ".join(text.split())

    out, header, where = [], [], None
    for line in lines:
        if line in ("[header]", "[body]"):
            where = line
        elif line.startswith("P ") and where == "[header]":
            header.append(plain(line[line.index("|") + 2:]))
        elif line.startswith("T "):
            out.append("T")
        elif line.startswith("R"):
            out.append("\t".join(plain(c) for c in line.split(" | ")[1:]))
    return ["H " + " ".join(" ".join(header).split())] + out


if __name__ == "__main__":
    args = sys.argv[1:]
    cells = args and args[0] == "--cells"
    for path in args[1:] if cells else args:
        lines = docx_dump(path) if path.endswith(".docx") else odt_dump(path)
        if cells:
            lines = cells_only(lines)
        sys.stdout.write("\n".join(lines) + "\n")
