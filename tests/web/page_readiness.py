#!/usr/bin/python3
"""Measures once, in headless Chromium from file://, how long a published
passport page takes to be ready (scheme painted, buttons live) against the
same SVG picture loaded alone. Not a test: the numbers go to
docs/PERFORMANCE.md.

usage: page_readiness.py PAGE.html PICTURE.svg [RUNS]
"""
import os
import statistics
import sys

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

page, picture = (os.path.abspath(p) for p in sys.argv[1:3])
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5

options = Options()
for a in ["--headless=new", "--disable-gpu", "--disable-dev-shm-usage"]:
    options.add_argument(a)
if os.geteuid() == 0:
    options.add_argument("--no-sandbox")
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
driver.set_window_size(1366, 768)

# Milliseconds from the start of navigation to the first frame painted
# after the page said it is ready (the SVG alone: after its load event).
READY = """
const done = arguments[arguments.length - 1];
const wait = () => {
  if (document.documentElement.dataset && document.documentElement.dataset.ready !== '1' &&
      document.getElementById('plan')) { setTimeout(wait, 5); return; }
  requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now())));
};
wait();
"""


def measure(path):
    times = []
    for _ in range(runs):
        driver.get("about:blank")
        driver.get("file://" + path)
        times.append(driver.execute_async_script(READY))
    return statistics.median(times)


try:
    driver.set_script_timeout(120)
    svg = measure(picture)
    html = measure(page)
finally:
    driver.quit()
print(f"page {html:.0f} ms, svg alone {svg:.0f} ms, ratio {html / svg:.2f}")
