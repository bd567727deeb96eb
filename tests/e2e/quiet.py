"""The program writes nothing and sends nothing: a scripted session under
strace, with HOME and the XDG folders pointed at an empty folder.

It may open files for reading, and connect only to the X display, the
session bus and the accessibility bus it names. glibc may also try its
name-service cache (nscd) when a library looks up the user's own account;
that socket is local to the machine and nothing leaves it.

Qt looks in the session's runtime folder (XDG_RUNTIME_DIR) for a Wayland
socket at start, and where that variable is unset it creates a folder of its
own in /tmp to look in. Every desktop session sets it to a private folder
that exists, so the test session does too (scripts/desktop-session); then Qt
only reads. Fontconfig writes no cache: the system's caches are current.

Usage: quiet.py PROGRAM
"""

import os
import re
import sys
import tempfile
import time

from desktop import Program, expect, run, run_tests

program_path = sys.argv[1]
WRITING = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC")
CHANGING = re.compile(r"^(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|creat|truncate|symlink|link)\(")


def bus_path(address):
    """The socket of a D-Bus address such as unix:path=/tmp/dbus-x,guid=..."""
    match = re.search(r"(path|abstract)=([^,;]+)", address or "")
    if not match:
        return None
    return ("@" if match.group(1) == "abstract" else "") + match.group(2)


def quiet():
    folder = tempfile.mkdtemp()
    home = os.path.join(folder, "home")
    os.mkdir(home)
    env = {"HOME": home}
    for name in ("CONFIG", "CACHE", "DATA", "STATE"):
        env["XDG_%s_HOME" % name] = os.path.join(folder, name.lower())
    log = os.path.join(folder, "strace.log")
    calls = "open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat," \
            "truncate,symlink,link,socket,connect,bind,sendto"
    program = Program(program_path, env=env, wrapper=("strace", "-f", "-qq", "-e", "trace=" + calls, "-o", log))
    try:
        program.focus()
        program.click("Ferric")
        box, _ = program.next_box()
        for _ in range(2):
            box, _ = program.answer(box)
        program.answer_last()
        program.click("Note")
        time.sleep(0.3)
        program.key("Escape")
        program.click("More")
        program.next_box()
        program.answer_last()
        program.focus()
        program.key("alt+F4")
        expect(program.wait(timeout=5) == 0, "the program did not end cleanly")
    finally:
        program.stop()

    display = os.environ["DISPLAY"].lstrip(":").split(".")[0]
    allowed = {"/tmp/.X11-unix/X" + display, "@/tmp/.X11-unix/X" + display,
               bus_path(os.environ.get("DBUS_SESSION_BUS_ADDRESS")),
               "/var/run/nscd/socket"}
    a11y = run("dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
               "org.a11y.Bus.GetAddress", check=False).strip()
    allowed.add(bus_path(a11y))

    problems = []
    with open(log) as lines:
        for line in lines:
            call = line.split(None, 1)[1] if " " in line else line
            path = re.search(r'"([^"]*)"', call)
            path = path.group(1) if path else ""
            outside = not (path.startswith("/dev/") or path.startswith("/proc/"))
            # A call that failed (mkdir of a folder that exists, say) wrote nothing.
            succeeded = not re.search(r"= -1 E[A-Z]+", call)
            if call.startswith(("open", "creat")) and WRITING.search(call) and outside and succeeded:
                problems.append("opened for writing: " + call.strip())
            elif CHANGING.match(call) and outside and succeeded:
                problems.append("changed the file system: " + call.strip())
            elif call.startswith("socket(") and "AF_UNIX" not in call:
                problems.append("made a network socket: " + call.strip())
            elif call.startswith(("connect(", "sendto(")) and "sun_path=" in call:
                target = re.search(r'sun_path=(@?)"([^"]*)"', call)
                target = target.group(1) + target.group(2)
                if target not in allowed:
                    problems.append("connected to " + target + ": " + call.strip())
            elif call.startswith(("connect(", "bind(")) and "AF_UNIX" not in call and "sa_family" in call:
                problems.append("used the network: " + call.strip())
    expect(not problems, "\n  ".join(["the program wrote or sent:"] + problems[:20]))
    leftovers = [os.path.join(root, name) for root, _, names in os.walk(folder) for name in names
                 if name != "strace.log"]
    expect(not leftovers, "files appeared in the empty home: %r" % leftovers)


sys.exit(run_tests([("writes nothing and sends nothing", quiet)]))
