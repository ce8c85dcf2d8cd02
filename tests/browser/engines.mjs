// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pages in the two other engines that Debian ships, each in one browser for all its checks:
// Firefox ESR, which puppeteer-core drives over WebDriver BiDi, and WebKitGTK's MiniBrowser,
// which WebKitWebDriver serves as a W3C WebDriver session (selenium-webdriver). A WebKit page is
// wrapped to answer the few calls of puppeteer's page that driver.mjs makes, so the same checks
// drive both. Both need a display (Xvfb): Firefox offers WebGL 2 only with a window, and
// MiniBrowser always opens one.
import {spawn} from 'node:child_process';
import {createRequire} from 'node:module';
import net from 'node:net';
import path from 'node:path';

import {decodePng, env, kDeadlineMs, newPage, runCheck} from './harness.mjs';

const require = createRequire(path.join(env('QUELMIRE_NODE_MODULES'), 'node_modules', '.'));

// Firefox with a window on the display: headless it offers no WebGL 2, and without the forced
// preference it refuses llvmpipe. Without the viewport its page is 800 x 600 and events beyond
// that are refused.
export async function launchFirefox() {
    const puppeteer = require('puppeteer-core');
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.QUELMIRE_FIREFOX || '/usr/bin/firefox-esr',
        headless: false,
        extraPrefsFirefox: {'webgl.force-enabled': true},
        defaultViewport: {width: 1280, height: 640, deviceScaleFactor: 1},
    });
    return {
        newPage: () => newPage(browser),
        close: () => browser.close(),
    };
}

// What the WebKit pages need before their own scripts: the driver has no way to run a script
// there, so the server writes these into the page (serve's `head`). One page at a time.
const webkitPreloads = [];
export const preloadsInHead = () => webkitPreloads.join('');

// A page's uncaught errors and console errors, kept in the page, where a WebDriver page's are
// seen.
function catchProblems() {
    window.testProblems = [];
    window.addEventListener('error', (event) => window.testProblems.push(`uncaught: ${event.message}`));
    const error = console.error;
    console.error = function(...args) {
        window.testProblems.push(`console error: ${args.join(' ')}`);
        return error.apply(this, args);
    };
}

const freePort = () => new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
        const {port} = server.address();
        server.close(() => resolve(port));
    });
});

async function until(what, test) {
    const end = Date.now() + kDeadlineMs;
    for (;;) {
        const value = await test();
        if (value) {
            return value;
        }
        if (Date.now() > end) {
            throw new Error(`waited ${kDeadlineMs} ms for ${what}`);
        }
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

// A page of WebKitGTK's MiniBrowser as far as driver.mjs and these tests use puppeteer's page.
class WebKitPage {
    constructor(driver, webdriver) {
        this.driver = driver;
        this.problems = [];
        const {Button, Key, Origin} = webdriver;
        const keys = {Shift: Key.SHIFT, Control: Key.CONTROL, Alt: Key.ALT, Escape: Key.ESCAPE,
                      Enter: Key.ENTER};
        const key = (name) => keys[name] ?? name;
        const buttons = {left: Button.LEFT, right: Button.RIGHT, middle: Button.MIDDLE};
        const actions = () => driver.actions({async: true});
        // WebDriver takes whole CSS pixels; the points driver.mjs makes are pixel centres.
        const at = (x, y) => ({x: Math.floor(x), y: Math.floor(y), origin: Origin.VIEWPORT, duration: 0});
        this.keyboard = {
            press: (name) => actions().keyDown(key(name)).keyUp(key(name)).perform(),
            down: (name) => actions().keyDown(key(name)).perform(),
            up: (name) => actions().keyUp(key(name)).perform(),
        };
        this.mouse = {
            move: (x, y) => actions().move(at(x, y)).perform(),
            down: ({button = 'left'} = {}) => actions().press(buttons[button]).perform(),
            up: ({button = 'left'} = {}) => actions().release(buttons[button]).perform(),
            click: (x, y) => actions().move(at(x, y)).press(Button.LEFT).release(Button.LEFT).perform(),
        };
        webkitPreloads.length = 0;
        this.evaluateOnNewDocument(catchProblems);
    }

    async evaluateOnNewDocument(fn) {
        webkitPreloads.push(`<script>(${fn})();</script>`);
    }

    async evaluate(fn, ...args) {
        const result = await this.driver.executeAsyncScript(
            `const done = arguments[arguments.length - 1];
             const args = Array.prototype.slice.call(arguments, 0, -1);
             Promise.resolve().then(() => (${fn}).apply(null, args)).then(
                 (value) => done({value: value === undefined ? null : value}),
                 (error) => done({error: String((error && error.stack) || error)}));`, ...args);
        if (result.error !== undefined) {
            throw new Error(`in the page: ${result.error}`);
        }
        return result.value;
    }

    $eval(selector, fn, ...args) {
        return this.evaluate(`(s, ...a) => (${fn})(document.querySelector(s), ...a)`, selector, ...args);
    }

    $$eval(selector, fn, ...args) {
        return this.evaluate(`(s, ...a) => (${fn})(Array.from(document.querySelectorAll(s)), ...a)`,
                             selector, ...args);
    }

    async waitForFunction(fn, options, ...args) {
        const value = await until(`${fn}`, () => this.evaluate(fn, ...args));
        return {jsonValue: async () => value};
    }

    // The window is as tall as the page's view and MiniBrowser's bar above it.
    setViewport({width, height}) {
        return this.driver.manage().window().setRect({x: 0, y: 0, width, height: height + 40});
    }

    goto(url) {
        return this.driver.get(url);
    }

    title() {
        return this.driver.getTitle();
    }

    // What the canvas shows, as RGB rows top-down: WebKit's element screenshots come out shifted
    // by the element's offset, so the view's screenshot is cut to the canvas's rectangle.
    async canvasPixels() {
        const view = decodePng(Buffer.from(await this.driver.takeScreenshot(), 'base64'));
        const r = await this.$eval('#canvas', (c) => {
            const b = c.getBoundingClientRect();
            return {x: Math.round(b.left + c.clientLeft), y: Math.round(b.top + c.clientTop),
                    width: c.clientWidth, height: c.clientHeight};
        });
        if (r.x < 0 || r.y < 0 || r.x + r.width > view.width || r.y + r.height > view.height) {
            throw new Error(`the canvas (${JSON.stringify(r)}) lies beyond the view ` +
                            `(${view.width} x ${view.height})`);
        }
        const out = {width: r.width, height: r.height, rgb: Buffer.alloc(r.width * r.height * 3)};
        for (let y = 0; y < r.height; ++y) {
            view.rgb.copy(out.rgb, y * r.width * 3, ((r.y + y) * view.width + r.x) * 3,
                          ((r.y + y) * view.width + r.x + r.width) * 3);
        }
        return out;
    }

    async close() {
        await this.driver.get('about:blank');
        webkitPreloads.length = 0;
    }
}

// WebKitWebDriver on a port of its own, and a session that opens MiniBrowser.
export async function launchWebKit() {
    const webdriver = require('selenium-webdriver');
    const port = await freePort();
    const server = spawn(process.env.QUELMIRE_WEBKIT_DRIVER || 'WebKitWebDriver', [`--port=${port}`],
                         {stdio: ['ignore', 'ignore', 'inherit']});
    const url = `http://127.0.0.1:${port}`;
    try {
        await until('WebKitWebDriver to answer', () => fetch(`${url}/status`).then((r) => r.ok, () => false));
        const capabilities = new webdriver.Capabilities({
            'browserName': 'MiniBrowser',
            'webkitgtk:browserOptions': {
                binary: process.env.QUELMIRE_MINIBROWSER ||
                        '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
                args: ['--automation'],
            },
        });
        const driver = await new webdriver.Builder().usingServer(url).withCapabilities(capabilities).build();
        await driver.manage().setTimeouts({script: kDeadlineMs, pageLoad: kDeadlineMs});
        return {
            newPage: async () => new WebKitPage(driver, webdriver),
            close: async () => {
                await driver.quit();
                server.kill();
            },
        };
    } catch (error) {
        server.kill();
        throw error;
    }
}

// Every problem a page has had: those puppeteer saw and those the page kept.
export async function pageProblems(page) {
    const kept = await page.evaluate(() => window.testProblems || []);
    return [...page.problems, ...kept];
}

// Runs the named checks one after another in one browser; prints a line for each and ends the
// process with a failing status if one failed.
export async function runInOneBrowser(engine, launch, checks) {
    let failed = 0;
    const started = Date.now();
    let browser;
    try {
        browser = await launch();
        console.log(`     ${engine} started in ${((Date.now() - started) / 1000).toFixed(1)} s`);
        for (const [name, check] of checks) {
            failed += (await runCheck(name, check, browser)) ? 0 : 1;
        }
    } catch (error) {
        failed += 1;
        console.log(`FAIL ${engine} could not be started\n     ${error.stack || error}`);
    } finally {
        await browser?.close();
    }
    process.exit(failed === 0 ? 0 : 1);
}
