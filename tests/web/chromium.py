"""Debian's Chromium, headless, driven through ChromeDriver: what the page's
tests, benchmarks and screenshots open it in."""
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Chromium:
    """A browser with a fresh profile, and a folder its downloads go to;
    both removed at close."""

    def __init__(self, scale=1):
        self.profile = tempfile.mkdtemp(prefix='pirumo-chromium-')
        self.downloads = tempfile.mkdtemp(prefix='pirumo-downloads-')
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        # Root needs --no-sandbox; the rest keeps Chromium from reaching out
        # to the network on its own.
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                         '--disable-background-networking', '--disable-component-update', '--disable-sync',
                         '--disable-extensions', '--window-size=400,300', f'--force-device-scale-factor={scale}',
                         f'--user-data-dir={self.profile}'):
            options.add_argument(argument)
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                    {'behavior': 'allow', 'downloadPath': self.downloads})

    def open(self, page):
        """Opens the page and waits, polling for up to 10 s, until its calculator has started."""
        self.driver.get(page)
        self.driver.execute_async_script('''
            const [done, deadline] = [arguments[0], performance.now() + 10000];
            const look = () => document.querySelector('main')?.ariaBusy && performance.now() < deadline
                ? setTimeout(look, 10) : done();
            look();''')

    def press(self, code, key, virtual_key):
        """One key through the browser's own input path, named by its place and what it types."""
        for kind in ('rawKeyDown', 'char', 'keyUp') if len(key) == 1 else ('rawKeyDown', 'keyUp'):
            self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {
                'type': kind, 'code': code, 'key': key, 'text': key if kind == 'char' else '',
                'windowsVirtualKeyCode': virtual_key})

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
        shutil.rmtree(self.downloads, ignore_errors=True)
