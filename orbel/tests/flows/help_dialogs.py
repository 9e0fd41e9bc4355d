"""A user asks for help in Convert (N) and in Time in Zone (T): the Help button and F1 open the
help window on that window's page, titled after it, and Escape closes it, back to the window
it was asked from; Escape then closes that window too."""
import flowkit
import orbelflow as of

CONVERT = "The Convert window converts a time"
TIME_IN_ZONE = "The Time in Zone window shows the current time"


def scenario(app):
    of.start(app)
    for key, window, name, words in (("n", of.CONVERT, "Convert", CONVERT),
                                     ("t", of.TIME_IN_ZONE, "Time in Zone", TIME_IN_ZONE)):
        app.key(key)
        of.front(app, window)
        of.help_shows(app, "alt+h", f"Orbel Help > {name}", words, window)
        app.check(f"F1 in {name}",
                  lambda: of.help_shows(app, "F1", f"Orbel Help > {name}", words, window),
                  recover=lambda: of.close_help(app, window))
        of.closes(app, window)
    of.finish(app)


flowkit.run(scenario, **of.app_options())
