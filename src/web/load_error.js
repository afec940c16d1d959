// SPDX-License-Identifier: MIT
// Runs before the module: a browser without WebAssembly, or a module that
// cannot be fetched or started, gets one line of text instead of an empty box,
// in the language the program would speak.
(function () {
  // The first of the browser's languages that the program speaks, Japanese
  // when none is: the module decides alike, but may never run.
  var english = (function () {
    var tags = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ''];
    for (var i = 0; i < tags.length; i++) {
      var primary = String(tags[i]).split(/[-_.@]/)[0].toLowerCase();
      if (primary === 'ja' || primary === 'en') {
        return primary === 'en';
      }
    }
    return false;
  })();
  document.documentElement.lang = english ? 'en' : 'ja';
  var say = english ? {
    failed: 'The program could not be loaded: ',
    unknown: 'unknown error',
    noOrigin: 'The program cannot load here: embed or open wave-synthesis.html, the single-file page.',
    noWasm: 'This page needs WebAssembly, which this browser does not provide.'
  } : {
    failed: 'プログラムを読み込めませんでした：',
    unknown: '原因不明のエラー',
    noOrigin: 'ここではプログラムを読み込めません。1ファイル版のページ wave-synthesis.html を埋め込むか、開いてください。',
    noWasm: 'このページには WebAssembly が必要ですが、このブラウザーでは使えません。'
  };
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
    showLoadError(say.failed + (reason || say.unknown));
  };
  // A module that cannot be fetched at all rejects a promise nobody handles.
  window.addEventListener('unhandledrejection', function (event) {
    if (!started()) {
      event.preventDefault();
      var reason = event.reason;
      showLoadError(say.failed + (reason && reason.message ? reason.message : reason || say.unknown));
    }
  });
  // Without an origin of its own (a sandboxed frame, a file opened from disk)
  // the page may not fetch its module, and the browser reports that failure
  // to nobody: say so before trying. The single file carries its module inline.
  var script = document.currentScript;
  if (script && script.src && self.origin === 'null') {
    showLoadError(say.noOrigin);
    throw new Error('no origin to fetch the module from');
  }
  if (typeof WebAssembly === 'undefined') {
    showLoadError(say.noWasm);
    throw new Error('WebAssembly is missing');
  }
})();
