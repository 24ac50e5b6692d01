#!/usr/bin/env python3
"""Writes the document templates of the table export into resources/template/.

Each table template is RTF (saved under a ".doc" name, which every word
processor opens): an empty first paragraph, a centred heading, and a bordered
table whose header rows carry the column captions. The first header cell
holds the bookmark "t-1" where the export enters the table; the number of
paragraphs before the table is the number of lines the export steps down to
reach it. "empty.doc" is the frame of the exported document: a page header of
three lines (the address goes on the third) and an empty body.

Run it again after changing a caption: python3 scripts/make-templates.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "template")

# A4 with the margins the printed export uses (top 1", bottom 1", left 1.2",
# right 1"), in twips.
PAGE = r"\paperw11906\paperh16838\margl1728\margr1440\margt1440\margb1440\headery708"
BORDERS = r"\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10"


def esc(text):
    out = []
    for ch in text:
        cp = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif 0x20 <= cp < 0x7F:
            out.append(ch)
        else:
            fallback = ch.encode("cp1251")[0]
            out.append("\\u%d\\'%02x" % (cp if cp < 0x8000 else cp - 0x10000, fallback))
    return "".join(out)


def para(text="", align="ql", size=12, bold=False, end=r"\par", intbl=False, bookmark=None, mark_size=None,
         keep=False):
    """A paragraph; `keep` keeps it on one page with what follows (a heading
    and the empty line under it stay with their table)."""
    mark = r"\fs%d" % ((mark_size or size) * 2)
    s = r"\pard\plain\%s%s%s\f0\b0%s " % (align, r"\keepn" if keep else "", r"\intbl" if intbl else "", mark)
    if bookmark:
        s += r"{\*\bkmkstart %s}{\*\bkmkend %s}" % (bookmark, bookmark)
    if text:
        s += r"{%s\fs%d %s}" % (r"\b" if bold else r"\b0", size * 2, esc(text))
    return s + end + "\n"


def row(captions, rights, first=False):
    """A header row: bold 10-point captions, centred; the cell's paragraph mark
    stays plain 12-point so that rows added under it type plain text."""
    s = r"\trowd\trgaph108\trleft0\trhdr" + "\n"
    for r in rights:
        s += BORDERS + r"\cellx%d" % r + "\n"
    for i, c in enumerate(captions):
        s += para(c, "qc", 10, True, r"\cell", True, "t-1" if first and i == 0 else None, mark_size=12)
    return s + r"\row" + "\n"


def document(body, header=""):
    s = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1\n"
    s += "{\\fonttbl{\\f0\\froman\\fcharset204\\fprq2 Times New Roman;}}\n"
    s += PAGE + "\n\\sectd\n"
    if header:
        s += "{\\header\n" + header + "}\n"
    return s + body + r"\pard\plain\ql\f0\b0\fs24 " + "\n}\n"


def table_template(headings, rows, blank_after_heading=True):
    body = para()
    for h in headings:
        body += para(h, "qc", 14, True, keep=True)
    if blank_after_heading:
        body += para(keep=True)
    for i, (captions, rights) in enumerate(rows):
        assert len(captions) == len(rights)
        body += row(captions, rights, first=(i == 0))
    return document(body)


# The text is 8738 twips wide (A4 less the margins); a cell's text is 216
# narrower than its column (108 each side). Columns are wide enough for the
# longest word of their bold 10-point captions and of what they hold in plain
# 12 points: a whole date "08.12.2026 г." (1298), "Направление" (1210 in the
# captions), "Примечания" (1158), "эксплуатацию" (1448), "северо-западного"
# (1778), so that no word breaks letter by letter. Free-text columns get what
# the short ones of numbers and types leave.
PHASES = ["Организация движения по фазам"]
TEMPLATES = {
    # 3 header cells, 3 lines down to the table.
    "phaseI.doc": table_template(PHASES, [(["Фаза", "Т мин., сек", "Т осн., сек"], [2000, 5000, 8000])]),
    # 8 header cells in two rows, 3 lines down.
    "phaseIII.doc": table_template(PHASES, [
        (["Фаза", "Т мин., сек", "Т осн. по программам, сек"], [1500, 3200, 8300]),
        (["", "", "I", "II", "III"], [1500, 3200, 4900, 6600, 8300])]),
    # 14 header cells in two rows, 3 lines down.
    "napr.doc": table_template(["Организация движения по направлениям"], [
        (["Направление", "Фазы", "Конфл. направл.", "Длительность сигналов, сек", "Контр. красных"],
         [1500, 2700, 4300, 7400, 8700]),
        (["", "", "", "З", "ЗМ", "Ж", "К", "КЖ", ""],
         [1500, 2700, 4300, 4920, 5540, 6160, 6780, 7400, 8700])]),
    # 4 header cells, 3 lines down.
    "compl.doc": table_template(["Таблица комплектации СО"], [
        (["Наименование", "Тип", "Кол-во", "Примечания"], [2600, 5400, 6300, 8700])]),
    # 13 header cells in two rows, 2 lines down.
    "Change.doc": table_template(["Таблица изменений СО"], [
        (["Дата", "Тип", "Число секций", "Тип ДК", "Примечания"], [1600, 2500, 6020, 6950, 8730]),
        (["", "", "Трансп.", "Доп. секций", "Пешех.", "Трамв.", "", ""],
         [1600, 2500, 3430, 4290, 5160, 6020, 6950, 8730])], blank_after_heading=False),
    # 13 header cells in two rows, 4 lines down.
    "ExoNapr.doc": table_template(["Организация движения", "при нестандартной смене фаз"], [
        (["Направление", "Переключение фаз", "Сигналы, сек", "Переключение фаз", "Сигналы, сек"],
         [1500, 3450, 5310, 7260, 8500]),
        (["", "", "З", "ЗМ", "Ж", "", "К", "КЖ"], [1500, 3450, 4070, 4690, 5310, 7260, 7880, 8500])]),
    "empty.doc": document(
        "", header=para("Технический паспорт светофорного объекта", "qc", 9, mark_size=9)
        + para("", "qc", 9) + r"\pard\plain\qc\f0\b\fs24 \par" + "\n"),
}

if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, text in TEMPLATES.items():
        with open(os.path.join(OUT, name), "w", encoding="ascii", newline="\r\n") as f:
            f.write(text)
