"""A user in Kathmandu (a quarter of an hour off the whole hours) plans a meeting: P opens
the planner on today with the cursor on the present hour and both clocks' time below it;
Right moves the cursor an hour on (Left in the last hour of the day), Alt+C copies the
chosen instant in every clock, and Escape closes the planner."""
import datetime
import re

import flowkit
import orbelflow as of
from flowkit import expect

ZONE = "Asia/Kathmandu"
INSTANT = re.compile(r"^Local: \w{3} \d{1,2} \w{3} \d{4} \d\d:\d\d \(UTC\+05:45\)$")


def chosen(app, clock):
    node = of.find(app, "label", re.compile("^" + clock + ": "), "Plan")
    return node.name


def scenario(app):
    of.start(app)
    of.front(app, of.CLOCKS)
    app.key("p")
    of.front(app, of.PLAN)

    first = chosen(app, "Local")
    expect(INSTANT.match(first), f"the planner shows {first!r}")
    hour = datetime.datetime.strptime(first.split(": ", 1)[1][:-12], "%a %d %b %Y %H:%M")
    now = of.now_in(ZONE).replace(tzinfo=None, second=0, microsecond=0)
    expect(hour.minute == 0 and datetime.timedelta(0) <= now - hour < datetime.timedelta(hours=2),
           f"the cursor is on {hour}, the time in Kathmandu is {now}")

    flowkit.step("the cursor moved an hour")
    key, step = ("Left", -1) if hour.hour == 23 else ("Right", 1)
    app.key(key)
    moved = hour + datetime.timedelta(hours=step)
    text = f"{moved:%a} {moved.day} {moved:%b %Y %H:%M} (UTC+05:45)"
    app.until(lambda: chosen(app, "Local") == "Local: " + text, 3, f"Local at {text}")
    expect(chosen(app, "City1") == "City1: " + text, f"City1 shows {chosen(app, 'City1')!r}")

    flowkit.step("Alt+C copies")
    app.key("alt+c")
    app.until(lambda: of.clipboard() == f"Local: {text}\nCity1: {text}\n", 3,
              "the chosen instant of both clocks on the clipboard")
    of.closes(app, of.PLAN)
    of.finish(app)


flowkit.run(scenario, **of.app_options(env={"TZ": ZONE}))
