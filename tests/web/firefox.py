"""Firefox ESR, headless, driven through the WebDriver BiDi that it speaks
itself (Debian has no geckodriver): commands and events as JSON over a
websocket on loopback."""
import base64
import itertools
import json
import shutil
import socket
import subprocess
import tempfile

import websocket

from browser import NOTE_BLOCKED_LOADS, Browser, Unsupported, poll

# The clipboard without the paste menu that Firefox shows before a page
# reads it; no first-run pages.
PREFERENCES = '''
user_pref("dom.events.testing.asyncClipboard", true);
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
'''


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def listening(port):
    try:
        socket.create_connection(('127.0.0.1', port)).close()
        return True
    except OSError:
        return False


def local_value(value):
    if value is None:
        return {'type': 'null'}
    kind = {bool: 'boolean', int: 'number', float: 'number', str: 'string'}[type(value)]
    return {'type': kind, 'value': value}


def python_value(remote):
    kind, value = remote['type'], remote.get('value')
    if kind in ('array', 'set'):
        return [python_value(item) for item in value]
    if kind in ('object', 'map'):
        return {key if isinstance(key, str) else python_value(key): python_value(item) for key, item in value}
    return value  # undefined and null come without one


class Firefox(Browser):
    """A browser with a fresh profile, and a folder its downloads go to;
    both removed at close."""
    name = 'Firefox'

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix='pirumo-firefox-')
        self.downloads = tempfile.mkdtemp(prefix='pirumo-downloads-')
        with open(f'{self.profile}/user.js', 'w') as preferences:
            preferences.write(PREFERENCES)
        port = free_port()
        self.process = subprocess.Popen(
            ['firefox-esr', '--headless', '--no-remote', f'--remote-debugging-port={port}',
             '--profile', self.profile, 'about:blank'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll(lambda: listening(port), 'Firefox listening', 60)
        # Firefox refuses a handshake that names an origin.
        self.socket = websocket.create_connection(f'ws://127.0.0.1:{port}/session', timeout=15,
                                                  suppress_origin=True)
        self.ids = itertools.count(1)
        self.prompts = {}  # browsing context: the message it shows
        # Messages wait for the test's answer; the question before leaving a
        # page with records never saved is answered yes, as each row opens
        # the page anew.
        self.call('session.new', capabilities={'alwaysMatch': {'unhandledPromptBehavior': {
            'default': 'ignore', 'beforeUnload': 'accept'}}})
        self.recorded = []  # the addresses asked for since the page was opened
        self.call('session.subscribe', events=['browsingContext.userPromptOpened',
                                               'browsingContext.userPromptClosed', 'network.beforeRequestSent'])
        self.call('script.addPreloadScript', functionDeclaration=f'() => {{ {NOTE_BLOCKED_LOADS} }}')
        self.prompts_opened = []  # their kinds: 'alert', 'beforeunload', ...
        self.context = self.windows()[0]
        self.call('browser.setDownloadBehavior',
                  downloadBehavior={'type': 'allowed', 'destinationFolder': self.downloads})
        self.screen(400, 300, 1, False)

    def receive(self):
        """One message; an event is noted, a command's answer returned."""
        message = json.loads(self.socket.recv())
        if message.get('method') == 'browsingContext.userPromptOpened':
            self.prompts[message['params']['context']] = message['params']['message']
            self.prompts_opened.append(message['params']['type'])
        elif message.get('method') == 'browsingContext.userPromptClosed':
            self.prompts.pop(message['params']['context'], None)
        elif message.get('method') == 'network.beforeRequestSent':
            self.recorded.append(message['params']['request']['url'])
        return message

    def call(self, method, **params):
        number = next(self.ids)
        self.socket.send(json.dumps({'id': number, 'method': method, 'params': params}))
        while (message := self.receive()).get('id') != number:
            # Keys or a click that made the page show a message end there:
            # Firefox answers them only once the message is closed.
            if method == 'input.performActions' and message.get('method') == 'browsingContext.userPromptOpened':
                return None
        if message['type'] == 'error':
            raise RuntimeError(f'{method}: {message["error"]}: {message["message"]}')
        return message['result']

    def run(self, function, args):
        result = self.call('script.callFunction', functionDeclaration=function,
                           arguments=[local_value(a) for a in args], target={'context': self.context},
                           awaitPromise=True, userActivation=True)
        if result['type'] == 'exception':
            raise RuntimeError(result['exceptionDetails']['text'])
        return python_value(result['result'])

    def open_with(self, page, script):
        added = self.call('script.addPreloadScript', functionDeclaration=f'() => {{ {script} }}')['script']
        try:
            self.open(page)
        finally:
            self.call('script.removePreloadScript', script=added)

    def navigate(self, address):
        self.recorded = []
        self.call('browsingContext.navigate', context=self.context, url=address, wait='complete')

    def js(self, script, *args):
        return self.run(f'function () {{ {script}\n}}', args)

    def js_async(self, script, *args):
        """A script that ends by calling its last argument with the result."""
        return self.run(f'function (...a) {{ return new Promise((done) => (function () {{ {script}\n}})'
                        f'.apply(this, [...a, done])); }}', args)

    def act(self, *sources):
        self.call('input.performActions', context=self.context, actions=list(sources))

    def keys(self, *keys):
        self.act({'type': 'key', 'id': 'keyboard', 'actions': [
            {'type': kind, 'value': key} for text in keys for key in text for kind in ('keyDown', 'keyUp')]})

    def keys_on_a_button(self, *keys):
        raise Unsupported('Firefox: a headless window never has the focus, without which Firefox '
                          'presses no button for a key')

    def chord(self, modifier, key):
        self.act({'type': 'key', 'id': 'keyboard', 'actions': [
            {'type': 'keyDown', 'value': modifier}, {'type': 'keyDown', 'value': key},
            {'type': 'keyUp', 'value': key}, {'type': 'keyUp', 'value': modifier}]})

    def click_at(self, x, y, pointer='mouse'):
        self.act({'type': 'pointer', 'id': pointer, 'parameters': {'pointerType': pointer}, 'actions': [
            {'type': 'pointerMove', 'x': x, 'y': y}, {'type': 'pointerDown', 'button': 0},
            {'type': 'pointerUp', 'button': 0}]})

    def tap_at(self, x, y):
        self.click_at(x, y, 'touch')

    def screenshot_png(self):
        return base64.b64decode(self.call('browsingContext.captureScreenshot', context=self.context)['data'])

    def receive_waiting(self):
        """Notes the events that have come."""
        self.socket.settimeout(0.01)
        try:
            while True:
                self.receive()
        except websocket.WebSocketTimeoutException:
            pass
        finally:
            self.socket.settimeout(15)

    def requested(self):
        self.receive_waiting()
        return self.recorded

    def asks_before_leaving(self, leave):
        """The question is answered yes (see session.new), so the page goes."""
        self.receive_waiting()
        self.prompts_opened.clear()
        self.js('window.left = false')
        leave()
        poll(lambda: self.js('return window.left === undefined'), 'the page gone')
        self.receive_waiting()
        return 'beforeunload' in self.prompts_opened

    def prompt(self):
        """The text of the message or question the page shows, or None."""
        self.receive_waiting()
        return self.prompts.get(self.context)

    def answer(self, accept):
        self.call('browsingContext.handleUserPrompt', context=self.context, accept=accept)
        self.prompts.pop(self.context, None)

    def windows(self):
        return [c['context'] for c in self.call('browsingContext.getTree', maxDepth=0)['contexts']]

    def current_window(self):
        return self.context

    def switch_to(self, window):
        self.context = window

    def number_a_download_of_a_name_taken(self):
        pass  # kiroku(1).txt

    def screen(self, width, height, pixel_ratio, touch):
        """The page's view at that size and pixel ratio; None: as started. No touch screen."""
        self.touch(touch)
        self.call('browsingContext.setViewport', context=self.context,
                  viewport={'width': width, 'height': height} if width else None, devicePixelRatio=pixel_ratio)

    def close(self):
        try:
            self.call('session.end')
        finally:
            self.socket.close()
            self.process.terminate()
            self.process.wait(30)
            shutil.rmtree(self.profile, ignore_errors=True)
            shutil.rmtree(self.downloads, ignore_errors=True)
