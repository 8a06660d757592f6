"""The catalogue document that "Cool Downloads" opens: a short rich-text page on the maker's
other products, named catalog.doc so that a word processor opens it."""

TITLE = "Tarvo Software"
SUBTITLE = "Catalogue of our other products"

SECTIONS = [
    ("Screen savers", [
        "Holiday screen savers for every season: winter nights, spring gardens, summer "
        "beaches and autumn woods, each with its own music.",
        "Game screen savers that play themselves until you take over with the mouse.",
        "Aquarium and nature scenes that change slowly through the day.",
    ]),
    ("Games for the whole family", [
        "Puzzle and card games that are quick to learn and hard to put down.",
        "Arcade classics with bright pictures, cheerful sound and a top-10 table.",
        "Word and number games for younger players.",
    ]),
    ("Desktop extras", [
        "Seasonal desktop themes: wallpapers, icons, cursors and sounds that match.",
        "Greeting cards to print or to send by e-mail.",
        "Small utilities that keep your computer tidy.",
    ]),
]

CLOSING = ("All our programs run on Windows 95, 98, NT and later. For news, prices and trial "
           "versions, click \"Home Page\" in the settings of this screen saver.")


def _escape(text):
    return text.replace('\\', '\\\\').replace('{', '\\{').replace('}', '\\}')


def rtf():
    out = [r"{\rtf1\ansi\ansicpg1252\deff0",
           r"{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fcharset0 Times New Roman;}}",
           r"{\colortbl;\red200\green16\blue32;\red16\green112\blue48;\red64\green64\blue64;}",
           r"{\info{\title " + _escape(TITLE + " - " + SUBTITLE) + r"}{\author Tarvo Software}}",
           r"\paperw12240\paperh15840\margl1440\margr1440\margt1440\margb1440",
           r"\pard\qc\f0\fs48\b\cf1 " + _escape(TITLE) + r"\b0\par",
           r"\pard\qc\fs28\cf2 " + _escape(SUBTITLE) + r"\par",
           r"\pard\sa240\par"]
    for heading, items in SECTIONS:
        out.append(r"\pard\sb240\sa120\f0\fs28\b\cf1 " + _escape(heading) + r"\b0\par")
        for item in items:
            out.append(r"\pard\fi-360\li720\sa80\f1\fs24\cf3 \bullet\tab " + _escape(item)
                       + r"\par")
    out.append(r"\pard\sb360\f1\fs24\cf0\i " + _escape(CLOSING) + r"\i0\par")
    out.append("}")
    return "\r\n".join(out) + "\r\n"


def write(path):
    with open(path, 'w', encoding='ascii', newline='') as f:
        f.write(rtf())
