// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser's figures (`make bench-web`), each a ratio against a baseline measured in the same
// run, in the same headless Chromium: Quelmire's frames delivered a second against the 62.5 that
// its 16 ms timer allows; the cost of its frame, and its start-up to the first frame, against
// the empty window's page (a window of its size that only clears, on our platform); and the
// site's size, as served and gzip-compressed, against the 2 MB goal.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import {env, launch, newPage, serve, waitInPage} from '../../tests/browser/harness.mjs';

const site = env('QUELMIRE_SITE');
const benchPages = env('QUELMIRE_BENCH_PAGES');
const kStarts = 5;
const kCountSeconds = 10;
const kTimedFrames = 300;

// Times every animation frame in which the page drew (cleared), up to the moment its drawing is
// done: a one-pixel read-back waits for the GPU's work, as it would in either page.
async function instrument(page) {
    await page.evaluateOnNewDocument(() => {
        window.benchClears = 0;
        window.benchFirstClear = null;
        window.benchFrameTimes = [];
        const clear = WebGL2RenderingContext.prototype.clear;
        WebGL2RenderingContext.prototype.clear = function(...args) {
            window.benchGl = this;
            if (window.benchFirstClear === null) {
                window.benchFirstClear = performance.now();
            }
            window.benchClears += 1;
            return clear.apply(this, args);
        };
        const pixel = new Uint8Array(4);
        const animationFrame = window.requestAnimationFrame.bind(window);
        window.requestAnimationFrame = (callback) => animationFrame((time) => {
            const clears = window.benchClears;
            const started = performance.now();
            callback(time);
            if (window.benchClears !== clears && window.benchTiming) {
                const issued = performance.now();
                const gl = window.benchGl;
                gl.readPixels(0, 0, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
                window.benchFrameTimes.push([performance.now() - started, issued - started]);
            }
        });
    });
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

async function open(browser, url) {
    const page = await newPage(browser);
    await page.setViewport({width: 1280, height: 1024, deviceScaleFactor: 1});
    await instrument(page);
    await page.goto(url);
    await waitInPage(page, () => window.benchClears >= 2);
    return page;
}

// Milliseconds from the start of navigation to the first clear, the median of kStarts loads.
async function startUp(browser, url) {
    const times = [];
    for (let i = 0; i < kStarts; ++i) {
        const page = await open(browser, url);
        times.push(await page.evaluate(() => window.benchFirstClear));
        await page.close();
    }
    return median(times);
}

// The median time of a frame that the page drew, over kTimedFrames of them, to its last pixel
// and to its last call (the page's own work: the program, GLU and our OpenGL in WebAssembly,
// and WebGL's calls).
async function frameCost(browser, url) {
    const page = await open(browser, url);
    await page.evaluate(() => { window.benchTiming = true; });
    await waitInPage(page, (n) => window.benchFrameTimes.length >= n, kTimedFrames);
    const times = await page.evaluate(() => window.benchFrameTimes);
    await page.close();
    return {whole: median(times.map((t) => t[0])), own: median(times.map((t) => t[1]))};
}

// Frames a second over kCountSeconds, after a second to settle.
async function framesPerSecond(browser, url) {
    const page = await open(browser, url);
    await page.evaluate(() => new Promise((done) => setTimeout(done, 1000)));
    const counted = await page.evaluate((seconds) => new Promise((done) => {
        const from = window.benchClears;
        const started = performance.now();
        setTimeout(() => done([window.benchClears - from, performance.now() - started]), seconds * 1000);
    }), kCountSeconds);
    await page.close();
    return counted[0] / (counted[1] / 1000);
}

function siteSize() {
    let bytes = 0;
    let compressed = 0;
    for (const name of fs.readdirSync(site)) {
        const data = fs.readFileSync(path.join(site, name));
        bytes += data.length;
        compressed += zlib.gzipSync(data, {level: 9}).length;
    }
    return {bytes, compressed};
}

const server = await serve([benchPages, site]);
const browser = await launch();
try {
    const quelmire = server.url('/quelmire.html');
    const empty = server.url('/empty_window.html');
    const fps = await framesPerSecond(browser, quelmire);
    const emptyFps = await framesPerSecond(browser, empty);
    const cost = await frameCost(browser, quelmire);
    const emptyCost = await frameCost(browser, empty);
    const start = await startUp(browser, quelmire);
    const emptyStart = await startUp(browser, empty);
    const size = siteSize();
    const mb = (n) => (n / 1e6).toFixed(2);
    const rows = [
        ['Frames delivered a second over 10 s', fps.toFixed(1), '62.5 that the 16 ms timer allows',
         `${(fps / 62.5).toFixed(3)} (empty page: ${emptyFps.toFixed(1)}, ${(emptyFps / 62.5).toFixed(3)})`,
         fps / 62.5 >= 0.95 ? 'goal >= 0.95: met' : 'goal >= 0.95: MISSED'],
        ['Quelmire\'s frame, to the renderer\'s last pixel (median)', `${cost.whole.toFixed(2)} ms`,
         `empty page's frame ${emptyCost.whole.toFixed(2)} ms`,
         `${(cost.whole / emptyCost.whole).toFixed(1)} x`, `${(cost.whole / 16).toFixed(2)} of the 16 ms budget`],
        ['of which the page\'s own work, to its last WebGL call', `${cost.own.toFixed(2)} ms`,
         `empty page's ${emptyCost.own.toFixed(2)} ms`, `${(cost.own / emptyCost.own).toFixed(1)} x`,
         `${(cost.own / 16).toFixed(2)} of the 16 ms budget`],
        ['Start-up to the first frame (median of 5)', `${start.toFixed(0)} ms`,
         `empty page ${emptyStart.toFixed(0)} ms`,
         `+${(start - emptyStart).toFixed(0)} ms, ${(start / emptyStart).toFixed(2)} x`, ''],
        ['The site, everything a visitor downloads', `${mb(size.bytes)} MB`,
         `gzip -9: ${mb(size.compressed)} MB`, `${(size.compressed / 2e6).toFixed(2)} of 2 MB`,
         size.compressed < 2e6 ? 'goal < 2 MB compressed: met' : 'goal < 2 MB compressed: MISSED'],
    ];
    console.log('| Figure | Measured | Baseline | Ratio | Goal |');
    console.log('|---|---|---|---|---|');
    for (const row of rows) {
        console.log(`| ${row.join(' | ')} |`);
    }
} finally {
    await browser.close();
    await server.close();
}
