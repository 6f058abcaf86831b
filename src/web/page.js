// The page's script: starts the core's module, hands it the bundled catalogues and shows
// what it computed. Every rule stays in the module; the page keeps nothing.
import createCore from './talvira.js';

async function filebytes(name) {
    const response = await fetch(name);
    if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
    return new Uint8Array(await response.arrayBuffer());
}

function show(id, text) {
    const element = document.getElementById(id);
    element.textContent = text;
    element.hidden = text === '';
}

async function start() {
    const [core, skills, feats] = await Promise.all(
        [createCore(), filebytes('skills.res'), filebytes('feats.res')]);
    const sheet = core.startsheet(skills, feats);
    show('total', sheet.total);
    show('catalogues', `Навыков: ${sheet.skills}, особенностей: ${sheet.feats}`);
    show('problem', sheet.error);
    performance.mark('talvira-shown');
    document.body.dataset.state = 'ready';
}

start().catch((failure) => {
    show('problem', `Страница не загрузилась: ${failure.message}`);
    document.body.dataset.state = 'failed';
});
