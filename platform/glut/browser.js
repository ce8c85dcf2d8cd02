// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The page's side of the window toolkit (browser.cpp): the canvas #canvas, its mouse, wheel and
// key events, the one-shot timers, the pop-up menus and the program's end. Every call into the
// program goes through callUserCallback, so that an exit() inside a callback ends the program
// quietly instead of escaping to the page as an uncaught exception.

mergeInto(LibraryManager.library, {
  $GlutPage__deps: ['$callUserCallback'],
  $GlutPage: {
    canvas: null,
    // Timer number -> the browser's timeout, while it waits.
    timers: {},
    // [target, type, handler, options] of every listener the open window added.
    listeners: [],
    // GLUT buttons pressed on the canvas and not released yet, as a bit mask.
    held: 0,
    // The window's size in window pixels, and whether it is open.
    size: {width: 300, height: 300},
    open: false,
    // The pointer in window pixels, for the key events, which carry none.
    pointer: {x: 0, y: 0},
    // The open menu: its outer list and the client point it opened at.
    menu: null,
    // While a menu is being built: the list for each depth.
    building: [],

    call: function(program) {
      callUserCallback(program);
    },

    listen: function(target, type, handler, options) {
      target.addEventListener(type, handler, options);
      GlutPage.listeners.push([target, type, handler, options]);
    },

    unlisten: function(listeners) {
      listeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    },

    modifiers: function(e) {
      return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    },

    // Client coordinates to window pixels, y down, whatever size the page shows the canvas at
    // and however many device pixels it has.
    toWindow: function(e) {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var r = c.getBoundingClientRect();
      return {
        x: Math.floor((e.clientX - r.left - c.clientLeft) * w.width / (c.clientWidth || w.width)),
        y: Math.floor((e.clientY - r.top - c.clientTop) * w.height / (c.clientHeight || w.height))
      };
    },

    toClient: function(x, y) {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var r = c.getBoundingClientRect();
      return {
        x: r.left + c.clientLeft + x * (c.clientWidth || w.width) / w.width,
        y: r.top + c.clientTop + y * (c.clientHeight || w.height) / w.height
      };
    },

    // The canvas holds the window's pixels times the screen's pixel ratio, so that the picture
    // is crisp on a high-density screen, and is shown at the window's size. Browser zoom and a
    // move to another screen change the ratio: the canvas follows and the program is told.
    fitToScreen: function() {
      var c = GlutPage.canvas;
      var w = GlutPage.size;
      var ratio = window.devicePixelRatio || 1;
      var width = Math.max(1, Math.round(w.width * ratio));
      var height = Math.max(1, Math.round(w.height * ratio));
      c.style.width = w.width + 'px';
      if (c.width === width && c.height === height) return;
      c.width = width;
      c.height = height;
      if (GlutPage.open) {
        GlutPage.call(function() { _glutOnPageScale(width / w.width); });
      }
    },

    watchPixelRatio: function() {
      if (!window.matchMedia) return;
      var query = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
      var changed = function() {
        query.removeEventListener('change', changed);
        if (!GlutPage.open) return;
        GlutPage.fitToScreen();
        GlutPage.watchPixelRatio();
      };
      query.addEventListener('change', changed);
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

    press: function(button, state, p, modifiers) {
      GlutPage.call(function() { _glutOnPageMouse(button, state, p.x, p.y, modifiers); });
    },

    onMouseDown: function(e) {
      if (e.button > 2) return;
      // No text selection, no autoscroll: the press is the program's. It still takes the focus.
      e.preventDefault();
      GlutPage.canvas.focus({preventScroll: true});
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      GlutPage.held |= 1 << e.button;
      GlutPage.press(e.button, 0, p, GlutPage.modifiers(e));
    },

    // On the whole window: a drag goes on, and ends, outside the canvas too.
    onMouseUp: function(e) {
      var bit = 1 << e.button;
      if (e.button > 2 || !(GlutPage.held & bit)) return;
      GlutPage.held &= ~bit;
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      GlutPage.press(e.button, 1, p, GlutPage.modifiers(e));
    },

    onMouseMove: function(e) {
      var p = GlutPage.toWindow(e);
      GlutPage.pointer = p;
      if (!GlutPage.held) return;
      // A button released where the page could not see it (another window) counts as released.
      var down = (e.buttons & 1 ? 1 : 0) | (e.buttons & 4 ? 2 : 0) | (e.buttons & 2 ? 4 : 0);
      var lost = GlutPage.held & ~down;
      for (var button = 0; button <= 2; button++) {
        if (lost & (1 << button)) {
          GlutPage.held &= ~(1 << button);
          GlutPage.press(button, 1, p, GlutPage.modifiers(e));
        }
      }
      if (!GlutPage.held) return;
      GlutPage.call(function() { _glutOnPageMotion(p.x, p.y); });
    },

    // The wheel is buttons 3 (up) and 4 (down): a press and a release for each step.
    onWheel: function(e) {
      e.preventDefault();
      if (!e.deltaY) return;
      var button = e.deltaY < 0 ? 3 : 4;
      var p = GlutPage.toWindow(e);
      var modifiers = GlutPage.modifiers(e);
      GlutPage.call(function() {
        _glutOnPageMouse(button, 0, p.x, p.y, modifiers);
        _glutOnPageMouse(button, 1, p.x, p.y, modifiers);
      });
    },

    onKeyDown: function(e) {
      var key = GlutPage.keyCode(e);
      if ((key >= 0 && !e.ctrlKey) || GlutPage.movesPage(e)) e.preventDefault();
      if (key < 0) return;
      var p = GlutPage.pointer;
      var modifiers = GlutPage.modifiers(e);
      GlutPage.call(function() { _glutOnPageKey(key, p.x, p.y, modifiers); });
    },

    // Touch: one finger is the left button, so a drag turns the scene and a tap clicks;
    // touching and holding still opens the right button's menu there, with entries big enough
    // for a finger. Other fingers are left out. The touch followed: its identifier, where it
    // began (client and window pixels), and what it has become.
    touch: null,
    kLongPressMs: 500,
    // Client pixels a finger may wander before its touch counts as a drag.
    kTouchSlop: 10,
    // True while a long press opens a menu, so that the menu comes big.
    menuByTouch: false,

    // The modifiers that the page's choice of what a finger's drag is stands for, if it has one.
    touchModifiers: function() {
      var chosen = document.querySelector('input[name="touch-modifiers"]:checked');
      return chosen ? (+chosen.value | 0) : 0;
    },

    touchOf: function(e) {
      var touch = GlutPage.touch;
      if (!touch) return null;
      for (var i = 0; i < e.changedTouches.length; i++) {
        if (e.changedTouches[i].identifier === touch.id) return e.changedTouches[i];
      }
      return null;
    },

    onTouchStart: function(e) {
      // No mouse events made up from the touch, no scrolling or zooming of the page.
      if (e.cancelable) e.preventDefault();
      if (GlutPage.touch || !e.changedTouches.length) return;
      var t = e.changedTouches[0];
      GlutPage.canvas.focus({preventScroll: true});
      var touch = {id: t.identifier, x: t.clientX, y: t.clientY, at: GlutPage.toWindow(t),
                   dragging: false, menu: false, timer: null};
      touch.timer = setTimeout(function() {
        touch.timer = null;
        if (GlutPage.touch !== touch) return;
        touch.menu = true;
        GlutPage.menuByTouch = true;
        try {
          GlutPage.press(2, 0, touch.at, 0);
        } finally {
          GlutPage.menuByTouch = false;
        }
      }, GlutPage.kLongPressMs);
      GlutPage.touch = touch;
      GlutPage.pointer = touch.at;
    },

    onTouchMove: function(e) {
      if (e.cancelable) e.preventDefault();
      var t = GlutPage.touchOf(e);
      var touch = GlutPage.touch;
      if (!t || touch.menu) return;
      var p = GlutPage.toWindow(t);
      if (!touch.dragging) {
        if (Math.abs(t.clientX - touch.x) + Math.abs(t.clientY - touch.y) < GlutPage.kTouchSlop) return;
        clearTimeout(touch.timer);
        touch.timer = null;
        touch.dragging = true;
        touch.modifiers = GlutPage.touchModifiers();
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
      var t = GlutPage.touchOf(e);
      var touch = GlutPage.touch;
      if (!t) return;
      GlutPage.touch = null;
      clearTimeout(touch.timer);
      var p = GlutPage.toWindow(t);
      GlutPage.pointer = p;
      if (touch.dragging) {
        GlutPage.press(0, 1, p, touch.modifiers);
      } else if (touch.menu) {
        if (!GlutPage.menu) GlutPage.press(2, 1, p, 0);
      } else if (e.type === 'touchend') {
        GlutPage.press(0, 0, touch.at, 0);
        GlutPage.press(0, 1, touch.at, 0);
      }
    },

    cancelTouch: function() {
      if (GlutPage.touch) clearTimeout(GlutPage.touch.timer);
      GlutPage.touch = null;
    },

    closeWindow: function() {
      GlutPage.open = false;
      GlutPage.cancelTouch();
      GlutPage.closeMenu();
      GlutPage.unlisten(GlutPage.listeners);
      GlutPage.listeners = [];
      GlutPage.held = 0;
      var c = GlutPage.canvas;
      if (!c) return;
      c.blur();
      c.tabIndex = -1;
      c.setAttribute('aria-disabled', 'true');
      c.style.filter = 'grayscale(1)';
      c.style.opacity = '0.4';
    },

    // Menus: lists of buttons, submenus nested in the entry that opens them.
    makeList: function() {
      var list = document.createElement('ul');
      list.className = 'glut-menu';
      list.setAttribute('role', 'menu');
      list.style.margin = '0';
      list.style.listStyle = 'none';
      return list;
    },

    entriesOf: function(list) {
      return Array.prototype.map.call(list.children, function(li) { return li.firstChild; });
    },

    openSubmenu: function(entry) {
      var list = entry.nextSibling;
      if (!list || !list.hidden) return;
      list.hidden = false;
      entry.setAttribute('aria-expanded', 'true');
      // A finger's menu opens its submenus in place, below their entries (site.css).
      if (GlutPage.menu && GlutPage.menu.touch) return;
      // Beside its entry, or on the other side if it would leave the window.
      list.style.left = '100%';
      list.style.right = 'auto';
      list.style.top = '0';
      var r = list.getBoundingClientRect();
      if (r.right > innerWidth) {
        list.style.left = 'auto';
        list.style.right = '100%';
      }
      if (r.bottom > innerHeight) list.style.top = Math.max(-r.top, innerHeight - r.bottom) + 'px';
    },

    closeSubmenusIn: function(list) {
      GlutPage.entriesOf(list).forEach(function(entry) {
        var sub = entry.nextSibling;
        if (sub && !sub.hidden) {
          GlutPage.closeSubmenusIn(sub);
          sub.hidden = true;
          entry.setAttribute('aria-expanded', 'false');
        }
      });
    },

    // Hovering or moving onto an entry focuses it; an entry with a submenu opens it.
    enterEntry: function(entry, openIt) {
      GlutPage.closeSubmenusIn(entry.parentNode.parentNode);
      entry.focus({preventScroll: true});
      if (openIt) GlutPage.openSubmenu(entry);
    },

    pick: function(entry) {
      if (entry.nextSibling) {
        GlutPage.enterEntry(entry, true);
        var first = entry.nextSibling.firstChild;
        if (first) first.firstChild.focus({preventScroll: true});
        return;
      }
      var menu = +entry.dataset.menu;
      var value = +entry.dataset.value;
      GlutPage.closeMenu();
      GlutPage.call(function() { _glutOnPageMenuPick(menu, value); });
    },

    onMenuKey: function(e) {
      var entry = document.activeElement;
      if (!GlutPage.menu.root.contains(entry) || entry.tagName !== 'BUTTON') entry = null;
      var list = entry ? entry.parentNode.parentNode : GlutPage.menu.root;
      var entries = GlutPage.entriesOf(list);
      var at = entries.indexOf(entry);
      var move = function(to) {
        var n = entries.length;
        if (n) GlutPage.enterEntry(entries[((to % n) + n) % n], false);
      };
      switch (e.key) {
        case 'Escape':
        case 'Tab':
          GlutPage.closeMenu();
          break;
        case 'ArrowDown': move(at + 1); break;
        case 'ArrowUp': move(at < 0 ? -1 : at - 1); break;
        case 'Home': move(0); break;
        case 'End': move(-1); break;
        case 'ArrowRight':
          if (entry && entry.nextSibling) GlutPage.pick(entry);
          break;
        case 'ArrowLeft':
          if (list !== GlutPage.menu.root) {
            var opener = list.previousSibling;
            GlutPage.closeSubmenusIn(opener.parentNode.parentNode);
            opener.focus({preventScroll: true});
          }
          break;
        default:
          // Enter and Space click the focused entry; nothing else reaches the program.
          if (e.key !== 'Enter' && e.key !== ' ') e.preventDefault();
          e.stopPropagation();
          return;
      }
      e.preventDefault();
      e.stopPropagation();
    },

    // A press or a touch outside the menu closes it, and goes no further: it chose nothing.
    onMenuOutsidePress: function(e) {
      if (GlutPage.menu.root.contains(e.target)) return;
      // A touch that has begun to scroll the page can no longer be held back.
      if (e.cancelable) e.preventDefault();
      e.stopPropagation();
      GlutPage.closeMenu();
    },

    // Pressing the button, moving onto an entry and releasing it there picks the entry.
    onMenuRelease: function(e) {
      var menu = GlutPage.menu;
      if (!menu || e.button !== 2) return;
      var moved = Math.abs(e.clientX - menu.at.x) + Math.abs(e.clientY - menu.at.y) > 4;
      var entry = e.target.closest && e.target.closest('button');
      if (moved && entry && menu.root.contains(entry)) GlutPage.pick(entry);
    },

    closeMenu: function() {
      var menu = GlutPage.menu;
      if (!menu) return;
      GlutPage.menu = null;
      GlutPage.unlisten(menu.listeners);
      var hadFocus = menu.root.contains(document.activeElement);
      menu.root.remove();
      if (hadFocus && GlutPage.canvas && GlutPage.canvas.tabIndex >= 0) {
        GlutPage.canvas.focus({preventScroll: true});
      }
    },
  },

  glutPageOpenWindow__deps: ['$GlutPage'],
  glutPageOpenWindow: function(width, height, title) {
    var c = document.querySelector('#canvas');
    GlutPage.canvas = c;
    GlutPage.size = {width: width, height: height};
    GlutPage.open = false;
    GlutPage.fitToScreen();
    GlutPage.open = true;
    document.title = UTF8ToString(title);
    c.tabIndex = 0;
    c.removeAttribute('aria-disabled');
    c.style.filter = '';
    c.style.opacity = '';
    // No touch gesture scrolls or zooms the page under the program either.
    c.style.touchAction = 'none';
    if (!GlutPage.listeners.length) {
      GlutPage.listen(c, 'mousedown', GlutPage.onMouseDown);
      GlutPage.listen(c, 'contextmenu', function(e) { e.preventDefault(); });
      GlutPage.listen(c, 'wheel', GlutPage.onWheel, {passive: false});
      GlutPage.listen(c, 'keydown', GlutPage.onKeyDown);
      GlutPage.listen(c, 'touchstart', GlutPage.onTouchStart, {passive: false});
      GlutPage.listen(c, 'touchmove', GlutPage.onTouchMove, {passive: false});
      GlutPage.listen(c, 'touchend', GlutPage.onTouchEnd, {passive: false});
      GlutPage.listen(c, 'touchcancel', GlutPage.onTouchEnd, {passive: false});
      GlutPage.listen(window, 'mouseup', GlutPage.onMouseUp);
      GlutPage.listen(window, 'mousemove', GlutPage.onMouseMove);
      GlutPage.listen(window, 'resize', GlutPage.fitToScreen);
      GlutPage.watchPixelRatio();
    }
    c.focus({preventScroll: true});
  },

  glutPageScale__deps: ['$GlutPage'],
  glutPageScale: function() {
    return GlutPage.canvas.width / GlutPage.size.width;
  },

  glutPageCloseWindow__deps: ['$GlutPage'],
  glutPageCloseWindow: function() {
    GlutPage.closeWindow();
  },

  glutPageStartTimer__deps: ['$GlutPage'],
  glutPageStartTimer: function(timer, milliseconds) {
    GlutPage.timers[timer] = setTimeout(function() {
      delete GlutPage.timers[timer];
      GlutPage.call(function() { _glutOnPageTimer(timer); });
    }, milliseconds >>> 0);
  },

  glutPageBeginMenu__deps: ['$GlutPage'],
  glutPageBeginMenu: function(x, y) {
    GlutPage.closeMenu();
    GlutPage.building = [GlutPage.makeList()];
    GlutPage.buildingAt = GlutPage.toClient(x, y);
  },

  glutPageAddMenuEntry__deps: ['$GlutPage'],
  glutPageAddMenuEntry: function(depth, label, menu, value, opensSubmenu) {
    var list = GlutPage.building[depth];
    if (!list) return;
    var item = document.createElement('li');
    item.setAttribute('role', 'none');
    var entry = document.createElement('button');
    entry.type = 'button';
    entry.tabIndex = -1;
    entry.setAttribute('role', 'menuitem');
    entry.textContent = UTF8ToString(label);
    item.appendChild(entry);
    list.appendChild(item);
    if (opensSubmenu) {
      item.style.position = 'relative';
      var sub = GlutPage.makeList();
      sub.style.position = 'absolute';
      sub.hidden = true;
      item.appendChild(sub);
      entry.setAttribute('aria-haspopup', 'menu');
      entry.setAttribute('aria-expanded', 'false');
      GlutPage.building.length = depth + 1;
      GlutPage.building.push(sub);
    } else {
      entry.dataset.menu = menu;
      entry.dataset.value = value;
    }
  },

  glutPageShowMenu__deps: ['$GlutPage'],
  glutPageShowMenu: function() {
    var root = GlutPage.building[0];
    var at = GlutPage.buildingAt;
    GlutPage.building = [];
    var touch = GlutPage.menuByTouch;
    if (touch) root.classList.add('touch');
    root.style.position = 'fixed';
    root.style.zIndex = '1000';
    root.style.left = at.x + 'px';
    root.style.top = at.y + 'px';
    document.body.appendChild(root);
    // Inside the window, moved back from the right and bottom edges if need be.
    var r = root.getBoundingClientRect();
    if (r.right > innerWidth) root.style.left = Math.max(0, innerWidth - r.width) + 'px';
    if (r.bottom > innerHeight) root.style.top = Math.max(0, innerHeight - r.height) + 'px';

    var menu = {root: root, at: at, touch: touch, listeners: []};
    var listen = function(target, type, handler, options) {
      target.addEventListener(type, handler, options);
      menu.listeners.push([target, type, handler, options]);
    };
    listen(root, 'click', function(e) {
      var entry = e.target.closest('button');
      if (entry) GlutPage.pick(entry);
    });
    listen(root, 'mouseover', function(e) {
      var entry = e.target.closest('button');
      if (entry && entry !== document.activeElement) GlutPage.enterEntry(entry, true);
    });
    listen(root, 'contextmenu', function(e) { e.preventDefault(); });
    listen(root, 'keydown', GlutPage.onMenuKey);
    listen(document, 'mousedown', GlutPage.onMenuOutsidePress, true);
    listen(document, 'touchstart', GlutPage.onMenuOutsidePress, {capture: true, passive: false});
    listen(document, 'mouseup', GlutPage.onMenuRelease, true);
    listen(window, 'blur', GlutPage.closeMenu);
    listen(window, 'resize', GlutPage.closeMenu);
    GlutPage.menu = menu;
    // Focused as a whole, with no entry chosen yet: the arrow keys choose one, Escape closes it.
    root.tabIndex = -1;
    root.focus({preventScroll: true});
  },

  // The program's exit(), in place of the runtime's: that one, with the main loop running, only
  // unwinds the callback and lets the frames and timers go on, runs no atexit handler and never
  // tells the page. This one ends the program for good: no frame, timer or event after it, its
  // output flushed, its atexit handlers run, then Module.onExit(status).
  exit__deps: ['$GlutPage', 'emscripten_cancel_main_loop', 'emscripten_force_exit'],
  exit: function(status) {
    for (var timer in GlutPage.timers) clearTimeout(GlutPage.timers[timer]);
    GlutPage.timers = {};
    GlutPage.closeWindow();
    _emscripten_cancel_main_loop();
    _emscripten_force_exit(status);
  },
});
