// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The keys pressed with the canvas focused, as the characters GLUT gives the program, at the
// pointer's last place on the window.

mergeInto(LibraryManager.library, {
  $GlutKeys__deps: ['$GlutPage'],
  $GlutKeys: {
    watch: function(listeners, canvas) {
      GlutPage.listen(listeners, canvas, 'keydown', GlutKeys.onKeyDown);
    },

    // The character a key press types, as GLUT gives it (Ctrl with a letter gives its control
    // code), or -1 for a key that types none. Tab is left to the page, to move the focus on.
    keyCode: function(e) {
      if (e.isComposing || e.metaKey) return -1;
      var named = {Enter: 13, Backspace: 8, Escape: 27, Delete: 127};
      var code = -1;
      if (e.key.length === 1) {
        code = e.key.charCodeAt(0);
      } else if (named[e.key] !== undefined) {
        code = named[e.key];
      }
      if (code < 0 || code > 255) return -1;
      if (e.ctrlKey && /^[@-_a-z]$/i.test(e.key)) code &= 0x1f;
      return code;
    },

    // Keys whose default would scroll or zoom the page under the program.
    movesPage: function(e) {
      if (e.ctrlKey || e.metaKey) return ['+', '=', '-', '_', '0'].indexOf(e.key) >= 0;
      return ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home',
              'End', ' '].indexOf(e.key) >= 0;
    },

    onKeyDown: function(e) {
      var key = GlutKeys.keyCode(e);
      if ((key >= 0 && !e.ctrlKey) || GlutKeys.movesPage(e)) e.preventDefault();
      if (key < 0) return;
      var p = GlutPage.pointer;
      var modifiers = GlutPage.modifiers(e);
      GlutPage.call(function() { _glutOnPageKey(key, p.x, p.y, modifiers); });
    },
  },
});
