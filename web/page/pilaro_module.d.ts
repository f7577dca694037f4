// The C++ module as the page's JavaScript calls it (web/*_bindings.cpp):
// every function, and the plain values it takes and gives. A list crosses
// as a Vector, a handle on the module's memory, which module_values.js's
// plain() takes into an array and releases. tests/web/module_types_test.mjs
// checks the page's JavaScript against these types and these types against
// the module itself.

declare module 'pilaro:module' {
  /** A list the module holds until it is deleted (embind's register_vector). */
  export interface Vector<T> {
    size(): number;
    get(index: number): T;
    push_back(value: T): void;
    resize(size: number, value: T): void;
    set(index: number, value: T): boolean;
    delete(): void;
  }

  /** A value with every Vector in it an array, as plain() gives it. */
  export type Plain<T> =
    T extends Vector<infer E>
      ? Plain<E>[]
      : T extends ArrayBufferView | ((...args: never[]) => unknown)
        ? T
        : T extends object
          ? { [K in keyof T]: Plain<T[K]> }
          : T;

  // The form (web/bindings.cpp, web/visit_bindings.cpp).

  /** The form's state, which the page holds for as long as it is open. */
  export interface State {
    delete(): void;
  }

  export interface ControlRow {
    name: string;
    kind: 'frame' | 'caption' | 'field' | 'list' | 'option' | 'button' | 'printer';
    container: string;
    text: string;
    left: number;
    top: number;
    width: number;
    height: number;
    tabIndex: number;
    enterRuns: boolean;
    readOut: boolean;
    action: '' | 'run' | 'print' | 'exit';
  }

  /** The texts the form's fields and lists show, by their names. */
  export type ControlTexts = Record<string, string>;

  export interface RunOutcome {
    done: boolean;
    status: string;
    message: string;
    focus: string;
    readOuts: Vector<{ field: string; text: string }>;
  }

  export interface PrintOutcome {
    prints: boolean;
    message: string;
    focus: string;
  }

  export interface ControlSetting {
    control: string;
    text: string;
  }

  /** A list's entries, and the entry it shows ('' for none). */
  export interface ListContents {
    list: string;
    entries: Vector<string>;
    shown: string;
  }

  export interface ControlPlace {
    control: string;
    left: number;
    top: number;
    width: number;
    height: number;
  }

  /** What a pick changes: after a switch of method, the grade lists, the
   * emptied read-outs, what shows and where the moved controls stand. */
  export interface FormChange {
    lists: Vector<ListContents>;
    fields: Vector<ControlSetting>;
    shown: Vector<{ control: string; shown: boolean }>;
    places: Vector<ControlPlace>;
    resultsCleared: boolean;
  }

  // Diagrams (web/diagram_bindings.cpp, web/diagram_values.h).

  export interface PageColour {
    colour: string;
    opacity: number;
  }

  export interface PageText {
    text: string;
    x: number;
    y: number;
    pixels: number;
    bold: boolean;
    colour: string;
    opacity: number;
  }

  export interface PagePoint {
    x: number;
    y: number;
  }

  export interface PageBox {
    x: number;
    y: number;
    width: number;
    height: number;
  }

  export interface PageLegendEntry {
    name: PageText;
    line: boolean;
    sample: PageColour;
    x: number;
    y: number;
  }

  export interface PageTick {
    at: number;
    zero: boolean;
    label: PageText;
  }

  export interface PageMarker {
    x: number;
    y: number;
    kind: 'pass' | 'fail' | 'design';
    name: string;
    line: number;
  }

  export interface PageLabel {
    ground: PageBox;
    name: PageText;
  }

  export interface PageDiagram {
    stem: string;
    title: string;
    plot: PageBox;
    heading: PageText;
    section: PageText;
    legend: Vector<PageLegendEntry>;
    ticksM: Vector<PageTick>;
    ticksN: Vector<PageTick>;
    across: PageText;
    up: PageText;
    cap: Vector<PagePoint>;
    curve: Vector<PagePoint>;
    markers: Vector<PageMarker>;
    labels: Vector<PageLabel>;
  }

  export interface PageDiagramStyle {
    width: number;
    height: number;
    pngWidth: number;
    pngHeight: number;
    background: PageColour;
    pass: PageColour;
    fail: PageColour;
    design: PageColour;
    curve: PageColour;
    grid: PageColour;
    axis: PageColour;
    outline: PageColour;
    labelGround: PageColour;
    markerRadius: number;
    markerOutline: number;
    gridWidth: number;
    curveWidth: number;
    capWidth: number;
    capDash: Vector<number>;
    legendLineWidth: number;
    legendLineLength: number;
    legendMarkerOffset: number;
  }

  export interface PageDiagrams {
    diagrams: Vector<PageDiagram>;
    problems: Vector<string>;
    style: PageDiagramStyle;
  }

  /** The page's font, which a diagram's layout measures its texts in. */
  export interface TextMeasure {
    width(text: string, pixels: number, bold: boolean): number;
    ascent(pixels: number): number;
    height(pixels: number): number;
  }

  // Tables (web/table_bindings.cpp).

  /** A table's records: every cell in turn as UTF-8, each cell's length in
   * bytes, how many cells each record has and the line each starts on. */
  export interface TableRecords {
    cells: Uint8Array;
    cellLengths: ArrayLike<number>;
    recordCells: ArrayLike<number>;
    lines: ArrayLike<number>;
  }

  export interface ShownColumn {
    chinese: string;
    english: string;
    compactPlace: number;
  }

  export interface TableOpening {
    refusal: string;
    rowCount: number;
    columns: Vector<ShownColumn>;
  }

  export interface RowsRun {
    cells: string;
    cellEnds: Uint32Array;
    marks: Array<'design' | 'pass' | 'fail' | 'none'>;
    widths: Float64Array;
    rowsRun: number;
  }

  export interface TableEnd {
    summary: string;
    members: Vector<string>;
    governing: Vector<number>;
    csv: Uint8Array;
  }

  export interface FileKind {
    kind: '' | 'text' | 'workbook';
    refusal: string;
  }

  export interface WorkbookFile {
    name: string;
    bytes: Uint8Array;
  }

  export interface PilaroModule {
    State: new () => State;
    controls(): Vector<ControlRow>;
    windowBox(state: State): { name: string; width: number; height: number };
    lists(state: State): Vector<ListContents>;
    pick(state: State, list: string, entry: string): FormChange;
    choose(state: State, option: string): void;
    shownControls(state: State): Vector<{ control: string; shown: boolean }>;
    run(state: State, controls: ControlTexts): RunOutcome;
    print(state: State, controls: ControlTexts): PrintOutcome;
    stale(state: State, controls: ControlTexts): boolean;
    report(
      state: State,
      pageWidth: number,
      width: (text: string, pointSize: number) => number,
    ): { pointSize: number; lines: Vector<Vector<{ x: number; text: string }>> };
    example(state: State): {
      option: string;
      entries: Vector<ControlSetting>;
      fields: Vector<ControlSetting>;
    };
    exampleQuestion(state: State, controls: ControlTexts): string;
    clearQuestion(): string;
    clear(state: State): Vector<ControlSetting>;
    help(): Vector<{ heading: string; text: string }>;
    staleHint(): string;

    formDiagram(state: State, controls: ControlTexts, measure: TextMeasure): PageDiagrams;

    tableEncoding(bytes: Uint8Array): 'utf-8' | 'gb18030' | 'utf-16le' | 'utf-16be';
    undecodableText(bytes: Uint8Array, decodes: (line: Uint8Array) => boolean): string;
    /** The text's first lines, as a string or as UTF-8. */
    tableSeparator(text: string | Uint8Array): string;
    unclosedQuote(line: number): string;
    tablesNotStarted(reason: string): string;
    warmUpTable(): Uint8Array;
    fileKind(bytes: Uint8Array, name: string): FileKind;
    openTable(records: TableRecords): TableOpening;
    tableRecords(): {
      cells: Uint8Array;
      cellLengths: Uint32Array;
      recordCells: Uint32Array;
      lines: Uint32Array;
    };
    startWorkbook(name: string): void;
    workbookPartWanted(): string;
    readWorkbookPart(events: string, found: boolean): void;
    openWorkbookTable(): TableOpening;
    runTableRows(count: number): RowsRun;
    tableAnswers(first: number, count: number): Uint8Array;
    takeTableRows(answers: Uint8Array): RowsRun;
    tableEnd(): TableEnd;
    tableDiagrams(member: number, measure: TextMeasure): PageDiagrams;
    tableWorkbook(): Vector<WorkbookFile>;
    savedTable(): Uint8Array | null;
  }

  const createPilaroModule: (
    options:
      | { wasmBinary: ArrayBuffer | Uint8Array }
      | {
          instantiateWasm: (
            imports: WebAssembly.Imports,
            receive: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void,
          ) => object;
        },
  ) => Promise<PilaroModule>;
  export default createPilaroModule;
}

declare module 'pilaro:wasm' {
  const wasm: Uint8Array<ArrayBuffer>;
  export default wasm;
}

declare module 'pilaro:worker' {
  /** The table worker's script. */
  const source: string;
  export default source;
}
