// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pages in WebKitGTK's MiniBrowser (engine_checks.mjs), all in one browser.
import {engineChecks} from './engine_checks.mjs';
import {launchWebKit, runInOneBrowser} from './engines.mjs';

await runInOneBrowser('WebKitGTK', launchWebKit, engineChecks());
