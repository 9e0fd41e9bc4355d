"""A user with a tray: V hides the clock window and the icon stays; a double-click on the
icon shows it again, in front; Show in the icon's menu does too. Hidden, Close in the icon's
menu ends the program with status 0; started again it shows no window, only the icon, until
the icon is double-clicked. Close in the menu ends it again."""
import time

import flowkit
import flowkit_tray
import orbelflow as of
from flowkit import expect


def hide(app):
    app.key("v")
    app.wait_gone(of.CLOCKS)
    expect(flowkit_tray.present(app), "the tray icon went with the window")


def from_menu(app, letter):
    of.tray_menu(app)
    app.key(letter)


def scenario(app):
    of.start(app)
    flowkit_tray.icon(app)
    hide(app)
    flowkit_tray.click(app, flowkit_tray.icon(app), repeat=2)
    app.wait_focus(of.CLOCKS)  # shown and brought forward
    hide(app)
    from_menu(app, "w")  # Sho&w
    of.front(app, of.CLOCKS)
    hide(app)
    from_menu(app, "c")  # &Close
    app.wait_exit(status=0)

    app.start()
    icon = flowkit_tray.icon(app)
    time.sleep(0.5)  # a window shown late would show by now
    expect(app.titles() == [], f"started hidden, the program shows {app.titles()}")
    flowkit_tray.click(app, icon, repeat=2)
    app.wait_focus(of.CLOCKS)
    app.answers()
    from_menu(app, "c")
    app.wait_exit(status=0)


flowkit.run(scenario, **of.app_options())
