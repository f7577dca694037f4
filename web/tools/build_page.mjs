// Builds the one-file page: bundles the page's JavaScript with the C++
// module and its WebAssembly (esbuild), and the table worker's JavaScript
// with the module into a text that the page starts as a worker; and
// inlines it all and the style sheet into the page, under a
// Content-Security-Policy that allows exactly this script and this style
// sheet, WebAssembly, the worker and the pictures the page makes itself
// (blob: URLs).
//
// node build_page.mjs --page DIR --module pilaro_module.js --wasm pilaro_module.wasm
//                     --node-modules DIR --out pilaro.html [--max-bytes N]
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, renameSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { parseArgs } from 'node:util';

const { values: args } = parseArgs({
  options: {
    page: { type: 'string' },
    module: { type: 'string' },
    wasm: { type: 'string' },
    'node-modules': { type: 'string' },
    out: { type: 'string' },
    'max-bytes': { type: 'string', default: String(2 * 1024 * 1024) },
  },
});
for (const name of ['page', 'module', 'wasm', 'node-modules', 'out'])
  if (!args[name]) throw new Error(`build_page.mjs: --${name} is missing`);

const esbuild = createRequire(join(resolve(args['node-modules']), 'noop.js'))('esbuild');

// The module and its wasm come in under fixed names; the module's code for
// node (require of fs and path) is never reached in a browser.
const modulePaths = {
  name: 'pilaro-module',
  setup(build) {
    build.onResolve({ filter: /^pilaro:module$/ }, () => ({ path: resolve(args.module) }));
    build.onResolve({ filter: /^pilaro:wasm$/ }, () => ({ path: resolve(args.wasm) }));
  },
};

const bundled = async (entry, plugins) =>
  (
    await esbuild.build({
      entryPoints: [join(args.page, entry)],
      bundle: true,
      write: false,
      format: 'iife',
      platform: 'browser',
      target: ['chrome100', 'firefox105', 'safari16.4', 'edge100'],
      minify: true,
      legalComments: 'none',
      external: ['fs', 'path'],
      // The page's npm packages, installed in the build folder.
      nodePaths: [resolve(args['node-modules'])],
      loader: { '.wasm': 'binary' },
      plugins,
      logLevel: 'warning',
    })
  ).outputFiles[0].text;

// The worker's script, which the page imports as text.
const worker = await bundled('table_worker.js', [modulePaths]);
const workerSource = {
  name: 'pilaro-worker',
  setup(build) {
    build.onResolve({ filter: /^pilaro:worker$/ }, () => ({
      path: 'worker',
      namespace: 'pilaro-worker',
    }));
    build.onLoad({ filter: /.*/, namespace: 'pilaro-worker' }, () => ({
      contents: worker,
      loader: 'text',
    }));
  },
};
const page = await bundled('main.js', [modulePaths, workerSource]);

// Inside <script>, "</script" would end the element and "<!--" change how
// the HTML parser reads it; escaped, both mean the same to JavaScript.
const script = page.replaceAll('</script', '<\\/script').replaceAll('<!--', '<\\!--').trimEnd();
const style = readFileSync(join(args.page, 'style.css'), 'utf8');
if (style.includes('</style')) throw new Error('style.css must not contain "</style"');

const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const policy = [
  "default-src 'none'",
  `script-src ${hash(script)} 'wasm-unsafe-eval'`,
  `style-src ${hash(style)}`,
  'worker-src blob:',
  'img-src blob:',
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// Split and join: the texts hold "$" sequences that replace() would read.
let html = readFileSync(join(args.page, 'index.html'), 'utf8');
for (const [mark, text] of [
  ['@CONTENT_SECURITY_POLICY@', policy],
  ['@STYLE@', style],
  ['@SCRIPT@', script],
]) {
  const parts = html.split(mark);
  if (parts.length !== 2) throw new Error(`index.html must hold ${mark} once`);
  html = parts.join(text);
}

const bytes = Buffer.byteLength(html, 'utf8');
if (bytes > Number(args['max-bytes']))
  throw new Error(`the page is ${bytes} bytes, more than the ${args['max-bytes']} allowed`);
// Written whole or not at all.
writeFileSync(`${args.out}.tmp`, html);
renameSync(`${args.out}.tmp`, args.out);
console.log(`page: ${args.out} (${bytes} bytes)`);
