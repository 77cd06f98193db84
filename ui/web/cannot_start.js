// Where the program cannot start (a browser too old for the page's modules, a file that did not
// load), the window says so. A module that fails stops them all: this classic script, in a syntax
// every browser reads, runs before them and waits for their failure.
(function () {
  function Show(event) {
    // Not an error after the start, nor a style or image that failed.
    var started = !document.getElementById('btnfilt').disabled;
    var fromScript = !event || event.target === window || event.target.tagName === 'SCRIPT';
    var message = document.getElementById('cannot-start');
    if (started || !fromScript || !message.hidden) return;
    document.getElementById('memcode').appendChild(message);
    message.hidden = false;
    document.getElementById('frmmain').className += ' cannot-start';
  }
  // A file's failure to load is raised on its element, and does not bubble.
  window.addEventListener('error', Show, true);
  window.addEventListener('unhandledrejection', Show);
  // A browser without modules runs none.
  if (!('noModule' in document.createElement('script'))) Show();
})();
