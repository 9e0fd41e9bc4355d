"""A user adds a clock for Tokyo, named in Japanese, on the Clocks page of the options sheet
(O), closes the sheet with Return, ends the program, and finds the clock again after a
restart: in the sheet's clock list and in `orbel --clocks`, with Tokyo's time."""
import datetime

import flowkit
import orbelflow as of
from flowkit import expect

NAME = "東京"


def scenario(app):
    of.start(app)
    of.open_options(app, "Clocks")
    of.add_clock(app, "Asia/Tokyo", NAME)
    of.closes(app, of.OPTIONS, "Return")
    of.close(app)

    listing = of.clock_listing(app)
    names = [n for n, _ in listing]
    expect(names == ["Local", "City1", NAME], f"orbel --clocks lists {listing}")
    shown = datetime.datetime.strptime(listing[2][1], "%Y-%m-%d %H:%M:%S")
    tokyo = of.now_in("Asia/Tokyo").replace(tzinfo=None)
    expect(abs((shown - tokyo).total_seconds()) < 5,
           f"the Tokyo clock shows {listing[2][1]}, Tokyo's time is {tokyo:%Y-%m-%d %H:%M:%S}")

    of.start(app)
    of.open_options(app, "Clocks")
    lines = of.clock_lines(app)
    expect(lines == ["Local", "City1", NAME], f"the Clocks page lists {lines} after a restart")
    of.closes(app, of.OPTIONS)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
