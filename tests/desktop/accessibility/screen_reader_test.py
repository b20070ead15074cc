"""The entry form and the chart display as a screen reader reads them through AT-SPI.

Every control of the entry form has a name of its own that is not its current value;
a chart computed from entries made through AT-SPI reads back exactly as the
command-line report of the same birth data, by either engine. A place whose zone the
classic engine reads backwards warns and offers the precise engine; the navamsa and dasamsa
boxes (the divisional chart chooser reading its entry), the Planets, Dasha and Panchang,
Ashtakavarga and Shadbala tabs read as the precise engine's longitudes give them.

usage: screen_reader_test.py PROGRAM CHART_COMMAND
"""

import json
import signal
import subprocess
import sys

import atspi_session as atspi
from atspi_session import pyatspi

# 15 August 1947, 00:00 at New Delhi; zone row 34 is "Indian Time, IST, +5.3".
BIRTH = {"name": "Test", "day": "15", "month": "August", "year": "1947", "hour": "0",
         "minute": "0", "lat": ("28", "39"), "lon": ("77", "13"), "zone": 34,
         "city": "New Delhi", "state": "Delhi", "country": "India"}

ENTRY_FORM_NAMES = {
    "Name", "Date of Birth: Day", "Date of Birth: Month", "Date of Birth: Year",
    "Time of Birth: Hour", "Time of Birth: Minute", "Country", "State", "City",
    "Latitude: Degrees", "Latitude: Minutes", "Longitude: Degrees", "Longitude: Minutes",
    "North", "South", "East", "West", "Time Zone", "Daylight Saving Time", "Suggest zone",
    "Earlier", "Later",
    "Click here to find Latitude & Longitude",
    "Get My Janam Kundali (East Indian Style)", "Get My Janam Kundali (North Indian Style)",
    "Get My Janam Kundali (South Indian Style)"}

MAIN_WINDOW_BUTTONS = {
    "North Indian Style", "South Indian Style", "East Indian Style", "Show Interpretation",
    "Save As JPG", "Back", "Exit", "New", "Open", "Save", "Print", "Help"}

# Each position cell's caption, and the name its line starts with in the report.
BODIES = {"Surya / Sun": "Sun", "Chandra / Moon": "Moon", "Budha / Mercury": "Mercury",
          "Shukra / Venus": "Venus", "Mangala / Mars": "Mars", "Guru / Jupiter": "Jupiter",
          "Shani / Saturn": "Saturn", "Rahu / North Node": "Rahu", "Ketu / South Node": "Ketu"}
DETAILS = {"Ayanamsa": "Ayanamsa", "Lagna / Asc": "Lagna / Asc", "Nakshatra": "Nakshatra",
           "Rashi/Moon Sign": "Rashi / Moon Sign", "Pada": "Pada", "Lord": "Lord"}
SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
         "Sagittarius", "Capricorn", "Aquarius", "Pisces"]
SIGN_ABBREVIATIONS = [sign[:3] for sign in SIGNS]
LAGNA_NAMES = ["Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya", "Thula",
               "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def chart_arguments(chart_command, engine):
    b = BIRTH
    return [chart_command, "--engine", engine, "--name", b["name"], "--date", "1947-08-15", "--time", "00:00",
                 "--lat", f"{b['lat'][0]}N{b['lat'][1]}", "--lon", f"{b['lon'][0]}E{b['lon'][1]}",
                 "--zone", str(b["zone"]), "--city", b["city"], "--state", b["state"],
                 "--country", b["country"]]


def report_lines(chart_command, engine="classic"):
    arguments = chart_arguments(chart_command, engine)
    # The report is written in the Windows code page of the chart files.
    output = subprocess.run(arguments, check=True, capture_output=True).stdout.decode("cp1252")
    return [line.rstrip("\r") for line in output.splitlines()]


def expected_chart(lines):
    """Positions, details and sign boxes as the command-line report gives them."""
    positions = {}
    for body, reported in BODIES.items():
        line = next(line for line in lines if line.startswith(reported + " "))
        positions[body] = line[len(reported) + 1:]
    details = {}
    for caption, reported in DETAILS.items():
        line = next(line for line in lines if line.startswith(reported + ": "))
        details[caption] = line[len(reported) + 2:]
    boxes = {sign: [] for sign in SIGNS}
    boxes[SIGNS[LAGNA_NAMES.index(details["Lagna / Asc"])]].append("Asc")
    for body in BODIES:
        sign = SIGN_ABBREVIATIONS.index(positions[body].split(" ")[1])
        boxes[SIGNS[sign]].append(body.split(" / ")[0])
    return positions, details, {sign: "\n".join(bodies) for sign, bodies in boxes.items()}


def check_entry_form_names(form):
    controls = [node for node in atspi.descendants(form) if node.getRole() in atspi.CONTROL_ROLES]
    names = [node.name for node in controls]
    for node in controls:
        kind = atspi.CONTROL_ROLES[node.getRole()]
        check(node.name, f"a {kind} has no name")
        if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT) and node.name:
            try:
                value = atspi.text_of(node)
            except atspi.AtspiError as error:
                check(False, str(error))
                continue
            check(node.name != value, f"the {kind} {node.name!r} is named by its value")
    duplicates = sorted({name for name in names if names.count(name) > 1})
    check(not duplicates, f"names used twice on the entry form: {duplicates}")
    check(set(names) == ENTRY_FORM_NAMES,
          f"entry form names differ: missing {sorted(ENTRY_FORM_NAMES - set(names))}, "
          f"unexpected {sorted(set(names) - ENTRY_FORM_NAMES)}")
    for group in ("Latitude direction", "Longitude direction"):
        check(atspi.find_all(form, pyatspi.ROLE_PANEL, group), f"no group named {group!r}")


def fill_entry_form(form):
    b = BIRTH
    text = lambda name: atspi.find(form, pyatspi.ROLE_TEXT, name)
    combo = lambda name: atspi.find(form, pyatspi.ROLE_COMBO_BOX, name)
    for name, value in [("Name", b["name"]), ("Country", b["country"]), ("State", b["state"]),
                        ("City", b["city"]), ("Latitude: Degrees", b["lat"][0]),
                        ("Latitude: Minutes", b["lat"][1]), ("Longitude: Degrees", b["lon"][0]),
                        ("Longitude: Minutes", b["lon"][1])]:
        atspi.set_text(text(name), value)
    for name, entry in [("Date of Birth: Day", b["day"]), ("Date of Birth: Month", b["month"]),
                        ("Date of Birth: Year", b["year"]), ("Time of Birth: Hour", b["hour"]),
                        ("Time of Birth: Minute", b["minute"])]:
        atspi.pick(combo(name), entry)
    zone = combo("Time Zone")
    atspi.pick(zone, zone.getChildAtIndex(0).queryTable().getAccessibleAt(b["zone"], 0).name)


# A city typed and chosen from the list of matching places: the fields it fills (coordinates
# rounded to whole minutes), the zone row chosen or added, the tick and the line under the zone.
ATLAS_CHOICES = [
    {"typed": "Kolk", "year": "1943", "fields": {
        "City": "Kolkata", "State": "State of West Bengal", "Country": "India",
        "Latitude: Degrees": "22", "Latitude: Minutes": "34",
        "Longitude: Degrees": "88", "Longitude: Minutes": "22"},
     "checked": {"North": True, "East": True, "Daylight Saving Time": True},
     "zone": "Indian Time, IST, +5.3", "found": "Asia/Kolkata on 15 Aug 1943: +6:30, war time"},
    {"typed": "Kathm", "year": "2000", "fields": {"City": "Kathmandu", "Country": "Nepal"},
     "checked": {"Daylight Saving Time": False},
     "zone": "Kathmandu 2000, standard time, +5:45",
     "found": "Asia/Kathmandu on 15 Aug 2000: +5:45, standard time"},
]


def walk_atlas_choices(app, form):
    combo = lambda name: atspi.find(form, pyatspi.ROLE_COMBO_BOX, name)
    text = lambda name: atspi.text_of(atspi.find(form, pyatspi.ROLE_TEXT, name))
    for name, entry in [("Date of Birth: Day", "15"), ("Date of Birth: Month", "August"),
                        ("Time of Birth: Hour", "12")]:
        atspi.pick(combo(name), entry)
    for choice in ATLAS_CHOICES:
        atspi.pick(combo("Date of Birth: Year"), choice["year"])
        city = atspi.find(form, pyatspi.ROLE_TEXT, "City")
        atspi.set_text(city, "")
        atspi.type_into(app, city, choice["typed"])
        atspi.wait_for(f"{choice['typed']!r} typed", lambda: text("City") == choice["typed"], 5.0)
        atspi.type_into(app, city, keys=["Down", "Return"])
        atspi.wait_for(f"{choice['typed']!r} to be chosen", lambda: text("City") == choice["fields"]["City"], 5.0)
        for name, value in choice["fields"].items():
            check(text(name) == value, f"after choosing {choice['typed']!r}, {name} reads {text(name)!r}")
        for name, checked in choice["checked"].items():
            node = (atspi.find_all(form, pyatspi.ROLE_RADIO_BUTTON, name)
                    + atspi.find_all(form, pyatspi.ROLE_CHECK_BOX, name))[0]
            check(atspi.is_checked(node) == checked, f"after {choice['typed']!r}, {name} checked is not {checked}")
        zone = atspi.text_of(combo("Time Zone"))
        check(zone == choice["zone"], f"after {choice['typed']!r} the zone reads {zone!r}")
        found = atspi.find(form, pyatspi.ROLE_LABEL, "Time zone found").description
        check(found == choice["found"], f"after {choice['typed']!r} the atlas line reads {found!r}")


def read_chart(app):
    """Positions, details and sign boxes as read from the chart display."""
    # The caption cell and the value cell it labels share the caption as name.
    first_cell = lambda: atspi.find(app, pyatspi.ROLE_LABEL, "Surya / Sun",
                                    where=atspi.labelled_by("Surya / Sun"))
    atspi.wait_for("the computed chart", lambda: first_cell().description)
    app.clearCache()
    labels = atspi.find_all(app, pyatspi.ROLE_LABEL)
    value = lambda caption: [node.description for node in labels
                             if node.name == caption and atspi.labelled_by(caption)(node)]
    positions = {body: value(body) for body in BODIES}
    details = {caption: value(caption) for caption in DETAILS}
    # Each of the three drawings has a box per sign; all must read the same.
    boxes = {sign: [node.description for node in labels if node.name == sign] for sign in SIGNS}
    return positions, details, boxes


# The varga box texts from longitudes: the navamsa's ninth parts of 3°20' run through the
# zodiac; the dasamsa's tenths count from an odd sign itself, from an even sign's 9th.
VARGA_BODIES = [("Ascendant", "Asc"), ("Sun", "Surya"), ("Moon", "Chandra"), ("Mercury", "Budha"),
                  ("Venus", "Shukra"), ("Mars", "Mangala"), ("Jupiter", "Guru"), ("Saturn", "Shani"),
                  ("Rahu", "Rahu"), ("Ketu", "Ketu")]
DASHA_LORDS = ["Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"]


def navamsa_sign(longitude):
    return int(longitude * 3 // 10) % 12


def dasamsa_sign(longitude):
    sign = int(longitude // 30)
    return (sign + (0 if sign % 2 == 0 else 8) + int(longitude % 30 // 3)) % 12


def expected_varga(chart_command, varga_sign):
    output = subprocess.run(chart_arguments(chart_command, "precise") + ["--json"], check=True,
                            capture_output=True).stdout
    chart = json.loads(output)
    boxes = {sign: [] for sign in SIGNS}
    for body, box_name in VARGA_BODIES:
        sign = varga_sign(chart["Longitudes"][body])
        retrograde = chart["Retrograde"].get(body, False)
        boxes[SIGNS[sign]].append(box_name + (" R" if retrograde else ""))
    return {sign: ["\n".join(bodies)] * 3 for sign, bodies in boxes.items()}


def number_labels(app):
    """The drawings' sign numbers by where they stand on screen: (number, sign named)."""
    app.clearCache()
    numbers = {}
    for node in atspi.find_all(app, pyatspi.ROLE_LABEL):
        if node.name.isdigit() and node.description in SIGNS:
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            numbers[(box.x, box.y)] = (node.name, node.description)
    return numbers


def check_lagna_at_top(app, lagna):
    """The North drawing turned: where "1" (Aries) stood, the lagna's number names it."""
    atspi.press(atspi.find(app, pyatspi.ROLE_PUSH_BUTTON, "North Indian Style"))
    wait_for_marker(app, "North Indian Style · D9 Navamsa")
    fixed = number_labels(app)
    atspi.press(menu_item(app, "Lagna at Top (North Indian)"))
    number = str(SIGNS.index(lagna) + 1)
    def turned_numbers():
        now = number_labels(app)
        return now if lagna == "Aries" or now != fixed else None
    turned = atspi.wait_for("the North drawing to turn", turned_numbers, 5.0)
    check(all(name == str(SIGNS.index(sign) + 1) for name, sign in turned.values()),
          f"a number label names another sign than its number: {sorted(turned.values())}")
    tops = [place for place, label in fixed.items() if label == ("1", "Aries")
            and turned[place] != label]
    check(lagna == "Aries" or [turned[place] for place in tops] == [(number, lagna)],
          f"the top rhombus reads {[turned[place] for place in tops]}, not {(number, lagna)}")


def wait_for_marker(app, marker):
    """A line on the strip and on the chart alike: the engine's, or the style caption."""
    def probe():
        app.clearCache()
        return len(atspi.find_all(app, pyatspi.ROLE_LABEL, marker)) == 2
    atspi.wait_for(f"{marker!r} on the strip and the chart", probe, 20.0)


def menu_item(app, name):
    return atspi.find(app, pyatspi.ROLE_MENU_ITEM, name)


def choose_madrid_and_switch(app, form):
    """Madrid from the atlas, calculated classic: the warning, and its switch to precise."""
    city = atspi.find(form, pyatspi.ROLE_TEXT, "City")
    atspi.set_text(city, "")
    atspi.type_into(app, city, "Madrid")
    text = lambda: atspi.text_of(atspi.find(form, pyatspi.ROLE_TEXT, "City"))
    atspi.wait_for("'Madrid' typed", lambda: text() == "Madrid", 5.0)
    atspi.type_into(app, city, keys=["Down", "Return"])
    atspi.wait_for("Madrid to be chosen", lambda: atspi.find_all(
        form, pyatspi.ROLE_LABEL, "Time zone found")[0].description.startswith("Europe/Madrid"), 5.0)
    atspi.press(atspi.find(form, pyatspi.ROLE_PUSH_BUTTON, "Get My Janam Kundali (South Indian Style)"))
    switch = atspi.find(app, pyatspi.ROLE_PUSH_BUTTON, "Use Precise Engine")
    app.clearCache()
    warning = atspi.find_all(app, pyatspi.ROLE_LABEL,
                             where=lambda node: node.name.startswith("Madrid lies west of Greenwich"))
    check(len(warning) == 1, "no zone warning names Madrid")
    atspi.press(switch)
    wait_for_marker(app, "Precise ephemeris, Lahiri ayanamsa")
    check(atspi.is_checked(menu_item(app, "Precise")), "Precise is not checked after the switch")


def read_dasha_tab(app):
    atspi.press(atspi.find(app, pyatspi.ROLE_PUSH_BUTTON, "Show Interpretation"))
    atspi.press(atspi.find(app, pyatspi.ROLE_PAGE_TAB, "Dasha and Panchang"))
    cells = lambda table: [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
                           for row in range(table.nRows)]
    panchang = cells(atspi.find(app, pyatspi.ROLE_TABLE, "Panchang").queryTable())
    check([row[0] for row in panchang] == ["Sunrise", "Tithi", "Paksha", "Yoga", "Karana", "Vara",
                                          "Nakshatra", "Pada"], f"panchang rows {panchang}")
    check(all(row[1] for row in panchang), f"a panchang limb is empty: {panchang}")
    check(panchang[0][1].endswith("(upper limb, with refraction)"), f"sunrise reads {panchang[0][1]!r}")
    tree = atspi.find(app, pyatspi.ROLE_TREE, "Vimshottari dasha")
    check(atspi.find(app, pyatspi.ROLE_LABEL, "Vimshottari dasha") is not None, "no caption names the tree")
    rows = cells(tree.queryTable())
    levels = [tree.queryTable().getAccessibleAt(row, 0).description for row in range(len(rows))]
    mahadashas = [row for row, level in zip(rows, levels) if level == "Mahadasha"]
    lords = [row[0] for row in mahadashas]
    first = DASHA_LORDS.index(lords[0]) if lords and lords[0] in DASHA_LORDS else 0
    check(lords == (DASHA_LORDS[first:] + DASHA_LORDS[:first]), f"mahadasha lords {lords}")
    check(all(earlier[2] == later[1] for earlier, later in zip(mahadashas, mahadashas[1:])),
          "a mahadasha does not start where the one before ends")
    # 1947 plus 120 years: the birth's periods run past today, so a mahadasha and, opened
    # below it, one of its antardashas are running.
    running = [(level, row) for row, level in zip(rows, levels) if row[3] == "running"]
    check([level for level, _ in running] == ["Mahadasha", "Antardasha"], f"running rows {running}")
    check(len(rows) == 18 and levels.count("Antardasha") == 9, f"{len(rows)} rows shown: {levels}")
    # The arrow keys open and close a mahadasha (the first has long ended, so it is closed).
    atspi.type_into(app, tree, keys=["Home", "Right"])
    atspi.wait_for("Right to open the first mahadasha", lambda: tree.queryTable().nRows == 27, 5.0)
    atspi.type_into(app, tree, keys=["Left"])
    atspi.wait_for("Left to close it", lambda: tree.queryTable().nRows == 18, 5.0)


PLANET_COLUMNS = ["Body", "Longitude", "Sign", "Degrees", "Text", "Nakshatra", "Pada",
                  "NakshatraLord", "House", "Dignity", "Retrograde", "Combust"]


def read_planets_tab(app, chart_command):
    atspi.press(atspi.find(app, pyatspi.ROLE_PUSH_BUTTON, "Show Interpretation"))
    atspi.press(atspi.find(app, pyatspi.ROLE_PAGE_TAB, "Planets"))
    table = atspi.find(app, pyatspi.ROLE_TABLE, "Planets").queryTable()
    columns = [table.getColumnDescription(column) for column in range(table.nColumns)]
    check(columns == PLANET_COLUMNS, f"planet table columns {columns}")
    rows = {table.getAccessibleAt(row, 0).name: [table.getAccessibleAt(row, column).name
                                                  for column in range(table.nColumns)]
            for row in range(table.nRows)}
    output = subprocess.run(chart_arguments(chart_command, "precise") + ["--json"], check=True,
                            capture_output=True).stdout
    planets = json.loads(output)["Planets"]
    check(sorted(rows) == sorted(planets), f"planet table rows {sorted(rows)}")
    flag = lambda value: "" if value is None else ("yes" if value else "no")
    for body, fields in planets.items():
        expected = [body, f"{fields['Longitude']:.4f}", fields["Sign"], f"{fields['Degrees']:.4f}",
                    fields["Text"], fields["Nakshatra"], str(fields["Pada"]), fields["NakshatraLord"],
                    str(fields["House"]), fields["Dignity"] or "", flag(fields["Retrograde"]),
                    flag(fields["Combust"])]
        check(rows.get(body) == expected, f"{body} reads {rows.get(body)}, not {expected}")


# The seven planets in the order of the ashtakavarga and shadbala tables' rows and columns.
SEVEN_PLANETS = ["Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"]
STRENGTHS = ["Sthana", "Dig", "Kala", "Cheshta", "Naisargika", "Drik", "Total", "Rupas",
             "Required", "Ratio"]
COMPONENTS = ["Uchcha", "Saptavargaja", "Ojayugma", "Kendra", "Drekkana", "Nathonnatha", "Paksha",
              "Tribhaga", "Abda", "Masa", "Vara", "Hora", "Ayana", "Yuddha"]


def read_table(app, name):
    """The column headings and the cells, row by row, of the table of this name."""
    table = atspi.find(app, pyatspi.ROLE_TABLE, name).queryTable()
    return ([table.getColumnDescription(column) for column in range(table.nColumns)],
            [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
             for row in range(table.nRows)])


def read_strength_tabs(app, chart_command):
    output = subprocess.run(chart_arguments(chart_command, "precise") + ["--json"], check=True,
                            capture_output=True).stdout
    chart = json.loads(output)
    atspi.press(atspi.find(app, pyatspi.ROLE_PAGE_TAB, "Ashtakavarga"))
    columns, rows = read_table(app, "Ashtakavarga")
    check(columns == ["Ashtakavarga"] + SIGNS + ["Total"], f"ashtakavarga columns {columns}")
    grids = [(planet, chart["Ashtakavarga"]["Bhinna"][planet]) for planet in SEVEN_PLANETS]
    grids.append(("Sarva", chart["Ashtakavarga"]["Sarva"]))
    expected = [[name] + [str(count) for count in bindus] + [str(sum(bindus))] for name, bindus in grids]
    check(rows == expected, f"ashtakavarga rows {rows}, not {expected}")
    for name, bindus in grids:
        check(atspi.find_all(app, pyatspi.ROLE_LABEL, f"{name} {sum(bindus)}"), f"no grid titled {name}")

    atspi.press(atspi.find(app, pyatspi.ROLE_PAGE_TAB, "Shadbala"))
    strengths = chart["Shadbala"]
    shown = lambda value: "absent" if value is None else f"{value:.2f}"
    for name, first, table_rows, of in [
            ("Shadbala", "Bala", STRENGTHS, lambda planet: strengths[planet]),
            ("Shadbala components", "Component", COMPONENTS, lambda planet: strengths[planet]["Components"])]:
        columns, rows = read_table(app, name)
        check(columns == [first] + SEVEN_PLANETS, f"{name} columns {columns}")
        expected = [[row] + [shown(of(planet)[row]) for planet in SEVEN_PLANETS] for row in table_rows]
        if name == "Shadbala":
            ratio = lambda planet: strengths[planet]["Ratio"]
            expected.append(["Strength"] + ["absent" if ratio(planet) is None else
                                            "below minimum" if ratio(planet) < 1 else "meets minimum"
                                            for planet in SEVEN_PLANETS])
        check(rows == expected, f"{name} rows {rows}, not {expected}")


def check_main_window_buttons(app):
    buttons = atspi.find_all(app, pyatspi.ROLE_PUSH_BUTTON)
    check(all(button.name for button in buttons), "a button of the program has no name")
    missing = MAIN_WINDOW_BUTTONS - {button.name for button in buttons}
    check(not missing, f"main window buttons without their caption as name: {sorted(missing)}")


def main():
    program, chart_command = sys.argv[1], sys.argv[2]
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(
        atspi.AtspiError("the walk took longer than 240 s")))
    signal.alarm(240)
    expected_positions, expected_details, expected_boxes = expected_chart(
        report_lines(chart_command))
    with atspi.DesktopSession(program) as session:
        form_button = atspi.find(session.app, pyatspi.ROLE_PUSH_BUTTON,
                                 "Get My Janam Kundali (South Indian Style)", 20.0)
        form = form_button.parent
        check_entry_form_names(form)
        if failures:  # a form that cannot be read cannot be filled either
            return report()
        walk_atlas_choices(session.app, form)
        fill_entry_form(form)
        atspi.press(form_button)
        positions, details, boxes = read_chart(session.app)
        check(positions == {body: [text] for body, text in expected_positions.items()},
              f"positions {positions} != {expected_positions}")
        check(details == {caption: [text] for caption, text in expected_details.items()},
              f"details {details} != {expected_details}")
        check(boxes == {sign: [text] * 3 for sign, text in expected_boxes.items()},
              f"sign boxes {boxes} != {expected_boxes}")
        check_main_window_buttons(session.app)

        atspi.press(atspi.find(session.app, pyatspi.ROLE_PUSH_BUTTON, "Back"))
        choose_madrid_and_switch(session.app, form)
        atspi.press(atspi.find(session.app, pyatspi.ROLE_PUSH_BUTTON, "Back"))
        fill_entry_form(form)
        east = atspi.find(form, pyatspi.ROLE_RADIO_BUTTON, "East")
        atspi.do_action(east, east.queryAction().getName(0))
        atspi.wait_for("East to be checked", lambda: atspi.is_checked(east), 5.0)
        atspi.press(form_button)
        wait_for_marker(session.app, "Precise ephemeris, Lahiri ayanamsa")
        precise = expected_chart(report_lines(chart_command, "precise"))
        check(read_chart(session.app) == (
            {body: [text] for body, text in precise[0].items()},
            {caption: [text] for caption, text in precise[1].items()},
            {sign: [text] * 3 for sign, text in precise[2].items()}),
            "the precise chart does not read as grahavani-chart --engine precise")
        atspi.press(menu_item(session.app, "Navamsa (D9)"))
        wait_for_marker(session.app, "South Indian Style · D9 Navamsa")
        chooser = atspi.find(session.app, pyatspi.ROLE_COMBO_BOX, "Divisional chart")
        check(atspi.text_of(chooser) == "D9 Navamsa",
              f"the divisional chart chooser reads {atspi.text_of(chooser)!r} for the navamsa")
        navamsa_boxes = read_chart(session.app)[2]
        check(navamsa_boxes == expected_varga(chart_command, navamsa_sign),
              f"navamsa boxes {navamsa_boxes} != {expected_varga(chart_command, navamsa_sign)}")
        check_lagna_at_top(session.app, next(sign for sign, lines in navamsa_boxes.items()
                                             if lines[0].startswith("Asc")))
        atspi.pick(chooser, "D10 Dasamsa")
        wait_for_marker(session.app, "North Indian Style · D10 Dasamsa")
        dasamsa_boxes = read_chart(session.app)[2]
        check(dasamsa_boxes == expected_varga(chart_command, dasamsa_sign),
              f"dasamsa boxes {dasamsa_boxes} != {expected_varga(chart_command, dasamsa_sign)}")
        read_planets_tab(session.app, chart_command)
        read_dasha_tab(session.app)
        read_strength_tabs(session.app, chart_command)
    return report()


def report():
    for failure in failures:
        print("FAIL:", failure)
    print("screen reader walk:", "passed" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
