"""Drives the remote-control page in headless chromium with a phone's
screen, as a technician does, and checks the test-pattern window's pixels on
the X display.

Usage: remote_browser.py ADDRESS ARTIFACT_DIR
The window stands at 700x300+50+50 and the pictures folder holds
sub/plasma.png, a/b/c/d/e/too-deep.png and a text file named fake.png (see
remote_browser.sh)."""
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

address, artifacts = sys.argv[1], sys.argv[2]
page = address.split("?")[0]
token = address.split("token=")[1]
RED = (255, 0, 0)


def pixel(x, y):
    text = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                          capture_output=True, text=True).stdout
    if "(" not in text:
        return None
    values = text.splitlines()[1].split("(")[1].split(")")[0].split(",")
    return tuple(int(float(v)) for v in values[:3])


def wait_for_pixels(expected, what, driver=None):
    """expected: {(x, y): (r, g, b), or the colour prefixed by "not"}; the window maps and repaints in its own time."""
    got = {}
    for _ in range(100):
        got = {point: pixel(*point) for point in expected}
        if all(got[p] == c if c[0] != "not" else got[p] != c[1] for p, c in expected.items()):
            return
        time.sleep(0.1)
    page = f"; the page says {driver.find_element(By.ID, 'status').text!r}, {current(driver)!r}" if driver else ""
    sys.exit(f"FAIL: {what}: expected {expected}, got {got}{page}")


def wait(driver, condition, what, seconds=10):
    try:
        WebDriverWait(driver, seconds).until(condition)
    except Exception:
        driver.save_screenshot(f"{artifacts}/remote_browser_failure.png")
        sys.exit(f"FAIL: {what}")


def current(driver):
    return driver.find_element(By.ID, "current").text


def tap(driver, element):
    """As a thumb does: on the control where it shows, clear of the bars at the top and bottom."""
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
    element.click()


def press(driver, pattern, shown):
    tap(driver, driver.find_element(By.CSS_SELECTOR, f'button[data-pattern="{pattern}"]'))
    wait(driver, lambda d: current(d) == shown, f"{pattern} did not show {shown}; shows {current(driver)}")


def in_view(driver, element):
    return driver.execute_script(
        "const r = arguments[0].getBoundingClientRect();"
        "return r.height > 0 && r.top >= 0 && r.bottom <= window.innerHeight;", element)


def alert(driver):
    return driver.find_element(By.CSS_SELECTOR, '[role="alert"]')


def type_slowly(driver, field, text):
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", field)
    field.clear()
    for character in text:
        field.send_keys(character)
        time.sleep(0.3)


def phone(driver, width, height):
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})


def check_layout(driver, width, name):
    """One column that fits the phone, with the current pattern in view wherever the thumb scrolled."""
    driver.execute_script("window.scrollTo(0, 0)")
    if driver.execute_script("return document.documentElement.scrollWidth") > width:
        sys.exit(f"FAIL: the page is wider than a {width}-pixel phone")
    small = driver.execute_script(
        "return [...document.querySelectorAll('main button, main input')]"
        ".filter(e => e.offsetParent && e.getBoundingClientRect().height < 36).map(e => e.id || e.textContent)")
    if small:
        sys.exit(f"FAIL: targets under 36 CSS pixels high at {width} wide: {small}")
    driver.save_screenshot(f"{artifacts}/remote_browser_{name}.png")
    driver.execute_script("document.getElementById('place').scrollIntoView()")
    if not in_view(driver, driver.find_element(By.ID, "current")):
        sys.exit(f"FAIL: the current pattern scrolled out of view at {width} wide")


options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-first-run", "--no-proxy-server", "--window-size=390,844"):
    options.add_argument(argument)
profile = tempfile.TemporaryDirectory()
options.add_argument("--user-data-dir=" + profile.name)
options.add_experimental_option("mobileEmulation", {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3.0}})

driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    # Opened bare, the page asks for the token and hints at the window's code.
    driver.get(page)
    field = driver.find_element(By.ID, "token")
    wait(driver, lambda d: field.is_displayed(), "the page opened without a token does not ask for it")
    if driver.find_element(By.ID, "place").is_displayed():
        sys.exit("FAIL: the page shows its controls without a token")
    if "Q" not in driver.find_element(By.ID, "signin").text:
        sys.exit("FAIL: no hint at the window's QR code")
    field.send_keys("wrong-token-123\n")
    wait(driver, lambda d: alert(d).is_displayed() and "token" in alert(d).text, "a wrong token is not explained")
    field.clear()
    field.send_keys(token + "\n")
    wait(driver, lambda d: current(d) == "solid" and d.find_element(By.ID, "place").is_displayed(),
         "the token field does not sign in")
    if alert(driver).is_displayed():
        sys.exit("FAIL: the refusal stayed after signing in")
    # The phone keeps the token: the bare address opens signed in.
    driver.get(page)
    wait(driver, lambda d: current(d) == "solid" and d.find_element(By.ID, "place").is_displayed(),
         "the token was not kept on the phone")
    if driver.execute_script("return window.innerWidth") != 390:
        sys.exit("FAIL: the page is not phone-sized")

    press(driver, "solid:color=red", "solid:color=#ff0000")
    wait_for_pixels({(400, 250): RED, (700, 300): RED}, "red over the window")
    if "✓" not in driver.find_element(By.ID, "status").text:
        sys.exit("FAIL: no confirmation that the tap arrived")

    press(driver, "bars:preset", "bars:preset")
    colours = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 255, 255), (255, 0, 255), (255, 255, 0)]
    wait_for_pixels({(50 + i * 100 + 50, 250): colour for i, colour in enumerate(colours)}, "seven colour bars")

    # One tap moves the lines fast enough to see; the speed applies to what is shown.
    press(driver, "scan:h", "scan:h,speed=90")
    driver.execute_script("const s = document.getElementById('scanspeed'); s.value = 40;"
                          "s.dispatchEvent(new Event('change'))")
    wait(driver, lambda d: current(d) == "scan:h,speed=40", "the scan speed did not reach the window")

    # Pictures of subfolders, told by their content.
    wait(driver, lambda d: "sub/plasma.png" in d.find_element(By.ID, "pictures").text, "sub/plasma.png is not listed")
    if "fake.png" in driver.find_element(By.ID, "pictures").text:
        sys.exit("FAIL: a text file named .png is offered as a picture")
    if "too-deep" in driver.find_element(By.ID, "pictures").text or not driver.find_element(By.ID, "pictures-note").text:
        sys.exit("FAIL: a picture five folders deep is listed, or the cut list does not say so")

    # Four numbers typed slowly, across refreshes, land as typed.
    press(driver, "solid:color=red", "solid:color=#ff0000")
    started = time.monotonic()
    for key, value in (("x", "200"), ("y", "100"), ("width", "640"), ("height", "360")):
        type_slowly(driver, driver.find_element(By.ID, key), value)
    typing = time.monotonic() - started
    typed = [driver.find_element(By.ID, key).get_attribute("value") for key in ("x", "y", "width", "height")]
    if typed != ["200", "100", "640", "360"]:
        sys.exit(f"FAIL: the placement fields hold {typed} after {typing:.1f} s of typing")
    tap(driver, driver.find_element(By.ID, "place"))
    wait_for_pixels({(205, 105): RED, (835, 455): RED, (845, 470): ("not", RED), (100, 250): ("not", RED)},
                    f"the window at 640x360+200+100 after {typing:.1f} s of typing", driver)

    # A refusal far down the page shows in view, in words, and stays.
    type_slowly(driver, driver.find_element(By.ID, "width"), "5000")
    tap(driver, driver.find_element(By.ID, "place"))
    wait(driver, lambda d: alert(d).is_displayed(), "the refused width shows no alert")
    time.sleep(2.5)
    if not (alert(driver).is_displayed() and in_view(driver, alert(driver))):
        sys.exit("FAIL: the refusal is not in view two seconds later")
    if "5000" not in alert(driver).text or "3840" not in alert(driver).text:
        sys.exit(f"FAIL: the refusal does not say what is wrong: {alert(driver).text}")
    if driver.find_element(By.ID, "width").get_attribute("value") != "5000":
        sys.exit("FAIL: a refresh overwrote the refused width")
    driver.save_screenshot(f"{artifacts}/remote_browser_refusal.png")
    tap(driver, driver.find_element(By.ID, "dismiss"))
    wait(driver, lambda d: not alert(d).is_displayed(), "the refusal cannot be dismissed")

    check_layout(driver, 390, "390x844")
    phone(driver, 360, 640)
    check_layout(driver, 360, "360x640")
    subprocess.run(["import", "-window", "root", f"{artifacts}/remote_browser_wall.png"])
finally:
    driver.quit()
