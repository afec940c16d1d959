// SPDX-License-Identifier: MIT
// The page around the program: an offline copy of the site, and no browser
// menu on a long press (a held arrow is a long press).
(function () {
  // Only the site's page has a worker beside it; the single file (inline
  // script) and pages without an origin of their own (file://, a sandboxed
  // frame) register none.
  var script = document.currentScript;
  if ('serviceWorker' in navigator && script && script.src && self.origin !== 'null') {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register('sw.js').catch(function () {});
    });
  }
  document.addEventListener('contextmenu', function (event) {
    if (event.pointerType === 'touch' || event.pointerType === 'pen') {
      event.preventDefault();
    }
  });
})();
