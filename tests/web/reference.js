// The tests' integer model (tests/convert_model.cpp, compiled by the web
// build as model-reference.js) behind plain JavaScript functions: what the
// converter must show, for the module's tests and, through expect.js, the
// page's. Settings are { base, mode, len, prefix, lower } with the page's
// names of bases and modes.
'use strict';
const path = require('path');

const BASES = ['dec', 'bin', 'oct', 'hex'];
const MODES = ['us', 'ones', 'twos'];

// Texts go in one byte per character, as the page hands them to its module.
function latin1(R, at, size, text) {
  const heap = R.HEAPU8;
  let i = 0;
  for (const ch of text) {
    if (i >= size - 1) throw new Error('reference: text longer than its buffer: ' + JSON.stringify(text));
    const c = ch.codePointAt(0);
    heap[at + i++] = c > 0 && c < 256 ? c : 63;
  }
  heap[at + i] = 0;
}

async function load(file) {
  const R = await require(path.resolve(file))().ready;
  const text = (at) => {
    let s = '';
    for (let heap = R.HEAPU8; heap[at]; ++at) s += String.fromCharCode(heap[at]);
    return s;
  };
  const put = (t) => latin1(R, R._ref_text(), R._ref_text_size(), t);
  const args = (s) => [BASES.indexOf(s.base), MODES.indexOf(s.mode), s.len, s.prefix ? 1 : 0, s.lower ? 1 : 0];
  const boxes = () => [0, 1, 2].map((i) => text(R._ref_box(i)));

  return {
    // Convert with the answers ('Y', 'N', 'C' each; No beyond them): every
    // error shown, the boxes, the number box, and whether the page shows the
    // way to a 64-bit length.
    convert(s, t, answers) {
      put(t);
      latin1(R, R._ref_answers(), R._ref_answers_size(), answers);
      const n = R._ref_convert(...args(s));
      const errors = [];
      for (let i = 0; i < n; ++i) errors.push(R._ref_error(i));
      return { errors, boxes: boxes(), number: text(R._ref_number()), wider: R._ref_wider() === 1 };
    },
    // One Convert, questions unanswered.
    convertOnce(s, t) {
      put(t);
      const error = R._ref_convert_once(...args(s));
      return { error, boxes: boxes() };
    },
    refine(base, t, len) { put(t); return text(R._ref_refine(BASES.indexOf(base), len)); },
    removeSign(t, len) { put(t); return text(R._ref_remove_sign(len)); },
    detectedLength(base, t, longest) { put(t); return R._ref_detected_length(BASES.indexOf(base), longest); },
    acceptedLength(typed, longest) { put(typed); return R._ref_accepted_length(longest); },
    validRanges(len) { return [0, 1, 2, 3, 4, 5, 6, 7].map((f) => text(R._ref_range(len, f))); },
    labels(base) { return [0, 1, 2, 3].map((i) => text(R._ref_label(BASES.indexOf(base), i))); },
    lOct: (len) => R._ref_l_oct(len),
    lHex: (len) => R._ref_l_hex(len),
  };
}

// Result boxes as the model gives them: "<any>" where any result is right.
const fits = (got, want) => got.length === want.length && got.every((g, i) => want[i] === '<any>' || g === want[i]);

module.exports = { load, fits };
