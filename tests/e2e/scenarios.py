#!/usr/bin/python3
"""The real keywright on its own X display, used as a person would: scenarios.py PROGRAM SOURCE_DIR
WEB_HOST SCENARIO. Each scenario is one run of the program; a failed check ends it non-zero."""

import os
import re
import sys
import time

from Xlib import X
from Xlib.error import XError

from desktop import Desktop, SwayDesktop, read_layout, wait_for, WAIT_S

MAIN = "Norvik Password Generator"
ABOUT = "About " + MAIN
INPUT_ERROR = "Input error"
INTERNAL_ERROR = "Internal Error"
LINK_BLUE = (0, 0, 255)

program, source, host, scenario = sys.argv[1:5]
MAIN_LAYOUT = read_layout(os.path.join(source, "ui/main/MainWindowLayout.cpp"))
ABOUT_LAYOUT = read_layout(os.path.join(source, "ui/about/AboutDialogLayout.cpp"))
HOME, HELP = host + "/keywright/", host + "/keywright/help/"


def band(layout, name, left=0, right=None):
    """The strip of a window where a one-line control's text lies, across the given columns."""
    _, top, width, height = layout[name]
    return left, top - 2, (right or 399) - left, height + 4


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def matches(pattern, text):
    check(re.fullmatch(pattern, text), "%r does not match %s" % (text, pattern))


class Run:
    def __init__(self, desktop):
        self.d = desktop
        self.main = desktop.start()

    def control(self, name):
        return MAIN_LAYOUT[name]

    def click(self, name):
        self.d.click_rect(self.main, self.control(name))

    def text_of(self, name):
        """A text box's text, as a person copies it: click, select all, copy."""
        self.d.xclip_clear()
        self.click(name)
        self.d.key("ctrl+a", "ctrl+c")
        return self.d.clipboard()

    def set_text(self, name, text):
        self.click(name)
        self.d.key("ctrl+a", "BackSpace")
        if text:
            self.d.type(text)

    def output_pixels(self):
        return self.d.pixels(self.main, self.control("txtGeneratedPwd"))

    def box(self, title, close_key="Return"):
        """Waits for a box over the main window and closes it as a person would."""
        box = self.d.wait_window(title)
        titles = self.d.titles()
        check(titles.index(title) > titles.index(MAIN), "%s lies under the window" % title)
        self.d.key(close_key)
        self.d.wait_gone(title)
        self.d.focus(self.main)
        return titles

    def links(self, window, strip, address):
        """Clicks a link at both ends of its visible text; the browser gets the address each time."""
        first, last, row = self.d.text_span(window, strip, LINK_BLUE)
        before = len(self.d.browser_runs())
        for x in (first + 1, last - 1):
            self.d.click(window, x, row)
        wait_for("the browser to get %s twice" % address,
                 lambda: self.d.browser_runs()[before:] == [address, address])

    def exit_code(self):
        return self.d.process.wait(WAIT_S)


def main_window(run):
    d, main = run.d, run.main
    check(d.titles() == [MAIN], "start-up shows only the main window: %s" % d.titles())
    check(d.geometry(main)[2:] == (399, 269), "size %s" % (d.geometry(main)[2:],))
    hints = main.get_wm_normal_hints()
    check((hints.min_width, hints.min_height, hints.max_width, hints.max_height) ==
          (399, 269, 399, 269), "the window can be resized")
    motif = d.prop(main, "_MOTIF_WM_HINTS")
    check(motif[0] & 1 and not motif[1] & (8 | 16 | 32), "title bar buttons: %s" % motif)
    generate = run.control("cmdGenerate")
    default_look = d.pixels(main, generate)

    # The tab order, walked with the keyboard from the mask box where the focus starts.
    d.type("@@@-@@@")
    d.key("Tab", "ctrl+a")
    d.type("6")
    d.key("Tab")
    d.type("P<")
    d.key("Tab")
    d.type(">S")
    d.key(*["Tab"] * 5, "space")  # types, cases, output box, About: Generate
    matches(r"P<[A-Za-z0-9]{3}-[A-Za-z0-9]{3}>S", run.text_of("txtGeneratedPwd"))
    d.key("Tab", "Tab", "Tab", "Tab", "ctrl+a")  # About, Generate, Exit, back to the mask box
    d.type("@@-@@@@")
    check(d.pixels(main, generate) == default_look, "Generate lost its default-button look")
    d.key("Return")
    matches(r"P<[A-Za-z0-9]{2}-[A-Za-z0-9]{4}>S", run.text_of("txtGeneratedPwd"))

    # Numbers only, lower case, at their visible places.
    run.click("optPwdTypes(1)")
    run.set_text("txtMasks", "")
    run.set_text("txtprefix", "")
    run.set_text("txtSuffix", "")
    run.click("cmdGenerate")
    matches(r"[0-9]{6}", run.text_of("txtGeneratedPwd"))
    run.click("optPwdTypes(0)")
    frame_left, frame_top = run.control("frPwdCase")[:2]
    x, y, w, h = run.control("optAlphaCases(0)")
    d.click_rect(main, (frame_left + x, frame_top + y, w, h))
    d.key("alt+g")  # let go a moment later
    wait_for("lower-case letters", lambda: re.fullmatch(r"[a-z]{6}", run.text_of("txtGeneratedPwd")))

    # The Clear link at both ends of its text.
    clear = band(MAIN_LAYOUT, "Label3", 300)
    first, last, row = d.text_span(main, clear, LINK_BLUE)
    for x in (first + 1, last - 1):
        d.key("Return")
        check(run.text_of("txtGeneratedPwd") != "", "no password to clear")
        d.click(main, x, row)
        check(run.text_of("txtGeneratedPwd") == "", "Clear left the password")
    run.links(main, band(MAIN_LAYOUT, "lblURL", 150), HOME)

    # The length check: by Tab, by a click on a button, and before an access key's press.
    for text, leave, corrected in (("abc", ["Tab"], "6"), ("1000", "cmdGenerate", "255"),
                                   ("abc", ["alt+g"], "6"), ("2", ["alt+a"], "4"),
                                   ("abc", ["alt+e"], "6")):
        run.set_text("txtPwdLong", text)
        before = run.output_pixels()
        if isinstance(leave, list):
            d.key(*leave)
        else:
            run.click(leave)
        run.box(INPUT_ERROR)
        check(run.text_of("txtPwdLong") == corrected, "length not corrected to " + corrected)
        # Well past the moment a press by access key is let go.
        check(ABOUT not in d.titles() and run.output_pixels() == before, "the press went on")
    d.key("alt+a")
    run.box(ABOUT, "Escape")
    d.key("alt+e")
    d.wait_gone(MAIN)
    check(run.exit_code() == 0, "exit code")


def about_and_errors(run):
    d, main = run.d, run.main
    # The About dialog, closed in each of the ways a person has.
    for opening, closing in (("click", "OK"), ("alt+a", "Return"), ("click", "Escape"),
                             ("alt+a", "title bar")):
        run.click("cmdAbout") if opening == "click" else d.key(opening)
        about = d.wait_window(ABOUT)
        check(d.titles()[-1] == ABOUT, "About is not on top")
        motif = d.prop(about, "_MOTIF_WM_HINTS")
        check(motif[1] & 32 and not motif[1] & (8 | 16), "About's title bar: %s" % motif)
        if closing == "OK":
            d.click_rect(about, ABOUT_LAYOUT["cmdOK"])
        elif closing == "title bar":
            d.close_request(about)
        else:
            d.key(closing)
        d.wait_gone(ABOUT)
        d.focus(main)
    run.click("cmdAbout")
    about = d.wait_window(ABOUT)
    run.links(about, band(ABOUT_LAYOUT, "lblHelp"), HELP)
    run.links(about, band(ABOUT_LAYOUT, "lblURL", 0, ABOUT_LAYOUT["cmdOK"][0]), HOME)
    d.click_rect(about, ABOUT_LAYOUT["cmdSysInfo"])
    wait_for("the System Info box", lambda: len(d.windows()) == 3)
    d.focus(d.windows()[-1][1])
    d.key("Return")
    wait_for("the System Info box to close", lambda: len(d.windows()) == 2)
    d.focus(about)
    d.click_rect(about, ABOUT_LAYOUT["cmdOK"])
    d.wait_gone(ABOUT)
    d.focus(main)

    # A composition that fails at once: the box lies above the wait message, which stays up
    # until the box is closed.
    for length in ("abc", "", "70000", "1e10"):
        run.set_text("txtPwdLong", length)
        d.key("Return")
        d.wait_window(INTERNAL_ERROR)
        titles = d.titles()
        check(len(titles) == 3 and titles[-1] == INTERNAL_ERROR and titles[0] == MAIN,
              "the wait message covers the box: %s" % titles)
        d.key("Return")
        wait_for("the wait message to go", lambda: d.titles() == [MAIN])
        d.focus(main)

    # The fade-out, watched from outside while nothing else happens.
    run.set_text("txtPwdLong", "6")
    run.click("cmdGenerate")
    x, y, w, h = run.control("Command1")
    left, top = d.geometry(main)[:2]
    click = d.xdotool_start("mousemove", str(left + x + w // 2), str(top + y + h // 2), "click",
                            "1")
    seen, start = [], time.monotonic()
    while time.monotonic() - start < WAIT_S:
        try:
            if main.get_attributes().map_state != X.IsViewable:
                break
            value = d.prop(main, "_NET_WM_WINDOW_OPACITY")
        except XError:  # the window is gone
            break
        alpha = round(value[0] * 255 / 0xFFFFFFFF) if value else 255
        if not seen or seen[-1][1] != alpha:
            seen.append((time.monotonic(), alpha))
    click.wait()
    steps = [alpha for _, alpha in seen if 0 < alpha < 255]
    check(len(steps) >= 8 and all(a in range(5, 231, 25) for a in steps) and
          steps == sorted(steps, reverse=True), "the fade was not seen: %s" % [(round(t - start, 3), a) for t, a in seen])
    check(seen[-1][0] - seen[0][0] >= 0.1, "the fade did not take its time")
    check(run.exit_code() == 0, "exit code")


def output_by_keys(d):  # from the mask box with Tab, copied, and back; not in the selection
    d.key(*["Tab"] * 6, "ctrl+a", "ctrl+c", *["Tab"] * 4)
    password = d.clipboard()
    check(d.clipboard(primary=True) != password, "the password is in the primary selection")
    return password


def sway_keys(run):  # on sway, which takes keys: what the keyboard drives of the X11 scenarios
    d, main = run.d, run.main
    check(d.titles() == [MAIN] and d.geometry(main)[2:] == (399, 269) and
          main["type"] == "floating_con" and main["border"] != "csd", "start-up: %s" % main)
    d.type("@@@-@@@")
    d.key("Tab", "ctrl+a")
    d.type("6")
    d.key(*["Tab"] * 7, "space", "Tab", "Tab", "ctrl+a")  # Generate; Exit, the mask box
    matches(r"[A-Za-z0-9]{3}-[A-Za-z0-9]{3}", output_by_keys(d))
    def box(keys, title):  # over the window, with the keyboard; the wait message no window
        d.key(*keys)
        wait_for(title, lambda: d.focused() == title and d.titles() == [MAIN, title])
        d.key("Return")
        wait_for(title + " to go", lambda: d.titles() == [MAIN] and d.focused() == MAIN)
    d.key("Tab", "ctrl+a")
    d.type("abc")
    box(["Tab"], INPUT_ERROR)
    d.key("shift+Tab", "ctrl+a", "ctrl+c")  # the focus went on to the prefix box
    check(d.clipboard() == "6", "length not corrected: " + d.clipboard())
    d.type("70000")
    box(["Return"], INTERNAL_ERROR)  # Enter presses Generate
    box(["alt+a"], INPUT_ERROR)  # the length is checked before the access key's press
    d.key("alt+a")
    wait_for("About", lambda: d.focused() == ABOUT)
    d.key("Escape")
    wait_for("About to go", lambda: d.focused() == MAIN)
    x, y = d.geometry(main)[:2]  # Exit fades the window out, quietly
    seen, exit_keys = [d.shade(x + 5, y + 5)], d.key_start("alt+e")
    while MAIN in d.titles():
        seen += [d.shade(x + 5, y + 5)]
    exit_keys.wait()
    shades = list(dict.fromkeys(seen))
    check(run.exit_code() == 0 and "opacity" not in d.stderr() and len(shades) > 2 and
          shades == sorted(shades, reverse=True), "%s %s" % (shades, d.stderr()))


def sway_frame(run):  # sway leaving the frame to the program (border csd): the program's own bar
    d, main = run.d, run.main
    def bar(window, client):  # its size, and whether its right end shows any button
        x, y, w, h = d.geometry(window)
        rows = d.pixels(window, (w - 90, 4, 84, h - client - 8)) if 8 < h - client < 60 else []
        return w, h - client, any(len(set(row)) > 1 for row in rows)
    def settled(window, client, wanted):  # the bar takes the frame's place after the first paint
        seen = []
        try:
            wait_for("the bar", lambda: seen.append(bar(window, client)) or wanted(*seen[-1]))
        except AssertionError:
            pass
        return seen[-1]
    width, height, buttons = settled(main, 269, lambda w, h, b: w == 399 and 8 < h < 60 and not b)
    check(width == 399 and 8 < height < 60 and not buttons, "main bar %s %s" % (height, buttons))
    d.type("@@@-@@@")
    d.key("Return")
    matches(r"[A-Za-z0-9]{3}-[A-Za-z0-9]{3}", output_by_keys(d))
    d.key("alt+a")
    about = wait_for("About", lambda: next((n for t, n in d.windows() if t == ABOUT), None))
    about_bar = settled(about, 182, lambda *b: b == (382, height, True))
    check(about_bar == (382, height, True), "About bar: %s" % (about_bar,))
    d.key("Escape")
    wait_for("About to go", lambda: d.focused() == MAIN)
    d.key("alt+e")
    check(run.exit_code() == 0, "exit code")


if __name__ == "__main__":
    desktop = (SwayDesktop if scenario.startswith("sway_") else Desktop)(program)
    try:
        {"main_window": main_window, "about_and_errors": about_and_errors,
         "sway_keys": sway_keys, "sway_frame": sway_frame}[scenario](Run(desktop))
    finally:
        desktop.close()
    print("PASS", scenario)
