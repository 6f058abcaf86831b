// The page without its sheet, served as empty.html (pagecase.py): the page's own document,
// styles and modules and its core started the same way, and then nothing shown. The start
// sheet over the bundled catalogues is measured against it.
import {core} from './core.js';
import './boxes.js';
import './menu.js';
import './pick.js';
import './sheet.js';
import './share.js';

await core;
performance.mark('talvira-shown');
document.body.dataset.state = 'ready';
