// From a web server the page installs to a home screen and keeps a copy of
// itself for offline use; opened as a file, it is the page alone.
if (/^https?:$/.test(location.protocol)) {
  var manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js');
  }
}
