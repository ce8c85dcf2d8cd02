// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Touch: one finger is the left button, so a drag turns the scene and a tap clicks; touching
// and holding still opens the right button's menu there, with entries big enough for a finger.
// Other fingers are left out. A phone has no Shift or Ctrl to hold: the modifiers of a finger's
// drag are what the page's Module.touchModifiers() returns, if the page gives one.

mergeInto(LibraryManager.library, {
  $GlutTouch__deps: ['$GlutPage', '$GlutMenu'],
  $GlutTouch: {
    // The touch followed: its identifier, where it began (client and window pixels), and what
    // it has become.
    touch: null,
    kLongPressMs: 500,
    // Client pixels a finger may wander before its touch counts as a drag.
    kTouchSlop: 10,

    watch: function(listeners, canvas) {
      var options = {passive: false};
      GlutPage.listen(listeners, canvas, 'touchstart', GlutTouch.onTouchStart, options);
      GlutPage.listen(listeners, canvas, 'touchmove', GlutTouch.onTouchMove, options);
      GlutPage.listen(listeners, canvas, 'touchend', GlutTouch.onTouchEnd, options);
      GlutPage.listen(listeners, canvas, 'touchcancel', GlutTouch.onTouchEnd, options);
    },

    dragModifiers: function() {
      var chosen = Module['touchModifiers'];
      return chosen ? chosen() : 0;
    },

    touchOf: function(e) {
      var touch = GlutTouch.touch;
      if (!touch) return null;
      for (var i = 0; i < e.changedTouches.length; i++) {
        if (e.changedTouches[i].identifier === touch.id) return e.changedTouches[i];
      }
      return null;
    },

    onTouchStart: function(e) {
      // No mouse events made up from the touch, no scrolling or zooming of the page.
      if (e.cancelable) e.preventDefault();
      if (GlutTouch.touch || !e.changedTouches.length) return;
      var t = e.changedTouches[0];
      GlutPage.canvas.focus({preventScroll: true});
      var touch = {id: t.identifier, x: t.clientX, y: t.clientY, at: GlutPage.toWindow(t),
                   dragging: false, menu: false, timer: null};
      touch.timer = setTimeout(function() {
        touch.timer = null;
        if (GlutTouch.touch !== touch) return;
        touch.menu = true;
        GlutMenu.byTouch = true;
        try {
          GlutPage.press(2, 0, touch.at, 0);
        } finally {
          GlutMenu.byTouch = false;
        }
      }, GlutTouch.kLongPressMs);
      GlutTouch.touch = touch;
      GlutPage.pointer = touch.at;
    },

    onTouchMove: function(e) {
      if (e.cancelable) e.preventDefault();
      var t = GlutTouch.touchOf(e);
      var touch = GlutTouch.touch;
      if (!t || touch.menu) return;
      var p = GlutPage.toWindow(t);
      if (!touch.dragging) {
        if (Math.abs(t.clientX - touch.x) + Math.abs(t.clientY - touch.y) < GlutTouch.kTouchSlop) {
          return;
        }
        clearTimeout(touch.timer);
        touch.timer = null;
        touch.dragging = true;
        touch.modifiers = GlutTouch.dragModifiers();
        GlutPage.press(0, 0, touch.at, touch.modifiers);
      }
      GlutPage.pointer = p;
      touch.at = p;
      GlutPage.call(function() { _glutOnPageMotion(p.x, p.y); });
    },

    // A drag ends as a release; a tap is a click; after a long press the menu stays open (or,
    // with no menu on the right button, the right button is released).
    onTouchEnd: function(e) {
      if (e.cancelable) e.preventDefault();
      var t = GlutTouch.touchOf(e);
      var touch = GlutTouch.touch;
      if (!t) return;
      GlutTouch.touch = null;
      clearTimeout(touch.timer);
      var p = GlutPage.toWindow(t);
      GlutPage.pointer = p;
      if (touch.dragging) {
        GlutPage.press(0, 1, p, touch.modifiers);
      } else if (touch.menu) {
        if (!GlutMenu.menu) GlutPage.press(2, 1, p, 0);
      } else if (e.type === 'touchend') {
        GlutPage.press(0, 0, touch.at, 0);
        GlutPage.press(0, 1, touch.at, 0);
      }
    },

    cancel: function() {
      if (GlutTouch.touch) clearTimeout(GlutTouch.touch.timer);
      GlutTouch.touch = null;
    },
  },
});
