"""A user starts the world clock on a settings file that is damaged: a message box says so
and that the program will close; Return closes it and the program ends with status 1, the
file kept aside byte for byte. Started again, the program runs with the default clocks."""
import glob
import os

import flowkit
import orbelflow as of
from flowkit import expect

DAMAGED = b"\x01\x02not a settings file\xff" * 4


def scenario(app):
    settings = os.path.join(app.data, "Orbel.dat")
    with open(settings, "wb") as f:
        f.write(DAMAGED)
    flowkit.step("start on a damaged settings file")
    app.start()
    box = of.title("Orbel")
    app.wait_window(box)
    node = next((n for role, name, n in app.a11y_windows() if role == "alert"), None)
    expect(node is not None, f"no message box in the accessibility tree: {app.a11y_windows()}")
    text = " ".join(of.texts_of(node))
    expect("Orbel.dat has a bad format." in text and "Orbel will now close." in text and
           "start fresh with default settings" in text, f"the message says {text!r}")
    app.key("Return")
    app.wait_exit(status=1)

    expect(not os.path.exists(settings), "the damaged file is still in the settings' place")
    kept = [p for p in glob.glob(os.path.join(app.data, "Orbel.dat*")) if p != settings]
    expect(len(kept) == 1, f"the damaged file is not kept aside once: {os.listdir(app.data)}")
    with open(kept[0], "rb") as f:
        expect(f.read() == DAMAGED, f"{os.path.basename(kept[0])} is not the damaged file")

    of.start(app)
    listing = [name for name, _ in of.clock_listing(app)]
    expect(listing == ["Local", "City1"], f"a fresh start lists the clocks {listing}")
    of.finish(app)


flowkit.run(scenario, **of.app_options())
