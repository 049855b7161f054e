"""What the page's tests ask of a browser, whichever engine it is."""
import io
import time
import unittest

from PIL import Image


class Unsupported(unittest.SkipTest):
    """Something an engine's WebDriver cannot give a test: the row that needs
    it is reported as skipped, with this reason."""


# Resolves to true once the page's calculator has started, to false if it
# has not within 20 s.
WAIT_UNTIL_STARTED = '''
    const [done, deadline] = [arguments[0], performance.now() + 20000];
    const look = () => !document.querySelector('main')?.ariaBusy ? done(true)
        : performance.now() < deadline ? setTimeout(look, 10) : done(false);
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


# Run before each page's own scripts where an engine can: notes every load
# that the page's security policy blocked, which no request log shows.
NOTE_BLOCKED_LOADS = '''
    window.blockedLoads = [];
    document.addEventListener('securitypolicyviolation', (e) => blockedLoads.push(e.blockedURI), true);'''


def poll(holds, what, seconds=10):
    """Waits until holds() is true, polling every 20 ms for up to seconds."""
    deadline = time.monotonic() + seconds
    while not holds():
        if time.monotonic() > deadline:
            raise AssertionError(f'not within {seconds} s: {what}')
        time.sleep(0.02)


class Browser:
    """What the page's tests ask of a browser. Each engine adds how it
    drives one (navigate, js, js_async, keys, chord, click_at, prompt,
    answer, windows, current_window, switch_to, screen) and overrides what
    its driver can do beyond these."""
    name = ''
    clipboard_line_end = '\r\n'  # the lines the page copies, as the clipboard holds them

    def open(self, page):
        """Opens the page and waits until its calculator has started."""
        self.navigate(page)
        if not self.js_async(WAIT_UNTIL_STARTED):
            raise AssertionError(f'{self.name}: the page\'s calculator has not started within 20 s')

    def centre(self, selector):
        """Where a click on the element lands, on the screen."""
        return self.js(CENTRE_OF, selector)

    def click(self, selector):
        self.click_at(*self.centre(selector))

    def tap(self, selector):
        """A finger's tap on the element."""
        self.tap_at(*self.centre(selector))

    def screenshot(self):
        """What the page shows, as an RGB picture."""
        return Image.open(io.BytesIO(self.screenshot_png())).convert('RGB')

    def tap_at(self, x, y):
        raise Unsupported(f'{self.name}: its WebDriver cannot tap with a finger')

    def requests(self):
        """The addresses the page has asked for since it was opened, blocked
        ones included."""
        return self.requested() + self.js('return blockedLoads')

    def requested(self):
        raise Unsupported(f'{self.name}: its WebDriver reports no requests')

    def asks_before_leaving(self, leave):
        """Whether the browser asks the user before leave() takes the page away."""
        raise Unsupported(f'{self.name}: its WebDriver cannot tell whether the browser asks before leaving a page')

    def keys_on_a_button(self, *keys):
        self.keys(*keys)

    def set_clipboard(self, text):
        self.js('return navigator.clipboard.writeText(arguments[0])', text)

    def clipboard(self):
        return self.js_async('navigator.clipboard.readText().then(arguments[0])')

    def let_the_page_read_the_clipboard(self):
        pass

    def keep_a_tab_the_user_opened(self):
        pass  # as the browser does, whatever its page asks

    def press_placed(self, code, key, virtual_key, ctrl=False):
        raise Unsupported(f'{self.name}: WebDriver sends keys of a US keyboard only, not {key!r} at {code}')

    def open_with(self, page, script):
        """Opens the page with script run before the page's own (as a policy
        that takes something away from pages would)."""
        raise Unsupported(f'{self.name}: its WebDriver runs no script before the page\'s own')

    def refuse_clipboard_reading(self):
        raise Unsupported(f'{self.name}: its WebDriver cannot refuse the clipboard to the page')

    def prefer_dark(self, dark):
        raise Unsupported(f'{self.name}: its WebDriver cannot ask for a dark colour scheme')

    def touch(self, on):
        if on:
            raise Unsupported(f'{self.name}: its WebDriver cannot emulate a touch screen')

    def number_a_download_of_a_name_taken(self):
        raise Unsupported(f'{self.name}: as driven here, it replaces a file of the same name')
