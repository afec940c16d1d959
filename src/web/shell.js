// SPDX-License-Identifier: MIT
// The page around the program: an offline copy of the site, and no browser
// menu on a long press (a held arrow is a long press).
(function () {
  // Only the site's page has a worker beside it; the single file (inline
  // script) and pages without an origin of their own (file://, a sandboxed
  // frame) register none.
  // It caches the whole site, so it starts once the window is drawn, not
  // while a slow machine is still building it.
  var script = document.currentScript;
  if ('serviceWorker' in navigator && script && script.src && self.origin !== 'null') {
    var root = document.documentElement;
    var register = function () {
      navigator.serviceWorker.register('sw.js').catch(function () {});
    };
    window.addEventListener('load', function () {
      if (root.dataset.ready === 'true') {
        register();
        return;
      }
      new MutationObserver(function (changes, observer) {
        if (root.dataset.ready === 'true') {
          observer.disconnect();
          register();
        }
      }).observe(root, { attributes: true, attributeFilter: ['data-ready'] });
    });
  }
  document.addEventListener('contextmenu', function (event) {
    if (event.pointerType === 'touch' || event.pointerType === 'pen') {
      event.preventDefault();
    }
  });
})();
