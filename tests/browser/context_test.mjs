// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A lost GPU context, as browsers take one away (a tab in the background, a GPU reset) and give
// it back, through WEBGL_lose_context: while it is lost the page says that drawing is paused and
// never that the program is running; once it is back the page says so and the program draws the
// very frame it drew before, textures and all, without having noticed. Also a context that is
// already lost when the program makes it.
import fs from 'node:fs';
import path from 'node:path';

import {
    canvasPixels, check, compareFrames, describeDifference, desktopMoments, env, loseAtStart,
    newPage, runChecks, serve, temporaryDirectory, waitInPage, watchPage, writePpm,
} from './harness.mjs';

const site = env('QUELMIRE_SITE');
// As the pages test's canvas check: at most 0.0094 % of the canvas unmatched either way in the
// desktop's first frame, measured; between two frames of one renderer, none.
const kCanvasLimit = 0.05;

// Holds every page timer back, so that Quelmire's frame stays the start-up one: with no sun tick
// or duck step, the frame after a restore must be the frame before the loss.
function holdTimers() {
    window.setTimeout = () => 0;
}

async function openPage(browser, server, program, before = []) {
    const page = await newPage(browser);
    for (const script of before) {
        await page.evaluateOnNewDocument(script);
    }
    await watchPage(page);
    await page.goto(server.url(`/${program}.html`));
    return page;
}

async function status(page) {
    return page.$eval('#status', (s) => ({state: s.dataset.state, text: s.textContent}));
}

// The status line says `state` and its text does not claim that the program is running unless
// it is.
async function expectStatus(page, state, name) {
    await waitInPage(page, (s) => document.getElementById('status').dataset.state === s, state);
    const now = await status(page);
    const claimsRunning = /is running/.test(now.text);
    check(claimsRunning === (state === 'running'),
          `the status line says "${now.text}" while ${name}'s drawing is ${state}`);
}

async function loseContext(page) {
    await page.evaluate(() => {
        window.testLoseContext = document.getElementById('canvas').getContext('webgl2')
            .getExtension('WEBGL_lose_context');
        window.testLoseContext.loseContext();
    });
}

// Gives the context back and waits for the frame drawn on the new one.
async function restoreContext(page) {
    const frames = await page.evaluate(() => window.testFrames);
    await page.evaluate(() => window.testLoseContext.restoreContext());
    await waitInPage(page, (n) => window.testFrames > n, frames);
}

function expectSameFrame(dir, drawn, reference, what) {
    const difference = compareFrames(drawn, reference);
    console.log(`     ${what}: ${describeDifference(difference, kCanvasLimit)}`);
    check(difference.bothWays <= kCanvasLimit, `${what}: the frames differ (${drawn}, ${reference})`);
}

await runChecks([
    ['Quelmire\'s page says it is paused while its context is lost, and draws the same frame ' +
     'once it is back', async (browser) => {
        const server = await serve([site]);
        const page = await openPage(browser, server, 'quelmire', [holdTimers]);
        await waitInPage(page, () => window.testFrames >= 1);
        await expectStatus(page, 'running', 'Quelmire');
        const dir = temporaryDirectory('quelmire-context');
        writePpm(path.join(dir, 'before.ppm'), await canvasPixels(page));
        await loseContext(page);
        await expectStatus(page, 'paused', 'Quelmire');
        await restoreContext(page);
        await expectStatus(page, 'running', 'Quelmire');
        writePpm(path.join(dir, 'after.ppm'), await canvasPixels(page));
        expectSameFrame(dir, path.join(dir, 'after.ppm'), path.join(dir, 'before.ppm'),
                        'Quelmire\'s frame after the restore against the one before the loss');
        check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
        fs.rmSync(dir, {recursive: true});
        await page.close();
        await server.close();
    }],
    ['Brindlefen\'s page, its context lost as it starts, is paused until it is given back, then ' +
     'shows the desktop\'s first frame', async (browser) => {
        const server = await serve([site]);
        const page = await openPage(browser, server, 'brindlefen', [loseAtStart]);
        await expectStatus(page, 'paused', 'Brindlefen');
        await restoreContext(page);
        await expectStatus(page, 'running', 'Brindlefen');
        const dir = temporaryDirectory('brindlefen-context');
        writePpm(path.join(dir, 'page.ppm'), await canvasPixels(page));
        const desktop = desktopMoments(env('QUELMIRE_BRINDLEFEN_MOMENTSHOT'), env('QUELMIRE_TEXTURES'));
        expectSameFrame(dir, path.join(dir, 'page.ppm'), path.join(desktop, 'start.ppm'),
                        'Brindlefen\'s canvas after the restore against the desktop\'s first frame');
        check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
        fs.rmSync(dir, {recursive: true});
        fs.rmSync(desktop, {recursive: true});
        await page.close();
        await server.close();
    }],
]);
