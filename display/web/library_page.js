// The page side of the web display: title, canvas, buttons and status line
// of index.html. Frames come from the WebAssembly memory as RGBA bytes.
mergeInto(LibraryManager.library, {
  $Page: {context: null},

  PageOpenCanvas__deps: ['$Page'],
  PageOpenCanvas: function(title, width, height) {
    var canvas = Module['canvas'];
    var context = canvas ? canvas.getContext('2d') : null;
    if (!context) return 0;
    document.title = UTF8ToString(title);
    document.getElementById('title').textContent = document.title;
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    Page.context = context;
    return 1;
  },

  // A button that the page already holds is kept as it is.
  PageAddButton: function(elementId, text) {
    var id = UTF8ToString(elementId);
    if (document.getElementById(id)) return;
    var button = document.createElement('button');
    button.id = id;
    button.textContent = UTF8ToString(text);
    document.getElementById('controls').appendChild(button);
  },

  // Module.onFrameShown, when the page sets it, sees the canvas after each frame.
  PageShowFrame__deps: ['$Page'],
  PageShowFrame: function(rgba, width, height) {
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Page.context.putImageData(new ImageData(bytes, width, height), 0, 0);
    if (Module['onFrameShown']) Module['onFrameShown'](Module['canvas']);
  },

  // Full screen holds the canvas's container, which centres it on black.
  PageToggleFullScreen: function() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      var screen = document.getElementById('screen');
      if (screen.requestFullscreen) screen.requestFullscreen().catch(function() {});
    }
  },

  PageShowStopped: function() {
    document.getElementById('status').textContent = 'Stopped (Escape). Reload the page to run the demo again.';
  },
});
