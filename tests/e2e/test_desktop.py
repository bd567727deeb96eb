"""End-to-end: the program in a real X session with a window manager,
driven only by X input events.

Usage: test_desktop.py PROGRAM SCREENSHOT_FOLDER
"""

import os
import subprocess
import sys
import time

from desktop import Program, expect, run, run_tests, wait_until

program_path, screenshots = sys.argv[1], sys.argv[2]
os.makedirs(screenshots, exist_ok=True)

VARIABLE = "Special Property:It has variable Valency"
program = None


def start():
    global program
    if program is None or not program.alive():
        program = Program(program_path)
        program.focus()
    return program


def dismiss_all():
    """Closes any boxes left open, so that one test's failure does not
    spoil the next."""
    for _ in range(10):
        if not program.boxes():
            return
        program.focus(program.boxes()[0])
        program.key("Escape")
        time.sleep(0.1)


def test_window():
    p = start()
    x, y, width, height = p.rect()
    frame = p.find("frame", "Ionvale,1st Edition")
    expect(frame is not None, "no frame named Ionvale,1st Edition on the accessibility bus")
    bar = p.extents(p.find("menu bar"))
    client = p.extents(p.find("filler"))
    expect(client[2:] == (680, 460), "client area below the menu bar is %dx%d, not 680x460" % client[2:])
    expect(client[1] == bar[1] + bar[3], "the client area does not start below the menu bar")
    expect((width, height) == (680, 460 + bar[3]), "window is %dx%d" % (width, height))
    wm_class = run("xprop", "-id", str(p.window), "WM_CLASS")
    expect('"IONVAL~1", "IONVAL~1"' in wm_class, "WM_CLASS is " + wm_class.strip())
    icon = run("xprop", "-id", str(p.window), "_NET_WM_ICON")
    expect("Icon (32 x 32)" in icon, "the window carries no 32x32 icon")
    # Ferric stands at (464, 96) pixels in the picture, inside its 2-pixel border.
    ferric = p.extents("Ferric")
    expect(ferric == (client[0] + 2 + 464, client[1] + 2 + 96, 89, 25), "Ferric is at %s" % (ferric,))
    p.screenshot(os.path.join(screenshots, "start.png"))


def test_ferric_story():
    p = start()
    p.click("Ferric")
    seen = []
    box, text = p.next_box()
    seen.append(text)
    p.screenshot(os.path.join(screenshots, "box.png"))
    p.click(p.ok_button())
    box, text = p.next_box(box)
    seen.append(text)
    box, text = p.answer(box, "Return")
    seen.append(text)
    p.answer_last("Escape")
    expected = [VARIABLE, "Chemical Name:Fe", "Valency=Fe^3+"]
    expect(seen == expected, "Ferric showed %r" % seen)


def test_box_closed_by_window_manager_leads_on():
    p = start()
    p.click("Cupric")
    box, first = p.next_box()
    box, second = p.answer(box, "alt+F4")  # openbox closes the active window
    expect(second == "Chemical Name:Cu", "after the first box was closed, the box said %r" % second)
    box, third = p.answer(box)
    expect(third == "Valency=cu^2+", "the third box said %r" % third)
    p.answer_last()


def test_credits_on_the_bar():
    p = start()
    p.click("Credits")
    box, text = p.next_box()
    expect(text.startswith("Created By "), "Credits showed %r" % text)
    box, text = p.answer(box)
    expect(text.startswith("My E-Mail is "), "Credits' second box showed %r" % text)
    p.answer_last()


def test_window_blocked_while_a_box_is_open():
    p = start()
    hydrogen, help_menu = p.extents("Hydrogen "), p.extents("Help")
    p.click("Potassium")
    box, text = p.next_box()
    windows_before = run("xdotool", "search", "--onlyvisible", "--pid", str(p.pid()), check=False).split()
    p.click_at(hydrogen[0] + 10, hydrogen[1] + 10)
    p.click_at(help_menu[0] + 5, help_menu[1] + 5)
    time.sleep(0.5)
    windows_after = run("xdotool", "search", "--onlyvisible", "--pid", str(p.pid()), check=False).split()
    expect(p.boxes() == [box], "another box opened: %r" % p.boxes())
    expect(sorted(windows_after) == sorted(windows_before), "a menu or window opened while the box was open")
    expect(p.box_text() == "Chemical Name:K", "the open box changed to %r" % p.box_text())
    p.focus(box)
    box, text = p.answer(box)
    expect(text == "Valency=k^1+", "Potassium's second box said %r" % text)
    p.answer_last()


def test_note_submenu_screenshot():
    p = start()
    p.click("Note")
    time.sleep(0.3)
    p.click("Chemicals Having Variable Valency")
    wait_until(lambda: p.find("menu item", "Manganese") and p.find("menu item", "Manganese").get_state_set()
               .contains(__import__("gi").repository.Atspi.StateType.SHOWING), 5, "the nine metals")
    time.sleep(0.3)
    p.screenshot(os.path.join(screenshots, "note-menu.png"))
    p.key("Escape", "Escape", "Escape")


def test_resize_moves_nothing():
    p = start()
    x, y, _, _ = p.rect()
    fx, fy, fw, fh = p.extents("Ferric")
    place = (fx - x + fw // 2, fy - y + fh // 2)  # within the window; the window itself may move
    subprocess.run(["xdotool", "windowsize", "--sync", str(p.window), "1000", "700"], check=False)
    wait_until(lambda: p.rect()[2:] == (1000, 700), 5, "the window to be 1000x700")
    x, y, _, _ = p.rect()
    p.click_at(x + place[0], y + place[1])
    box, text = p.next_box()
    box, text = p.answer(box)
    expect(text == "Chemical Name:Fe", "a click at Ferric's old place showed %r" % text)
    p.answer(box)
    p.answer_last()
    p.screenshot(os.path.join(screenshots, "resized.png"))


def test_close_ends_the_program():
    p = start()
    p.focus()
    started = time.monotonic()
    p.key("alt+F4")
    try:
        status = p.wait(timeout=1.0 + 0.5)
    except subprocess.TimeoutExpired:
        p.stop()
        raise AssertionError("the program still ran a second after its window was closed")
    took = time.monotonic() - started
    expect(status == 0, "the program ended with status %d" % status)
    expect(took <= 1.0 + 0.1, "the program took %.2f s to end" % took)


DARK_COLOURS = """[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Window]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=27,30,32
ForegroundNormal=239,240,241
"""


def test_screenshots_at_ratio_2_and_dark():
    """Screenshots for a person to look at: a 200 % scale, and a dark
    desktop colour scheme (as KDE's, which Qt reads by itself)."""
    home = os.path.join(screenshots, "dark-home")
    os.makedirs(os.path.join(home, ".config"), exist_ok=True)
    with open(os.path.join(home, ".config", "kdeglobals"), "w") as colours:
        colours.write(DARK_COLOURS)
    for name, env in (("ratio-2.png", {"QT_SCALE_FACTOR": "2"}),
                      ("dark.png", {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                                    "XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5"})):
        other = Program(program_path, env=env)
        try:
            other.focus()
            other.key("F10", "Left", "Return")  # More, by keys: scaled extents are not to be trusted
            other.next_box()
            time.sleep(0.3)
            other.screenshot(os.path.join(screenshots, name))
            other.key("Return")
        finally:
            other.stop()


def guarded(test):
    def run_one():
        try:
            test()
        finally:
            if program is not None and program.alive():
                dismiss_all()
    return run_one


tests = [(t.__name__, guarded(t)) for t in (
    test_window, test_ferric_story, test_box_closed_by_window_manager_leads_on, test_credits_on_the_bar,
    test_window_blocked_while_a_box_is_open, test_note_submenu_screenshot, test_resize_moves_nothing,
    test_close_ends_the_program, test_screenshots_at_ratio_2_and_dark)]
status = run_tests(tests)
if program is not None:
    program.stop()
    with open(program.stderr_path) as err:
        said = err.read().strip()
    if said:
        print("the program said on stderr:\n" + said)
print("screenshots: " + screenshots)
sys.exit(status)
