// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the browser tests share: a static server for the site, Debian's Chromium driven headless
// by puppeteer-core, waits with deadlines, frames read back from a page and from the desktop's
// momentshot, and a small runner that names each check. The build hands in where everything is
// through the environment (tests/CMakeLists.txt).
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

export const env = (name) => {
    const value = process.env[name];
    if (!value) {
        throw new Error(`${name} is not set: run the browser tests through ctest`);
    }
    return value;
};

// puppeteer-core is installed into the build, not beside these scripts.
const require = createRequire(path.join(env('QUELMIRE_NODE_MODULES'), 'node_modules', '.'));
const puppeteer = require('puppeteer-core');

// Long enough for a machine that is busy with the other tests.
export const kDeadlineMs = Number(process.env.QUELMIRE_DEADLINE_MS) || 120000;

const kTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.mjs': 'text/javascript',
    '.wasm': 'application/wasm',
    '.css': 'text/css',
    '.raw': 'application/octet-stream',
    '.woff2': 'font/woff2',
};

// Serves files on 127.0.0.1 from `roots`, folders looked in in order (the test pages, then the
// site); the paths in `missing` answer 404, as a site without those files would. What `head()`
// returns goes into every page at the start of its head, before the page's own scripts (for a
// browser whose driver cannot run a script there itself).
export async function serve(roots, {missing = [], head = () => ''} = {}) {
    const server = http.createServer((request, response) => {
        const {pathname} = new URL(request.url, 'http://localhost');
        const relative = decodeURIComponent(pathname).replace(/^\/+/, '') || 'index.html';
        const file = relative.split('/').includes('..') || missing.includes(pathname)
            ? undefined
            : roots.map((root) => path.join(root, relative)).find((f) => fs.existsSync(f));
        if (file === undefined) {
            response.writeHead(404).end();
            return;
        }
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            const type = kTypes[path.extname(file)] || 'application/octet-stream';
            const before = path.extname(file) === '.html' ? head() : '';
            const body = before ? Buffer.from(data.toString().replace(/<head>/i, `<head>${before}`)) : data;
            response.writeHead(200, {'Content-Type': type, 'Cache-Control': 'no-store'}).end(body);
        });
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: (page) => `http://127.0.0.1:${server.address().port}${page}`,
        // The browser may keep connections open; they are not waited for.
        close: () => {
            const closed = new Promise((resolve) => server.close(resolve));
            server.closeAllConnections();
            return closed;
        },
    };
}

// Headless Chromium drawing WebGL 2 on SwiftShader. As root it needs --no-sandbox; the closed
// network here refuses its background connections, so they are switched off.
export async function launch() {
    return puppeteer.launch({
        executablePath: process.env.QUELMIRE_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: [
            '--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
            '--disable-background-networking', '--disable-component-update', '--no-first-run',
            '--disable-sync', '--force-color-profile=srgb', '--window-size=1280,1024',
            // A key that scrolls the page outside the canvas scrolls it at once, not over frames
            // in which a test's next event would land elsewhere.
            '--disable-smooth-scrolling',
        ],
        defaultViewport: {width: 1280, height: 1024, deviceScaleFactor: 1},
    });
}

// A new page that keeps what goes wrong in it: uncaught errors and console errors.
export async function newPage(browser) {
    const page = await browser.newPage();
    page.problems = [];
    page.on('pageerror', (error) => page.problems.push(`uncaught: ${error.message}`));
    page.on('console', (message) => {
        if (message.type() === 'error') {
            page.problems.push(`console error: ${message.text()}`);
        }
    });
    page.setDefaultTimeout(kDeadlineMs);
    return page;
}

// Waits until `predicate`, run in the page with `args`, is truthy; returns its value.
export async function waitInPage(page, predicate, ...args) {
    const handle = await page.waitForFunction(predicate, {timeout: kDeadlineMs, polling: 50}, ...args);
    return handle.jsonValue();
}

// Watches a page from before its scripts run: the frames it draws (its WebGL clears, one a
// frame: window.testFrames), what the console panel held when the first began
// (testConsoleAtFirstFrame), the timer callbacks that have run (testTimersRun), and the mouse
// moves and the ends of touches it has seen (testMoves, testTouchEnds).
// Every timer the page asks for is written down in window.testTimers, in order, as {delay,
// interval (setInterval's), program (the platform's glutPageStartTimer asked for it, as the
// stack says), test (puppeteer's scripts, the test's own, asked for it), parent (the one whose
// callback was running when it was asked, a chain's previous tick, or -1), armedAt, firedAt
// (performance.now())}. While window.testHoldTimers is set, a timer of the page's own (neither
// the program's nor the test's) is held back when due: its callback waits in window.testHeld
// until the test runs it.
export async function watchPage(page) {
    await page.evaluateOnNewDocument(() => {
        window.testFrames = 0;
        window.testTimersRun = 0;
        window.testMoves = 0;
        window.testTouchEnds = 0;
        const clear = WebGL2RenderingContext.prototype.clear;
        WebGL2RenderingContext.prototype.clear = function(...args) {
            if (window.testFrames === 0) {
                const panel = document.getElementById('console');
                window.testConsoleAtFirstFrame = panel ? panel.textContent : null;
            }
            window.testFrames += 1;
            return clear.apply(this, args);
        };
        window.testTimers = [];
        window.testHoldTimers = false;
        window.testHeld = [];
        let running = -1;
        // Who asked, from the stack below this and the wrapper.
        const asked = (delay, interval) => {
            const callers = new Error().stack.split('\n').slice(3).join('\n');
            window.testTimers.push({delay, interval, parent: running, armedAt: performance.now(),
                                    firedAt: null, program: /glutPageStartTimer/.test(callers),
                                    test: /pptr:/.test(callers)});
            return window.testTimers.length - 1;
        };
        const setTimeout = window.setTimeout;
        window.setTimeout = function(callback, delay, ...rest) {
            const index = asked(delay, false);
            const timer = window.testTimers[index];
            return setTimeout.call(this, function(...args) {
                timer.firedAt = performance.now();
                window.testTimersRun += 1;
                const run = () => {
                    const outer = running;
                    running = index;
                    try {
                        return callback.apply(this, args);
                    } finally {
                        running = outer;
                    }
                };
                if (window.testHoldTimers && !timer.program && !timer.test) {
                    window.testHeld.push(run);
                    return undefined;
                }
                return run();
            }, delay, ...rest);
        };
        const setInterval = window.setInterval;
        window.setInterval = function(callback, delay, ...rest) {
            asked(delay, true);
            return setInterval.call(this, callback, delay, ...rest);
        };
        window.addEventListener('mousemove', () => { window.testMoves += 1; }, true);
        // A touch that the browser takes for a scroll ends as touchcancel.
        for (const type of ['touchend', 'touchcancel']) {
            window.addEventListener(type, () => { window.testTouchEnds += 1; }, true);
        }
    });
}

// Loses the first WebGL 2 context the page makes at once, as a GPU reset during start-up would;
// window.testLoseContext then gives it back.
export function loseAtStart() {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function(type, ...rest) {
        const context = getContext.call(this, type, ...rest);
        if (type === 'webgl2' && context && !('testLoseContext' in window)) {
            // A browser restores only a context whose page asked for it back.
            this.addEventListener('webglcontextlost', (e) => e.preventDefault());
            window.testLoseContext = context.getExtension('WEBGL_lose_context');
            if (window.testLoseContext) window.testLoseContext.loseContext();
        }
        return context;
    };
}

export async function framesDrawn(page) {
    return page.evaluate(() => window.testFrames);
}

// Frames keep coming: `count` more than now.
export async function expectMoreFrames(page, count) {
    const now = await framesDrawn(page);
    await waitInPage(page, (n) => window.testFrames >= n, now + count);
}

// Decodes the 8-bit RGB or RGBA PNG that a screenshot is into RGB bytes, rows top-down.
export function decodePng(buffer) {
    let offset = 8;
    let width = 0;
    let height = 0;
    let channels = 0;
    const data = [];
    while (offset < buffer.length) {
        const length = buffer.readUInt32BE(offset);
        const type = buffer.toString('latin1', offset + 4, offset + 8);
        const chunk = buffer.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = chunk.readUInt32BE(0);
            height = chunk.readUInt32BE(4);
            if (chunk[8] !== 8 || (chunk[9] !== 2 && chunk[9] !== 6) || chunk[12] !== 0) {
                throw new Error('not an 8-bit, non-interlaced RGB or RGBA PNG');
            }
            channels = chunk[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            data.push(chunk);
        }
        offset += length + 12;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const rgb = Buffer.alloc(width * height * 3);
    let previous = Buffer.alloc(stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? line[x - channels] : 0;
            const b = previous[x];
            const c = x >= channels ? previous[x - channels] : 0;
            let predictor = 0;
            if (filter === 1) {
                predictor = a;
            } else if (filter === 2) {
                predictor = b;
            } else if (filter === 3) {
                predictor = (a + b) >> 1;
            } else if (filter === 4) {
                const p = a + b - c;
                const pa = Math.abs(p - a);
                const pb = Math.abs(p - b);
                const pc = Math.abs(p - c);
                predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            }
            line[x] = (line[x] + predictor) & 255;
        }
        for (let x = 0; x < width; ++x) {
            line.copy(rgb, (y * width + x) * 3, x * channels, x * channels + 3);
        }
        previous = line;
    }
    return {width, height, rgb};
}

// What the page's canvas shows now, as RGB bytes rows top-down.
export async function canvasPixels(page) {
    const canvas = await page.$('#canvas');
    return decodePng(Buffer.from(await canvas.screenshot({type: 'png', omitBackground: false})));
}

export function writePpm(file, {width, height, rgb}) {
    fs.writeFileSync(file, Buffer.concat([Buffer.from(`P6\n${width} ${height}\n255\n`), rgb]));
}

export function temporaryDirectory(name) {
    return fs.mkdtempSync(path.join(os.tmpdir(), `${name}-`));
}

// The desktop's frames of the moments, drawn by momentshot built on the desktop's OpenGL.
export function desktopMoments(tool, textures) {
    const dir = temporaryDirectory('desktop-moments');
    execFileSync(tool, [dir, textures], {stdio: ['ignore', 'ignore', 'inherit']});
    return dir;
}

// The shares of frame_compare.h, in percent: {samePlace, drawnUnmatched, referenceUnmatched,
// bothWays}, the last the larger of the two unmatched shares, which the tests judge.
export function compareFrames(drawn, reference) {
    const out = execFileSync(env('QUELMIRE_COMPARE_FRAMES'), [drawn, reference]).toString();
    const [samePlace, drawnUnmatched, referenceUnmatched] = out.trim().split(/\s+/).map(Number);
    return {samePlace, drawnUnmatched, referenceUnmatched,
            bothWays: Math.max(drawnUnmatched, referenceUnmatched)};
}

// The shares as the tests print them, with the limit they are held to.
export function describeDifference({samePlace, drawnUnmatched, referenceUnmatched}, limit) {
    return `${samePlace.toFixed(4).padStart(7)} % differ at the same place; unmatched: ` +
           `${drawnUnmatched.toFixed(4).padStart(7)} % of the browser's, ` +
           `${referenceUnmatched.toFixed(4).padStart(7)} % of the desktop's (limit ${limit} %)`;
}

// Runs one named check in `browser` and prints how it went; true if it passed.
export async function runCheck(name, check, browser) {
    const started = Date.now();
    try {
        await check(browser);
        console.log(`ok   ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
        return true;
    } catch (error) {
        console.log(`FAIL ${name}\n     ${String(error.stack || error).replace(/\n/g, '\n     ')}`);
        return false;
    }
}

// Runs the named checks one after another, each with a fresh browser (a check that takes none
// launches its own, as it needs them); prints a line for each and ends the process with a
// failing status if one failed.
export async function runChecks(checks) {
    let failed = 0;
    for (const [name, check] of checks) {
        const browser = check.length > 0 ? await launch() : undefined;
        try {
            failed += (await runCheck(name, check, browser)) ? 0 : 1;
        } finally {
            await browser?.close();
        }
    }
    process.exit(failed === 0 ? 0 : 1);
}

export function check(condition, message) {
    if (!condition) {
        throw new Error(message);
    }
}
