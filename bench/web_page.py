#!/usr/bin/python3
"""pirumo.html against a bare page with one label (floor_page.html), both
opened from the disk in headless Chromium, in turn:

- the size of the file;
- the first contentful paint after opening it, and for pirumo.html the
  moment from which a key is handled (its calculator has started);
- from a keystroke (sent through the browser's input pipeline) to the
  changed labels, and to the start of the frame that draws them.

    web_page.py PAGE [RUNS]
"""
import pathlib
import random
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / 'tests' / 'web'))
from chromium import Chromium  # noqa: E402

PAGES = {'pirumo': pathlib.Path(sys.argv[1]).resolve(),
         'floor': pathlib.Path(__file__).resolve().parent / 'floor_page.html'}
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 20
KEYS_PER_RUN = 12

# Notes each keystroke's time and, at the first change to the page after it,
# that moment and the start of the next frame.
WATCH_KEYS = '''
    window.delays = { changed: [], frame: [] };
    let pressed = null;
    addEventListener('keydown', (event) => { pressed = event.timeStamp; }, true);
    new MutationObserver(() => {
        if (pressed === null) return;
        const at = pressed;
        pressed = null;
        delays.changed.push(performance.now() - at);
        requestAnimationFrame(() => delays.frame.push(performance.now() - at));
    }).observe(document.body, { subtree: true, childList: true, characterData: true });
'''


def first_paint(d, page, ready):
    """The first contentful paint, or with ready the page's "pirumo-ready" mark, in ms after opening it."""
    d.get(page.as_uri())
    return d.execute_async_script('''
        const [name, done] = arguments;
        const seen = () => performance.getEntriesByName(name)[0];
        const look = () => seen() ? done(seen().startTime) : setTimeout(look, 10);
        look();''', 'pirumo-ready' if ready else 'first-contentful-paint')


def keystrokes(browser, page):
    d = browser.driver
    browser.open(page.as_uri())
    d.execute_async_script('setTimeout(arguments[0], 100)')  # idle
    d.execute_script(WATCH_KEYS)
    for digit in '123456789012'[:KEYS_PER_RUN]:
        browser.press(f'Digit{digit}', digit, ord(digit))
        d.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
    return d.execute_script('return delays')


def main():
    browser = Chromium()
    d = browser.driver
    paints = {name: [] for name in PAGES}
    ready = []
    changed = {name: [] for name in PAGES}
    frames = {name: [] for name in PAGES}
    try:
        for _ in range(RUNS):
            for name in random.sample(list(PAGES), len(PAGES)):
                paints[name].append(first_paint(d, PAGES[name], False))
                if name == 'pirumo':
                    ready.append(first_paint(d, PAGES[name], True))
                delays = keystrokes(browser, PAGES[name])
                changed[name] += delays['changed']
                frames[name] += delays['frame']
    finally:
        browser.close()

    print(f'  {"":58} {"PIRUMO":>9} {"floor":>9} {"ratio":>7}')
    size = {name: page.stat().st_size for name, page in PAGES.items()}
    print(f'  {"file size (bytes)":58} {size["pirumo"]:9d} {size["floor"]:9d}')
    keys = RUNS * KEYS_PER_RUN
    for label, figures in ((f'first contentful paint, {RUNS} opens (ms)', paints),
                           (f'keystroke to labels changed, {keys} keys (ms)', changed),
                           (f'keystroke to the next frame, {keys} keys (ms)', frames)):
        for kind, stat in (('median', statistics.median), ('90th percentile',
                                                            lambda v: statistics.quantiles(v, n=10)[-1])):
            p, f = stat(figures['pirumo']), stat(figures['floor'])
            print(f'  {label + ", " + kind:58} {p:9.3f} {f:9.3f} {p / f:7.2f}')
    print(f'  {f"first key handled from, {RUNS} opens (ms), median":58} {statistics.median(ready):9.3f}')


if __name__ == '__main__':
    main()
