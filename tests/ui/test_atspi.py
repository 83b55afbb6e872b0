#!/usr/bin/python3
# Korvo as a screen reader meets it: the real binary under a private X server with the accessibility
# bus, read and driven through AT-SPI (pyatspi) only. Every control that takes the keyboard has a name
# and a role; pressing a profile's button through its accessible action applies it on the test bed's
# adapter, the outcome is announced, and the button's mark arrives as its description.
#
#   test_atspi.py KORVO_BINARY SCRIPTS_FOLDER     exit 0 passed, 1 failed, 77 skipped
import importlib.util
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
KORVO, SCRIPTS = sys.argv[1], sys.argv[2]
TITLE = "Korvo  Version"
PROFILE = "A11y static"
ADDRESS = "192.0.2.10"

# Controls whose names say what they are, by role (a sample of each pattern).
EXPECTED = [
    ("text", "Profile 1, IP Address"),
    ("text", "Profile 2, Subnet Mask"),
    ("text", "Profile 3, Gateway"),
    ("text", "Profile 4, DNS-Primary"),
    ("text", "Profile 5, WINS-Secondary"),
    ("text", "Profile 6, Button Name"),
    ("list", "Profile 2, Select a Network Interface"),
    ("text", "DHCP, DNS-Secondary"),
    ("list", "DHCP, Select a Network Interface"),
    ("check box", "DNS via DHCP"),
    ("check box", "WINS via DHCP"),
    ("push button", "Minimise"),  # the button and the glyph
    ("push button", "Exit"),
    ("push button", "Save Settings"),
    ("push button", PROFILE),
]


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def fail(why):
    raise AssertionError(why)


if importlib.util.find_spec("pyatspi") is None:
    skip("pyatspi is missing (python3-pyatspi)")
if os.geteuid() != 0:
    skip("needs root (the test bed's network namespace)")
for tool in ("Xvfb", "dbus-daemon", "nsenter"):
    if not shutil.which(tool):
        skip(tool + " is missing")
LAUNCHER = next((p for p in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                 if os.access(p, os.X_OK)), None)
if not LAUNCHER:
    skip("at-spi-bus-launcher is missing (at-spi2-core)")

started = []  # (name, Popen) in start order; ended in reverse, by process id
testbed_ns = None
work = tempfile.mkdtemp(prefix="korvo-atspi-")


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as f:
                    ppid = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(ppid, []).append(int(entry))
            except (OSError, IndexError, ValueError):
                pass
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def teardown():
    for name, proc in reversed(started):
        # What it started itself (the accessibility bus and its registry) goes with it.
        for pid in [proc.pid] + descendants(proc.pid):
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    if testbed_ns:
        subprocess.run([SCRIPTS + "/testbed", "stop", testbed_ns], stdout=subprocess.DEVNULL)
    shutil.rmtree(work, ignore_errors=True)


def start(name, args, **kw):
    proc = subprocess.Popen(args, **kw)
    started.append((name, proc))
    return proc


def settings_file():
    lines = [""] * 129
    profile1 = [ADDRESS, "255.255.255.0", "192.0.2.1", "", "", "", "", PROFILE, "veth0"]
    lines[0:9] = profile1
    for k in range(2, 7):
        lines[20 * (k - 1) + 7] = "-"
    lines[39] = "1"  # terms accepted
    lines[120:126] = ["DHCP", "DHCP", "DHCP", "DHCP", "1", "1"]
    lines[126] = "veth0"
    path = os.path.join(work, "Korvo.ini")
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")
    return path


def main():
    global testbed_ns
    env = {"PATH": "/usr/bin:/bin:/usr/sbin:/sbin", "HOME": work, "XDG_RUNTIME_DIR": work,
           "XDG_CONFIG_HOME": work}

    # The private session bus, and on it the accessibility bus that Qt's bridge and pyatspi look up.
    bus = start("session bus", ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                stdout=subprocess.PIPE, env=env)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    # -noreset: a reset (the last client leaving) would write the display number again, into a closed pipe.
    read, write = os.pipe()
    start("X server", ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
           "-noreset"],
          pass_fds=(write,), stderr=subprocess.DEVNULL, env=env)
    os.close(write)
    # Xvfb writes the number, then a newline: the pipe stays open until both are in.
    with os.fdopen(read) as numbers:
        display = numbers.readline().strip()
    if not display:
        fail("Xvfb did not start")
    env["DISPLAY"] = ":" + display
    start("accessibility bus", [LAUNCHER, "--launch-immediately"], env=env, stderr=subprocess.DEVNULL)
    os.environ.update(env)

    out = subprocess.run([SCRIPTS + "/testbed", "start", "--adapters", "1", "--watch", str(os.getpid())],
                         stdout=subprocess.PIPE, text=True, check=True).stdout
    bed = dict(re.findall(r'^(\w+)="?([^"\n]*)"?$', out, re.M))
    testbed_ns = bed["NS"]

    import pyatspi
    from gi.repository import GLib

    heard = []

    def hear(event):
        try:
            heard.append((event.type, event.source.getRoleName(), event.source.name, event.source.description))
        except Exception:  # gone meanwhile
            pass

    pyatspi.Registry.registerEventListener(hear, "object:state-changed:showing",
                                           "object:property-change:accessible-description")

    def wait_for(what, seconds=20):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while GLib.MainContext.default().iteration(False):
                pass
            found = what()
            if found:
                return found
            time.sleep(0.05)
        return None

    sanitizers = {k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")}
    korvo = start("korvo", [KORVO, "--settings", settings_file()], env=dict(
        env, DBUS_SYSTEM_BUS_ADDRESS=bed["BUS"], QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
        **sanitizers))

    def app():
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.get_process_id() == korvo.pid:
                return a
        return None

    def walk(node):
        yield node
        for child in node:
            if child is not None:
                yield from walk(child)

    def find(role, name, under=None):
        root = under or app()
        if root is None:
            return None
        for node in walk(root):
            if node.getRoleName() == role and node.name == name:
                return node
        return None

    def press(node):
        action = node.queryAction()
        names = [action.getName(i).lower() for i in range(action.nActions)]
        if "press" not in names:
            fail("%s %r has no press action: %s" % (node.getRoleName(), node.name, names))
        action.doAction(names.index("press"))

    # The Settings page makes its controls when first shown: open it as a screen reader would.
    if not wait_for(lambda: find("page tab", "Settings")):
        fail("Korvo's window did not reach the accessibility bus")
    press(find("page tab", "Settings"))
    if not wait_for(lambda: find("text", "DHCP, WINS-Secondary")):
        fail("the Settings page's controls did not appear")

    nameless = []
    focusable = 0
    for node in walk(app()):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            press_action = node.queryAction()
            if "press" not in [press_action.getName(i).lower() for i in range(press_action.nActions)]:
                nameless.append("push button %r without a press action" % node.name)
        if node.getState().contains(pyatspi.STATE_FOCUSABLE):
            focusable += 1
            if not node.name.strip() or node.getRole() in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID,
                                                            pyatspi.ROLE_FILLER):
                nameless.append("%s %r in %s %r" % (node.getRoleName(), node.name, node.parent.getRoleName(),
                                                     node.parent.name))
    if nameless:
        fail("focusable controls without a name or role: " + ", ".join(nameless))
    if focusable < 60:
        fail("only %d focusable controls found" % focusable)
    for role, name in EXPECTED:
        if not find(role, name):
            fail("no %s named %r" % (role, name))

    # Apply profile 1 from the Main page through its button's action.
    press(find("page tab", "Main"))
    button = find("push button", PROFILE)
    if button.description != "Applies Profile 1 to veth0.":
        fail("the apply button describes itself as %r" % button.description)
    press(button)
    outcome = wait_for(lambda: find("dialog", "Configuration Applied"), 60)
    if not outcome:
        fail("no applying window showed \"Configuration Applied\"")
    said = "IP Address: %s" % ADDRESS
    if said not in outcome.description:
        fail("the applying window's description lacks %r: %r" % (said, outcome.description))
    if not wait_for(lambda: any(e[0] == "object:state-changed:showing" and e[1] == "alert" and said in e[2]
                                for e in heard)):
        fail("no alert with the outcome was announced; heard %r" % heard)
    addresses = subprocess.run([SCRIPTS + "/testbed", "exec", testbed_ns, "ip", "-4", "addr", "show", "veth0"],
                               stdout=subprocess.PIPE, text=True, check=True).stdout
    if "inet %s/24" % ADDRESS not in addresses:
        fail("veth0 did not get %s/24: %s" % (ADDRESS, addresses))
    # The mark of the profile in effect reaches the screen reader as the button's new description.
    if not wait_for(lambda: any(e == ("object:property-change:accessible-description", "push button", PROFILE,
                                      "Applies Profile 1 to veth0. In effect now.") for e in heard)):
        fail("the mark did not arrive as a description change; heard %r" % heard)
    print("PASS: %d focusable controls named; profile applied through AT-SPI" % focusable)


# CTest's timeout and a Ctrl-C end the test through its teardown too.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
try:
    main()
except AssertionError as e:
    print("FAIL: %s" % e)
    sys.exit(1)
finally:
    teardown()
