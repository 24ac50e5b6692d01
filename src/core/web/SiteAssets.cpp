#include "SiteAssets.h"

const std::string& SiteStyleSheet() {
  static const std::string css = R"css(body{font-family:system-ui,"Liberation Sans",Arial,sans-serif;margin:0 auto;max-width:1400px;padding:0 12px 24px;line-height:1.4;color:#111;background:#fff}
h1{font-size:1.35em;margin:.6em 0 .3em}
h1 .id{color:#555;font-weight:normal}
h2{font-size:1.15em;margin:1.2em 0 .4em;border-bottom:1px solid #ccc}
nav{margin-top:.6em}
.controls{display:flex;flex-wrap:wrap;column-gap:24px}
.bar{display:flex;flex-wrap:wrap;gap:6px;align-items:center;margin:6px 0}
button{font:inherit;min-height:40px;min-width:40px;padding:4px 10px;border:1px solid #777;border-radius:6px;background:#f2f2f2;color:#111;cursor:pointer}
button[aria-pressed=true]{background:#1d5fbf;color:#fff;border-color:#1d5fbf}
.clock{font-variant-numeric:tabular-nums;padding-left:4px}
.scheme{margin:8px 0}
.scheme svg{display:block;width:100%;height:auto;max-height:88vh;border:1px solid #bbb}
@media (max-width:600px){.bar button{font-size:.85em;min-height:36px;padding:3px 8px}h1{font-size:1.2em}}
.scroll{overflow-x:auto;-webkit-overflow-scrolling:touch}
table{border-collapse:collapse;margin:6px 0}
th,td{border:1px solid #bbb;padding:4px 8px;text-align:left;vertical-align:top}
thead th{background:#eef1f5;white-space:nowrap}
td.n{text-align:right}
td.addr{min-width:12em}
caption{text-align:left;font-weight:bold;padding:4px 0}
.bad,li.error strong{color:#b00000;font-weight:bold}
.warn,li.warning strong{color:#8a5a00}
.search input{font:inherit;padding:6px;width:min(100%,30em);box-sizing:border-box}
)css";
  return css;
}

const std::string& SiteScript() {
  static const std::string js = R"js('use strict';
(function () {
  // The index: the rows whose text holds every word typed.
  const search = document.getElementById('search');
  if (search) {
    const rows = Array.from(document.querySelectorAll('#passports tbody tr'));
    const texts = rows.map(function (r) { return r.textContent.toLowerCase(); });
    const shown = document.getElementById('shown');
    const filter = function () {
      const words = search.value.toLowerCase().split(/\s+/).filter(Boolean);
      let n = 0;
      rows.forEach(function (r, i) {
        const fits = words.every(function (w) { return texts[i].indexOf(w) >= 0; });
        r.hidden = !fits;
        if (fits) n++;
      });
      shown.textContent = words.length ? 'Найдено: ' + n + ' из ' + rows.length : '';
    };
    search.addEventListener('input', filter);
    filter();
  }

  // A passport: the plan as published, looked up step by step.
  const planElement = document.getElementById('plan');
  if (!planElement) { document.documentElement.dataset.ready = '1'; return; }
  const plan = JSON.parse(planElement.textContent);
  const layer = document.getElementById('layer-12');
  const lookTemplate = document.getElementById('head-looks');
  const drawings = lookTemplate ? Array.from(lookTemplate.content.querySelectorAll('g[data-look]')) : [];
  const heads = plan.heads.map(function (h) {
    return { head: h, group: layer ? layer.querySelector(':scope > g[data-index="' + h.index + '"]') : null, shown: -1 };
  });
  const phaseOut = document.getElementById('phase');
  const leftOut = document.getElementById('left');
  const play = document.getElementById('play');
  const phaseButtons = Array.from(document.querySelectorAll('button[data-phase]'));
  const programButtons = Array.from(document.querySelectorAll('button[data-program]'));
  let program = 0, step = 0, timer = null;

  function cycle() { return plan.programs[program]; }
  // What a head reads of each of its directions: the state, or for a tram
  // head only whether it is green now.
  function lookOf(h, s) {
    const states = plan.moments[s[2]];
    return h.looks[h.slots.map(function (n) {
      if (!n) return '-';
      return h.green ? plan.directions[n - 1].green[states[n - 1]] : states[n - 1];
    }).join(',')];
  }
  function show() {
    const s = cycle().steps[step];
    if (!s) return;
    heads.forEach(function (x) {
      const id = lookOf(x.head, s);
      if (!x.group || id === undefined || id === x.shown) return;
      x.group.replaceChildren.apply(x.group, Array.from(drawings[id].childNodes, function (n) { return n.cloneNode(true); }));
      x.shown = id;
    });
    phaseOut.textContent = s[0];
    leftOut.textContent = Math.ceil(s[1]);
    phaseButtons.forEach(function (b) { b.setAttribute('aria-pressed', String(Number(b.dataset.phase) === s[0])); });
  }
  function firstStep(phase) {
    const p = cycle().phases.find(function (e) { return e[0] === phase; });
    return p ? p[1] : 0;
  }
  function stop() {
    if (timer !== null) clearInterval(timer);
    timer = null;
    play.textContent = '▶ Пуск';
    play.setAttribute('aria-pressed', 'false');
  }

  phaseButtons.forEach(function (b) {
    b.addEventListener('click', function () { stop(); step = firstStep(Number(b.dataset.phase)); show(); });
  });
  programButtons.forEach(function (b) {
    b.addEventListener('click', function () {
      const s = cycle().steps[step];
      program = Number(b.dataset.program);
      programButtons.forEach(function (o) { o.setAttribute('aria-pressed', String(o === b)); });
      step = s ? firstStep(s[0]) : 0;
      show();
    });
  });
  play.addEventListener('click', function () {
    if (timer !== null) { stop(); return; }
    if (!cycle().steps.length) return;
    play.textContent = '■ Стоп';
    play.setAttribute('aria-pressed', 'true');
    timer = setInterval(function () { step = (step + 1) % cycle().steps.length; show(); }, 500);
  });
  document.querySelectorAll('button[data-preset]').forEach(function (b) {
    b.addEventListener('click', function () {
      const shownLayers = plan.presets[Number(b.dataset.preset)];
      for (let n = 1; n <= 12; n++) {
        const g = document.getElementById('layer-' + n);
        if (g) g.style.display = shownLayers.indexOf(n) >= 0 ? '' : 'none';
      }
      document.querySelectorAll('button[data-preset]').forEach(function (o) { o.setAttribute('aria-pressed', String(o === b)); });
    });
  });

  // The picture as published is the first step of program I.
  const first = cycle().steps[0];
  if (first) {
    heads.forEach(function (x) { const id = lookOf(x.head, first); if (id !== undefined) x.shown = id; });
    leftOut.textContent = Math.ceil(first[1]);
  }
  document.documentElement.dataset.ready = '1';
})();
)js";
  return js;
}
