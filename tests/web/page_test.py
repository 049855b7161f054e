#!/usr/bin/python3
"""pirumo.html in a real browser: keys, stepping, recording, the clipboard,
saving, help, end, its places and its accessibility.

    page_test.py PAGE AXE_JS ENGINE

in ENGINE, one of chromium, firefox and webkit: the same table in each.
A row that needs what an engine's WebDriver cannot give (a keyboard of
another layout, a touch screen) is skipped there with the reason. run.sh
runs it where the only network is loopback, so every case also shows that
the page needs none.
"""
import pathlib
import sys
import time
import unittest

from PIL import ImageChops
from selenium.webdriver.common.keys import Keys

from browser import poll

PAGE = pathlib.Path(sys.argv[1]).resolve().as_uri()
AXE = pathlib.Path(sys.argv[2]).read_text()
ENGINE = sys.argv[3]
TOOL_TIPS = ['記録 on/off', '名前を付けて保存', 'コピー', '貼付け', 'ヘルプ', '終了']

# A step: text typed on the main row, or one of these.
KEYS = {'⏎': Keys.ENTER, '⌫': Keys.BACKSPACE, '␣': Keys.SPACE, '↑': Keys.ARROW_UP, '↓': Keys.ARROW_DOWN,
        'Insert': Keys.INSERT, 'F1': Keys.F1, 'F2': Keys.F2, 'Esc': Keys.ESCAPE}
# The keypad's keys, and its 8 with NumLock off.
KEYS.update({'n1': Keys.NUMPAD1, 'n2': Keys.NUMPAD2, 'n3': Keys.NUMPAD3, 'n8off': '\ue059'})
# Keys sent by their place and what they type: the digit row on a French
# keyboard; Ctrl with C and with J on a Dvorak one, where they lie at
# QWERTY's I and C.
PLACED = {'fr1': ('Digit1', '&', 49), 'fr2': ('Digit2', 'é', 50), 'fr3': ('Digit3', '"', 51),
          'dvorak-ctrl+c': ('KeyI', 'c', 67, True), 'dvorak-ctrl+j': ('KeyC', 'j', 74, True)}


def start_browser():
    if ENGINE == 'firefox':
        from firefox import Firefox
        return Firefox()
    if ENGINE == 'webkit':
        from webkit import WebKit
        return WebKit()
    from chromium import Chromium
    return Chromium(record_requests=True)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = start_browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.open(PAGE)
        self.until(lambda: self.js('return document.activeElement.id === "Text1" '
                                   '&& !document.querySelector("main").ariaBusy'), 'started, Text1 has the keyboard')

    def js(self, script, *args):
        return self.browser.js(script, *args)

    def until(self, holds, what):
        poll(holds, what)

    def steps(self, *steps):
        for step in steps:
            if step in PLACED:
                self.browser.press_placed(*PLACED[step])
            elif step.startswith('click:'):
                self.browser.click(step[len('click:'):])
            elif step.startswith('ctrl+') or step.startswith('shift+'):
                modifier, key = step.split('+')
                self.browser.chord(Keys.CONTROL if modifier == 'ctrl' else Keys.SHIFT, KEYS.get(key, key))
            else:
                self.browser.keys(KEYS.get(step, step))

    def shown(self):
        return self.js('return [Label1.textContent, Label2.textContent, document.title]')

    def expect_shown(self, label1, label2, title):
        self.until(lambda: self.shown() == [label1, label2, title], f'{label1!r} {label2!r} {title!r}')

    def told(self):
        """The message the page showed, dismissed."""
        self.until(lambda: self.browser.prompt() is not None, 'a message')
        text = self.browser.prompt()
        self.browser.answer(False)
        return text

    def drawn_still(self):
        """A screenshot once the screen has not changed for a second: the page
        or the browser's own bar (WebKit's load progress, shown for about
        half a second after a page opens) may still be drawing."""
        shots = []

        def still():
            shots.append((time.monotonic(), self.browser.screenshot()))
            shots[:] = [(t, shot) for t, shot in shots if t >= shots[-1][0] - 1.5]
            return shots[-1][0] - shots[0][0] >= 1 and all(
                ImageChops.difference(shot, shots[-1][1]).getbbox() is None for _, shot in shots)
        self.until(still, 'the screen unchanged for a second')
        return shots[-1][1]

    def recorded_twice(self):
        self.steps('123', 'click:[data-key=log]', '↑')
        self.expect_shown('         124', '4', '2件記録')

    def test_where_webassembly_is_turned_off_the_window_says_so(self):
        self.browser.open_with(PAGE, 'delete window.WebAssembly;')
        self.assertRegex(self.js('return start.hidden ? "" : start.textContent'),
                         '^このブラウザでは PIRUMO の計算部（WebAssembly）を起動できませんでした。.*何も記録されません')
        self.steps('5')
        self.assertEqual(self.shown(), ['', '', 'PIRUMO'])

    def test_the_page_keeps_from_the_browser_only_the_keys_it_uses(self):
        for key, code, ctrl, shift, used in [
            ('5', 'Digit5', False, False, True), ('s', 'KeyS', True, False, True), ('V', 'KeyV', True, True, False),
            ('C', 'KeyC', True, True, False),  # the inspector
            ('x', 'KeyX', False, False, False), ('F5', 'F5', False, False, False), ('f', 'KeyF', True, False, False),
        ]:
            with self.subTest(key=key, ctrl=ctrl, shift=shift):
                # False where the page's handler prevented the browser's default.
                self.assertEqual(not self.js(
                    'return Text1.dispatchEvent(new KeyboardEvent("keydown", {key: arguments[0], code: arguments[1], '
                    'ctrlKey: arguments[2], shiftKey: arguments[3], bubbles: true, cancelable: true}))',
                    key, code, ctrl, shift), used)

    def test_a_first_line_says_how_to_start_until_the_first_key(self):
        self.assertEqual(self.js('return start.hidden ? "" : start.textContent'), '数字のキーを打つと、すぐに番号とチェック文字が出ます。')
        self.steps('x')  # not PIRUMO's key
        self.assertFalse(self.js('return start.hidden'))
        self.steps('5')
        self.until(lambda: self.js('return start.hidden'), 'the line gone')

    def test_keys_and_steps(self):
        for steps, label1, label2, title in [
            (['123'], '         123', '6', 'PIRUMO'),
            (['n1', 'n2', 'n3'], '         123', '6', 'PIRUMO'),
            (['fr1', 'fr2', 'fr3'], '         123', '6', 'PIRUMO'),
            (['1234567890123'], '123456789012', '0', 'PIRUMO'),
            (['1234', '⌫'], '         123', '6', 'PIRUMO'),
            (['12a', 'b'], '          12', '4', 'PIRUMO'),
            (['12', '⏎', '5'], '           5', '1', 'PIRUMO'),
            (['123', '␣'], ' ' * 12, '0', 'PIRUMO'),
            (['099', '↑'], '         100', '7', 'PIRUMO'),
            (['100', '↓'], '         099', 'X', 'PIRUMO'),
            (['n8off'], '           1', '9', 'PIRUMO'),
            (['41', 'click:#UpCmd'], '          42', '6', 'PIRUMO'),
            (['10', 'click:#DownCmd'], '          09', '4', 'PIRUMO'),
            (['123', 'click:[data-key=log]'], '         123', '6', '1件記録'),
            (['123', 'click:[data-key=log]', '4', '⏎', '5', '⏎'], '           5', '1', '3件記録'),
            (['123', 'click:[data-key=log]', 'click:[data-key=log]'], '         123', '6', 'PIRUMO'),
            (['123', 'click:[data-key=log]', '␣'], ' ' * 12, '0', 'PIRUMO'),
            (['123', 'F2'], '         123', '6', '1件記録'),
            (['123', 'F2', 'F2'], '         123', '6', 'PIRUMO'),
        ]:
            with self.subTest(steps=steps):
                self.setUp()
                self.steps(*steps)
                self.expect_shown(label1, label2, title)

    def test_copy_and_paste(self):
        for steps, clipboard_before, label1, clipboard_after in [
            (['123', 'ctrl+c'], '', '         123', '1236'),
            (['123', 'click:[data-key=copy]'], '', '         123', '1236'),
            (['123', '⏎', 'ctrl+c'], '', '         123', '6'),  # Enter has begun the next number
            (['123', 'click:[data-key=log]', '7', '⏎', 'ctrl+c'], '', '        1237', '1236\r\n12378\r\n'),
            (['ctrl+v'], 'ab98765x4321', '   987654321', 'ab98765x4321'),
            (['shift+Insert'], 'No. 4 1', '          41', 'No. 4 1'),
            (['click:[data-key=paste]'], '41', '          41', '41'),
            (['123', 'dvorak-ctrl+c'], '', '         123', '1236'),
            (['123', 'dvorak-ctrl+j'], 'x', '         123', 'x'),
        ]:
            with self.subTest(steps=steps):
                self.setUp()
                if clipboard_before:
                    self.browser.let_the_page_read_the_clipboard()
                self.browser.set_clipboard(clipboard_before)
                self.steps(*steps)
                clipboard_after = clipboard_after.replace('\r\n', self.browser.clipboard_line_end)
                self.until(lambda: self.browser.clipboard() == clipboard_after and self.shown()[0] == label1,
                           f'{label1!r}, clipboard {clipboard_after!r}')

    def test_a_refused_clipboard_changes_nothing_and_says_so(self):
        unreadable = 'クリップボードを読み取れませんでした。番号も記録もそのままです。'
        for refused, step, told in [
            ('permission', 'ctrl+v', unreadable),
            ('no clipboard', 'ctrl+v', unreadable),  # as on a page served over plain http
            ('no clipboard', 'ctrl+c', 'クリップボードに書き込めませんでした。'),
        ]:
            with self.subTest(refused=refused, step=step):
                self.setUp()
                self.steps('123', 'click:[data-key=log]')
                if refused == 'permission':
                    self.browser.refuse_clipboard_reading()
                else:
                    self.js('Object.defineProperty(navigator, "clipboard", { value: undefined })')
                self.steps(step)
                self.assertEqual(self.told(), told)
                self.expect_shown('         123', '6', '1件記録')

    def test_saving_by_download(self):
        kept = 'ダウンロードが済んだことを確かめられませんでした。記録はそのまま残っています。'
        folder = pathlib.Path(self.browser.downloads)
        # Space keeps the records here, where it does not clear them. A file
        # of the same name stays as it was.
        for answer, earlier_file, title_after in [
                ('␣', False, '2件記録'), ('click:#downloaded [value=kept]', False, '2件記録'),
                ('Esc', False, '2件記録'), ('click:#downloaded [value=saved]', False, 'PIRUMO'),
                ('click:#downloaded [value=saved]', True, 'PIRUMO')]:
            with self.subTest(answer=answer, earlier_file=earlier_file):
                self.setUp()
                self.js('delete window.showSaveFilePicker')
                self.recorded_twice()
                for old in folder.iterdir():
                    old.unlink()
                if earlier_file:
                    self.browser.number_a_download_of_a_name_taken()
                    (folder / 'kiroku.txt').write_bytes(b'earlier\r\n')
                self.steps('click:[data-key=save]')
                self.until(lambda: self.js('return downloaded.open'), 'the download question')
                self.assertEqual(self.js('return downloadedText.textContent'),
                                 'kiroku.txt をダウンロードしました。同じ名前のファイルがすでにあったときは、'
                                 'ブラウザが名前に番号を付けています。ファイルが保存されたことを確かめてから、記録を消去してください。')
                # Finished: browsers write into a partial file (.part, .crdownload) first.
                downloaded = lambda: [f.name for f in folder.glob('*.txt') if f.read_bytes() == b'1236\r\n1244\r\n']
                self.until(downloaded, 'the log downloaded')
                name = downloaded()[0]
                if earlier_file:
                    self.assertRegex(name, r'^kiroku.*\d.*\.txt$')
                    self.assertEqual((folder / 'kiroku.txt').read_bytes(), b'earlier\r\n')
                else:
                    self.assertEqual(name, 'kiroku.txt')
                if answer == '␣':
                    self.browser.keys_on_a_button(Keys.SPACE)
                else:
                    self.steps(answer)
                if title_after != 'PIRUMO':
                    self.assertEqual(self.told(), kept)
                self.expect_shown('         124', '4', title_after)
                self.assertEqual(self.js('return Toolbar1.children[1].disabled'), title_after == 'PIRUMO')

    def test_saving_through_the_save_picker(self):
        # The picker's file: what was written, or how writing it fails.
        fake_picker = '''
            window.written = null;
            window.offered = [];
            window.showSaveFilePicker = async ({ suggestedName }) => {
                offered.push(suggestedName);
                if (arguments[0] === 'AbortError') throw new DOMException('', 'AbortError');
                return { name: 'offered ' + suggestedName, createWritable: async () => {
                    if (arguments[0]) throw new DOMException('', arguments[0]);
                    const parts = [];
                    return { write: async (b) => parts.push(...b), close: async () => { written = parts; },
                             abort: async () => {} };
                } };
            };'''
        for failure, told, title_after in [
            (None, None, 'PIRUMO'),
            ('AbortError', None, '2件記録'),
            ('NotAllowedError', 'ファイルに保存できませんでした。記録はそのまま残っています。', '2件記録'),
            ('NoModificationAllowedError', 'ほかのプログラムが使用中のファイルには保存できません。記録はそのまま残っています。',
             '2件記録'),
        ]:
            with self.subTest(failure=failure):
                self.setUp()
                self.js(fake_picker, failure)
                self.recorded_twice()
                self.steps('click:[data-key=save]')
                if told:
                    self.assertEqual(self.told(), told)
                self.expect_shown('         124', '4', title_after)
                if not failure:
                    self.assertEqual(bytes(self.js('return written')), b'1236\r\n1244\r\n')
                    self.steps('click:[data-key=log]', 'ctrl+s')
                    self.until(lambda: self.js('return written.length') == 6, 'saved again')
                    # The name saved under is offered the next time.
                    self.assertEqual(self.js('return offered'), ['kiroku.txt', 'offered kiroku.txt'])

    def test_events_while_the_page_waits_for_the_browser_are_dropped(self):
        # A save picker that stays open until the test lets it answer.
        self.js('''
            window.written = null;
            window.showSaveFilePicker = () => new Promise((answer) => {
                window.answer = () => answer({ name: 'kiroku.txt', createWritable: async () => {
                    const parts = [];
                    return { write: async (b) => parts.push(...b), close: async () => { written = parts; },
                             abort: async () => {} };
                } });
            });''')
        self.recorded_twice()
        self.steps('click:[data-key=save]')
        self.until(lambda: self.js('return typeof answer') == 'function', 'the picker open')
        self.steps('9', '⏎', '↑', 'click:[data-key=log]', 'click:#UpCmd')
        self.expect_shown('         124', '4', '2件記録')
        self.js('answer()')
        self.until(lambda: self.js('return written') is not None, 'saved')
        self.assertEqual(bytes(self.js('return written')), b'1236\r\n1244\r\n')
        self.expect_shown('         124', '4', 'PIRUMO')
        # And the keys work again: the number the step reached goes on.
        self.steps('9')
        self.expect_shown('        1249', '1', 'PIRUMO')

    def test_a_click_anywhere_on_the_window_leaves_the_keyboard_with_the_number(self):
        # The save button is greyed out: browsers send it no mouse events.
        for target in ('[data-key=save]', '#Label1', '#Label2'):
            with self.subTest(target=target):
                self.setUp()
                self.steps('7')
                self.browser.click(target)
                self.until(lambda: self.js('return document.activeElement.id') == 'Text1', 'the keyboard back')
                self.steps('8')
                self.expect_shown('          78', '7', 'PIRUMO')

    def test_a_touch_screen_gets_a_number_pad_for_every_entry_key(self):
        self.assertEqual(self.js('return getComputedStyle(pad).display'), 'none', 'no pad for a mouse')
        self.browser.touch(True)
        try:
            self.setUp()
            sizes = self.js('return [...pad.children].map(b => [b.offsetWidth, b.offsetHeight])')
            self.assertEqual(len(sizes), 14)
            self.assertTrue(all(w >= 44 and h >= 44 for w, h in sizes), sizes)
            for taps, shown in [('57', ['          57', '4']), ('⌫', ['           5', '1']),
                                ('⏎▲', ['           1', '9']), ('▼▼', ['           0', '0'])]:
                for tap in taps:
                    code = {'⌫': 'Backspace', '⏎': 'Enter', '▲': 'ArrowUp', '▼': 'ArrowDown'}.get(tap, 'Digit' + tap)
                    self.steps(f'click:#pad [data-code={code}]')
                self.expect_shown(*shown, 'PIRUMO')
                self.assertEqual(self.js('return document.activeElement.id'), 'Text1', 'the keyboard stays')
        finally:
            self.browser.touch(False)

    def test_a_finger_on_the_end_button_asks_first_while_records_were_never_saved(self):
        # A mouse is the screen's main pointer here, as on a 2-in-1 laptop
        # or at a touch monitor: a stray tap keeps the records; a click ends.
        for press, asks in [('tap', True), ('click', False)]:
            with self.subTest(press=press):
                self.setUp()
                self.steps('5', 'click:[data-key=log]')
                press_end = lambda: getattr(self.browser, press)('[data-key=end]')
                press_end()
                if asks:
                    self.until(lambda: self.browser.prompt() == '保存していない記録があります。'
                               '終了すると記録は失われます。終了しますか？', 'asked first')
                    self.browser.answer(False)
                    self.expect_shown('           5', '1', '1件記録')
                    press_end()
                    self.until(lambda: self.browser.prompt() is not None, 'asked again')
                    self.browser.answer(True)
                self.until(lambda: self.js('return !!document.getElementById("ended")'), 'ended')

    def test_tab_goes_from_the_number_to_the_step_buttons_and_back(self):
        for step, focused in [('\ue004', 'UpCmd'), ('\ue004', 'DownCmd'), ('shift+\ue004', 'UpCmd'),
                              ('shift+\ue004', 'Text1')]:
            self.steps(step)
            self.until(lambda: self.js('return document.activeElement.id') == focused, f'{step!r} to {focused}')

    def test_help_opens_in_the_page_and_gives_the_keyboard_back(self):
        for opening in ('click:[data-key=help]', 'F1'):
            with self.subTest(opening=opening):
                self.setUp()
                self.steps(opening)
                self.until(lambda: self.js('return help.open'), 'help open')
                self.assertIn('PIRUMO ヘルプ', self.js('return helpTitle.textContent'))
                self.steps('Esc')
                self.until(lambda: not self.js('return help.open'), 'help closed')
                self.steps('5')
                self.expect_shown('           5', '1', 'PIRUMO')

    def test_leaving_with_records_never_saved_asks_first(self):
        for steps, asks in [([], False), (['123', 'click:[data-key=log]'], True),
                            (['123', 'click:[data-key=log]', 'click:[data-key=log]'], True),
                            (['123', 'click:[data-key=log]', '␣'], False)]:
            with self.subTest(steps=steps):
                self.setUp()
                self.steps(*steps)
                # A reload by a click, as a user's own leaving is: a page
                # that was never touched is left without a question.
                self.js('const reload = document.body.appendChild(document.createElement("button")); '
                        'reload.id = "reload"; reload.onclick = () => location.reload();')
                self.assertEqual(self.browser.asks_before_leaving(lambda: self.steps('click:#reload')), asks)

    def test_end(self):
        with self.subTest(window='opened by the page'):
            # Opened by a click, as a browser lets a page open a window; it closes.
            first = self.browser.current_window()
            self.js('const opener = document.body.appendChild(document.createElement("button")); '
                    'opener.id = "opener"; opener.onclick = () => window.open(arguments[0]);', PAGE)
            self.steps('click:#opener')
            self.until(lambda: len(self.browser.windows()) == 2, 'a second window')
            self.browser.switch_to([w for w in self.browser.windows() if w != first][0])
            self.until(lambda: self.js('const main = document.querySelector("main"); '
                                       'return !!main && !main.ariaBusy'), 'started')
            self.steps('click:[data-key=end]')
            self.until(lambda: len(self.browser.windows()) == 1, 'the window closed')
            self.browser.switch_to(first)
        with self.subTest(window='opened by the user'):
            # It stays, with a line instead of the window.
            self.browser.keep_a_tab_the_user_opened()
            self.browser.navigate('about:blank')
            self.setUp()
            self.steps('click:[data-key=end]')
            self.until(lambda: self.js('return document.body.innerText') ==
                       'PIRUMO を終了しました。このタブは閉じてかまいません。', 'the closing line')

    def test_places_pictures_and_colours(self):
        # In the window's own pixels, whatever size it is shown at.
        places = self.js('''const form = Form1.getBoundingClientRect();
            const fit = frame.getBoundingClientRect().width / frame.offsetWidth;  // WebKit: 1
            return ['Form1', 'Toolbar1', 'Text1', 'Label1', 'Label2', 'UpCmd', 'DownCmd']
            .concat([...Toolbar1.children].map((b, i) => i)).map(id => {
                const e = typeof id === 'number' ? Toolbar1.children[id] : document.getElementById(id);
                const r = e.getBoundingClientRect();
                return [(r.left - form.left) / fit, (r.top - form.top) / fit, r.width / fit, r.height / fit];
            })''')
        self.assertEqual(places, [[0, 0, 144, 52], [0, 0, 144, 28], [64, 8, 14, 15], [6, 32, 97, 17],
                                  [109, 32, 12, 17], [128, 29, 17, 12], [128, 40, 17, 12]]
                         + [[24 * i, 3, 24, 22] for i in range(6)])
        for dark in (True, False):
            with self.subTest(dark=dark):
                self.browser.prefer_dark(dark)
                self.assertEqual(self.js('return [Label1, Label2].map(l => getComputedStyle(l).color '
                                         '+ getComputedStyle(l).backgroundColor)'), ['rgb(0, 0, 0)rgb(255, 255, 255)'] * 2)
        # The window fitted to the screen, and the larger drawings wherever it
        # is shown at 1.5 times or more.
        for width, height, pixel_ratio, touch, fit, large in [
                (1280, 800, 1, False, 3, True), (390, 844, 3, True, 2, True), (200, 160, 1, False, 1, False),
                (200, 160, 2, False, 1, True), (1280, 800, 1, False, 3, True)]:
            with self.subTest(screen=(width, height, pixel_ratio)):
                self.browser.screen(width, height, pixel_ratio, touch)
                self.setUp()
                self.until(lambda: self.js('return parseFloat(frame.style.getPropertyValue("--fit"))') == fit,
                           f'fitted {fit} times')
                self.until(lambda: self.js('return [...document.querySelectorAll("#Form1 img")].map(i => i.currentSrc '
                                           '=== (arguments[0] ? i.previousSibling.srcset : i.src))', large)
                           == [True] * 8, f'the drawings for {"2x" if large else "1x"}')
        # Re-fitted when the browser's window changes.
        self.browser.screen(480, 300, 1, False)
        self.until(lambda: self.js('return parseFloat(frame.style.getPropertyValue("--fit"))') == 2, 're-fitted')
        # Where CSS zoom is missing (Firefox before 126), the window is as
        # large and in the same place, and clicks hit what they should.
        zoomed = self.browser.centre('#UpCmd')
        self.js('const supports = CSS.supports; CSS.supports = (p, v) => p !== "zoom" && supports.call(CSS, p, v); '
                'dispatchEvent(new Event("resize"))')
        self.until(lambda: self.js('return getComputedStyle(frame).transform') != 'none', 'scaled')
        scaled = self.browser.centre('#UpCmd')
        self.assertLessEqual(max(abs(a - b) for a, b in zip(zoomed, scaled)), 1, f'{zoomed} {scaled}')
        self.steps('41', 'click:#UpCmd')
        self.expect_shown('          42', '6', 'PIRUMO')
        self.browser.screen(None, None, None, False)

    def test_twelve_digits_are_drawn_at_the_size_and_place_of_one(self):
        # At the laptop's fit, on the screen: the number's ink, with the
        # check character and the first line hidden.
        self.browser.screen(1280, 800, 1, False)
        try:
            self.setUp()
            self.js('start.hidden = true; Label2.style.visibility = "hidden"')
            blank = self.drawn_still()
            inks = []
            for number in ('8', '888888888888'):
                self.steps(number)
                self.expect_shown(number.rjust(12), '6', 'PIRUMO')
                # Ink is what changed by more than a repaint's shading: a
                # whole repaint (WebKit's, after the live region spoke) shades
                # scaled pictures up to 14 levels apart.
                changed = ImageChops.difference(blank, self.drawn_still()).convert('L')
                inks.append(changed.point(lambda level: 255 if level > 48 else 0).getbbox())
                self.steps('⏎')
            (left, top, right, bottom), (left12, top12, right12, bottom12) = inks
            self.assertLessEqual(abs(right12 - right), 1, f'the same right edge: {inks}')
            self.assertLessEqual(abs((bottom12 - top12) - (bottom - top)), 1, f'the same height: {inks}')
            self.assertGreater(right12 - left12, 11 * (right - left), f'twelve digits side by side: {inks}')
        finally:
            self.browser.screen(None, None, None, False)

    def test_names_for_screen_readers_and_an_accessibility_check(self):
        self.assertEqual(self.js('return [...Toolbar1.children].map(b => b.ariaLabel + b.title)'),
                         [t + t for t in TOOL_TIPS])
        self.assertEqual(self.js('return [UpCmd.ariaLabel, DownCmd.ariaLabel]'), ['1 増やす', '1 減らす'])
        # Each control's description, as the desktop window gives it.
        self.assertEqual(self.js('return [Text1, Label1, Label2, UpCmd, DownCmd].map(c => [c.ariaLabel || "", '
                                 'document.getElementById(c.getAttribute("aria-describedby")).textContent])'),
                         [['数字の入力', '数字、BackSpace、Enter、↑↓、スペースで番号を入力します'],
                          ['番号', '番号（12 桁まで、右詰め）'], ['チェック文字', '番号のモジュラス 11 チェック文字'],
                          ['1 増やす', '番号に 1 を足します（↑キー）'], ['1 減らす', '番号から 1 を引きます（↓キー）']])
        self.steps('123')
        self.js(AXE)
        for state in ('window', 'help'):
            if state == 'help':
                self.steps('F1')
                self.until(lambda: self.js('return help.open'), 'help open')
            violations = self.browser.js_async(
                'axe.run().then(r => arguments[0](r.violations.map(v => v.id + ": " + v.nodes.map(n => n.html))))')
            self.assertEqual(violations, [], state)

    def test_an_inline_script_that_is_not_the_page_s_does_not_run(self):
        self.js('window.blocked = []; document.addEventListener("securitypolicyviolation", (e) => blocked.push(e.blockedURI));'
                'document.body.append(Object.assign(document.createElement("script"), {textContent: "window.ran = 1"}))')
        self.until(lambda: self.js('return blocked') == ['inline'], 'reported as blocked by the page\'s policy')
        self.assertIsNone(self.js('return window.ran'))

    def test_nothing_but_the_page_itself_is_asked_for(self):
        self.steps('123', 'click:[data-key=help]')
        self.until(lambda: self.js('return help.open'), 'help open')
        self.assertEqual([a for a in self.browser.requests() if a != PAGE and not a.startswith('data:')], [])

if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2)  # then any test names
