"""A user adds a clock for Oslo by searching for it: O opens the options sheet on its Clocks
page, Add puts a new clock in the list, Alt+N goes to the zone search, "osl" leaves Oslo
alone in the zone list, Down opens the list on it and Return chooses it; the title is typed,
Return closes the sheet, and `orbel --clocks` shows the new clock with Oslo's time."""
import datetime

import flowkit
import orbelflow as of
from flowkit import expect

OSLO = of.zone_item("Europe/Oslo")


def scenario(app):
    of.start(app)
    of.open_options(app, "Clocks")
    before = len(of.clock_lines(app))
    app.key("alt+d")
    app.until(lambda: len(of.clock_lines(app)) > before, flowkit.TIMEOUT, "a new clock")

    flowkit.step("Alt+N, osl, Down, Return")
    app.key("alt+n")
    of.type_text(app, "osl", "Options")
    app.key("Down")
    app.until(lambda: app.popups(), 3, "the zone list open")
    app.key("Return")
    app.until(lambda: of.focused_combo(app) == OSLO, 3, "Oslo chosen")

    app.key("alt+t")
    of.type_text(app, "Oslo", "Options")
    of.closes(app, of.OPTIONS, "Return")
    of.close(app)

    listing = of.clock_listing(app)
    expect([n for n, _ in listing] == ["Local", "City1", "Oslo"], f"orbel --clocks lists {listing}")
    shown = datetime.datetime.strptime(listing[2][1], "%Y-%m-%d %H:%M:%S")
    oslo = of.now_in("Europe/Oslo").replace(tzinfo=None)
    expect(abs((shown - oslo).total_seconds()) < 5,
           f"the Oslo clock shows {listing[2][1]}, Oslo's time is {oslo:%Y-%m-%d %H:%M:%S}")


flowkit.run(scenario, **of.app_options())
