"""A user moves the clock window, which has no frame of the window manager's, with the arrow
keys, one pixel a press, and sizes it with Shift and the arrows. Alt+F4 ends the program;
started again, the window is at the same place, of the same size."""
import flowkit
import orbelflow as of


def scenario(app):
    of.start(app)
    x, y, w, h = of.geometry(app)
    app.key(*["Right"] * 3, *["Down"] * 2)
    of.wait_geometry(app, (x + 3, y + 2, w, h), "three presses of Right and two of Down")
    app.key("Left", "Up", "Up")
    of.wait_geometry(app, (x + 2, y, w, h), "Left and two presses of Up")
    app.key(*["shift+Right"] * 4, "shift+Down", "shift+Up", "shift+Up")
    placed = (x + 2, y, w + 4, h - 1)
    of.wait_geometry(app, placed, "Shift with the arrows")

    of.close(app)
    of.start(app)
    of.wait_geometry(app, placed, "the place and size after a restart")
    of.finish(app)


flowkit.run(scenario, **of.app_options())
