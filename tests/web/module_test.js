// The browser edition's module in Node.js: the very script that the page
// inlines, driven through the same exported functions the page calls, and
// checked against the tests' integer model (tests/convert_model.cpp, through
// reference.js) on many thousands of seeded cases at lengths 1 to 64.
//
// Usage: node module_test.js path/to/numeral-studio-engine.js path/to/boundary.js path/to/model-reference.js
'use strict';
const path = require('path');
const reference = require('./reference.js');
const { rng, randomCase } = require('./cases.js');

const BASES = ['dec', 'bin', 'oct', 'hex'];
const MODES = ['us', 'ones', 'twos'];

let failures = 0, checks = 0;
function check(ok, what) {
  ++checks;
  if (ok) return;
  if (++failures <= 25) console.log('FAIL ' + what);
}
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

async function main() {
  const QnsModule = require(path.resolve(process.argv[2]));
  const M = await QnsModule().ready;
  const model = await reference.load(process.argv[4]);
  const fits = reference.fits;

  // The page's own helpers across the boundary: one byte per character.
  const QnsText = require(path.resolve(process.argv[3]));
  const put = (t) => QnsText.put(M, t);
  const text = (at) => QnsText.text(M, at);
  const box = (i) => text(M._qns_box(i));
  const results = () => [box(1), box(2), box(3)];
  const settingsNow = () => ({
    base: BASES[M._qns_setting(0)], mode: MODES[M._qns_setting(1)], len: M._qns_setting(2),
    lOct: M._qns_setting(3), lHex: M._qns_setting(4), prefix: M._qns_setting(5) === 1, lower: M._qns_setting(6) === 1,
  });
  const apply = (s) => {
    M._qns_set_base(BASES.indexOf(s.base));
    M._qns_set_mode(MODES.indexOf(s.mode));
    M._qns_set_length(s.len);
    if ((M._qns_setting(5) === 1) !== s.prefix) M._qns_toggle_prefix();
    if ((M._qns_setting(6) === 1) !== s.lower) M._qns_toggle_lower();
  };

  // ---- The helpers: what the input buffer holds of a typed text ---------------
  const room = M._qns_input_size() - 1;
  for (const [typed, held] of [['', ''], ['-12a', '-12a'], ['\u00e9\u00ff', '\u00e9\u00ff'], ['1\u20ac2', '1?2'],
    ['\u{1F600}1', '?1'], ['1\u00002', '1?2'], ['7'.repeat(room + 5), '7'.repeat(room)]]) {
    put(typed);
    check(text(M._qns_input()) === held, 'put ' + JSON.stringify(typed) + ' held ' + JSON.stringify(text(M._qns_input())));
  }

  M._qns_start();
  // ---- The start: the window program's first look --------------------------
  check(box(0) === '0' && same(results(), ['--', '--', '--']), 'start boxes ' + box(0) + ' ' + results());
  check(same(settingsNow(), { base: 'dec', mode: 'us', len: 32, lOct: 11, lHex: 8, prefix: false, lower: false }),
    'start settings ' + JSON.stringify(settingsNow()));

  // ---- Convert with the questions answered as the page answers them ----------
  const LONGEST = M._qns_max_length();
  check(LONGEST === 64, 'longest length ' + LONGEST);
  const next = rng(20261207);
  const CASES = 30000;
  for (let n = 0; n < CASES; ++n) {
    const c = randomCase(next);
    const s = c.settings;
    apply(s);
    put(c.text);
    const codes = [];
    let code = M._qns_convert();
    codes.push(code);
    for (let a = 0; (code === 2 || code === 4) && a < c.answers.length && c.answers[a] === 'Y'; ++a) {
      code = M._qns_answer_yes();
      codes.push(code);
    }
    const want = model.convert(s, c.text, c.answers);
    const what = JSON.stringify(c);
    check(same(codes.filter((x) => x !== 0), want.errors), what + ' errors ' + codes + ' want ' + want.errors);
    check(fits(results(), want.boxes), what + ' boxes ' + results() + ' want ' + want.boxes);
    check((M._qns_wider_fits() === 1) === want.wider, what + ' way to 64 bits ' + M._qns_wider_fits());
    if (want.errors.length > 0 && codes.length > 1) check(box(0) === want.number, what + ' number ' + box(0) + ' want ' + want.number);
    check(same([4, 5, 6, 7].map(box), model.labels(s.base)), what + ' labels');
    const now = settingsNow();
    check(now.len === s.len && now.lOct === model.lOct(s.len) && now.lHex === model.lHex(s.len), what + ' lengths');

    // The three modes side by side: each as a first Convert in that mode,
    // and the settings as they were.
    if (n % 3 === 0) {
      M._qns_convert_all_modes();
      for (let m = 0; m < 3; ++m) {
        const one = model.convertOnce({ ...s, mode: MODES[m] }, c.text);
        check(M._qns_side_error(m) === one.error, what + ' side error ' + m);
        check(fits([1, 2, 3].map((i) => text(M._qns_side_box(m, i))), one.boxes), what + ' side boxes ' + m);
      }
      check(same(settingsNow(), now), what + ' settings after side by side');
    }

    // Refine input and Remove sign as commands: the number box only.
    if (n % 5 === 0) {
      const before = results();
      put(c.text);
      M._qns_refine();
      check(box(0) === model.refine(s.base, c.text, s.len), what + ' refine ' + box(0));
      put(c.text);
      M._qns_remove_sign();
      check(box(0) === model.removeSign(c.text, s.len), what + ' remove sign ' + box(0));
      check(same(results(), before), what + ' results kept by the corrections');
    }

    // Auto-detect's proposal: the detected width kept to 1..64; decimal refused.
    if (n % 4 === 0) {
      put(c.text);
      const got = M._qns_propose_length();
      const width = model.detectedLength(s.base, c.text, LONGEST);
      if (s.base === 'dec') check(got === 0, what + ' auto-detect in decimal ' + got);
      else check(got === Math.min(LONGEST, Math.max(1, width)) && (M._qns_too_big() === 1) === (width > LONGEST),
        what + ' auto-detect ' + got + ' width ' + width);
      check(M._qns_setting(2) === s.len, what + ' auto-detect changed the length');
    }
  }

  // ---- The worked example of the download page ---------------------------------
  apply({ base: 'dec', mode: 'twos', len: 8, prefix: false, lower: false });
  put('-5');
  check(M._qns_convert() === 0 && same(results(), ['11111011', '373', 'FB']), '-5 at 8 bits: ' + results());

  // ---- Lengths: typed, and the valid ranges at every length ------------------------
  const typed = ['', '0', '1', '32', '33', '64', '65', '12', ' 7 ', '\t9', '007', '4294967295', '4294967297', '4294967328',
    '-5', '+5', '1e1', '12a', '0x10', ' ', '99999999999999999999'];
  const nextLen = rng(5);
  for (let i = 0; i < 200; ++i) typed.push(String(nextLen(70)) + (nextLen(9) === 0 ? ' ' : ''));
  for (const t of typed) {
    M._qns_set_length(17);
    put(t);
    const got = M._qns_define_length();
    const want = model.acceptedLength(t, LONGEST);
    check(got === want && M._qns_setting(2) === (want || 17), 'define length ' + JSON.stringify(t) + ' gave ' + got);
  }
  for (let len = 1; len <= LONGEST; ++len) {
    M._qns_set_length(len);
    const got = [1, 2, 3, 4, 5, 6, 7, 8].map((f) => text(M._qns_range(f)));
    check(text(M._qns_range(0)) === String(len) && same(got, model.validRanges(len)), 'ranges at ' + len + ': ' + got);
  }

  // ---- Reload and Refresh --------------------------------------------------------------
  for (const s of [{ base: 'hex', mode: 'twos', len: 8, prefix: true, lower: false },
    { base: 'bin', mode: 'ones', len: 1, prefix: false, lower: true }]) {
    apply(s);
    put('101');
    M._qns_convert();
    const shown = results();
    M._qns_reload_defaults();
    check(same(settingsNow(), { base: 'dec', mode: 'us', len: 32, lOct: 11, lHex: 8, prefix: s.prefix, lower: s.lower }),
      'reload keeps the options only: ' + JSON.stringify(settingsNow()));
    check(same(results(), shown) && box(0) === '101', 'reload keeps the boxes');
    apply(s);
    M._qns_refresh();
    check(box(0) === '0' && same(results(), ['--', '--', '--']), 'refresh boxes');
    check(settingsNow().base === s.base && settingsNow().len === s.len, 'refresh keeps the settings');
    M._qns_refresh_and_reload();
    check(box(0) === '0' && settingsNow().base === 'dec' && settingsNow().len === 32, 'refresh and reload');
  }

  console.log(CASES + ' seeded cases, ' + checks + ' checks');
  console.log((checks - failures) + ' passed, ' + failures + ' failed');
  process.exit(failures ? 1 : 0);
}

main().catch((e) => { console.log(e && e.stack ? e.stack : String(e)); process.exit(1); });
