// What the converter must show, computed with machine integers (BigInt)
// rather than digit strings, so that it does not share a mistake with the
// program: the same rules as tests/convert_model.cpp, for the browser
// edition's tests in Node.js and Chromium.
'use strict';

const READ_LIMIT = 48;  // the number box is read 48 characters at a time
const DIGITS = { dec: '0123456789', bin: '01', oct: '01234567', hex: '0123456789abcdefABCDEF' };
const RADIX = { dec: 10n, bin: 2n, oct: 8n, hex: 16n };

const lOct = (len) => Math.ceil(len / 3);
const lHex = (len) => Math.ceil(len / 4);
const mask = (bits) => (1n << BigInt(bits)) - 1n;
const allOf = (s, allowed) => [...s].every((c) => allowed.includes(c));
const isSign = (c) => c === '+' || c === '-';
const hasPrefix = (s) => s.length >= 2 && s[0] === '0' && (s[1] === 'x' || s[1] === 'X');
const stripZeros = (s) => s.replace(/^0+/, '');

function parse(s, base) {
  let v = 0n;
  for (const c of s) v = v * RADIX[base] + BigInt(parseInt(c, 16));
  return v;
}

// v as exactly count digits of radix, upper case, keeping the low-order digits.
function fixed(v, radix, count) {
  const r = BigInt(radix);
  let s = '';
  for (let i = 0; i < count; ++i) {
    s = '0123456789ABCDEF'[Number(v % r)] + s;
    v /= r;
  }
  return s;
}

// The signed value of the low bits of a pattern, in 1s or 2s complement.
function signedValue(pattern, bits, mode) {
  const p = pattern & mask(bits);
  if (((p >> BigInt(bits - 1)) & 1n) === 0n) return p;
  return mode === 'ones' ? -(~p & mask(bits)) : p - mask(bits) - 1n;
}

// One Convert of a number box text: the error (0 none, 1..4) and the boxes.
function convertOnce(s, boxText) {
  let t = [...boxText].slice(0, READ_LIMIT).join('');
  const len = s.len, lo = lOct(len), lh = lHex(len);
  let empty = t === '', valid = false, inRange = true;
  const sign = t !== '' && isSign(t[0]);
  let plus = false, minus = false, digits = t;

  if (s.base === 'dec') {
    if (sign) {
      plus = t[0] === '+';
      minus = !plus;
      digits = t.slice(1);
      if (digits === '') empty = true;
    }
    valid = allOf(digits, DIGITS.dec);
    if (valid) {
      const limit = s.mode === 'us' ? 4294967296n : minus && s.mode === 'twos' ? 2147483649n : 2147483648n;
      const d = stripZeros(digits);
      inRange = d.length <= 10 && parse(d, 'dec') < limit;
    }
  } else if (s.base === 'bin') {
    valid = allOf(t, DIGITS.bin);
    inRange = stripZeros(t).length <= 32;
  } else if (s.base === 'oct') {
    valid = allOf(t, DIGITS.oct);
    const d = stripZeros(t);
    inRange = d.length < 11 || (d.length === 11 && d[0] <= '3');
  } else {
    valid = allOf(t, DIGITS.hex);
    if (hasPrefix(t)) {
      valid = allOf(t.slice(2), DIGITS.hex);
      if (valid && t.length === 2) empty = true;
      if (valid && !empty) digits = t = t.slice(2);
    }
    inRange = stripZeros(digits).length <= 8;
  }

  let error = 0;
  if (empty) error = 1;
  else if (sign && (s.base !== 'dec' || (s.mode === 'us' && !plus))) error = 4;
  else if (!valid) error = 2;
  else if (!inRange) error = 3;
  if (error) return { error, boxes: ['--', '--', '--'] };

  const v = parse(stripZeros(digits), s.base);
  let boxes;
  if (s.base === 'dec') {
    // Unsigned: each result keeps the low-order digits of the value. Signed:
    // the results are the len-bit pattern.
    let p = v;
    if (s.mode !== 'us') {
      p = v & mask(len);
      if (minus) p = s.mode === 'ones' ? ~p & mask(len) : -p & mask(len);
    }
    boxes = [fixed(p, 2, len), fixed(p, 8, lo), fixed(p, 16, lh)];
  } else {
    let first;
    if (s.mode === 'us') {
      first = v.toString();
    } else if (s.base === 'bin') {
      // Typed binary is read as its last len digits at most, the first the sign;
      // 2^31 in 2s complement is shown as the most negative 32-bit value.
      const width = Math.min(t.length, len);
      first = s.mode === 'twos' && v === 1n << 31n ? '-2147483648' : signedValue(v, width, s.mode).toString();
    } else {
      first = signedValue(v, len, s.mode).toString();
    }
    if (s.base === 'bin') boxes = [first, fixed(v, 8, lo), fixed(v, 16, lh)];
    else if (s.base === 'oct') boxes = [first, fixed(v, 2, len), fixed(v & mask(len), 16, lh)];
    else boxes = [first, fixed(v, 2, 4 * lh), fixed(v & mask(4 * lh), 8, lo)];
  }
  if (s.base !== 'hex') {  // the third box holds the hexadecimal result
    if (s.prefix) boxes[2] = '0x' + boxes[2];
    if (s.lower) boxes[2] = boxes[2].replace(/[A-F]/g, (c) => c.toLowerCase());
  }
  return { error, boxes };
}

function removeSign(boxText) {
  const t = [...boxText].slice(0, READ_LIMIT).join('');
  if (t === '' || !isSign(t[0])) return boxText;
  return t.length > 1 ? t.slice(1) : '0';
}

function refine(base, boxText) {
  const t = [...boxText].slice(0, READ_LIMIT).join('');
  let keep = '';
  if (base === 'dec' && t !== '' && isSign(t[0])) keep = t[0];
  if (base === 'hex' && hasPrefix(t)) keep = t.slice(0, 2);
  let out = keep;
  for (const c of t.slice(keep.length)) if (DIGITS[base].includes(c)) out += c;
  return out === '' ? '0' : out;
}

// Convert with the answers given to the questions of errors 0x02 and 0x04,
// one letter each: 'Y' yes, 'N' no, 'C' cancel; questions beyond them get No.
function convert(s, boxText, answers) {
  const errors = [];
  let run, next = 0;
  for (let round = 0; round < 200; ++round) {
    run = convertOnce(s, boxText);
    if (run.error) errors.push(run.error);
    if (run.error !== 2 && run.error !== 4) break;
    if ((answers[next++] || 'N') !== 'Y') break;
    boxText = run.error === 4 ? removeSign(boxText) : refine(s.base, boxText);
  }
  return { errors, boxes: run.boxes, number: boxText, error: run.error };
}

// The length that auto-detect finds, before it is kept to 1..32.
function detectedLength(base, boxText) {
  const t = [...boxText].slice(0, READ_LIMIT).join('');
  const n = t.length;
  if (base === 'bin') return n;
  if (base === 'oct') return n === 11 ? 32 : 3 * n;
  if (base === 'hex') return hasPrefix(t) ? 4 * n - 8 : 4 * n;
  return -1;
}

// The valid-range fields at a length: unsigned maximum, 1s complement
// minimum and maximum, 2s complement minimum and maximum, binary, octal and
// hexadecimal maximum. At 32 bits the upper signed bounds carry a plus sign.
function validRanges(len) {
  const p = 1n << BigInt(len - 1);
  const plus = len === 32 ? '+' : '';
  return [mask(len).toString(), (1n - p).toString(), plus + (p - 1n), (-p).toString(), plus + (p - 1n),
    '1'.repeat(len), fixed(mask(len), 8, lOct(len)), fixed(mask(len), 16, lHex(len))];
}

// A typed length: decimal digits with blanks around them, read as an
// unsigned 32-bit number; accepted when it is 1..32 as a signed value.
function typedLength(typed) {
  const m = /^[ \t]*([0-9]+)[ \t]*$/.exec(typed);
  if (!m) return 0;
  const v = BigInt(m[1]);
  return v >= 1n && v <= 32n ? Number(v) : 0;
}

const LABELS = {
  dec: ['Dec', 'Bin', 'Oct', 'Hex'], bin: ['Bin', 'Dec', 'Oct', 'Hex'],
  oct: ['Oct', 'Dec', 'Bin', 'Hex'], hex: ['Hex', 'Dec', 'Bin', 'Oct'],
};

// Seeded random numbers (mulberry32), so that every run checks the same cases.
function rng(seed) {
  let a = seed >>> 0;
  return (n) => {
    a = (a + 0x6D2B79F5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return (((t ^ (t >>> 14)) >>> 0) % n);
  };
}

// A random case: settings, a number box text (mostly near-valid numbers of
// the base, some with signs, prefixes, stray characters or too many digits)
// and the answers to the questions.
function randomCase(next) {
  const base = ['dec', 'bin', 'oct', 'hex'][next(4)];
  const s = { base, mode: ['us', 'ones', 'twos'][next(3)], len: 1 + next(32), prefix: next(3) === 0, lower: next(3) === 0 };
  const pool = DIGITS[base];
  let t = '';
  const kind = next(10);
  if (kind < 6) {
    // A value near a power of two, written in the base.
    const bits = next(34);
    let v = (1n << BigInt(bits)) + BigInt(next(5)) - 2n;
    if (v < 0n) v = 0n;
    t = v.toString(Number(RADIX[base]));
    if (next(2)) t = t.toUpperCase();
    if (next(5) === 0) t = '0'.repeat(next(20)) + t;
  } else {
    for (let i = next(14); i > 0; --i) t += pool[next(pool.length)];
  }
  if (next(4) === 0) t = ['-', '+'][next(2)] + t;
  if (base === 'hex' && next(4) === 0) t = ['0x', '0X'][next(2)] + t;
  if (next(6) === 0) {
    const stray = ' .,xzG-+9\u00e9';
    const at = next(t.length + 1);
    t = t.slice(0, at) + stray[next(stray.length)] + t.slice(at);
  }
  if (next(25) === 0) t = '';
  const answers = ['Y', 'N', 'C'][next(3)] + ['Y', 'N', 'C'][next(3)] + 'Y';
  return { settings: s, text: t, answers };
}

module.exports = {
  READ_LIMIT, LABELS, lOct, lHex, convertOnce, convert, removeSign, refine,
  detectedLength, validRanges, typedLength, rng, randomCase,
};
