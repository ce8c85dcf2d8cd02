// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// pageshot: the README's picture of Quelmire's page, taken from the real page of the site in
// headless Chromium, at the moment of its first frame: the help in the console panel, the
// start-up scene on the canvas, the text in the site's own fonts once they have loaded. The
// page's timers are held back from the start, so that no sun tick or duck step comes before that
// frame and every run takes the same picture.
//   node pageshot.mjs SITE OUT.png   (NODE_MODULES names the folder that holds puppeteer-core)
import {createRequire} from 'node:module';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const kTypes = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
                '.wasm': 'application/wasm', '.css': 'text/css', '.png': 'image/png',
                '.woff2': 'font/woff2'};
// The window: the canvas and the console panel side by side.
export const kPageView = {width: 1360, height: 900, deviceScaleFactor: 1};

function serve(root) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname).slice(1);
        const file = path.join(root, name || 'index.html');
        if (name.split('/').includes('..') || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, {'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream'})
            .end(fs.readFileSync(file));
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// The PNG bytes of Quelmire's page as it stands at its first frame. `env`, if given, is the
// browser's environment (a test's FONTCONFIG_FILE, say).
export async function shootPage(site, nodeModules, {env} = {}) {
    const require = createRequire(path.join(nodeModules, 'node_modules', '.'));
    const puppeteer = require('puppeteer-core');
    const server = await serve(site);
    const browser = await puppeteer.launch({
        executablePath: process.env.QUELMIRE_CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--enable-unsafe-swiftshader', '--use-angle=swiftshader',
               '--disable-background-networking', '--disable-component-update', '--no-first-run',
               '--disable-sync', '--force-color-profile=srgb', '--hide-scrollbars'],
        defaultViewport: kPageView,
        ...(env ? {env} : {}),
    });
    try {
        const page = await browser.newPage();
        await page.evaluateOnNewDocument(() => {
            // Timers wait for ever; the first frame needs none.
            window.setTimeout = () => 0;
            window.pageFrames = 0;
            const clear = WebGL2RenderingContext.prototype.clear;
            WebGL2RenderingContext.prototype.clear = function(...args) {
                window.pageFrames += 1;
                return clear.apply(this, args);
            };
        });
        await page.goto(`http://127.0.0.1:${server.address().port}/quelmire.html`);
        // Drawn, its text in the fonts it asks for, and shown: a frame of the browser's own has
        // gone by since.
        await page.waitForFunction(() => window.pageFrames >= 1 &&
                                         document.getElementById('status').dataset.state === 'running',
                                   {timeout: 120000});
        await page.evaluate(() => document.fonts.ready.then(() => true));
        await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
        return Buffer.from(await page.screenshot({type: 'png', fullPage: true}));
    } finally {
        await browser.close();
        server.close();
    }
}

if (process.argv[1] && path.resolve(process.argv[1]) === new URL(import.meta.url).pathname) {
    const [site, out] = process.argv.slice(2);
    if (!site || !out || !process.env.NODE_MODULES) {
        console.error('usage: NODE_MODULES=DIR node pageshot.mjs SITE OUT.png');
        process.exit(2);
    }
    fs.writeFileSync(out, await shootPage(site, process.env.NODE_MODULES));
    console.log(`pageshot: ${out}`);
}
