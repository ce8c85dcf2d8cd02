// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The program pages' script: Emscripten's Module for the program, which it then loads. It hands
// the program's window toolkit the page's canvas (Module.canvas) and, for a finger's drag, the
// modifiers that the visitor chose among the page's touch-modifiers buttons
// (Module.touchModifiers). The program's standard output goes to the console panel and to the
// browser's console, line by line as printed; its standard error to the browser's console only.
// The status line, and its data-state (loading, running, paused, ended, failed), say how the
// program is: paused while the browser has taken the canvas's GPU context away.
'use strict';

var Module = (function() {
  var main = document.querySelector('main[data-program]');
  var name = main.dataset.name;
  var panel = document.getElementById('console');
  var status = document.getElementById('status');

  function say(state, text) {
    status.dataset.state = state;
    status.textContent = text;
  }

  var script = document.createElement('script');
  script.src = main.dataset.program + '.js';
  script.onerror = function() {
    say('failed', name + ' could not be loaded. Reload the page to try again.');
  };
  // A script added so runs only after this one, which has made Module by then.
  document.body.appendChild(script);

  return {
    canvas: main.querySelector('canvas'),
    // GLUT_ACTIVE_* bits.
    touchModifiers: function() {
      var chosen = main.querySelector('input[name="touch-modifiers"]:checked');
      return chosen ? (+chosen.value | 0) : 0;
    },
    // Fetched into the program's working directory before main (preload.js).
    preloadFiles: (main.dataset.files || '').split(/\s+/).filter(Boolean),
    print: function(line) {
      console.log(line);
      var atEnd = panel.scrollTop + panel.clientHeight >= panel.scrollHeight - 2;
      panel.appendChild(document.createTextNode(line + '\n'));
      if (atEnd) panel.scrollTop = panel.scrollHeight;
    },
    printErr: function(line) {
      console.error(line);
    },
    onRuntimeInitialized: function() {
      say('running', name + ' is running.');
    },
    onContextLost: function() {
      say('paused', name + ' is paused: the browser has taken its drawing away. It goes on when ' +
          'the browser gives it back.');
    },
    onContextRestored: function() {
      say('running', name + ' is running again.');
    },
    onExit: function(code) {
      status.dataset.exitStatus = code;
      say('ended', code === 0
          ? name + ' has ended. Reload the page to start it again.'
          : name + ' has ended with status ' + code + ' (the browser\'s console says why). ' +
            'Reload the page to start it again.');
    },
    onAbort: function() {
      say('failed', name + ' has stopped on an error (the browser\'s console says which). ' +
          'Reload the page to start it again.');
    },
  };
})();
