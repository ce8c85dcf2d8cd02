// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Linked into each program (--pre-js). Before main runs, the files that its page lists
// (Module.preloadFiles) are fetched from beside the page and written into the program's working
// directory. A file that does not come, missing or failed, is not written: the program finds it
// missing, as it would on the desktop, and starts all the same. The fetches start at once, while
// the WebAssembly is still loading.
(function() {
  var arriving = (Module['preloadFiles'] || []).map(function(name) {
    return fetch(name)
        .then(function(response) { return response.ok ? response.arrayBuffer() : null; })
        .catch(function() { return null; })
        .then(function(data) { return {name: name, data: data}; });
  });
  Module['preRun'] = [].concat(Module['preRun'] || [], function() {
    addRunDependency('preload-files');
    Promise.all(arriving).then(function(files) {
      try {
        files.forEach(function(file) {
          if (file.data) FS.writeFile(file.name, new Uint8Array(file.data));
        });
      } finally {
        removeRunDependency('preload-files');
      }
    });
  });
})();
