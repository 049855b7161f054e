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
        self.js_async(WAIT_UNTIL_STARTED)

    def click(self, selector):
        self.click_at(*self.js(CENTRE_OF, selector))

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

    def press_placed(self, code, key, virtual_key):
        raise Unsupported(f'{self.name}: WebDriver sends keys of a US keyboard only, not {key!r} at {code}')

    def refuse_clipboard_reading(self):
        raise Unsupported(f'{self.name}: its WebDriver cannot refuse the clipboard to the page')

    def prefer_dark(self, dark):
        raise Unsupported(f'{self.name}: its WebDriver cannot ask for a dark colour scheme')

    def touch(self, on):
        if on:
            raise Unsupported(f'{self.name}: its WebDriver cannot emulate a touch screen')

    def number_a_download_of_a_name_taken(self):
        raise Unsupported(f'{self.name}: as driven here, it replaces a file of the same name')
