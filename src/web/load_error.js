// SPDX-License-Identifier: MIT
// Runs before the module: a browser without WebAssembly, or a module that
// cannot be fetched or started, gets one line of text instead of an empty box.
(function () {
  function started() {
    return document.documentElement.dataset.ready === 'true';
  }
  function showLoadError(text) {
    var line = document.getElementById('load-error');
    if (line) {
      line.textContent = text;
      line.hidden = false;
    }
    var app = document.getElementById('app');
    if (app) {
      app.hidden = true;
    }
  }
  Module.onAbort = function (reason) {
    showLoadError('The program could not be loaded: ' + (reason || 'unknown error'));
  };
  // A module that cannot be fetched at all rejects a promise nobody handles.
  window.addEventListener('unhandledrejection', function (event) {
    if (!started()) {
      event.preventDefault();
      var reason = event.reason;
      showLoadError('The program could not be loaded: ' + (reason && reason.message ? reason.message : reason));
    }
  });
  // Without an origin of its own (a sandboxed frame, a file opened from disk)
  // the page may not fetch its module, and the browser reports that failure
  // to nobody: say so before trying. The single file carries its module inline.
  var script = document.currentScript;
  if (script && script.src && self.origin === 'null') {
    showLoadError('The program cannot load here: embed or open wave-synthesis.html, the single-file page.');
    throw new Error('no origin to fetch the module from');
  }
  if (typeof WebAssembly === 'undefined') {
    showLoadError('This page needs WebAssembly, which this browser does not provide.');
    throw new Error('WebAssembly is missing');
  }
})();
