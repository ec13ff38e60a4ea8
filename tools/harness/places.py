"""The window's places in pixels, as tools/window_places prints them from the window's design."""
import collections
import subprocess


class Place(collections.namedtuple("Place", "left top width height x y")):
    """A place in the window: its box, and (x, y), its centre."""

    @property
    def centre(self):
        return self.x, self.y


def read_places(program):
    """Each place by its name, from the output of window_places (program)."""
    lines = subprocess.run([program], stdout=subprocess.PIPE, text=True, check=True).stdout
    return {name: Place(*map(int, numbers))
            for name, *numbers in (line.split() for line in lines.splitlines())}
