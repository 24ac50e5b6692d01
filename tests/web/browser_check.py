#!/usr/bin/python3
"""Drives headless Chromium over a published site, from file://.

usage: browser_check.py CLI DATABASE SITE HOSTILE_ID HOSTILE_ADDRESS [SHOTS_DIR]

The expected head states come from `svpass-cli dump`, run here for every
phase and program: the page's lookup is checked against the tool's own
clock, not against the page's data.
"""
import json
import os
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

cli, database, site, hostile_id, hostile_address = sys.argv[1:6]
shots = sys.argv[6] if len(sys.argv) > 6 else ""
failures = []


def fail(text):
    failures.append(text)


def start_browser():
    options = Options()
    for a in ["--headless=new", "--disable-gpu", "--disable-dev-shm-usage", "--no-first-run"]:
        options.add_argument(a)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver_path = "/usr/bin/chromedriver"
    service = Service(driver_path) if os.path.exists(driver_path) else Service()
    return webdriver.Chrome(service=service, options=options)


def console_errors(driver, where):
    for entry in driver.get_log("browser"):
        if entry.get("level") == "SEVERE":
            fail(f"{where}: console error: {entry.get('message')}")


def load(driver, relative):
    driver.get("file://" + os.path.join(os.path.abspath(site), relative))
    for _ in range(100):
        if driver.execute_script("return document.documentElement.dataset.ready") == "1":
            return
        time.sleep(0.05)
    fail(f"{relative}: the page never became ready")


def visible_rows(driver):
    return [r.find_element(By.CSS_SELECTOR, "th").text
            for r in driver.find_elements(By.CSS_SELECTOR, "#passports tbody tr") if r.is_displayed()]


def dump(passport, phase, program):
    out = subprocess.run([cli, "dump", os.path.join(database, passport), "--phase", str(phase),
                          "--program", str(program)], check=True, capture_output=True, text=True).stdout
    return {d["number"]: d["color"] for d in json.loads(out)["directions"]}


def expected_heads(passport):
    """The direction number of every vehicle and pedestrian head (types 10
    and 12) that names a direction of the passport, read from dump's layers:
    the direction's name is the line after the arrow kind of a vehicle head,
    the line after the geometry of a pedestrian head."""
    data = json.loads(subprocess.run([cli, "dump", os.path.join(database, passport)], check=True,
                                     capture_output=True, text=True).stdout)
    numbers = {d["name"]: d["number"] for d in data["directions"]}
    heads = data["layers"][11]["items"]
    line = {10: 4, 12: 3}
    return sorted(numbers[i["lines"][line[i["type"]]]] for i in heads
                  if i["type"] in line and i["lines"][line[i["type"]]] in numbers)


def tagged_heads(driver):
    """Per head group of the page: its direction when every element in it
    carries the same one, else None."""
    return driver.execute_script(
        "return Array.from(document.querySelectorAll('#layer-12 > g')).map(g => {"
        " const all = Array.from(g.querySelectorAll('*'));"
        " const dirs = new Set(all.map(e => e.getAttribute('data-direction')));"
        " return dirs.size === 1 && !dirs.has(null) ? Number([...dirs][0]) : (dirs.has(null) && dirs.size === 1 ? -1 : null); });")


def head_states(driver):
    return driver.execute_script(
        "return Array.from(document.querySelectorAll('svg [data-direction]'))"
        ".filter(e => e.tagName !== 'g')"
        ".map(e => [Number(e.dataset.direction), e.dataset.state]);")


driver = start_browser()
try:
    # The index: every passport listed; typing filters the rows.
    load(driver, "index.html")
    console_errors(driver, "index")
    everyone = visible_rows(driver)
    if sorted(everyone) != sorted(["svo1", "svo2", "svo3", hostile_id]):
        fail(f"index lists {everyone}")
    search = driver.find_element(By.ID, "search")
    search.send_keys("садовая")
    if visible_rows(driver) != ["svo2"]:
        fail(f"search 'садовая' shows {visible_rows(driver)}")
    search.clear()
    search.send_keys("<script>")
    if visible_rows(driver) != [hostile_id]:
        fail(f"search '<script>' shows {visible_rows(driver)}")
    search.clear()
    search.send_keys("a")  # clear() fires no input event: type and erase
    search.send_keys("\b")
    if len(visible_rows(driver)) != len(everyone):
        fail("an empty search does not show every row again")

    # The passport page: every head element of every direction against dump.
    load(driver, "svo1/index.html")
    console_errors(driver, "svo1")
    if driver.find_element(By.TAG_NAME, "html").get_attribute("lang") != "ru":
        fail("the page is not lang=ru")
    phases = [int(b.get_attribute("data-phase"))
              for b in driver.find_elements(By.CSS_SELECTOR, "button[data-phase]")]
    if not phases:
        fail("no phase buttons")
    heads = expected_heads("svo1")
    if not heads:
        fail("svo1 has no heads of a direction to check")

    for program in range(3):
        driver.find_element(By.CSS_SELECTOR, f'button[data-program="{program}"]').click()
        for phase in phases:
            driver.find_element(By.CSS_SELECTOR, f'button[data-phase="{phase}"]').click()
            expected = dump("svo1", phase, program)
            states = head_states(driver)
            if len(states) < 2 * len({d for d, _ in states}) or not states:
                fail(f"program {program} phase {phase}: only {len(states)} head elements tagged")
            wrong = [(d, s, expected.get(d)) for d, s in states if expected.get(d) != s]
            if wrong:
                fail(f"program {program} phase {phase}: {len(wrong)} of {len(states)} elements differ, "
                     f"e.g. direction {wrong[0][0]} shows {wrong[0][1]}, dump says {wrong[0][2]}")
            tagged = tagged_heads(driver)
            if None in tagged or sorted(t for t in tagged if t >= 0) != heads:
                fail(f"program {program} phase {phase}: head groups tagged {sorted(map(str, tagged))}, "
                     f"dump's heads are of directions {heads}")
            left = driver.find_element(By.ID, "left").text
            shown_phase = driver.find_element(By.ID, "phase").text
            if shown_phase != str(phase):
                fail(f"phase {phase} pressed, the clock shows phase {shown_phase} ({left} s)")

    # Play: the seconds left go down; stop holds them.
    driver.find_element(By.CSS_SELECTOR, 'button[data-program="0"]').click()
    driver.find_element(By.CSS_SELECTOR, f'button[data-phase="{phases[0]}"]').click()
    before = int(driver.find_element(By.ID, "left").text)
    play = driver.find_element(By.ID, "play")
    play.click()
    time.sleep(1.3)
    play.click()
    after = int(driver.find_element(By.ID, "left").text)
    if not before - 2 <= after < before:
        fail(f"play: seconds left went from {before} to {after} in 1.3 s")
    time.sleep(0.6)
    if int(driver.find_element(By.ID, "left").text) != after:
        fail("stop did not stop the clock")

    # The layer presets hide and show layers; every button has a name.
    driver.find_element(By.CSS_SELECTOR, 'button[data-preset="1"]').click()
    if driver.execute_script("return getComputedStyle(document.getElementById('layer-12')).display") != "none":
        fail("'Кабельное хозяйство' leaves the signal heads shown")
    driver.find_element(By.CSS_SELECTOR, 'button[data-preset="0"]').click()
    unnamed = driver.execute_script(
        "return Array.from(document.querySelectorAll('button')).filter(b => !(b.getAttribute('aria-label') || b.textContent.trim())).length")
    if unnamed:
        fail(f"{unnamed} buttons without a name")
    console_errors(driver, "svo1 after pressing")

    # A hostile address is text, on the page and in the index.
    load(driver, f"{hostile_id}/index.html")
    console_errors(driver, hostile_id)
    if hostile_address not in driver.find_element(By.TAG_NAME, "h1").text:
        fail(f"the hostile address is not shown as text: {driver.find_element(By.TAG_NAME, 'h1').text!r}")
    if driver.execute_script("return document.querySelectorAll('script').length") != 2:
        fail("the hostile address made a script element")
    driver.find_element(By.CSS_SELECTOR, 'button[data-phase="1"]').click()

    if shots:
        for width, height in [(390, 844), (1366, 768)]:
            driver.set_window_size(width, height)
            load(driver, "svo1/index.html")
            driver.save_screenshot(os.path.join(shots, f"web-svo1-{width}.png"))
finally:
    driver.quit()

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
