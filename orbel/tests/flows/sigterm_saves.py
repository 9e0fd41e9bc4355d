"""A user moves the clock window with the arrow keys and, in the options sheet still open,
ticks Show date on the View page and applies it: nothing is saved yet. The session ends
(SIGTERM): the program ends with status 0, and started again it shows the window where it
was moved and Show date still ticked, the clocks unchanged."""
import flowkit
import orbelflow as of
from flowkit import expect


def scenario(app):
    of.start(app)
    x, y, w, h = of.geometry(app)
    app.key(*["Right"] * 5, *["Up"] * 4)
    moved = (x + 5, y - 4, w, h)
    of.wait_geometry(app, moved, "five presses of Right and four of Up")

    of.open_options(app, "View")
    expect(not of.checked(app, "check box", "Show date", "Options"), "Show date starts ticked")
    app.key("alt+d")  # Show &date
    app.until(lambda: of.checked(app, "check box", "Show date", "Options"), 3,
               "Show date ticked")
    app.key("alt+a")  # Apply: the clock window shows the dates; the sheet stays open
    app.until(lambda: of.find(app, "push button", "Close", "Options", timeout=0.1), 3,
               "Cancel turned into Close by Apply")

    of.terminate(app)
    of.start(app)
    of.wait_geometry(app, moved, "the place after a restart")
    of.open_options(app, "View")
    expect(of.checked(app, "check box", "Show date", "Options"),
           "Show date is not ticked after a restart")
    of.closes(app, of.OPTIONS)
    listing = [name for name, _ in of.clock_listing(app)]
    expect(listing == ["Local", "City1"], f"the clocks after a restart: {listing}")
    of.finish(app)


flowkit.run(scenario, **of.app_options())
