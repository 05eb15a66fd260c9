// Texts across the boundary between JavaScript and the module: one byte per
// character, as the window program's boxes hold them. The page and the
// module's tests in Node.js load this same file, so the tests drive the
// module exactly as the page does.
'use strict';
const QnsText = {
  // Writes text into the module's input buffer, cut to the buffer's room.
  put(M, text) {
    const at = M._qns_input();
    const room = M._qns_input_size() - 1;
    const heap = M.HEAPU8;
    let i = 0;
    for (const ch of text) {
      if (i >= room) break;
      const c = ch.codePointAt(0);
      heap[at + i++] = c > 0 && c < 256 ? c : 63;  // "?" as the platform shows what it cannot hold
    }
    heap[at + i] = 0;
  },
  // The module's zero-ended text at address at.
  text(M, at) {
    const heap = M.HEAPU8;
    let s = '';
    while (heap[at]) s += String.fromCharCode(heap[at++]);
    return s;
  },
};
if (typeof module !== 'undefined') module.exports = QnsText;
