// Checks the page's JavaScript: ESLint's recommended rules and Prettier's
// layout, with the versions the committed lockfile pins. The packages come
// from the build's node_modules (npm ci there), so the rules are here
// rather than in a config file that would look for them beside the source.
//
// node lint.mjs --node-modules DIR [--write]
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { parseArgs } from 'node:util';

const { values: args } = parseArgs({
  options: { 'node-modules': { type: 'string' }, write: { type: 'boolean', default: false } },
});
if (!args['node-modules']) throw new Error('lint.mjs: --node-modules is missing');
const modules = resolve(args['node-modules']);
const load = async (name) => {
  const path = createRequire(join(modules, 'noop.js')).resolve(name);
  return import(pathToFileURL(path).href);
};
const { ESLint } = await load('eslint');
const js = (await load('@eslint/js')).default;
const globals = (await load('globals')).default;
const prettierModule = await load('prettier');
const prettier = prettierModule.format ? prettierModule : prettierModule.default;

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const folders = ['page', 'tools'];
const files = folders.flatMap((folder) =>
  readdirSync(join(web, folder))
    .filter((name) => /\.m?js$/.test(name))
    .map((name) => join(web, folder, name)),
);
// The module's types are laid out by Prettier too.
const declarations = readdirSync(join(web, 'page'))
  .filter((name) => name.endsWith('.d.ts'))
  .map((name) => join(web, 'page', name));

// The page runs in the browser (its table worker in a worker), the tools
// under node; the module and its wasm come in under the bundler's names.
const eslint = new ESLint({
  cwd: web,
  overrideConfigFile: true,
  overrideConfig: [
    js.configs.recommended,
    {
      files: ['page/**/*.js'],
      languageOptions: { sourceType: 'module', globals: { ...globals.browser } },
    },
    {
      files: ['page/table_worker.js'],
      languageOptions: { globals: { ...globals.worker } },
    },
    {
      files: ['tools/**/*.mjs'],
      languageOptions: { sourceType: 'module', globals: { ...globals.node } },
    },
    {
      // Its callbacks run in the page it drives.
      files: ['tools/screenshot.mjs'],
      languageOptions: { globals: { ...globals.browser } },
    },
    {
      rules: {
        'no-unused-vars': ['error', { argsIgnorePattern: '^_', caughtErrors: 'none' }],
        eqeqeq: ['error', 'always'],
        'prefer-const': 'error',
        'no-var': 'error',
      },
    },
  ],
});

let problems = 0;
const results = await eslint.lintFiles(files);
const report = (await eslint.loadFormatter('stylish')).format(results);
if (report) process.stdout.write(report);
problems += results.reduce((n, r) => n + r.errorCount + r.warningCount, 0);

const layout = { singleQuote: true, printWidth: 100 };
for (const file of [...files, ...declarations]) {
  const text = readFileSync(file, 'utf8');
  const options = { ...layout, filepath: file };
  if (args.write) {
    const formatted = await prettier.format(text, options);
    if (formatted !== text) writeFileSync(file, formatted);
  } else if (!(await prettier.check(text, options))) {
    console.log(
      `${relative(web, file)}: not laid out as Prettier lays it out (run lint.mjs --write)`,
    );
    problems += 1;
  }
}
process.exit(problems === 0 ? 0 : 1);
