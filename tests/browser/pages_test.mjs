// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The site's pages in headless Chromium, as a visitor gets them: each loads and runs its
// program, Quelmire's help is on the page before its first frame, frames keep coming,
// Brindlefen's canvas shows what the desktop's first frame shows, a texture file that the site
// lacks is black while the program runs on, and a quit key ends the program for good.
import fs from 'node:fs';
import path from 'node:path';

import {
    canvasPixels, check, compareFrames, desktopMoments, env, newPage, runChecks, serve,
    temporaryDirectory, waitInPage, writePpm,
} from './harness.mjs';

const site = env('QUELMIRE_SITE');
const expected = JSON.parse(fs.readFileSync(env('QUELMIRE_EXPECTED'), 'utf8'));

// Counts the page's frames (its WebGL clears, one a frame) and keeps what the console panel
// held when the first one began.
async function watchFrames(page) {
    await page.evaluateOnNewDocument(() => {
        window.testFrames = 0;
        const clear = WebGL2RenderingContext.prototype.clear;
        WebGL2RenderingContext.prototype.clear = function(...args) {
            if (window.testFrames === 0) {
                const panel = document.getElementById('console');
                window.testConsoleAtFirstFrame = panel ? panel.textContent : null;
            }
            window.testFrames += 1;
            return clear.apply(this, args);
        };
    });
}

async function framesDrawn(page) {
    return page.evaluate(() => window.testFrames);
}

// Frames keep coming: `count` more than now.
async function expectMoreFrames(page, count) {
    const now = await framesDrawn(page);
    await waitInPage(page, (n) => window.testFrames >= n, now + count);
}

async function openProgram(browser, server, program) {
    const page = await newPage(browser);
    await watchFrames(page);
    await page.goto(server.url(`/${program}.html`));
    await waitInPage(page, () => window.testFrames >= 2);
    return page;
}

// RGB of the canvas pixel at (x, y) from the top left.
function pixel({width, rgb}, x, y) {
    const i = (y * width + x) * 3;
    return [rgb[i], rgb[i + 1], rgb[i + 2]];
}

await runChecks([
    ['Quelmire\'s page prints the help before the first frame, and frames keep coming',
     async (browser) => {
         const server = await serve([site]);
         const page = await openProgram(browser, server, 'quelmire');
         const atFirstFrame = await page.evaluate(() => window.testConsoleAtFirstFrame);
         check(atFirstFrame === expected.quelmireHelp,
               `the console panel held ${JSON.stringify(atFirstFrame)} at the first frame, not the help`);
         check(await page.title() === expected.quelmireTitle, `the page is titled "${await page.title()}"`);
         await expectMoreFrames(page, 60);
         check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
         await page.close();
         await server.close();
     }],
    ['Brindlefen\'s page shows the desktop\'s first frame, and frames keep coming', async (browser) => {
        const server = await serve([site]);
        const page = await openProgram(browser, server, 'brindlefen');
        check(await page.title() === expected.brindlefenTitle, `the page is titled "${await page.title()}"`);
        await expectMoreFrames(page, 30);
        const dir = temporaryDirectory('brindlefen-page');
        writePpm(path.join(dir, 'page.ppm'), await canvasPixels(page));
        const desktop = desktopMoments(env('QUELMIRE_BRINDLEFEN_MOMENTSHOT'), env('QUELMIRE_TEXTURES'));
        const {samePlace, beyondNeighbours} =
            compareFrames(path.join(dir, 'page.ppm'), path.join(desktop, 'start.ppm'));
        console.log(`     the page's canvas: ${samePlace.toFixed(3)} % differ at the same place, ` +
                    `${beyondNeighbours.toFixed(3)} % from every neighbour`);
        check(beyondNeighbours <= 1, `the canvas is not the desktop's first frame (${dir}, ${desktop})`);
        check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
        fs.rmSync(dir, {recursive: true});
        fs.rmSync(desktop, {recursive: true});
        await page.close();
        await server.close();
    }],
    ['A texture file the site lacks is black, and Quelmire runs on', async (browser) => {
        const server = await serve([site], {missing: ['/grass.raw']});
        const page = await openProgram(browser, server, 'quelmire');
        await expectMoreFrames(page, 30);
        const frame = await canvasPixels(page);
        // Grass-covered land in the foreground, and the pond, at the start-up camera.
        const land = pixel(frame, 350, 660);
        const pond = pixel(frame, 100, 540);
        check(land.every((c) => c === 0), `the land is ${land}, not black, without its grass`);
        check(pond[2] > 60, `the pond is ${pond}: nothing seems drawn`);
        await expectMoreFrames(page, 30);
        await page.close();
        await server.close();
    }],
    ['A quit key ends Quelmire: the page says so and draws nothing more', async (browser) => {
        const server = await serve([site]);
        const page = await openProgram(browser, server, 'quelmire');
        await page.focus('#canvas');
        await page.keyboard.press('q');
        await waitInPage(page, () => document.body.textContent.includes('has ended'));
        const frames = await framesDrawn(page);
        // Two of the browser's frames go by: a main loop still running would draw in them.
        await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
        check(await framesDrawn(page) === frames, 'frames are still drawn after the program ended');
        check(page.problems.length === 0, `the page reported: ${page.problems.join('; ')}`);
        await page.close();
        await server.close();
    }],
]);
