"""WebKitGTK, the engine of Safari's family that Debian packages: its
MiniBrowser driven through WebKitWebDriver, on an X server of its own."""
import os
import shutil
import subprocess
import tempfile
import threading

from PIL import ImageGrab
from selenium import webdriver
from selenium.webdriver.webkitgtk.options import Options
from selenium.webdriver.webkitgtk.service import Service

from browser import Unsupported, poll
from webdriver_browser import WebDriverBrowser

MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'


class WebKit(WebDriverBrowser):
    """A browser on its own Xvfb, whose downloads go to a folder of its own
    (the XDG download folder that a user-dirs.dirs names); all ended and
    removed at close."""
    name = 'WebKitGTK'
    clipboard_line_end = '\n'  # GTK hands text to X with the line ends of Linux

    def __init__(self):
        self.home = tempfile.mkdtemp(prefix='pirumo-webkit-')
        self.downloads = os.path.join(self.home, 'downloads')
        os.makedirs(os.path.join(self.home, '.config'))
        os.mkdir(self.downloads)
        with open(os.path.join(self.home, '.config', 'user-dirs.dirs'), 'w') as dirs:
            dirs.write(f'XDG_DOWNLOAD_DIR="{self.downloads}"\n')
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-noreset', '-nolisten', 'tcp',
                                      '-screen', '0', '1600x1000x24'], pass_fds=[write],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        self.clipboard_owner = None
        # Drawn without OpenGL, which Xvfb lacks.
        self.environment = dict(os.environ, DISPLAY=f':{number}', HOME=self.home,
                                XDG_CONFIG_HOME=os.path.join(self.home, '.config'), WEBKIT_DISABLE_COMPOSITING_MODE='1')
        self.service = Service('/usr/bin/WebKitWebDriver', env=self.environment)
        self.service.start()
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument('--automation')
        self.driver = webdriver.Remote(command_executor=self.service.service_url, options=options)
        self.smallest_page = self.measure_smallest_page()
        self.screen(480, 300, 1, False)

    def keys(self, *keys):
        self.answered_later(super().keys, keys)

    def chord(self, modifier, key):
        self.answered_later(super().chord, (modifier, key))

    def click_at(self, x, y):
        self.answered_later(super().click_at, (x, y))

    def answered_later(self, act, args):
        """WebKitWebDriver answers keys or a click that made the page show a
        message only once the message is closed: they wait on a thread of
        their own until either."""
        failure = []
        acting = threading.Thread(target=lambda: self.noting_failure(failure, act, args))
        acting.start()
        poll(lambda: not acting.is_alive() or self.prompt() is not None, 'keys or a click handled')
        if failure:
            raise failure[0]

    def prompt(self):
        """As WebDriver gives it; but a newer WebKitWebDriver (Debian 13's)
        answers nothing more while keys or a click wait for a message to
        close. There the browser is started again and the row is reported
        as skipped."""
        answer = []
        asking = threading.Thread(target=lambda: answer.append(super(WebKit, self).prompt()), daemon=True)
        asking.start()
        asking.join(5)
        if not asking.is_alive():
            return answer[0]
        self.start_again()
        raise Unsupported('WebKitGTK: this WebKitWebDriver answers nothing while a message the page shows is open')

    def start_again(self):
        """A new browser in place of one whose WebDriver no longer answers:
        its driver and X server ended (the browser with them), their
        requests left to fail."""
        self.service.process.kill()
        self.stop_owning_the_clipboard()
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.home, ignore_errors=True)
        self.__init__()

    @staticmethod
    def noting_failure(failure, act, args):
        try:
            act(*args)
        except Exception as error:  # raised again on the test's thread
            failure.append(error)

    # The page writes the X server's clipboard without asking; the test
    # reads and writes it there.
    def set_clipboard(self, text):
        self.stop_owning_the_clipboard()
        self.clipboard_owner = subprocess.Popen(['xclip', '-quiet', '-selection', 'clipboard', '-i'],
                                                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                                stderr=subprocess.DEVNULL, env=self.environment)
        self.clipboard_owner.stdin.write(text.encode())
        self.clipboard_owner.stdin.close()

    def clipboard(self):
        return subprocess.run(['xclip', '-selection', 'clipboard', '-o'], capture_output=True, text=True,
                              env=self.environment, timeout=10).stdout

    def stop_owning_the_clipboard(self):
        if self.clipboard_owner:
            self.clipboard_owner.terminate()
            self.clipboard_owner.wait()
            self.clipboard_owner = None

    def let_the_page_read_the_clipboard(self):
        raise Unsupported('WebKitGTK: it asks the user with a paste menu before the page reads the clipboard, '
                          'and WebDriver cannot answer it')

    def keep_a_tab_the_user_opened(self):
        raise Unsupported('WebKitGTK: MiniBrowser lets a page close any window, also the one WebDriver opened')

    def screen(self, width, height, pixel_ratio, touch):
        """A window whose page is that size; only at a pixel ratio of 1, without touch."""
        if pixel_ratio not in (1, None) or touch:
            raise Unsupported('WebKitGTK: WebDriver sets neither the pixel ratio nor a touch screen')
        width, height = width or 480, height or 300
        if width < self.smallest_page[0] or height < self.smallest_page[1]:
            raise Unsupported(f'WebKitGTK: MiniBrowser\'s page is {self.smallest_page[0]} × {self.smallest_page[1]} '
                              f'at its smallest, not {width} × {height}')
        self.size_page(width, height)
        poll(lambda: self.js('return [innerWidth, innerHeight]') == [width, height], 'the page resized')

    def size_page(self, width, height):
        # WebDriver sizes the window, of which the page gets all but the frame.
        rectangle = self.driver.get_window_rect()
        inner_width, inner_height = self.js('return [innerWidth, innerHeight]')
        self.driver.set_window_rect(width=width + rectangle['width'] - inner_width,
                                    height=height + rectangle['height'] - inner_height)

    def measure_smallest_page(self):
        """The smallest page MiniBrowser gives, its toolbar being wider than a phone."""
        sizes = [self.js('return [innerWidth, innerHeight]')]
        self.size_page(100, 100)
        # Shrunk, then the same ten times in a row (half a second).
        poll(lambda: sizes.append(self.js('return [innerWidth, innerHeight]')) or
             (sizes[-1] != sizes[0] and sizes[-10:] == sizes[-1:] * 10), 'the smallest page')
        return sizes[-1]

    # What the X server shows: WebKitWebDriver's own screenshot waits for a
    # compositor that Xvfb lacks. Taken once two in a row are the same.
    def screenshot(self):
        shots = [None]
        poll(lambda: shots.append(ImageGrab.grab(xdisplay=self.environment['DISPLAY']).convert('RGB')) or
             shots[-1] == shots[-2], 'the screen settled')
        return shots[-1]

    def tap_at(self, x, y):
        raise Unsupported('WebKitGTK: its WebDriver has no touch pointer')

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.service.stop()
            self.stop_owning_the_clipboard()
            self.xvfb.terminate()
            self.xvfb.wait()
            shutil.rmtree(self.home, ignore_errors=True)
