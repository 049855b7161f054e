"""The part of the page's browsers that is driven through Selenium and a
WebDriver server: Chromium (ChromeDriver) and WebKitGTK (WebKitWebDriver)."""
from selenium.common.exceptions import NoAlertPresentException, NoSuchWindowException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder

from browser import CENTRE_OF, WAIT_UNTIL_STARTED, Unsupported


class WebDriverBrowser:
    """Set self.driver and self.downloads, then these work."""
    clipboard_line_end = '\r\n'  # the lines the page copies, as the clipboard holds them

    def open(self, page):
        """Opens the page and waits until its calculator has started."""
        self.driver.get(page)
        self.driver.execute_async_script(WAIT_UNTIL_STARTED)

    def navigate(self, address):
        self.driver.get(address)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        """A script that ends by calling its last argument with the result."""
        return self.driver.execute_async_script(script, *args)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def keys_on_a_button(self, *keys):
        self.keys(*keys)

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def click(self, selector):
        x, y = self.js(CENTRE_OF, selector)
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(x, y).click()
        try:
            actions.perform()
        except NoSuchWindowException:
            pass  # WebKitWebDriver's answer to a click that closed the window

    def set_clipboard(self, text):
        self.js('return navigator.clipboard.writeText(arguments[0])', text)

    def clipboard(self):
        return self.js_async('navigator.clipboard.readText().then(arguments[0])')

    def let_the_page_read_the_clipboard(self):
        pass

    def prompt(self):
        """The text of the message or question the page shows, or None."""
        try:
            return self.driver.switch_to.alert.text
        except (NoAlertPresentException, NoSuchWindowException):
            return None

    def answer(self, accept):
        alert = self.driver.switch_to.alert
        alert.accept() if accept else alert.dismiss()

    def windows(self):
        return self.driver.window_handles

    def current_window(self):
        return self.driver.current_window_handle

    def switch_to(self, window):
        self.driver.switch_to.window(window)

    def number_a_download_of_a_name_taken(self):
        raise Unsupported(f'{self.name}: as driven here, it replaces a file of the same name')

    def keep_a_tab_the_user_opened(self):
        pass  # as the browser does, whatever its page asks

    def press_placed(self, code, key, virtual_key):
        raise Unsupported(f'{self.name}: WebDriver sends keys of a US keyboard only, not {key!r} at {code}')
