#!/usr/bin/python3
"""Plays the running game the way a blind player's tools do, over AT-SPI: presses a chip with
its accessible action, plays one whole turn with keys only (sent by xdotool), and checks each
spoken notification: the amounts at the first focus, the chips and their keys after Bet, each
stake, that Spin is back after Done, and after the spin what the labels show. Prints every
event it hears, each step before it. Exit status: 0 passed, 1 failed."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []  # (event type, role, name) in the order they arrived; roles as pyatspi's constants,
# since their names differ between AT-SPI versions ("push button", later "button")
failures = []

CHIPS_OUT = ("Chips shown: the keys 0 to 9, A and B stake the chip with that many zeros"
             " (A ten, B eleven); with Shift held they name it.")
BETTING_OVER = "Betting over. Spin is back."


def fail(what):
    print("FAIL:", what, flush=True)
    failures.append(what)


def on_event(event):
    try:
        role, role_name, name = event.source.getRole(), event.source.getRoleName(), event.source.name
    except Exception:  # the source went away before we asked
        role, role_name, name = None, "?", "?"

    line = f"{event.type} detail1={event.detail1} role={role_name} name={name!r}"
    heard.append((event.type, role, name))
    print("EVENT", line, flush=True)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_window():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "org.example.quorvex":
                for frame in app:
                    if frame is not None and frame.name == "Quorvex!":
                        return frame
        time.sleep(0.1)
    return None


def pump(seconds, until=lambda: False):
    """Lets events arrive for a while, or until the condition holds; returns the condition."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


class Game:
    def __init__(self, window):
        self.window = window
        nodes = list(descendants(window))
        self.by_description = {n.description: n for n in nodes if n.description}
        self.buttons = {n.name: n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        self.chips = {n.name: n for n in nodes if n.name.endswith(("Dollar", "Dollars"))}

    def text(self, description):
        return self.by_description[description].name

    def amounts(self):
        return self.text("Money"), self.text("Stake")

    def focused(self):
        for name, button in self.buttons.items():
            if button.getState().contains(pyatspi.STATE_FOCUSED):
                return name
        return None


def key(*keys, until=None):
    """Types the keys; waits until the condition holds, or a moment when there is none."""
    print("STEP", " ".join(keys), flush=True)
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)
    if until is None:
        pump(0.4)
    elif not pump(10, until):
        fail(f"nothing came of {' '.join(keys)}")


def tab_to(game, name):
    for _ in range(6):
        if game.focused() == name:
            return
        was = game.focused()
        key("Tab", until=lambda: game.focused() != was)
    fail(f"Tab never reached {name} (focus on {game.focused()})")


def action(node, wanted):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    for i, found in enumerate(names):
        if found.lower().replace(" ", "") == wanted.lower():
            return actions, i, names
    return actions, None, names


def notifications_since(mark):
    """What a screen reader that keeps a name until told it changed (Orca does) speaks: each
    showing of the notification, with the name it had at its last name change."""
    said, name = [], None
    for kind, role, text in heard[mark:]:
        if role != pyatspi.ROLE_NOTIFICATION:
            continue
        if kind.startswith("object:property-change:accessible-name"):
            name = text
        elif kind == "object:state-changed:showing":
            said.append(name)
    return said


def told(mark, count):
    """A condition: count notifications heard since the mark."""
    return lambda: len(notifications_since(mark)) >= count


def expect_notifications(mark, expected, what):
    said = notifications_since(mark)
    if said != expected:
        fail(f"{what}: heard {said}, expected {expected}")


def main():
    for kind in ("object:state-changed:showing", "object:state-changed:focused",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    window = find_window()
    if window is None:
        fail("the window never appeared on the accessibility bus")
        return 1
    game = Game(window)
    print("labels:", {d: n.name for d, n in game.by_description.items() if len(d) < 10}, flush=True)
    if len(game.chips) != 12:
        fail(f"found {len(game.chips)} chips, expected 12")
        return 1

    # Without a window manager nothing gives the window the focus before the turn below does.
    greeted_before = window.getState().contains(pyatspi.STATE_ACTIVE)
    end = game.buttons["End"].description
    if end != "Ends the game.":
        fail(f"End is described as {end!r}")

    print("== a chip pressed through its accessible action", flush=True)
    chip = game.chips["One Hundred Dollars"]
    mark = len(heard)
    game.buttons["Bet"].queryAction().doAction(0)
    pump(10, lambda: chip.getState().contains(pyatspi.STATE_SHOWING) and notifications_since(mark))
    expect_notifications(mark, [CHIPS_OUT], "after Bet")
    actions, press, names = action(chip, "press")
    _, show_menu, _ = action(chip, "showmenu")
    print("chip actions:", names, flush=True)
    if press is None or show_menu is None:
        fail(f"the chip offers {names}, expected Press and ShowMenu")
        return 1
    mark = len(heard)
    if not actions.doAction(press):
        fail("doAction(Press) answered false")
    pump(10, lambda: notifications_since(mark))
    if game.amounts() != ("900", "100"):
        fail(f"after Press on One Hundred Dollars: Money, stake = {game.amounts()}, expected 900, 100")
    expect_notifications(mark, ["Money 900, stake 100."], "after Press")
    mark = len(heard)
    game.buttons["Reset"].queryAction().doAction(0)
    pump(10, lambda: notifications_since(mark))
    expect_notifications(mark, [BETTING_OVER + " Reels 0 0 0. Comments. Money 1000, stake 0."],
                         "after Reset")

    print("== one whole turn by keyboard only", flush=True)
    wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvex!$"],
                         capture_output=True, text=True).stdout.split()
    mark = len(heard)
    print("STEP the window takes the focus", flush=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], check=False)
    greeting = [] if greeted_before else ["Money 1000, stake 0."]
    if greeted_before:
        print("NOTE the window had the focus before this test listened: no greeting to hear")
    elif not pump(10, told(mark, 1)):
        fail("nothing was told when the window first took the focus")
    print("-- turn starts", flush=True)
    told_before = len(greeting)
    tab_to(game, "Bet")
    key("space", until=told(mark, told_before + 1))
    key("2", until=told(mark, told_before + 2))
    key("1", until=told(mark, told_before + 3))
    key("0", until=told(mark, told_before + 4))
    if game.amounts() != ("889", "111"):
        fail(f"after keys 2, 1, 0: Money, stake = {game.amounts()}, expected 889, 111")
    tab_to(game, "Done")
    key("space", until=told(mark, told_before + 5))
    tab_to(game, "Spin")
    key("space", until=told(mark, told_before + 6))
    print("-- turn ends", flush=True)
    said = notifications_since(mark)
    reels = " ".join(game.text(f"Reel {i}") for i in (1, 2, 3))
    money, stake = game.amounts()
    comment = game.text("Message")
    spoken = f"Reels {reels}. {comment} Money {money}, stake {stake}."
    expected = greeting + [CHIPS_OUT, "Money 900, stake 100.", "Money 890, stake 110.",
                           "Money 889, stake 111.", BETTING_OVER, spoken]
    if said != expected:
        fail(f"the turn said {said}, expected {expected}")
    if stake != "0":
        fail(f"stake {stake} after the spin")

    print("== Shift with a digit names the chip", flush=True)
    tab_to(game, "Bet")
    key("space", until=lambda: game.buttons["Done"].getState().contains(pyatspi.STATE_SHOWING))
    before = game.amounts()
    named = lambda: any(kind == "object:state-changed:showing" and role == pyatspi.ROLE_LABEL
                        and name == "One Hundred Thousand Dollars" for kind, role, name in heard)
    key("shift+5", until=named)
    closed = len(heard)
    key("Return", until=lambda: any(kind == "object:state-changed:showing" and role != pyatspi.ROLE_LABEL
                                    for kind, role, _ in heard[closed:]))
    if game.amounts() != before:
        fail(f"Shift+5 changed the amounts to {game.amounts()}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
