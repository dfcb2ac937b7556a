#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# What a screen reader finds in the program, read as Orca reads it: through AT-SPI, over the
# accessibility bus of a private D-Bus session. Runs the real program (already on an X server:
# DISPLAY and a fresh HOME come from lib.sh), walks a whole run with the keyboard and, for each
# window and message box, compares every focusable control's role, name, description and
# labelled-by targets with the tables below; then walks each window's keyboard order and checks
# that every stop has a name a person understands.
# Usage (inside dbus-run-session): atspi_check.py PATH-TO-kq-pregnancy-calendar WORK-FOLDER
# [--dump]: also print every row read.
import os
import re
import signal
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

TITLE = "KQ Rurevir Ivideruzi Zuduzire v1.95"  # every window of the program
BOX_TITLE = "KQ Rurevir Ivideruzi Zuduzire"  # the program's message boxes
WAIT = 20  # seconds for anything to appear on a busy machine

dump = "--dump" in sys.argv
args = [a for a in sys.argv[1:] if a != "--dump"]
program, work = args[0], args[1]
failures = []
processes = []  # (Popen, whole process group?) of everything started here


def note(text):
    print(text, flush=True)


def fail(text):
    note("FAIL: " + text)
    failures.append(text)


def poll(what, test, seconds=WAIT):
    """Calls test() every 0.05 s until it returns something true; fails after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = test()
        except GLib.Error:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(0.05)


# --- processes -----------------------------------------------------------------------------


def start(command, log, group=False):
    process = subprocess.Popen(
        command, stdout=log, stderr=subprocess.STDOUT, start_new_session=group
    )
    processes.append((process, group))
    return process


def stop_all():
    for process, group in reversed(processes):
        if process.poll() is None:
            try:
                if group:
                    os.killpg(process.pid, signal.SIGKILL)
                else:
                    process.kill()
            except ProcessLookupError:
                pass
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass
        if group:  # the bus daemon and the registry the launcher started
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def start_accessibility_bus():
    """The accessibility bus of this session, with the screen-reader flag set as Orca sets it."""
    launcher = "/usr/libexec/at-spi-bus-launcher"
    # Settings from memory: the launcher starts no settings service on the session bus.
    os.environ["GSETTINGS_BACKEND"] = "memory"
    start([launcher, "--launch-immediately"], open(os.path.join(work, "at-spi.log"), "w"), True)
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def launched():  # asked without starting another launcher through D-Bus activation
        reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "NameHasOwner",
                                  GLib.Variant("(s)", ("org.a11y.Bus",)), GLib.VariantType("(b)"),
                                  Gio.DBusCallFlags.NONE, 2000, None)
        return reply.unpack()[0]

    poll("the accessibility bus launcher", launched)

    def bus_address():
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 2000,
                                  None)
        return reply.unpack()[0]

    poll("the accessibility bus", bus_address)
    session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                             GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 2000, None)


# --- the keyboard, as a user presses it (xdotool on the focused X window) -------------------


def xdotool(*words):
    return subprocess.run(["xdotool", *words], capture_output=True, text=True, timeout=15).stdout


def x_window(pid, title):
    """The one visible X window of process pid whose title is exactly title."""
    def one():
        ids = xdotool("search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                      "^" + re.escape(title) + "$").split()
        return ids[0] if len(ids) == 1 else None
    return poll("an X window titled " + title, one)


def keys(window, *presses):
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "--delay", "100", *presses)


# --- reading through AT-SPI -----------------------------------------------------------------

pyatspi = None  # imported once the bus is up


def application(pid):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                # Every read goes to the program: nothing stale from a client-side cache.
                app.set_cache_mask(gi.repository.Atspi.Cache.NONE)
                return app
        return None
    return poll("process %d on the accessibility bus" % pid, find)


def states(obj):
    return obj.getState()


def labelled_by(obj):
    names = []
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return tuple(names)


def window(app, role, name):
    """The showing top-level object of app with this role and name."""
    def find():
        for i in range(app.childCount):
            child = app.getChildAtIndex(i)
            if (child is not None and child.getRoleName() == role and child.name == name
                    and states(child).contains(pyatspi.STATE_SHOWING)):
                return child
        return None
    try:
        return poll("a %s named %r" % (role, name), find)
    except TimeoutError:
        note("    the program shows: %r" % (top_levels(app),))
        raise


def only_window(app, other_than=None):
    """The one top-level object the program shows, once it is not other_than any more."""
    def find():
        showing = [app.getChildAtIndex(i) for i in range(app.childCount)]
        showing = [c for c in showing
                   if c is not None and states(c).contains(pyatspi.STATE_SHOWING)]
        if len(showing) == 1 and (other_than is None or showing[0].path != other_than.path):
            return showing[0]
        return None
    try:
        return poll("one window only", find)
    except TimeoutError:
        note("    the program shows: %r" % (top_levels(app),))
        raise


def top_levels(app):
    """What the program shows, as (role, name) of each showing top-level object."""
    out = []
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and states(child).contains(pyatspi.STATE_SHOWING):
            out.append((child.getRoleName(), child.name))
    return out


def row(obj):
    return (obj.getRoleName(), obj.name, obj.description, labelled_by(obj))


def focusables(win):
    """Every focusable control the window shows, as a row of the tables below, in tree order.
    A list's own drop-down part is reached only through the list."""
    out = []

    def walk(obj):
        s = states(obj)
        if not s.contains(pyatspi.STATE_SHOWING):
            return
        if s.contains(pyatspi.STATE_FOCUSABLE):
            out.append(row(obj))
        if obj.getRole() == pyatspi.ROLE_COMBO_BOX:
            return
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is not None:
                walk(child)

    walk(win)
    return out


def focused(win):
    """The object that has the keyboard focus inside the window, or None."""
    def walk(obj):
        s = states(obj)
        if s.contains(pyatspi.STATE_FOCUSED) and s.contains(pyatspi.STATE_SHOWING):
            return obj
        if obj.getRole() == pyatspi.ROLE_COMBO_BOX:
            return None
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            found = child is not None and walk(child)
            if found:
                return found
        return None
    return walk(win)


def spoken_name(control):
    """The name a screen reader announces: the labels the control is labelled by, then its own
    name where that says something more; a list's own name is its current entry, which comes
    after the role."""
    role, name, _, labels = control
    words = list(labels)
    if name and name not in words and not (labels and role == "combo box"):
        words.append(name)
    return ", ".join(words)


def understandable(control):
    """A name a person understands: not empty, and for a list not just its current entry."""
    role, name, _, _ = control
    spoken = spoken_name(control).strip()
    return bool(spoken) and not (role == "combo box" and spoken == name)


def matches(expected, actual):
    return all(
        (e.fullmatch(a) is not None) if isinstance(e, re.Pattern) else e == a
        for e, a in zip(expected, actual)
    )


def check_table(title, win, expected):
    """The window's role and name, and its focusable controls against the table."""
    note("--- %s: %s %r" % (title, win.getRoleName(), win.name))
    actual = focusables(win)
    if dump:
        for control in actual:
            note("    %r" % (control,))
    unmatched = list(actual)
    for want in expected:
        hit = next((a for a in unmatched if matches(want, a)), None)
        if hit is None:
            fail("%s: nothing focusable reads %r" % (title, want))
        else:
            unmatched.remove(hit)
    for extra in unmatched:
        fail("%s: a focusable control not in the table: %r" % (title, extra))
    for control in actual:
        if not understandable(control):
            fail("%s: a screen reader announces %r as %r" % (title, control,
                                                             spoken_name(control)))


def date_list(win, label):
    """The list a screen reader announces as label (before it had labels: described so)."""
    def walk(obj):
        if obj.getRole() == pyatspi.ROLE_COMBO_BOX:
            return obj if label in (spoken_name(row(obj)), obj.description) else None
        for i in range(obj.childCount):
            found = walk(obj.getChildAtIndex(i))
            if found:
                return found
        return None
    return poll("a list announced as " + label, lambda: walk(win))


def value_becomes(win, label, value, seconds=WAIT):
    poll("%s to read %s" % (label, value), lambda: date_list(win, label).name == value, seconds)


def choose(win, xwin, label, text):
    """Types an entry's text into the focused list, as a user picks a year; typed again when a
    busy machine let the typing pause long enough to start a new search."""
    for attempt in range(3):
        keys(xwin, *text)
        try:
            return value_becomes(win, label, text, 3)
        except TimeoutError:
            if attempt == 2:
                raise


def check_keyboard_order(title, win, xwin, table):
    """Presses Tab from the first stop round to it again: the stops come in the table's order,
    and each has a name a person understands."""
    first = poll(title + ": a focused control", lambda: focused(win))
    stops = [row(first)]
    current = first
    for _ in range(len(table)):
        before = current.path
        keys(xwin, "Tab")

        def moved():
            now = focused(win)
            return now if now is not None and now.path != before else None

        current = poll(title + ": the focus after Tab", moved)
        stops.append(row(current))
    note("    keyboard order: " + " | ".join(spoken_name(s) for s in stops))
    if current.path != first.path:
        fail("%s: %d presses of Tab do not come back to %r" % (title, len(table), stops[0]))
    for want, stop in zip(table, stops):
        if not matches(want, stop):
            fail("%s: the keyboard stops at %r where the table has %r" % (title, stop, want))
    for stop in stops:
        if not understandable(stop):
            fail("%s: the keyboard stops at %r, announced as %r" % (title, stop,
                                                                    spoken_name(stop)))


def check_alert(app, xpid, title, message, table):
    """A message box: announced with its text, its OK button named; Enter closes it."""
    box = window(app, "alert", BOX_TITLE)
    check_table(title, box, table)
    texts = []

    def walk(obj):
        if obj.getRole() == pyatspi.ROLE_LABEL:
            texts.append(obj.name)
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is not None:
                walk(child)
    walk(box)
    if not any(message in text for text in texts + [box.description]):
        fail("%s: the message %r is not read (labels %r)" % (title, message, texts))
    keys(x_window(xpid, BOX_TITLE), "Return")
    poll(title + ": closed", lambda: BOX_TITLE not in [n for _, n in top_levels(app)])


# --- the tables: what a screen reader should find -------------------------------------------
# (role, name, description, labelled-by), in the keyboard order of the window. A list's AT-SPI
# name is its current entry (Qt on Linux); the screen reader announces the label it is labelled
# by, then "combo box", then the entry.

MAIN = [
    ("combo box", "1", "", ("Mother's date of birth, day",)),
    ("combo box", "January", "", ("Mother's date of birth, month",)),
    ("combo box", "1915", "", ("Mother's date of birth, year",)),
    ("combo box", "1", "", ("Date of conception, day",)),
    ("combo box", "January", "", ("Date of conception, month",)),
    ("combo box", "1960", "", ("Date of conception, year",)),
    ("push button", "Get My Baby's Gender", "Predicts the baby's gender from the two dates", ()),
]
# A message box: its text (selectable, so focusable) and its button.
MESSAGE = [
    ("label", re.compile(r".+", re.S), "", ()),
    ("push button", "OK", "", ()),
]
# Born 1980, conceived 1 January 2010: Chinese age 30 (no new-year step in January), lunar
# month 11 of 2009, and the chart's row 30 says "Boy".
RESULT = [
    ("push button", "Back",
     "Mother's Chinese Age is 30. Congratulations!! Your Baby is predicted to be a Boy", ()),
]
ABOUT = [
    ("push button", "OK", "Closes the about box", ()),
    ("image", "Application icon", "", ()),
]
REFER = ("Refer A Friend",)
SUPPORT = [
    ("push button", "Exit", "Ends the program", ()),
    ("check box", re.compile(r"Yes, take me to the discussion forum at .+ now"), "", ()),
    ("text", "Your Name", "", REFER),
    ("text", "Your Email Address", "", REFER),
    ("text", "Friend's Name", "", REFER),
    ("text", "Friend's Email Address", "", REFER),
    ("text", "Your Message", "", REFER),
    ("push button", "Refer A Friend Now", "Opens the referral in your web browser", REFER),
]


def run():
    global pyatspi
    start_accessibility_bus()
    import pyatspi as module
    pyatspi = module

    log = open(os.path.join(work, "app-atspi.log"), "w")
    program_process = start([program], log)
    pid = program_process.pid
    app = application(pid)

    # The main window, as it opens.
    main = window(app, "frame", TITLE)
    xmain = x_window(pid, TITLE)
    check_table("main window", main, MAIN)
    check_keyboard_order("main window", main, xmain, MAIN)

    # A second copy is turned away with a message box of its own.
    second = start([program], log)
    check_alert(application(second.pid), second.pid, "second copy's message",
                "Application is already running", MESSAGE)
    second.wait(timeout=WAIT)

    # Conceived in March 1960: the mother's Chinese age is 46, and the age message comes up.
    # The keyboard walk has brought the focus back to the birth day.
    keys(xmain, "Tab", "Tab", "Tab", "Tab", "m")
    value_becomes(main, "Date of conception, month", "March")
    keys(xmain, "Tab", "Tab", "Return")
    check_alert(app, pid, "age message", "Mother's Age Must Be Between 18 to 45 at Time Of "
                "Conception !", MESSAGE)

    # 31 April: the date check's message; the focus goes to the conception day.
    keys(xmain, "shift+Tab", "shift+Tab", "a", "shift+Tab", "End")
    value_becomes(main, "Date of conception, month", "April")
    value_becomes(main, "Date of conception, day", "31")
    keys(xmain, "Tab", "Tab", "Tab", "Return")
    check_alert(app, pid, "date message", "Please Enter Correct Date Of of Conception !", MESSAGE)
    xdotool("windowfocus", "--sync", xmain)
    after = poll("the focus after the date message", lambda: focused(main))
    if spoken_name(row(after)) != "Date of conception, day":
        fail("after the date message the focus is on %r" % (row(after),))

    # Born in 1980, conceived on 1 January 2010: the result window.
    keys(xmain, "Home", "Tab", "Home", "Tab")
    choose(main, xmain, "Date of conception, year", "2010")
    keys(xmain, "shift+Tab", "shift+Tab", "shift+Tab")
    choose(main, xmain, "Mother's date of birth, year", "1980")
    value_becomes(main, "Date of conception, day", "1")
    value_becomes(main, "Date of conception, month", "January")
    keys(xmain, "Tab", "Tab", "Tab", "Tab", "Return")
    result = only_window(app, main)
    if (result.getRoleName(), result.name) != ("frame", TITLE):
        fail("the result window reads as %r %r" % (result.getRoleName(), result.name))
    xresult = x_window(pid, TITLE)
    xdotool("windowfocus", "--sync", xresult)
    check_table("result window", result, RESULT)
    first = poll("the focus in the result window", lambda: focused(result))
    if first.name != "Back":
        fail("the result window opens with the focus on %r, not Back" % (row(first),))

    # Help > About Software, from the result window; Esc closes it.
    keys(xresult, "alt+h", "a")
    about = window(app, "dialog", TITLE)
    xabout = poll("the about box's X window",
                  lambda: (lambda ids: ids[0] if len(ids) == 1 else None)(
                      [w for w in xdotool("search", "--all", "--onlyvisible", "--pid", str(pid),
                                          "--name", "^" + re.escape(TITLE) + "$").split()
                       if w != xresult]))
    xdotool("windowfocus", "--sync", xabout)
    check_table("about box", about, ABOUT)
    check_keyboard_order("about box", about, xabout, ABOUT)
    keys(xabout, "Escape")
    poll("the about box to close", lambda: ("dialog", TITLE) not in top_levels(app))

    # File > Exit: the support window, announced as a window with the full title.
    keys(xresult, "alt+f", "x")
    support = only_window(app, result)
    if (support.getRoleName(), support.name) != ("frame", TITLE):
        fail("the support window reads as %r %r, not as a frame with the program's title"
             % (support.getRoleName(), support.name))
    xsupport = x_window(pid, TITLE)
    xdotool("windowfocus", "--sync", xsupport)
    # Active, as a screen reader learns when a window comes up and announces it.
    poll("the support window to read as active",
         lambda: states(support).contains(pyatspi.STATE_ACTIVE))
    check_table("support window", support, SUPPORT)
    check_keyboard_order("support window", support, xsupport, SUPPORT)

    # The untouched form: the support window's own message box.
    keys(xsupport, "alt+n")
    check_alert(app, pid, "referral message", "Please Enter Proper Email Address", MESSAGE)

    keys(xsupport, "alt+x")
    try:
        status = program_process.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        fail("the program did not end after the support window's Exit")
    else:
        if status != 0:
            fail("the program ended with status %d" % status)


try:
    run()
except TimeoutError as waited:
    fail("waited in vain for %s" % waited)
finally:
    stop_all()

if failures:
    sys.exit(1)
note("every window reads as its table says")
