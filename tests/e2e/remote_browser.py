"""Drives the remote-control page in headless chromium with a phone's
screen and checks the test-pattern window's pixels on the X display.

Usage: remote_browser.py ADDRESS ARTIFACT_DIR
The window stands at 700x300+50+50 (see remote_browser.sh)."""
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

address, artifacts = sys.argv[1], sys.argv[2]


def pixel(x, y):
    text = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                          capture_output=True, text=True).stdout
    if "(" not in text:
        return None
    values = text.splitlines()[1].split("(")[1].split(")")[0].split(",")
    return tuple(int(float(v)) for v in values[:3])


def wait_for_pixels(expected, what):
    """expected: {(x, y): (r, g, b)}; the window maps and repaints in its own time."""
    got = {}
    for _ in range(100):
        got = {point: pixel(*point) for point in expected}
        if got == expected:
            return
        time.sleep(0.1)
    sys.exit(f"FAIL: {what}: expected {expected}, got {got}")


def press(driver, pattern, shown):
    driver.find_element(By.CSS_SELECTOR, f'button[data-pattern="{pattern}"]').click()
    WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "current").text == shown)


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
    driver.get(address)
    # The page reads the state with the token it was opened with.
    WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "current").text == "solid")
    if driver.execute_script("return window.innerWidth") != 390:
        sys.exit("FAIL: the page is not phone-sized")

    press(driver, "solid:color=red", "solid:color=#ff0000")
    wait_for_pixels({(400, 250): (255, 0, 0), (700, 300): (255, 0, 0)}, "red over the window")

    press(driver, "bars:preset", "bars:preset")
    colours = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 255, 255), (255, 0, 255), (255, 255, 0)]
    wait_for_pixels({(50 + i * 100 + 50, 250): colour for i, colour in enumerate(colours)}, "seven colour bars")
    driver.save_screenshot(f"{artifacts}/remote_browser_page.png")
    subprocess.run(["import", "-window", "root", f"{artifacts}/remote_browser_wall.png"])
finally:
    driver.quit()
