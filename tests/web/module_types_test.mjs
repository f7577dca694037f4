// The module's types (web/page/pilaro_module.d.ts) hold both ways: the
// page's JavaScript type-checks against them (TypeScript over the page's
// files, their JSDoc included: the page's in a browser's globals, the table
// worker's in a worker's), and the module built is what they say: every
// function it has is declared and every one declared is there, and what
// each gives, called as the page calls it, has exactly the fields declared,
// of the kinds declared.
//   node module_types_test.mjs MODULE_JS NODE_MODULES EXAMPLE
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { plain } from '../../web/page/module_values.js';
import { recordsOf } from '../../web/page/table_records.js';

const [modulePath, nodeModules, example] = process.argv.slice(2);
const required = createRequire(join(resolve(nodeModules), 'noop.js'));
const ts = required('typescript');
const Papa = required('papaparse');
const pageFolder = join(dirname(fileURLToPath(import.meta.url)), '../../web/page');
const declarations = join(pageFolder, 'pilaro_module.d.ts');
const pageFiles = readdirSync(pageFolder)
  .filter((name) => name.endsWith('.js'))
  .map((name) => join(pageFolder, name));
const worker = join(pageFolder, 'table_worker.js');
// The page's files in a program of their own; `lib` the globals they run in.
function program(files, lib) {
  return ts.createProgram([...files, declarations], {
    allowJs: true,
    checkJs: true,
    noEmit: true,
    target: ts.ScriptTarget.ES2022,
    module: ts.ModuleKind.ESNext,
    moduleResolution: ts.ModuleResolutionKind.Bundler,
    lib,
    types: [],
    // The page's npm packages, as the bundler finds them.
    baseUrl: resolve(nodeModules),
    paths: { '*': ['*'] },
  });
}

function problems(built, files) {
  return ts
    .getPreEmitDiagnostics(built)
    .filter((d) => !d.file || files.includes(resolve(d.file.fileName)))
    .map((d) => {
      const where = d.file ? `${d.file.fileName}:${d.file.getLineAndCharacterOfPosition(d.start).line + 1}: ` : '';
      return where + ts.flattenDiagnosticMessageText(d.messageText, '\n');
    });
}

// The module's declared interface, for the checks against the module.
const declared = program([], ['lib.es2022.d.ts']);
const checker = declared.getTypeChecker();
const moduleSymbol = checker
  .getAmbientModules()
  .find((m) => m.getName() === '"pilaro:module"');
const moduleType = (name) =>
  checker.getDeclaredTypeOfSymbol(checker.getExportsOfModule(moduleSymbol).find((s) => s.getName() === name));
const pilaroModule = moduleType('PilaroModule');

// Whether `value` (made plain) is of the declared `type`; what is not, by
// where it is.
function mismatches(value, type, where) {
  if (type.isUnion()) {
    const kinds = type.types.map((t) => mismatches(value, t, where));
    return kinds.some((k) => k.length === 0) ? [] : [`${where}: ${JSON.stringify(value)?.slice(0, 80)} is no ${checker.typeToString(type)}`];
  }
  if (type.flags & ts.TypeFlags.StringLiteral) return value === type.value ? [] : [`${where}: ${value} is not "${type.value}"`];
  if (type.flags & ts.TypeFlags.String) return typeof value === 'string' ? [] : [`${where}: no string`];
  if (type.flags & ts.TypeFlags.Number) return typeof value === 'number' ? [] : [`${where}: no number`];
  if (type.flags & ts.TypeFlags.BooleanLike) return typeof value === 'boolean' ? [] : [`${where}: no boolean`];
  if (type.flags & ts.TypeFlags.Null) return value === null ? [] : [`${where}: not null`];
  if (type.flags & ts.TypeFlags.Void) return value === undefined ? [] : [`${where}: not undefined`];
  const name = type.getSymbol()?.getName();
  if (['Uint8Array', 'Uint32Array', 'Float64Array'].includes(name))
    return value instanceof globalThis[name] ? [] : [`${where}: no ${name}`];
  const element = name === 'Vector' ? type.typeArguments?.[0] ?? checker.getTypeArguments(type)[0]
    : checker.isArrayType(type) ? checker.getTypeArguments(type)[0] : null;
  if (element) {
    if (!Array.isArray(value)) return [`${where}: no list`];
    return value.flatMap((item, i) => mismatches(item, element, `${where}[${i}]`));
  }
  if (value === null || typeof value !== 'object') return [`${where}: no object`];
  const fields = checker.getPropertiesOfType(type).map((p) => p.getName());
  const found = [
    ...fields.filter((f) => !(f in value)).map((f) => `${where}.${f}: declared, not given`),
    ...Object.keys(value).filter((k) => !fields.includes(k)).map((k) => `${where}.${k}: given, not declared`),
  ];
  return [
    ...found,
    ...fields.filter((f) => f in value).flatMap((f) => {
      const property = checker.getPropertyOfType(type, f);
      return mismatches(value[f], checker.getTypeOfSymbol(property), `${where}.${f}`);
    }),
  ];
}

// What a declared function of the module gives.
function returnOf(name) {
  const property = checker.getPropertyOfType(pilaroModule, name);
  const signature = checker.getTypeOfSymbol(property).getCallSignatures()[0];
  return checker.getReturnTypeOfSignature(signature);
}

test('the module\'s types', async (t) => {
  await t.test('the page\'s JavaScript type-checks against them', () => {
    const pages = pageFiles.filter((file) => file !== worker);
    assert.ok(pages.length >= 15, pages.join());
    assert.deepEqual(problems(program(pages, ['lib.es2022.d.ts', 'lib.dom.d.ts', 'lib.dom.iterable.d.ts']), pages), []);
    const workerFiles = [worker, join(pageFolder, 'module_values.js'), join(pageFolder, 'table_records.js')];
    assert.deepEqual(problems(program([worker], ['lib.es2022.d.ts', 'lib.webworker.d.ts']), workerFiles), []);
  });

  const createPilaroModule = createRequire(import.meta.url)(resolve(modulePath));
  const pilaro = await createPilaroModule({ wasmBinary: readFileSync(resolve(modulePath).replace(/\.js$/, '.wasm')) });

  await t.test('the module has every function declared, and no other', () => {
    // embind's functions carry their argument count, or a table of
    // overloads where the runtime had a function of the name (run); its
    // classes have handles, its lists (Vector) get and size.
    const embind = Object.keys(pilaro).filter((name) => {
      const value = pilaro[name];
      if (typeof value !== 'function') return false;
      if (value.prototype?.size && value.prototype?.get) return false;
      return 'argCount' in value || 'overloadTable' in value || typeof value.prototype?.delete === 'function';
    });
    const names = checker.getPropertiesOfType(pilaroModule).map((p) => p.getName());
    assert.deepEqual([...embind].sort(), [...names].sort());
  });

  await t.test('what each gives is what is declared', () => {
    const measure = {
      width: (text, pixels) => text.length * pixels * 0.6,
      ascent: (pixels) => pixels * 0.8,
      height: (pixels) => pixels * 1.2,
    };
    const state = new pilaro.State();
    try {
      const form = {
        cbohnt: '25号', cbogj: 'Ⅱ级', txtnj: '5000', txtmj: '3000', txtzd: '1.2', txtbc: '0.05', txtlj: '10',
      };
      pilaro.pick(state, 'cbohnt', '25号');
      pilaro.pick(state, 'cbogj', 'Ⅱ级');
      pilaro.choose(state, 'optpj');
      const bytes = readFileSync(example);
      const text = new TextDecoder().decode(bytes);
      const records = recordsOf(Papa, text, pilaro.tableSeparator(text));
      const calls = {
        controls: () => pilaro.controls(),
        windowBox: () => pilaro.windowBox(state),
        lists: () => pilaro.lists(state),
        shownControls: () => pilaro.shownControls(state),
        run: () => pilaro.run(state, form),
        print: () => pilaro.print(state, form),
        stale: () => pilaro.stale(state, form),
        report: () => pilaro.report(state, 600, (s, size) => s.length * size),
        formDiagram: () => pilaro.formDiagram(state, form, measure),
        example: () => pilaro.example(state),
        exampleQuestion: () => pilaro.exampleQuestion(state, form),
        clearQuestion: () => pilaro.clearQuestion(),
        help: () => pilaro.help(),
        staleHint: () => pilaro.staleHint(),
        tableEncoding: () => pilaro.tableEncoding(bytes),
        undecodableText: () => pilaro.undecodableText(Buffer.from('a\n\xff'), () => false),
        tableSeparator: () => pilaro.tableSeparator(text),
        unclosedQuote: () => pilaro.unclosedQuote(3),
        tablesNotStarted: () => pilaro.tablesNotStarted('x'),
        warmUpTable: () => pilaro.warmUpTable(),
        openTable: () => pilaro.openTable({
          cells: records.bytes, cellLengths: records.lengths, recordCells: records.counts, lines: records.lines,
        }),
        tableRecords: () => pilaro.tableRecords(),
        tableAnswers: () => pilaro.tableAnswers(0, 2),
        takeTableRows: () => pilaro.takeTableRows(pilaro.tableAnswers(0, 2)),
        runTableRows: () => pilaro.runTableRows(100),
        tableEnd: () => pilaro.tableEnd(),
        tableDiagrams: () => pilaro.tableDiagrams(0, measure),
        tableWorkbook: () => pilaro.tableWorkbook(),
        savedTable: () => pilaro.savedTable(),
        fileKind: () => pilaro.fileKind(bytes, 'pier_load_cases.csv'),
        // A workbook whose archive lacks every part: refused, and the table
        // held stays.
        startWorkbook: () => pilaro.startWorkbook('empty.xlsx'),
        workbookPartWanted: () => pilaro.workbookPartWanted(),
        readWorkbookPart: () => pilaro.readWorkbookPart('', false),
        openWorkbookTable: () => pilaro.openWorkbookTable(),
        clear: () => pilaro.clear(state),
        // A switch of method: every part of what it changes has something.
        pick: () => {
          const method = plain(pilaro.lists(state)).find((l) => l.list === 'cbomethod');
          return pilaro.pick(state, 'cbomethod', method.entries[1]);
        },
      };
      for (const [name, call] of Object.entries(calls))
        assert.deepEqual(mismatches(plain(call()), returnOf(name), name), [], name);
      // A function not called here is a function not checked.
      const declaredNames = checker.getPropertiesOfType(pilaroModule).map((p) => p.getName());
      assert.deepEqual(declaredNames.filter((n) => n !== 'State' && !(n in calls) && n !== 'choose'), []);
    } finally {
      state.delete();
    }
  });
});
