// Seeded random cases for the browser edition's tests: settings at every
// length from 1 to 64, a number box text of up to about 90 characters, and
// the answers to the questions. What each must show comes from the tests'
// integer model (reference.js), not from here.
'use strict';

const DIGITS = { dec: '0123456789', bin: '01', oct: '01234567', hex: '0123456789abcdefABCDEF' };
const RADIX = { dec: 10, bin: 2, oct: 8, hex: 16 };

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

// A random case: mostly values near a power of two (to 2^66) written in the
// base, some with signs, prefixes, stray characters, many leading zeros
// (past the 48 and 80 characters the number box reads) or random digits.
function randomCase(next) {
  const base = ['dec', 'bin', 'oct', 'hex'][next(4)];
  const len = next(2) ? 1 + next(32) : 33 + next(32);
  const s = { base, mode: ['us', 'ones', 'twos'][next(3)], len, prefix: next(3) === 0, lower: next(3) === 0 };
  const pool = DIGITS[base];
  let t = '';
  const kind = next(10);
  if (kind < 6) {
    const bits = next(67);
    let v = (1n << BigInt(bits)) + BigInt(next(5)) - 2n;
    if (v < 0n) v = 0n;
    t = v.toString(RADIX[base]);
    if (next(2)) t = t.toUpperCase();
    if (next(5) === 0) t = '0'.repeat(next(4) ? next(20) : next(89 - t.length)) + t;
  } else {
    for (let i = next(6) ? next(14) : next(82); i > 0; --i) t += pool[next(pool.length)];
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

module.exports = { rng, randomCase };
