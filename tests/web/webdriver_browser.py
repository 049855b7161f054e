"""The part of the page's browsers that is driven through Selenium and a
WebDriver server: Chromium (ChromeDriver) and WebKitGTK (WebKitWebDriver)."""
from selenium.common.exceptions import NoAlertPresentException, NoSuchWindowException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

from browser import Browser


class WebDriverBrowser(Browser):
    """Set self.driver and self.downloads, then these work."""

    def navigate(self, address):
        self.driver.get(address)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        """A script that ends by calling its last argument with the result."""
        return self.driver.execute_async_script(script, *args)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def click_at(self, x, y, pointer=None):
        actions = ActionBuilder(self.driver, mouse=pointer)
        actions.pointer_action.move_to_location(x, y).click()
        try:
            actions.perform()
        except NoSuchWindowException:
            pass  # WebKitWebDriver's answer to a click that closed the window

    def tap_at(self, x, y):
        self.click_at(x, y, PointerInput(interaction.POINTER_TOUCH, 'finger'))

    def screenshot_png(self):
        return self.driver.get_screenshot_as_png()

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
