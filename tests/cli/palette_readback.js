// Reads the four palette files in a folder and compares each with the expected entries.
const fs = require('fs');
const path = require('path');
const ase = require('ase-utils');

const dir = process.argv[2];
const expected = fs.readFileSync(path.join(dir, 'expected'), 'utf8').trim().split('\n');
const read = (name) => fs.readFileSync(path.join(dir, name));
const hexRgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.substr(i, 2), 16)).join(',');

const readers = {
  ase: () => ase.decode(read('palette.ase')).colors.map(
    (c) => `${c.name} ${c.color.map((v) => Math.round(v * 255)).join(',')}` + (c.model === 'RGB' && c.type === 'global' ? '' : ' (not a global RGB colour)')),
  json: () => JSON.parse(read('palette.json')).map((e) => `${e.name} ${e.rgb.join(',')}` + (hexRgb(e.hex) === e.rgb.join(',') ? '' : ' (hex differs)')),
  gpl: () => {
    const lines = read('palette.gpl').toString().split('\n');
    if (lines[0] !== 'GIMP Palette') return ['no GIMP Palette header'];
    return lines.slice(1).filter((l) => /^\s*\d/.test(l)).map((l) => {
      const [rgb, name] = l.split('\t');
      return `${name} ${rgb.trim().split(/\s+/).join(',')}`;
    });
  },
  css: () => [...read('palette.css').toString().matchAll(/--velkaro-(\d+):\s*(#[0-9A-F]{6});\s*\/\*\s*(.*?)\s*\*\//g)]
    .map((m) => `${m[3]} ${hexRgb(m[2])}`),
};

let failed = 0;
for (const [format, reader] of Object.entries(readers)) {
  let got;
  try { got = reader(); } catch (e) { got = [`unreadable: ${e.message}`]; }
  const ok = JSON.stringify(got) === JSON.stringify(expected);
  if (!ok) failed++;
  console.log(`${ok ? 'ok' : 'FAILED'}: .${format} reads back as ${JSON.stringify(got)}`);
}
console.log(`${Object.keys(readers).length - failed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
