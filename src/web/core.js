// The core's module, started once: index.html loads this ahead of the page's script, so the
// WebAssembly compiles while the page's own modules load, and the page takes it from here.
import createCore from './talvira.js';

export const core = createCore();
