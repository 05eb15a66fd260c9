// The page: presents the controller that QnsModule (the engine and the
// controller in WebAssembly) runs. Every decision about a number is the
// module's; this script only moves texts between the page and the module,
// asks the questions, and keeps the address in step with the settings.
'use strict';
(function () {
  const $ = (id) => document.getElementById(id);
  const BASES = ['dec', 'bin', 'oct', 'hex'];
  const MODES = ['us', 'ones', 'twos'];
  const MODE_STATUS = ['unsigned', '1s comp', '2s comp'];
  const QUESTION = {
    2: 'Remove the characters that do not belong to the base and convert again?',
    4: 'Remove the sign and convert again?',
  };

  let M = null;  // the module, once it is ready
  let busy = false;  // a Convert is waiting for an answer

  // Texts across the boundary: the helpers in boundary.js, shared with the tests.
  const put = (t) => QnsText.put(M, t);
  const text = (at) => QnsText.text(M, at);
  const box = (i) => text(M._qns_box(i));
  const setting = (i) => M._qns_setting(i);
  const cap = (s) => s.charAt(0).toUpperCase() + s.slice(1);
  const errorName = (e) => 'Error 0x0' + e;
  const errorLine = (e) => errorName(e) + ': ' + text(M._qns_error_summary(e)) + '. ' + cap(text(M._qns_error_hint(e))) + '.';

  // ---- Showing the module's state ---------------------------------------------
  // Binary and hexadecimal digits in groups of four from the right, each
  // group a box of its own on screen, so that 64 digits read and wrap well;
  // the element's text stays the plain digits (what Copy and a selection
  // take).
  function showDigits(el, value, label) {
    el.textContent = '';
    const m = /^(0x)?([0-9A-Fa-f]{5,})$/.exec(value);
    if (!m || (label !== 'Bin' && label !== 'Hex')) {
      el.textContent = value;
      return;
    }
    const digits = m[2];
    let at = digits.length % 4 || 4;
    const groups = [(m[1] || '') + digits.slice(0, at)];
    for (; at < digits.length; at += 4) groups.push(digits.slice(at, at + 4));
    for (const g of groups) {
      const span = document.createElement('span');
      span.className = 'g';
      span.textContent = g;
      el.append(span);
    }
  }

  function showBoxes() {
    // The labels name the boxes and copy buttons too (see the page's markup).
    for (let i = 0; i < 4; ++i) $('label-' + i).textContent = box(4 + i);
    for (let i = 1; i <= 3; ++i) showDigits($('r' + i), box(i), box(4 + i));
  }

  function showSettings() {
    const base = setting(0), mode = setting(1), len = setting(2);
    $('base').value = BASES[base];
    $('mode').value = MODES[mode];
    $('prefix').checked = setting(5) === 1;
    $('lower').checked = setting(6) === 1;
    for (const b of document.querySelectorAll('.std button')) b.setAttribute('aria-pressed', String(Number(b.dataset.len) === len));
    $('status-base').textContent = box(4);
    $('status-mode').textContent = MODE_STATUS[mode];
    $('status-len').textContent = String(len);
    $('len-bin').textContent = String(len);
    $('len-oct').textContent = String(setting(3));
    $('len-hex').textContent = String(setting(4));
    $('range-len').textContent = text(M._qns_range(0));
    for (let f = 1; f <= 8; ++f) showDigits($('range-' + f), text(M._qns_range(f)), f === 6 ? 'Bin' : f === 8 ? 'Hex' : '');
    for (const e of document.querySelectorAll('.value-bits')) e.textContent = String(M._qns_value_bits());
    if (document.activeElement !== $('length')) $('length').value = String(len);
    // The number box takes what the controller reads at this length.
    $('number').maxLength = M._qns_box_chars();
    showBoxes();
    saveAddress();
  }

  function say(message, kind) {
    const m = $('message');
    m.textContent = message;
    m.className = 'msg' + (kind ? ' ' + kind : '');
  }

  // The results once more, for screen readers, grouped on screen as in the boxes.
  function sayResults(prefix) {
    say(prefix ? prefix + ' ' : '', 'done');
    for (let i = 1; i <= 3; ++i) {
      const value = document.createElement('span');
      showDigits(value, box(i), box(4 + i));
      $('message').append((i > 1 ? ', ' : '') + box(4 + i) + ' ', value);
    }
  }

  // ---- The address: #base=hex&mode=twos&len=12&n=FFF ----------------------------
  let lastNumber = null;  // the number of the last Convert, for the address
  let addressDue = false;
  // Writing the address costs more than a Convert; it is done once the
  // results are on screen, once for any number of changes.
  function saveAddress() {
    if (!M || addressDue) return;
    addressDue = true;
    setTimeout(writeAddress, 0);
  }
  function writeAddress() {
    addressDue = false;
    const parts = ['base=' + BASES[setting(0)], 'mode=' + MODES[setting(1)], 'len=' + setting(2)];
    if (setting(5)) parts.push('prefix=1');
    if (setting(6)) parts.push('lower=1');
    if ($('side').checked) parts.push('side=1');
    if (lastNumber !== null) parts.push('n=' + encodeURIComponent(lastNumber));
    const hash = '#' + parts.join('&');
    if (location.hash !== hash) history.replaceState(null, '', hash);
  }

  // Settings from the address; returns the number to convert, or null.
  function loadAddress() {
    const args = {};
    for (const part of location.hash.replace(/^#/, '').split('&')) {
      const eq = part.indexOf('=');
      if (eq <= 0) continue;
      try {
        args[part.slice(0, eq)] = decodeURIComponent(part.slice(eq + 1));
      } catch (e) { /* a broken escape: the argument is ignored */ }
    }
    if (BASES.includes(args.base)) M._qns_set_base(BASES.indexOf(args.base));
    if (MODES.includes(args.mode)) M._qns_set_mode(MODES.indexOf(args.mode));
    if (args.len !== undefined) {
      put(args.len);
      M._qns_define_length();  // refused lengths leave the length as it is
    }
    if ((args.prefix === '1') !== (setting(5) === 1)) M._qns_toggle_prefix();
    if ((args.lower === '1') !== (setting(6) === 1)) M._qns_toggle_lower();
    $('side').checked = args.side === '1';
    $('side-view').hidden = !$('side').checked;
    return args.n !== undefined ? args.n : null;
  }

  // ---- The in-page dialog ----------------------------------------------------------
  // Resolves with the value of the button pressed; Escape answers 'cancel'.
  function ask(title, message, buttons) {
    const d = $('ask');
    $('ask-title').textContent = title;
    $('ask-text').textContent = message;
    const row = $('ask-buttons');
    row.textContent = '';
    return new Promise((resolve) => {
      const finish = (value) => {
        d.removeEventListener('cancel', onCancel);
        d.close();
        resolve(value);
      };
      const onCancel = (ev) => { ev.preventDefault(); finish('cancel'); };
      d.addEventListener('cancel', onCancel);
      for (const [value, label] of buttons) {
        const b = document.createElement('button');
        b.type = 'button';
        b.id = 'ask-' + value;
        b.textContent = label;
        b.addEventListener('click', () => finish(value));
        row.appendChild(b);
      }
      d.showModal();
      row.firstChild.focus();
    });
  }

  // ---- Convert ---------------------------------------------------------------------
  async function convert() {
    if (!M || busy) return;
    busy = true;
    try {
      const typed = $('number').value;
      put(typed);
      let code = M._qns_convert();
      let corrected = '';
      showBoxes();
      // Errors 0x02 and 0x04 ask; Yes corrects the number and converts again.
      while (code === 2 || code === 4) {
        say(errorLine(code), 'error');
        const answer = await ask(errorName(code), cap(text(M._qns_error_summary(code))) + '. ' + QUESTION[code],
          [['yes', 'Yes'], ['no', 'No'], ['cancel', 'Cancel']]);
        if (answer !== 'yes') break;
        const before = box(0);
        code = M._qns_answer_yes();
        $('number').value = box(0);
        corrected += 'Corrected ' + before + ' to ' + box(0) + '. ';
        showBoxes();
      }
      lastNumber = code === 0 ? box(0) : $('number').value;
      if (code === 0) sayResults(corrected.trim());
      else if (code === 3 && M._qns_wider_fits()) {
        // Too big for 32 bits, and a longer length takes it: say how to get there.
        say(corrected + errorName(3) + ': ' + text(M._qns_error_summary(3)) + '. ' + cap(text(M._qns_wider_hint())) + '.', 'error');
      } else say(corrected + errorLine(code), 'error');
      showSide();
      saveAddress();
    } finally {
      busy = false;
    }
  }

  function showSide() {
    if (!$('side').checked) return;
    put($('number').value);
    M._qns_convert_all_modes();
    for (let m = 0; m < 3; ++m) {
      const dl = document.querySelector('.mode-card[data-mode="' + m + '"] dl');
      dl.textContent = '';
      const e = M._qns_side_error(m);
      for (let i = 1; i <= 3; ++i) {
        const dt = document.createElement('dt');
        dt.textContent = box(4 + i);
        const dd = document.createElement('dd');
        showDigits(dd, text(M._qns_side_box(m, i)), dt.textContent);
        dl.append(dt, dd);
      }
      if (e) {
        const dd = document.createElement('dd');
        dd.className = 'error';
        dd.textContent = errorName(e) + ': ' + text(M._qns_error_summary(e));
        dl.append(dd);
      }
    }
  }

  // ---- Lengths ---------------------------------------------------------------------
  function lengthNote(message) { $('length-note').textContent = message; }

  function defineLength() {
    put($('length').value);
    const n = M._qns_define_length();
    if (n === 0) {
      lengthNote('Length "' + $('length').value + '" is not valid: give a length from 1 to ' + M._qns_max_length() + ' bit.');
      return;
    }
    lengthNote('Length set to ' + n + ' bit.');
    showSettings();
  }

  async function autoDetect() {
    put($('number').value);
    const n = M._qns_propose_length();
    if (n === 0) {
      lengthNote('Auto-detect works in binary, octal and hexadecimal bases, not in decimal.');
      return;
    }
    let message = 'Auto-detected length is ' + n + ' bit.';
    if (M._qns_too_big()) {
      message = 'The number is too big for ' + M._qns_max_length() + ' bits (every character counts, invalid ones too). ' + message;
    }
    const answer = await ask('Auto-detect', message, [['set', 'Set'], ['cancel', 'Cancel']]);
    if (answer === 'set') {
      M._qns_set_length(n);
      lengthNote('Length set to ' + n + ' bit.');
    } else {
      lengthNote('Length unchanged.');
    }
    showSettings();
  }

  // ---- Copy ------------------------------------------------------------------------
  async function copy(i) {
    const value = $('r' + i).value;
    let done = false;
    try {
      await navigator.clipboard.writeText(value);
      done = true;
    } catch (e) {
      // No clipboard access (an older browser): copy the selected box.
      getSelection().selectAllChildren($('r' + i));
      done = document.execCommand('copy');
    }
    say(done ? 'Copied ' + value + '.' : 'Could not copy: select the result and copy it.', done ? 'done' : 'error');
  }

  // ---- Wiring ------------------------------------------------------------------------
  function wire() {
    $('number-form').addEventListener('submit', (ev) => { ev.preventDefault(); convert(); });
    $('base').addEventListener('change', () => { M._qns_set_base(BASES.indexOf($('base').value)); showSettings(); });
    $('mode').addEventListener('change', () => { M._qns_set_mode(MODES.indexOf($('mode').value)); showSettings(); });
    for (const b of document.querySelectorAll('.std button')) {
      b.addEventListener('click', () => { M._qns_set_length(Number(b.dataset.len)); lengthNote(''); showSettings(); });
    }
    $('length-form').addEventListener('submit', (ev) => { ev.preventDefault(); defineLength(); });
    $('auto-detect').addEventListener('click', autoDetect);
    $('prefix').addEventListener('change', () => { M._qns_toggle_prefix(); showSettings(); });
    $('lower').addEventListener('change', () => { M._qns_toggle_lower(); showSettings(); });
    $('refine').addEventListener('click', () => { put($('number').value); M._qns_refine(); $('number').value = box(0); });
    $('remove-sign').addEventListener('click', () => { put($('number').value); M._qns_remove_sign(); $('number').value = box(0); });
    $('refresh').addEventListener('click', () => { M._qns_refresh(); $('number').value = box(0); lastNumber = null; say(''); showSettings(); });
    $('reload').addEventListener('click', () => { M._qns_reload_defaults(); showSettings(); });
    $('refresh-reload').addEventListener('click', () => { M._qns_refresh_and_reload(); $('number').value = box(0); lastNumber = null; say(''); showSettings(); });
    for (const b of document.querySelectorAll('.copy')) b.addEventListener('click', () => copy(Number(b.dataset.box)));
    $('side').addEventListener('change', () => { $('side-view').hidden = !$('side').checked; showSide(); saveAddress(); });
    window.addEventListener('hashchange', () => { if (!busy) fromAddress(); });
  }

  function listErrors() {
    const list = $('error-list');
    for (let e = 1; e <= 4; ++e) {
      const dt = document.createElement('dt');
      dt.textContent = errorName(e);
      const dd = document.createElement('dd');
      dd.textContent = cap(text(M._qns_error_summary(e))) + '. ' + cap(text(M._qns_error_hint(e))) + '.';
      list.append(dt, dd);
    }
    const dt = document.createElement('dt');
    dt.textContent = 'Error 0xFF';
    const dd = document.createElement('dd');
    dd.textContent = 'An unknown or system error; it has never been seen. Reload the page.';
    list.append(dt, dd);
  }

  function fromAddress() {
    const n = loadAddress();
    showSettings();
    if (n !== null) {
      $('number').value = n;
      convert();  // shown at once; a question it asks waits for its answer
    }
  }

  QnsModule().ready.then((module) => {
    M = module;
    M._qns_start();
    $('number').value = box(0);
    listErrors();
    wire();
    return fromAddress();
  }).then(() => {
    $('app').removeAttribute('aria-busy');
    document.documentElement.dataset.ready = performance.now().toFixed(1);
  }, (err) => {
    say('The converter could not start: ' + err, 'error');
  });
})();
