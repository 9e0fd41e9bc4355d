"""A user downloads the time on the Adjust Time page from a network time server on loopback
(chronyd serving this machine's own clock, never steering it): the reading is this
computer's time, the difference 00:00:00 (to the millisecond, with the delay), and Adjust
Min. & Sec. Only stays disabled. The same server written as an IPv6 address in brackets,
ntp://[::1]:PORT, answers too. Escape closes the sheet."""
import datetime
import re

import flowkit
import orbelflow as of
from flowkit import expect

PAGE = "Options"


def download(app, server):
    before = of.field(app, "UTC", PAGE)
    app.key("alt+v")
    of.type_text(app, server, PAGE)
    of.press(app, "Download", PAGE)
    app.until(lambda: of.field(app, "UTC", PAGE) != before or len(app.titles()) > 2,
               flowkit.TIMEOUT, f"a reading from {server}")
    if len(app.titles()) > 2:
        raise flowkit.Failure(f"{server}: {of.message(app, PAGE)}")


def expect_same_time(app, server):
    now = datetime.datetime.now(datetime.timezone.utc)
    reading = of.field(app, "UTC", PAGE)
    expect(of.shows_time(reading, now), f"{server}: UTC reads {reading!r} at {now:%H:%M:%S}")
    # A network time server's reading carries milliseconds (and says which way they go)
    # and the delay.
    difference = of.field(app, "Difference", PAGE)
    expect(re.match(r"00:00:00(\.0\d\d)? (OK|ahead|behind)(, delay 0\.0\d\d s)?$",
                    difference),
           f"{server}: Difference reads {difference!r}")
    # Minutes and seconds have nothing to take below a second; a full setting is offered
    # only for a difference of a millisecond or more.
    expect(not of.enabled(app, "push button", "Adjust Min. & Sec. Only", PAGE),
           f"{server}: Adjust Min. & Sec. Only is enabled with less than a second to take")
    expect(of.enabled(app, "push button", "Set to Local Time", PAGE) ==
           (not difference.startswith("00:00:00.000")),
           f"{server}: Set to Local Time enabled is "
           f"{of.enabled(app, 'push button', 'Set to Local Time', PAGE)} for {difference!r}")


def scenario(app):
    port = of.chrony()
    of.start(app)
    of.open_options(app, "Adjust Time")
    download(app, f"ntp://127.0.0.1:{port}")
    expect_same_time(app, "ntp://127.0.0.1")
    download(app, f"ntp://[::1]:{port}")
    expect_same_time(app, "ntp://[::1]")
    of.closes(app, of.OPTIONS)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
