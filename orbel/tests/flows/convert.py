"""A user with a clock for Tokyo beside the local (UTC) ones double-clicks the Tokyo clock:
Convert opens with the local clock in the first row and Tokyo in the second. 12:00 here
gives 21:00:00 in Tokyo; 8:00 in Tokyo gives 23:00:00 of the day before here; a time that
is not one gives "Undefined" and empty days. Escape closes the window. N with the pointer
away from the clock window opens it with the second clock in the second row."""
import datetime

import flowkit
import orbelflow as of
from flowkit import expect


def day(d):
    return d.strftime("%a %d")


def pickers(app):
    return [n.name for n in of.nodes(app, "Convert") if n.getRoleName() == "combo box"]


def scenario(app):
    of.start(app)
    of.open_options(app, "Clocks")
    of.add_clock(app, "Asia/Tokyo", "Tokyo")
    of.closes(app, of.OPTIONS, "Return")

    # The third of three clocks side by side.
    window = of.front(app, of.CLOCKS)
    x, y, width, height = window.geometry
    of.double_click(x + width * 5 // 6, y + height // 2)
    of.front(app, of.CONVERT)
    expect(pickers(app) == ["Local", "Tokyo"], f"Convert opens with the clocks {pickers(app)}")

    # Row 2 from row 1: 12:00 here is 21:00 in Tokyo, the same day.
    today = of.now_in("UTC").date()
    app.key("ctrl+a")
    app.type("12:00")
    of.wait_field(app, "Time 2", "Convert", r"^21:00:00$")
    expect(of.field(app, "Day 1", "Convert") == day(today) == of.field(app, "Day 2", "Convert"),
           f"days {of.field(app, 'Day 1', 'Convert')!r} and {of.field(app, 'Day 2', 'Convert')!r}"
           f", expected {day(today)!r} for both")

    # Row 1 from row 2: 8:00 in Tokyo is 23:00 of the day before here.
    app.key("Tab", "Tab", "ctrl+a")
    tokyo = of.now_in("Asia/Tokyo").date()
    app.type("8:00")
    of.wait_field(app, "Time 1", "Convert", r"^23:00:00$")
    days = (of.field(app, "Day 1", "Convert"), of.field(app, "Day 2", "Convert"))
    expect(days == (day(tokyo - datetime.timedelta(days=1)), day(tokyo)),
           f"days {days}, expected the day before Tokyo's {day(tokyo)!r} and that day")

    # Not a time: the other row says so, and the days are emptied.
    app.key("ctrl+a")
    app.type("junk")
    of.wait_field(app, "Time 1", "Convert", r"^Undefined$")
    days = (of.field(app, "Day 1", "Convert"), of.field(app, "Day 2", "Convert"))
    expect(days == ("", ""), f"days {days} after a time that is not one")

    of.closes(app, of.CONVERT)

    of.point(10, 10)
    app.key("n")
    of.front(app, of.CONVERT)
    expect(pickers(app) == ["Local", "City1"], f"N opens Convert with the clocks {pickers(app)}")
    of.closes(app, of.CONVERT)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
