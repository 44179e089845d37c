// Peer side of bench_simplify: simplify-js with highQuality false on the points of a file of
// little-endian float64 x,y pairs. Prints "ready" after a warm-up run, then answers each input
// line with one timed run: "<wall ms> <cpu ms> <output points>". Rounds interleave with ours.
'use strict';
const fs = require('fs');
const path = require('path');
const readline = require('readline');

const [file, toleranceText, toolsDir] = process.argv.slice(2);
const simplify = require(path.join(toolsDir, 'node_modules', 'simplify-js'));
const bytes = fs.readFileSync(file);
const values = new Float64Array(bytes.buffer, bytes.byteOffset, bytes.length / 8);
const points = new Array(values.length / 2);
for (let i = 0; i < points.length; ++i)
    points[i] = { x: values[2 * i], y: values[2 * i + 1] };

const tolerance = Number(toleranceText);
simplify(points, tolerance, false); // warm-up: lets the JIT compile before timing
console.log('ready');
readline.createInterface({ input: process.stdin }).on('line', () => {
    const cpuStart = process.cpuUsage();
    const start = process.hrtime.bigint();
    const count = simplify(points, tolerance, false).length;
    const wall = Number(process.hrtime.bigint() - start) / 1e6;
    const cpu = process.cpuUsage(cpuStart);
    console.log(wall + ' ' + (cpu.user + cpu.system) / 1000 + ' ' + count);
});
