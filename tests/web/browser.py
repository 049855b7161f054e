"""What the page's tests ask of a browser, whichever engine it is."""
import time
import unittest


class Unsupported(unittest.SkipTest):
    """Something an engine's WebDriver cannot give a test: the row that needs
    it is reported as skipped, with this reason."""


# Resolves once the page's calculator has started, or after 10 s.
WAIT_UNTIL_STARTED = '''
    const [done, deadline] = [arguments[0], performance.now() + 10000];
    const look = () => document.querySelector('main')?.ariaBusy && performance.now() < deadline
        ? setTimeout(look, 10) : done();
    look();'''

# The middle of an element, in the viewport's CSS pixels: where a click
# lands, also on a disabled button. WebKit leaves the window's zoom out of
# the rectangles inside it, so the point that hits the element is taken.
CENTRE_OF = '''
    const e = document.querySelector(arguments[0]);
    e.scrollIntoView({ block: 'nearest' });
    const r = e.getBoundingClientRect();
    const fit = parseFloat(document.getElementById('frame')?.style.getPropertyValue('--fit'));
    for (const zoom of [1, fit || 1]) {
        const [x, y] = [(r.left + r.width / 2) * zoom, (r.top + r.height / 2) * zoom];
        if (e.contains(document.elementFromPoint(x, y)))
            return [Math.round(x), Math.round(y)];
    }
    throw new Error('no point of ' + arguments[0] + ' can be clicked');'''


def poll(holds, what, seconds=10):
    """Waits until holds() is true, polling every 20 ms for up to seconds."""
    deadline = time.monotonic() + seconds
    while not holds():
        if time.monotonic() > deadline:
            raise AssertionError(f'not within {seconds} s: {what}')
        time.sleep(0.02)
