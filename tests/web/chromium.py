"""Debian's Chromium, headless, driven through ChromeDriver: what the page's
tests, benchmarks and screenshots open it in. Its DevTools calls stand in for
what the other engines' WebDriver cannot do."""
import json
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from browser import NOTE_BLOCKED_LOADS
from webdriver_browser import WebDriverBrowser


class Chromium(WebDriverBrowser):
    """A browser with a fresh profile, and a folder its downloads go to;
    both removed at close."""
    name = 'Chromium'

    def __init__(self, scale=1, record_requests=False):
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
        self.record_requests = record_requests
        if record_requests:  # in the performance log, which requests() reads
            options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
        self.driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior',
                                    {'behavior': 'allow', 'downloadPath': self.downloads})
        if record_requests:
            self.cdp('Page.addScriptToEvaluateOnNewDocument', source=NOTE_BLOCKED_LOADS)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def press_placed(self, code, key, virtual_key, ctrl=False):
        """One key through the browser's own input path, named by its place and what it types."""
        for kind in ('rawKeyDown', 'char', 'keyUp') if len(key) == 1 and not ctrl else ('rawKeyDown', 'keyUp'):
            self.cdp('Input.dispatchKeyEvent', type=kind, code=code, key=key, text=key if kind == 'char' else '',
                     windowsVirtualKeyCode=virtual_key, modifiers=2 if ctrl else 0)

    def open_with(self, page, script):
        added = self.cdp('Page.addScriptToEvaluateOnNewDocument', source=script)['identifier']
        try:
            self.open(page)
        finally:
            self.cdp('Page.removeScriptToEvaluateOnNewDocument', identifier=added)

    # The bench and the screenshots type through the same path.
    press = press_placed

    def open(self, page):
        self.cdp('Browser.grantPermissions', origin='file://',
                 permissions=['clipboardReadWrite', 'clipboardSanitizedWrite'])
        if self.record_requests:
            self.driver.get_log('performance')  # what earlier pages asked for
            self.recorded = []
        super().open(page)

    def requested(self):
        """Every request DevTools saw (made with record_requests)."""
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Network.requestWillBeSent':
                self.recorded.append(message['params']['request']['url'])
        return self.recorded

    def refuse_clipboard_reading(self):
        self.cdp('Browser.setPermission', origin='file://', permission={'name': 'clipboard-read'}, setting='denied')

    def prefer_dark(self, dark):
        self.cdp('Emulation.setEmulatedMedia',
                 features=[{'name': 'prefers-color-scheme', 'value': 'dark'}] if dark else [])

    def touch(self, on):
        self.cdp('Emulation.setTouchEmulationEnabled', enabled=on, maxTouchPoints=5)

    def screen(self, width, height, pixel_ratio, touch):
        """The page's view as on a screen of that size and pixel ratio; None: as started."""
        if width is None:
            self.cdp('Emulation.clearDeviceMetricsOverride')
        else:
            self.cdp('Emulation.setDeviceMetricsOverride', width=width, height=height,
                     deviceScaleFactor=pixel_ratio, mobile=touch)
        self.touch(touch)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
        shutil.rmtree(self.downloads, ignore_errors=True)
