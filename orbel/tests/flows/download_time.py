"""A user downloads the time on the Adjust Time page of the options sheet from Time Protocol
servers on loopback: one that never answers is cancelled with the page's own button (error
10004 in a message box); one an hour and two minutes ahead shows its reading, the difference
and the two setting buttons enabled (never pressed: this machine's clock is not set); one
whose count is that of 1 March 2036, past the count's wrap, shows that date. Escape closes
the sheet."""
import datetime
import time

import flowkit
import orbelflow as of
from flowkit import expect

PAGE = "Options"
# 1 March 2036 00:00:00 UTC as the Time Protocol's 32-bit count of seconds since 1900.
MARCH_2036 = (int(datetime.datetime(2036, 3, 1, tzinfo=datetime.timezone.utc).timestamp())
              + 2208988800) & 0xFFFFFFFF


def download(app, port):
    app.key("alt+v")
    of.type_text(app, f"127.0.0.1:{port}", PAGE)
    # Its caption reads &Download, Cance&l while a transfer runs, then Down&load: clicked.
    of.press(app, "Download", PAGE)


def scenario(app):
    silent = of.time_server("--silent")
    ahead = of.time_server("--offset", "3725")
    wrapped = of.time_server("--value", str(MARCH_2036))
    of.start(app)
    of.open_options(app, "Adjust Time")

    # A server that accepts and never answers: Download has become Cancel.
    download(app, silent)
    time.sleep(0.5)  # the user sees the button turn into Cancel
    app.key("alt+l")
    box = of.message(app, PAGE)
    expect("Error #10004: The connection with the server was terminated abnormally." in box,
           f"a cancelled download says {box!r}")

    download(app, ahead)
    of.wait_field(app, "UTC", PAGE, r"\S")
    server = datetime.datetime.now(datetime.timezone.utc) + datetime.timedelta(seconds=3725)
    reading = of.field(app, "UTC", PAGE)
    expect(of.shows_time(reading, server), f"UTC reads {reading!r}, the server sent {server}")
    difference = of.field(app, "Difference", PAGE)
    expect(difference in ("01:02:04 behind", "01:02:05 behind", "01:02:06 behind"),
           f"Difference reads {difference!r}, expected about 01:02:05 behind")
    for button in ("Set to Local Time", "Adjust Min. & Sec. Only"):
        expect(of.enabled(app, "push button", button, PAGE), f"{button} is not enabled")

    # Past the count's wrap in February 2036: the reading is the server's true date.
    before = of.field(app, "UTC", PAGE)
    download(app, wrapped)
    app.until(lambda: of.field(app, "UTC", PAGE) != before, flowkit.TIMEOUT, "a new reading")
    reading = of.field(app, "UTC", PAGE)
    expect(reading.endswith("1 Mar 2036"), f"UTC reads {reading!r}, the server sent 1 Mar 2036")

    of.closes(app, of.OPTIONS)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
