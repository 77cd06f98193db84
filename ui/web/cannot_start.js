// Where the program cannot start, the window says so: a browser too old for the page's modules,
// or a file of the site that did not load (offline, on a first visit). The modules cannot say it,
// since one that fails to load or to parse stops them all; this classic script, in a syntax
// every browser reads, runs before them and waits for their failure.
(function () {
  function Show(event) {
    // A failure to start, not a later error of the window, nor a style or image that failed.
    var started = !document.getElementById('btnfilt').disabled;
    var fromScript = !event || event.target === window || event.target.tagName === 'SCRIPT';
    var message = document.getElementById('cannot-start');
    if (started || !fromScript || !message.hidden) return;
    // Over the list, in the window's font.
    document.getElementById('memcode').appendChild(message);
    message.hidden = false;
  }
  // A file that fails to load raises its error on its element, which does not bubble.
  window.addEventListener('error', Show, true);
  window.addEventListener('unhandledrejection', Show);
  // A browser that knows no modules runs none of the page's.
  if (!('noModule' in document.createElement('script'))) Show();
})();
