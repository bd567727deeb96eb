"""A pupil with a screen reader: the program driven over AT-SPI alone, as
Orca would drive it. No mouse and no keyboard.

Usage: screen_reader.py PROGRAM
"""

import sys
import warnings

from desktop import BOX_TITLE, Atspi, Program, expect, run_tests, wait_until

program_path = sys.argv[1]


def press(accessible):
    # get_action_name is deprecated, but Qt's bridge answers only it, not
    # the localized name.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [Atspi.Action.get_action_name(accessible, i) for i in range(Atspi.Action.get_n_actions(accessible))]
    expect("Press" in names, "%r offers no Press action, only %r" % (accessible.get_name(), names))
    Atspi.Action.do_action(accessible, names.index("Press"))


def ferric_by_screen_reader():
    program = Program(program_path)
    try:
        picture = program.find("frame", "Chemicals") or program.find("panel", "Chemicals")
        expect(picture is not None, "the picture has no accessible name")
        ferric = program.find("push button", "Ferric")
        expect(ferric is not None, "no button named Ferric")
        expect(ferric.get_description() == "Shows the symbol and valency of the Ferric ion",
               "Ferric is described as %r" % ferric.get_description())
        press(ferric)

        # Each box in turn: wait until one says something new, hear it, press
        # its OK. A closing box may still be listed for a moment.
        heard = []
        for _ in range(3):
            last = heard[-1] if heard else None
            alert, text = wait_until(lambda: next((a for a in program.alerts() if a[1] != last), None), 5,
                                     "a new message box on the accessibility bus (heard so far: %r)" % heard)
            heard.append(text)
            ok = wait_until(lambda: program.find("push button", "OK", root=alert), 5, "the box's OK button")
            press(ok)
        expect(heard == ["Special Property:It has variable Valency", "Chemical Name:Fe", "Valency=Fe^3+"],
               "a screen reader heard %r" % heard)
        wait_until(lambda: not program.boxes(), 5, "the last box to close")
    finally:
        program.stop()


sys.exit(run_tests([("Ferric over AT-SPI", ferric_by_screen_reader)]))
