"""A pupil with a screen reader: the program driven over AT-SPI alone, as
Orca would drive it. No mouse and no keyboard.

Usage: screen_reader.py PROGRAM
"""

import sys

from desktop import BOX_TITLE, Program, expect, run_tests, wait_until

program_path = sys.argv[1]


def press(accessible):
    names = [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]
    expect("Press" in names, "%r offers no Press action, only %r" % (accessible.get_name(), names))
    accessible.do_action(names.index("Press"))


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

        heard = []
        previous = None
        for _ in range(3):
            def new_box():
                alert = program.find("alert", BOX_TITLE)
                return alert if alert is not None and alert != previous else None
            alert = wait_until(new_box, 5, "a message box on the accessibility bus")
            expect(alert.get_name() == BOX_TITLE, "the box is titled %r" % alert.get_name())
            labels = [alert.get_child_at_index(i) for i in range(alert.get_child_count())]
            texts = [label.get_name() for label in labels if label.get_role_name() == "label" and label.get_name()]
            heard.append(texts[0] if texts else None)
            press(program.find("push button", "OK", root=alert))
            wait_until(lambda: not program.boxes() or program.box_text() != heard[-1], 5, "the box to close")
            previous = alert
        expect(heard == ["Special Property:It has variable Valency", "Chemical Name:Fe", "Valency=Fe^3+"],
               "a screen reader heard %r" % heard)
        wait_until(lambda: not program.boxes(), 5, "the last box to close")
    finally:
        program.stop()


sys.exit(run_tests([("Ferric over AT-SPI", ferric_by_screen_reader)]))
