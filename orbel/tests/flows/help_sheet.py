"""A user asks for help from the clock window (F1, and Help in the tray icon's menu) and from
each page of the options sheet: F1 opens the help window on that window's page, titled after
it, and Escape closes it; the sheet's Help button does the same. With the sheet up, Help
from the tray icon's menu shows the sheet's page, not the general help."""
import flowkit
import orbelflow as of

# The first words of each help text after its INTRODUCTION heading.
INTRODUCTIONS = {
    "Clocks": "The Clocks page lists the clocks",
    "View": "The View page chooses how",
    "Style": "The Style page chooses the colours",
    "Adjust Time": "The Adjust Time page fetches the exact time",
    "TZI": "The TZI page shows the daylight-saving rules",
}
GENERAL = "Orbel shows any number of clocks side by side"


def scenario(app):
    of.start(app)
    of.help_shows(app, "F1", "Orbel Help", GENERAL, of.CLOCKS)
    of.tray_menu(app)
    of.help_shows(app, "h", "Orbel Help", GENERAL, of.CLOCKS)

    of.open_options(app, "Clocks")
    for page in of.PAGES:
        of.turn_to(app, page)
        of.help_shows(app, "F1", f"Orbel Help > Options > {page}", INTRODUCTIONS[page],
                      of.OPTIONS)
    # The Help button, clicked, on the page shown (TZI).
    of.help_shows(app, lambda: of.press(app, "Help", "Options"), "Orbel Help > Options > TZI",
                  INTRODUCTIONS["TZI"], of.OPTIONS)

    # Help from the tray icon's menu goes to the window in front: the sheet's page.
    of.turn_to(app, "Adjust Time")
    def from_menu():
        of.tray_menu(app)
        of.help_shows(app, "h", "Orbel Help > Options > Adjust Time",
                      INTRODUCTIONS["Adjust Time"], of.OPTIONS)
    app.check("Help from the menu with the sheet up", from_menu,
              recover=lambda: of.close_help(app, of.OPTIONS))
    of.closes(app, of.OPTIONS)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
