"""A user opens Time in Zone (T): no zone and no time at first. Tokyo shows Tokyo's date and
time, with the daylight-saving box disabled (Tokyo has none); Santiago enables it, and
unticking it shows Santiago's standard time. Escape closes the window; opened again, it
shows the zone chosen last."""
import datetime

import flowkit
import orbelflow as of
from flowkit import expect

WINDOW = "Time in Zone"
DST_BOX = "Automatically adjust clock daylight saving changes"


def current(app):
    return of.field(app, "Current time", WINDOW)


def expect_time(app, when, what):
    app.until(lambda: of.shows_time(current(app), when), 3, what)


def scenario(app):
    of.start(app)
    app.key("t")
    of.front(app, of.TIME_IN_ZONE)
    # A picker with nothing chosen carries only its own name.
    expect(current(app) == "" and of.focused_combo(app, WINDOW) in ("", "Time zone"),
           f"Time in Zone opens with {of.focused_combo(app, WINDOW)!r} and {current(app)!r}")

    of.choose(app, of.zone_item("Asia/Tokyo"), WINDOW)
    expect_time(app, of.now_in("Asia/Tokyo"), "Tokyo's time shown")
    expect(not of.enabled(app, "check box", DST_BOX, WINDOW),
           "the daylight-saving box is enabled for Tokyo, which has no daylight saving")

    santiago = of.zone_item("America/Santiago")
    of.choose(app, santiago, WINDOW)
    expect_time(app, of.now_in("America/Santiago"), "Santiago's time shown")
    expect(of.enabled(app, "check box", DST_BOX, WINDOW) and
           of.checked(app, "check box", DST_BOX, WINDOW),
           "the daylight-saving box is not enabled and ticked for Santiago")
    app.key("alt+o")
    app.until(lambda: not of.checked(app, "check box", DST_BOX, WINDOW), 3, "the box unticked")
    # Standard time: the smaller of the zone's winter and summer offsets (-04:00).
    standard = datetime.datetime.now(datetime.timezone(datetime.timedelta(hours=-4)))
    expect(santiago.startswith("(UTC-04:00)"), f"Santiago is listed as {santiago!r}")
    expect_time(app, standard, "Santiago's standard time shown")

    of.closes(app, of.TIME_IN_ZONE)
    app.key("t")
    of.front(app, of.TIME_IN_ZONE)
    expect(of.focused_combo(app, WINDOW) == santiago,
           f"Time in Zone opens again with {of.focused_combo(app, WINDOW)!r}, not Santiago")
    expect_time(app, of.now_in("America/Santiago"), "Santiago's time shown again")
    of.closes(app, of.TIME_IN_ZONE)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
