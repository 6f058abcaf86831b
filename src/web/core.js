// The core's module, started once: index.html loads this ahead of the page's script, so the
// WebAssembly compiles while the page's own modules load, and the page takes it from here.
// Where the browser runs WebAssembly's vector instructions (a module that uses one validates),
// the core built with them; else the plain one.
const vectors = WebAssembly.validate(new Uint8Array([
    0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0, 65, 0,
    253, 15, 253, 98, 11]));
const {default: createCore} = await import(vectors ? './talvira-simd.js' : './talvira.js');

export const core = createCore();
